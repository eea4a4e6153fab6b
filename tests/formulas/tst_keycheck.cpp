// The teacher's key checked: every example follows; one slip in a result (its
// number, its unit, its dimension) is named at its step; what the pupil
// cannot see or match is listed; the fill key's values.

#include "keycheck.h"
#include "problemfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

Problem example(const QString &name)
{
    return ProblemFile::read(QStringLiteral(ZENUVIO_EXAMPLES_DIR "/") + name + ".znv")
        .problem.value();
}

// A problem of data and steps written "formula:result|...".
Problem problemOf(const QStringList &data, const QString &steps)
{
    Problem problem;
    for (int i = 0; i < data.size(); ++i)
        problem.data[i] = data[i];
    const QStringList list = steps.split(QLatin1Char('|'));
    for (int i = 0; i < list.size(); ++i) {
        const int colon = list[i].indexOf(QLatin1Char(':'));
        problem.formulas[i] = list[i].left(colon).toInt();
        problem.results[i] = list[i].mid(colon + 1);
    }
    return problem;
}

} // namespace

class TestKeyCheck : public QObject {
    Q_OBJECT

private slots:
    // Examples with one result changed ("step=new result"; each example as it
    // is follows, which tst_examples checks): flaw is the start of the one
    // flaw expected, empty for none.
    void examples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("flaw");
        const auto row = [](const char *tag, const char *name, const char *change,
                            const char *flaw) { QTest::newRow(tag) << name << change << flaw; };
        row("last step, number", "TriangoloScaleno", "4=85 cm²", "Il passaggio 5 non torna");
        row("last decimal", "Quadrato", "2=7,08 cm",
            "Il passaggio 3 non torna: con «AO = AC / 2» e i dati, il risultato sarebbe «7,07 cm», "
            "non «7,08 cm».");
        row("area in a length unit", "Rettangolo", "1=60 cm",
            "Il risultato del passaggio 2 è un'area, ma «cm» misura una lunghezza.");
        row("length in an area unit", "Rombo", "4=50 cm²",
            "Il risultato del passaggio 5 è una lunghezza, ma «cm²» misura un'area.");
        row("blank at the end", "TrapezioRettangolo", "0=6 cm ",
            "Il risultato del passaggio 1 ha uno spazio all'inizio o alla fine");
        row("blank at the start", "TrapezioRettangolo", "2= 136 cm²",
            "Il risultato del passaggio 3 ha uno spazio");
        row("two blanks", "TrapezioScaleno", "1=10  cm",
            "Il risultato del passaggio 2 ha due spazi di seguito");
    }
    void examples()
    {
        QFETCH(QString, name);
        QFETCH(QString, change);
        QFETCH(QString, flaw);
        Problem problem = example(name);
        problem.results[change.left(1).toInt()] = change.mid(2);
        const KeyCheck::Report report = KeyCheck::check(problem);
        QCOMPARE(report.flaws.size(), 1);
        QVERIFY2(report.flaws.first().startsWith(flaw), qPrintable(report.flaws.first()));
    }

    // Problems made up for one rule each: the flaws expected, "|" between them.
    void madeUp_data()
    {
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("flaws");
        const auto row = [](const char *tag, const QStringList &data, const char *steps,
                            const QString &flaws) { QTest::newRow(tag) << data << steps << flaws; };
        const QString slip = "Il passaggio 1 non torna: con «%1» e i dati, il risultato sarebbe "
                             "«%2», non «%3».";
        const QString unknown = "Il passaggio 1 non torna: «%1» chiede misure che non sono tra i "
                                "dati e i risultati precedenti.";
        const QString noUnit =
            "Il risultato del passaggio 1 non ha l'unità di misura, ma i dati ce l'hanno.";
        const QString otherTab = "La formula del passaggio %1 è della scheda «Parallelogr.», le "
                                 "altre della scheda «Rettangolo».";
        row("a wrong number", {"12 cm", "5 cm"}, "6:54 cm²",
            slip.arg("A = b × h", "60 cm²", "54 cm²"));
        row("datum with a trailing blank", {"9 cm ", "5 cm"}, "6:45 cm²",
            "Il dato 1 ha uno spazio all'inizio o alla fine, che l'alunno non vede.");
        row("inputs not among the quantities", {"12 cm"}, "6:60 cm²", unknown.arg("A = b × h"));
        row("an area cannot feed a length", {"12 cm", "5 cm²"}, "6:60 cm²",
            unknown.arg("A = b × h"));
        row("an earlier result feeds a step", {"12 cm", "5 cm"}, "9:34 cm|11:12 cm", "");
        row("a later result does not", {"60 cm²"}, "8:5 cm|7:12 cm", unknown.arg("h = A / b"));
        row("root rounded to the decimals written", {"50 cm²"}, "1:7,07 cm", "");
        row("rounded to fewer decimals", {"14,14 cm"}, "138:7,1 cm", "");
        row("root truncated", {"8 cm²"}, "1:2,82 cm", slip.arg("l = √A", "2,83 cm", "2,82 cm"));
        row("whole result, value with two decimals", {"8 cm²"}, "1:4 cm",
            slip.arg("l = √A", "2,83 cm", "4 cm"));
        row("one of two computations follows", {"12 cm", "5 cm", "3 cm"}, "6:15 cm²", "");
        row("formula from another tab", {"12 cm", "5 cm"}, "6:60 cm²|9:34 cm|20:34 cm",
            otherTab.arg(3));
        row("tabs used equally: the first step's", {"12 cm", "5 cm"}, "6:60 cm²|20:34 cm",
            otherTab.arg(2));
        row("a datum with a unit, the last without", {"12 cm", "5 cm", "3"}, "6:60", noUnit);
        row("result without a number", {"12 cm", "5 cm"}, "6:cm²",
            "Il risultato del passaggio 1 non comincia con un numero.");
    }
    void madeUp()
    {
        QFETCH(QStringList, data);
        QFETCH(QString, steps);
        QFETCH(QString, flaws);
        const QStringList expected =
            flaws.isEmpty() ? QStringList() : flaws.split(QLatin1Char('|'));
        QCOMPARE(KeyCheck::check(problemOf(data, steps)).flaws, expected);
    }

    // The fill key's values for the last step: one, several or none.
    void possibleResults_data()
    {
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("values");
        const auto row = [](const char *tag, const QStringList &data, const char *steps,
                            const QStringList &values) {
            QTest::newRow(tag) << data << steps << values;
        };
        row("one, as a pupil writes it", {"7,5 cm"}, "0:", {"56,25 cm²"});
        row("inexact, two decimals", {"50 cm²"}, "1:", {"7,07 cm"});
        row("several", {"12 cm", "5 cm", "3 cm"}, "6:", {"60 cm²", "36 cm²", "15 cm²"});
        row("none", {"12 cm"}, "6:", {});
        row("from an earlier result", {"12 cm"}, "0:144 cm²|1:", {"12 cm"});
    }
    void possibleResults()
    {
        QFETCH(QStringList, data);
        QFETCH(QString, steps);
        QFETCH(QStringList, values);
        const Problem problem = problemOf(data, steps);
        QCOMPARE(KeyCheck::possibleResults(problem, int(steps.count(QLatin1Char('|')))), values);
    }

    // --controlla: the status of the worst file, every file still checked.
    void checkFiles_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("lines"); // printed on the output
        const QString ex = QStringLiteral(ZENUVIO_EXAMPLES_DIR "/");
        QTest::newRow("all follow")
            << QStringList{ex + "Rombo.znv", ex + "Quadrato.znv"} << 0 << 2 + 5 + 3;
        QTest::newRow("one does not")
            << QStringList{"slip.znv", ex + "Quadrato.znv"} << 1 << 2 + 3 + 3;
        QTest::newRow("one unreadable, then a slip")
            << QStringList{"missing.znv", "slip.znv"} << 2 << 1 + 3;
    }
    void checkFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(int, status);
        QFETCH(int, lines);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        Problem slip = example(QStringLiteral("Rettangolo"));
        slip.results[1] = QStringLiteral("54 cm²");
        QVERIFY(ProblemFile::write(QStringLiteral("slip.znv"), slip).isEmpty());
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        QCOMPARE(KeyCheck::checkFiles(files, outStream, errorStream), status);
        QCOMPARE(out.count(QLatin1Char('\n')), lines);
        QCOMPARE(errors.isEmpty(), status != 2);
    }
};

QTEST_GUILESS_MAIN(TestKeyCheck)
#include "tst_keycheck.moc"
