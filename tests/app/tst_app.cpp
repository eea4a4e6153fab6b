#include "helpfile.h"
#include "helpviewer.h"
#include "messagebox.h"
#include "programfolder.h"
#include "screencheck.h"
#include "startwindow.h"
#include "textbox.h"
#include "versiontext.h"
#include "windowscale.h"
#include "windowsize.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Screen metrics a test chooses, counting how often the height is read.
struct FakeScreen : ScreenMetrics {
    FakeScreen(QSizeF twips) : twips(twips) {}
    float widthTwips() const override { return float(twips.width()); }
    float heightTwips() const override
    {
        ++heightReads;
        return float(twips.height());
    }
    QSizeF twips;
    mutable int heightReads = 0;
};

const QString AboutText = QStringLiteral("Premi il tasto F1 se vuoi visualizzare la guida\r\n"
                                         "-----------------------------------------------\r\n"
                                         "Buon lavoro da:\r\n"
                                         "Ventalbo\r\n"
                                         "http://www.example.org/ventalbo\r\n"
                                         "e-mail: ventalbo@example.org\r\n");

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}
} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void versionText_data();
    void versionText();
    void risoluzioneUguale_data();
    void risoluzioneUguale();
    void controls_data();
    void controls();
    void arrangement();
    void formLoad();
    void modeButtons_data();
    void modeButtons();
    void pupilMachineHasNoEditor();
    void oneAboutWindow();
    void esciClosesEveryWindow();
    void f1OpensOneViewer();
    void sizesFromTheKeyboard();
    void sizeInQtsScaleFactor_data();
    void sizeInQtsScaleFactor();
};

void TestApp::cleanup()
{
    qDeleteAll(QApplication::topLevelWidgets());
}

void TestApp::versionText_data()
{
    QTest::addColumn<int>("minor");
    // Tagged with the text for major version 1: minor 5 gives 1.5, never 1.05.
    QTest::newRow("1.0") << 0;
    QTest::newRow("1.12") << 12;
    QTest::newRow("1.5") << 5;
}

void TestApp::versionText()
{
    QFETCH(int, minor);
    QCOMPARE(::versionText(1, minor), QLatin1String(QTest::currentDataTag()));
}

void TestApp::risoluzioneUguale_data()
{
    QTest::addColumn<QSizeF>("screen"); // twips: pixels x 1440 / logical dpi
    QTest::addColumn<bool>("equal");
    QTest::addColumn<int>("heightReads");

    QTest::newRow("640x480 at 96 dpi") << QSizeF(9600, 7200) << true << 1;
    QTest::newRow("640x480 at 120 dpi") << QSizeF(7680, 5760) << false << 0;
    QTest::newRow("800x600") << QSizeF(12000, 9000) << false << 0;
    QTest::newRow("640 wide, 400 high") << QSizeF(9600, 6000) << false << 1;
    QTest::newRow("height not read when width differs") << QSizeF(9599.999f, 7200) << false << 0;
}

void TestApp::risoluzioneUguale()
{
    QFETCH(QSizeF, screen);
    QFETCH(bool, equal);
    QFETCH(int, heightReads);
    const FakeScreen metrics(screen);
    QCOMPARE(screenIsExactly(640, 480, metrics), equal);
    QCOMPARE(metrics.heightReads, heightReads);
}

void TestApp::controls_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("font");

    const QString comic = QStringLiteral("Comic Sans MS ");
    const QString title = QStringLiteral(" bold italic");
    QTest::newRow("cmdRisoluzione") << "Risoluzione" << comic + "20.25";
    QTest::newRow("cmdEditor") << "Editor" << comic + "20.25";
    QTest::newRow("cmdEsci") << "Esci" << comic + "20.25";
    QTest::newRow("Label1") << "Zenuvio di geometria piana"
                            << "Arial 26.25" + title;
    QTest::newRow("Label2") << "( Perimetro - Area - Teorema di Pitagora )"
                            << "Arial 12" + title;
    QTest::newRow("cmdInfo") << "Info" << comic + "20.25";
    QTest::newRow("Label5") << "ventalbo@example.org" << comic + "8.25";
    QTest::newRow("Label3") << "Versione" << comic + "8.25";
    QTest::newRow("Label4") << "" << comic + "8.25";
}

void TestApp::controls()
{
    QFETCH(QString, caption);
    QFETCH(QString, font);
    StartWindow form(nullptr);
    auto *control = form.findChild<QWidget *>(QLatin1String(QTest::currentDataTag()));
    QVERIFY(control);
    QVERIFY(form.rect().contains(control->geometry()));
    QCOMPARE(control->property("text").toString(), caption);
    const QFont f = control->font();
    QCOMPARE(f.family() + ' ' + QString::number(f.pointSizeF()) + (f.bold() ? " bold" : "") +
                 (f.italic() ? " italic" : ""),
             font);
}

