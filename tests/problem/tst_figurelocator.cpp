#include "figurelocator.h"
#include "programfolder.h"

#include <QtTest>

class TestFigureLocator : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ProgramFolder::setOverride(QString()); }

    void locate_data()
    {
        // Files to create in a scratch folder that holds the folders "program"
        // and "problems"; the folder the figure should be found in, or empty.
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("foundIn");
        const QStringList both{"program/F.gif", "problems/F.gif"};
        QTest::newRow("program folder first") << both << "F.gif"
                                              << "program";
        QTest::newRow("beside the problem") << QStringList{"problems/F.gif"} << "F.gif"
                                            << "problems";
        QTest::newRow("nowhere") << QStringList{"program/G.gif"} << "F.gif"
                                 << "";
        QTest::newRow("other case") << QStringList{"problems/Rombo.GIF"} << "rombo.gif"
                                    << "problems";
        QTest::newRow("two in other case")
            << QStringList{"program/A.gif", "program/a.GIF"} << "a.gif"
            << "";
        QTest::newRow("a folder, not a file") << QStringList{"program/F.gif/x"} << "F.gif"
                                              << "";
        // Unsafe names are refused even where joining them to a folder would reach a file.
        QTest::newRow("parent") << QStringList{"F.gif"} << "../F.gif"
                                << "";
        QTest::newRow("subfolder") << QStringList{"problems/sub/F.gif"} << "sub/F.gif"
                                   << "";
        QTest::newRow("backslash") << QStringList{"program/a\\F.gif"} << "a\\F.gif"
                                   << "";
        QTest::newRow("absolute") << QStringList{"F.gif"} << "<root>/F.gif"
                                  << "";
        QTest::newRow("drive") << QStringList{"program/C:F.gif"} << "C:F.gif"
                               << "";
        QTest::newRow("empty") << QStringList{"program/F.gif"} << ""
                               << "";
    }
    void locate()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        QFETCH(QString, foundIn);
        QTemporaryDir dir;
        const QDir root(dir.path());
        QVERIFY(root.mkpath("program") && root.mkpath("problems"));
        for (const QString &file : files) {
            QFile f(root.filePath(file));
            QVERIFY(root.mkpath(QFileInfo(f).path()) && f.open(QIODevice::WriteOnly));
        }
        ProgramFolder::setOverride(root.filePath("program"));

        name.replace("<root>", root.path());
        const QString found = FigureLocator::locate(name, root.filePath("problems/p.znv"));
        QCOMPARE(QFileInfo(found).absolutePath(), foundIn.isEmpty() ? "" : root.filePath(foundIn));
    }
};

QTEST_GUILESS_MAIN(TestFigureLocator)
#include "tst_figurelocator.moc"
