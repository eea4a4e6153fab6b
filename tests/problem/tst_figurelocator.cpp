#include "figurelocator.h"
#include "programfolder.h"

#include <QtTest>

class TestFigureLocator : public QObject {
    Q_OBJECT
private slots:
    void isSafeName_data();
    void isSafeName();
    void locate_data();
    void locate();
    void cleanup() { ProgramFolder::setOverride(QString()); }
};

void TestFigureLocator::isSafeName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("plain") << "Rettangolo.gif" << true;
    QTest::newRow("blanks and accents") << "Triangolo è bello.gif" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("subfolder") << "figure/Rombo.gif" << false;
    QTest::newRow("backslash") << "figure\\Rombo.gif" << false;
    QTest::newRow("parent") << ".." << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("drive") << "C:Rombo.gif" << false;
    QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b.gif") << false;
}

void TestFigureLocator::isSafeName()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(FigureLocator::isSafeName(name), safe);
}

void TestFigureLocator::locate_data()
{
    // Files are created as "<folder>/<file>"; the expected folder is
    // "program", "problems" or empty for not found.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("foundIn");
    QTest::newRow("program folder") << QStringList{"program/F.gif"} << "F.gif"
                                    << "program";
    QTest::newRow("program folder first")
        << QStringList{"program/F.gif", "problems/F.gif"} << "F.gif"
        << "program";
    QTest::newRow("beside the problem") << QStringList{"problems/F.gif"} << "F.gif"
                                        << "problems";
    QTest::newRow("nowhere") << QStringList{"program/G.gif"} << "F.gif"
                             << "";
    QTest::newRow("other case") << QStringList{"problems/Rombo.GIF"} << "rombo.gif"
                                << "problems";
    QTest::newRow("two in other case") << QStringList{"program/A.gif", "program/a.GIF"} << "a.gif"
                                       << "";
    QTest::newRow("folder of that name") << QStringList{"program/F.gif/x"} << "F.gif"
                                         << "";
    QTest::newRow("unsafe") << QStringList{"F.gif"} << "../F.gif"
                            << "";
}

void TestFigureLocator::locate()
{
    QFETCH(QStringList, files);
    QFETCH(QString, name);
    QFETCH(QString, foundIn);
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath("program") && root.mkpath("problems"));
    for (const QString &file : files) {
        QVERIFY(root.mkpath(QFileInfo(root.filePath(file)).path()));
        QFile f(root.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    ProgramFolder::setOverride(root.filePath("program"));

    const QString found = FigureLocator::locate(name, root.filePath("problems/p.znv"));
    if (foundIn.isEmpty()) {
        QCOMPARE(found, QString());
        return;
    }
    QCOMPARE(QFileInfo(found).absolutePath(), root.filePath(foundIn));
    QCOMPARE(QFileInfo(found).fileName().toLower(), name.toLower());
}

QTEST_GUILESS_MAIN(TestFigureLocator)
#include "tst_figurelocator.moc"