// From the top: the title, the subtitle, "Risoluzione" above "Editor"; then a
// bottom row with "Info", the e-mail address and "Esci", and under the
// address the words "Versione" and the version number.
void TestApp::arrangement()
{
    StartWindow form(nullptr);
    QCOMPARE(form.windowTitle(), "Start");
    const auto at = [&form](const char *name) {
        return form.findChild<QWidget *>(QLatin1String(name))->geometry();
    };
    const char *column[] = {"Label1", "Label2", "cmdRisoluzione", "cmdEditor", "cmdInfo"};
    for (int i = 1; i < 5; ++i)
        QVERIFY2(at(column[i - 1]).bottom() < at(column[i]).top(), column[i]);
    const char *row[] = {"cmdInfo", "Label5", "cmdEsci"};
    for (int i = 1; i < 3; ++i) {
        QVERIFY2(at(row[i - 1]).right() < at(row[i]).left(), row[i]);
        QCOMPARE(at(row[i]).top(), at(row[0]).top());
    }
    QVERIFY(at("Label5").bottom() < at("Label3").top());
    QCOMPARE(at("Label3").top(), at("Label4").top());
    QVERIFY(at("Label3").right() <= at("Label4").left());
    for (const char *centred : {"Label1", "Label2", "cmdRisoluzione", "cmdEditor"})
        QVERIFY2(qAbs(at(centred).center().x() - form.width() / 2) < 20, centred);
}

void TestApp::formLoad()
{
    const FakeScreen usual(QSizeF(12000, 9000)), small(QSizeF(9600, 7200)); // 800x600, 640x480
    MessageBox::Recording boxes;
    StartWindow form(nullptr);
    std::optional<ScreenMetrics::Override> screen(std::in_place, usual);
    QVERIFY(form.startUp());
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(form.findChild<QWidget *>("Label4")->property("text").toString(),
             programVersionText());
    QCOMPARE(HelpFile::registeredFile(), ProgramFolder::path() + QStringLiteral("\\Aiuto.HLP"));

    screen.emplace(small);
    QVERIFY(!form.startUp());
    QCOMPARE(boxes.shown().size(), 1);
    const MessageBox::Shown &box = boxes.shown().first();
    QCOMPARE(box.icon, MessageBox::Icon::Information);
    QCOMPARE(box.title, QStringLiteral("Avviso"));
    QCOMPARE(box.text, QStringLiteral("Il programma funziona con una risoluzione minima dello "
                                      "schermo di 800 x 600 pixel. Modifica le impostazioni e "
                                      "rilancia il programma."));
}

void TestApp::modeButtons_data()
{
    QTest::addColumn<int>("editor");
    QTest::newRow("cmdEditor") << 1;
    QTest::newRow("cmdRisoluzione") << 0;
}

void TestApp::modeButtons()
{
    QFETCH(int, editor);
    bool ready = false;
    QPointer<QWidget> work;
    // The work window is built for the button's mode with the busy pointer on;
    // it puts the pointer back.
    StartWindow form([&](WorkMode mode) -> QWidget * {
        const QCursor *pointer = QApplication::overrideCursor();
        ready = mode == (editor ? WorkMode::Editor : WorkMode::Solving) && pointer &&
                pointer->shape() == Qt::WaitCursor;
        QApplication::restoreOverrideCursor();
        work = new QWidget;
        work->setAttribute(Qt::WA_DeleteOnClose);
        return work;
    });
    form.show();
    click(&form, "cmdInfo");
    QPointer<AboutWindow> about = form.aboutWindow();

    for (int visit = 0; visit < 2; ++visit) {
        click(&form, QTest::currentDataTag());
        QVERIFY2(ready, "mode and busy pointer set before the work window is built");
        QVERIFY(work && work->isVisible());
        QVERIFY(!form.isVisible());
        QVERIFY(about && about->isVisible());

        // Closed through its frame, the work window brings the start window back.
        work->close();
        QTRY_VERIFY(form.isVisible());
    }
}

void TestApp::pupilMachineHasNoEditor()
{
    StartWindow form(nullptr);
    form.setEditorHidden(true);
    form.show();
    QVERIFY(!form.findChild<QPushButton *>("cmdEditor")->isVisible());
    QVERIFY(form.findChild<QPushButton *>("cmdRisoluzione")->isVisible());
}

