// zenuvio --varianti N FILE FOLDER, read and carried out as the program does:
// the exit status and, in the folder, exactly the files written (none at all
// when something is wrong), every variant following and all of them different.
#include "commandline.h"
#include "keycheck.h"
#include "problemfile.h"
#include "qtitalian.h"
#include "variantfiles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The pages of a PDF that Qt wrote.
static int pageCount(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count("/Type /Page\n")) : -1;
}

class TestVariantFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QtItalian::install(*QCoreApplication::instance()); }

    void write_data()
    {
        // N as typed, the problem (an example, "-" for none, "decimals" for one
        // with decimal data, "file" for a folder that is a file), the exit
        // status and the start of the error line.
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        const QString range = "zenuvio: il numero delle varianti va da 1 a 99.";
        QTest::newRow("N=0") << 0 << "Rombo" << 2 << range;
        QTest::newRow("N=1") << 1 << "Rombo" << 0 << "";
        QTest::newRow("N=99") << 99 << "decimals" << 0 << "";
        QTest::newRow("N=100") << 100 << "decimals" << 2 << range;
        QTest::newRow("unreadable file") << 3 << "-" << 1 << "";
        QTest::newRow("folder that is a file")
            << 3 << "file" << 1 << "Impossibile scrivere le varianti in ";
        QTest::newRow("more than the problem has")
            << 40 << "Rettangolo" << 1 << "Nessuna variante di ";
    }
    void write()
    {
        QFETCH(int, count);
        QFETCH(QString, problem);
        QFETCH(int, status);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("out"));
        QString file = dir.filePath("missing.znv");
        if (problem == "decimals") {
            Problem p;
            p.text = "Un rettangolo ha la base lunga 3,5 cm e l'altezza lunga 2,5 cm. "
                     "Calcola l'area.";
            p.data = {"3,5 cm", "2,5 cm"};
            p.formulas[0] = 6; // A = b × h
            p.results[0] = "8,75 cm²";
            file = dir.filePath("Rettangolo.znv");
            QCOMPARE(ProblemFile::write(file, p), QString());
        } else if (problem != "-") {
            file =
                ZENUVIO_SOURCE_DIR "/examples/" + (problem == "file" ? "Rombo" : problem) + ".znv";
        }
        const QString folder = dir.filePath(problem == "file" ? "plain" : "out");
        QFile plain(dir.filePath("plain"));
        QVERIFY(problem != "file" || plain.open(QIODevice::WriteOnly));

        const CommandLine::Request request =
            CommandLine::parse({"zenuvio", "--varianti", QString::number(count), file, folder});
        QString errorText = request.output;
        QTextStream errors(&errorText);
        QRandomGenerator random(7);
        const int exitCode = request.exits
                                 ? request.exitCode
                                 : VariantFiles::write(request.variants, request.file,
                                                       request.variantsFolder, errors, random);
        errors.flush();
        QVERIFY2(exitCode == status, qPrintable(errorText));
        const QStringList written =
            QDir(dir.filePath("out"))
                .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        if (status != 0) {
            QVERIFY2(errorText.startsWith(error) && errorText.count('\n') == 1,
                     qPrintable(errorText));
            QCOMPARE(written, QStringList());
            return;
        }
        const QString name = QFileInfo(file).completeBaseName();
        QStringList expected;
        for (int i = 1; i <= count; ++i)
            expected << QString("%1-%2.znv").arg(name).arg(i, 2, 10, QLatin1Char('0'));
        expected << name + "-schede.pdf" << name + "-soluzioni.pdf";
        if (problem == "Rombo")
            expected << "Rombo.gif";
        expected.sort();
        QCOMPARE(written, expected);
        QSet<QString> data;
        for (int i = 0; i < count; ++i) {
            const Problem variant =
                ProblemFile::read(dir.filePath("out/" + expected[i])).problem.value();
            QVERIFY(KeyCheck::check(variant).flaws.isEmpty());
            data.insert(variant.data[0] + '|' + variant.data[1]);
        }
        QCOMPARE(data.size(), count);
        QCOMPARE(pageCount(dir.filePath("out/" + name + "-schede.pdf")), count);
        QCOMPARE(pageCount(dir.filePath("out/" + name + "-soluzioni.pdf")), count);
    }
};

QTEST_MAIN(TestVariantFiles)
#include "tst_variantfiles.moc"
