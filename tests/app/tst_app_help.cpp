#include "form3.h"
#include "frminfo.h"
#include "helpfile.h"
#include "helpviewer.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
int viewerCount()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<HelpViewer *>(window) ? 1 : 0;
    return count;
}

// The help file as the program registers it: folder, "\" and the file name.
QString registered(const QTemporaryDir &folder)
{
    return folder.path() + QStringLiteral("\\Aiuto.HLP");
}

bool writeHelpFile(const QTemporaryDir &folder, int paragraphs)
{
    QFile file(folder.filePath(QStringLiteral("Aiuto.HLP")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray html = "<html><head><meta charset=\"utf-8\"></head><body><h1>Guida di "
                      "prova</h1>";
    for (int i = 0; i < paragraphs; ++i)
        html += "<p>Paragrafo " + QByteArray::number(i) + " della guida è qui.</p>";
    html += "</body></html>";
    return file.write(html) == html.size();
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void fileToOpen_data();
    void fileToOpen();
    void f1InEveryWindow_data();
    void f1InEveryWindow();
    void missingFile();
};

void TestHelp::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QTRY_COMPARE(viewerCount(), 0);
}

void TestHelp::fileToOpen_data()
{
    QTest::addColumn<QString>("registeredPath");
    QTest::addColumn<QString>("opened");

    QTest::newRow("backslash before name") << "/opt/zenuvio\\Aiuto.HLP"
                                           << "/opt/zenuvio/Aiuto.HLP";
    QTest::newRow("windows folder") << "C:\\Programmi\\Zenuvio\\Aiuto.HLP"
                                    << "C:\\Programmi\\Zenuvio/Aiuto.HLP";
    QTest::newRow("backslash inside a folder name") << "/opt/a\\b/Aiuto.HLP"
                                                    << "/opt/a\\b/Aiuto.HLP";
}

void TestHelp::fileToOpen()
{
    QFETCH(QString, registeredPath);
    QFETCH(QString, opened);
    HelpFile::registerFile(registeredPath);
    QCOMPARE(HelpFile::registeredFile(), registeredPath);
    QCOMPARE(HelpFile::fileToOpen(), opened);
}

void TestHelp::f1InEveryWindow_data()
{
    QTest::addColumn<QString>("window");

    QTest::newRow("start window") << "Form3";
    QTest::newRow("about window") << "frmInfo";
    QTest::newRow("work window") << "work";
}

void TestHelp::f1InEveryWindow()
{
    QFETCH(QString, window);

    QTemporaryDir folder;
    QVERIFY(writeHelpFile(folder, 3));
    HelpFile::registerFile(registered(folder));

    Form3 start(nullptr);
    frmInfo about;
    about.Form_Load();
    QWidget work;
    QWidget *target = window == QLatin1String("Form3")     ? static_cast<QWidget *>(&start)
                      : window == QLatin1String("frmInfo") ? static_cast<QWidget *>(&about)
                                                           : &work;
    target->show();
    target->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(target));
    QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : target;

    QTest::keyClick(receiver, Qt::Key_F1);
    HelpViewer *viewer = HelpFile::viewer();
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(viewer->showsFile());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Guida di Zenuvio"));
    QVERIFY(viewer->toPlainText().contains(QStringLiteral("Paragrafo 2 della guida è qui.")));

    // A second F1, here or in the viewer, keeps the one viewer.
    QTest::keyClick(receiver, Qt::Key_F1);
    QTest::keyClick(viewer, Qt::Key_F1);
    QCOMPARE(HelpFile::viewer(), viewer);
    QCOMPARE(viewerCount(), 1);
}

void TestHelp::missingFile()
{
    QTemporaryDir folder;
    HelpFile::registerFile(registered(folder));
    Form3 start(nullptr);
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));

    QTest::keyClick(&start, Qt::Key_F1);
    HelpViewer *viewer = HelpFile::viewer();
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(!viewer->showsFile());
    const QString shown = viewer->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("non è stato trovato")), qPrintable(shown));
    QVERIFY2(shown.contains(QDir::toNativeSeparators(folder.filePath(QStringLiteral("Aiuto.HLP")))),
             qPrintable(shown));

    // Once the file is there, F1 shows it.
    QVERIFY(writeHelpFile(folder, 1));
    QTest::keyClick(&start, Qt::Key_F1);
    QVERIFY(viewer->showsFile());
    QVERIFY(viewer->toPlainText().contains(QStringLiteral("Guida di prova")));
}

QTEST_MAIN(TestHelp)
#include "tst_app_help.moc"