void TestApp::oneAboutWindow()
{
    StartWindow form(nullptr);
    click(&form, "cmdInfo");
    QPointer<AboutWindow> first = form.aboutWindow();
    QVERIFY(first && first->isVisible());

    // Closed with OK, then opened again with Info pressed twice.
    click(first, "cmdOK");
    click(&form, "cmdInfo");
    click(&form, "cmdInfo");
    QTRY_VERIFY(!first);
    QCOMPARE(QApplication::topLevelWidgets().size(), 2); // the start and the about window
    auto *text1 = form.aboutWindow()->findChild<TextBox *>(QStringLiteral("Text1"));
    QCOMPARE(text1->text(), AboutText);
    QCOMPARE(text1->document()->blockCount(), 7); // the seventh line is empty
}

void TestApp::esciClosesEveryWindow()
{
    StartWindow form(nullptr);
    form.show();
    click(&form, "cmdInfo");
    QPointer<AboutWindow> about = form.aboutWindow();
    QPointer<HelpViewer> help = HelpFile::showHelp();
    QVERIFY(about && help);
    click(&form, "cmdEsci");
    QVERIFY(!form.isVisible());
    QTRY_VERIFY(!about && !help);
}

void TestApp::f1OpensOneViewer()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Aiuto.HLP"));
    HelpFile::registerFile(folder.path() + QStringLiteral("\\Aiuto.HLP"));
    AboutWindow about;
    about.show();
    QTest::keyClick(&about, Qt::Key_F1);
    QPointer<HelpViewer> viewer = HelpFile::viewer();
    QVERIFY(viewer && viewer->isVisible() && !viewer->showsFile());
    const QString note = viewer->toPlainText();
    QVERIFY2(note.contains(QStringLiteral("non è stato trovato")), qPrintable(note));
    QVERIFY2(note.contains(QDir::toNativeSeparators(path)), qPrintable(note));

    // Once the file is there, F1 here and in the viewer shows it in the one viewer.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("La guida è qui.") > 0 && file.flush());
    QTest::keyClick(&about, Qt::Key_F1);
    QTest::keyClick(viewer, Qt::Key_F1);
    QCOMPARE(HelpFile::viewer(), viewer.data());
    QCOMPARE(QApplication::topLevelWidgets().size(), 2); // the about window and the viewer
    QVERIFY(viewer->showsFile());
    QCOMPARE(viewer->toPlainText(), QStringLiteral("La guida è qui."));
}

// Ctrl++ and Ctrl+- step through the sizes, the list offers them all.
void TestApp::sizesFromTheKeyboard()
{
    QList<int> chosen;
    StartWindow form(nullptr);
    form.offerSizes(150, [&chosen](int percent) { chosen << percent; });
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        QSKIP("The start window cannot be made active here.");
    QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_Minus, Qt::ControlModifier);
    auto *sizes = form.findChild<QComboBox *>("cmbDimensione");
    QCOMPARE(sizes->currentText(), "150 %");
    QCOMPARE(sizes->count(), 6);
    sizes->setFocus();
    QTest::keyClick(sizes, Qt::Key_End);
    QCOMPARE(chosen, (QList<int>{200, 125, 300}));
}

void TestApp::sizeInQtsScaleFactor_data()
{
    QTest::addColumn<QByteArray>("before"); // QT_SCALE_FACTOR as the user left it
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("normal size, nothing set") << QByteArray() << 100 << QByteArray();
    QTest::newRow("double size") << QByteArray() << 200 << QByteArray("2");
    QTest::newRow("the user's own factor kept") << QByteArray("1.5") << 100 << QByteArray("1.5");
    QTest::newRow("combined with the user's") << QByteArray("1.5") << 200 << QByteArray("3");
    QTest::newRow("a size not listed") << QByteArray() << 130 << QByteArray("1.25");
}

void TestApp::sizeInQtsScaleFactor()
{
    QFETCH(QByteArray, before);
    QFETCH(int, size);
    QFETCH(QByteArray, after);
    const QByteArray saved = qgetenv("QT_SCALE_FACTOR");
    for (const char *name : {"ZENUVIO_SIZE", "ZENUVIO_BASE_SCALE_FACTOR", "QT_SCALE_FACTOR"})
        qunsetenv(name);
    if (!before.isEmpty())
        qputenv("QT_SCALE_FACTOR", before);
    char *arguments[] = {nullptr};
    QCOMPARE(WindowScale::prepare(0, arguments, size), WindowSize::listed(size));
    // A second preparation (a restart) starts from the user's own factor again.
    WindowScale::prepare(0, arguments, size);
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), after);
    qunsetenv("ZENUVIO_BASE_SCALE_FACTOR");
    saved.isEmpty() ? qunsetenv("QT_SCALE_FACTOR") : qputenv("QT_SCALE_FACTOR", saved);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
