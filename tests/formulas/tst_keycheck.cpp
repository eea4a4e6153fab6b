// The teacher's key checked: a slip in a result is named at its step, what the
// pupil cannot see or match is listed; the fill key's values; --controlla.

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

Q_DECLARE_METATYPE(Problem)

class TestKeyCheck : public QObject {
    Q_OBJECT

private slots:
    // Problems made up for one rule each: the flaws expected, "|" between them,
    // the last maybe by its start alone.
    void flaws_data()
    {
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("flaws");
        const QString slip = "Il passaggio %1 non torna: con «%2» e i dati, il risultato sarebbe "
                             "«%3», non «%4».";
        const QString unknown = "Il passaggio 1 non torna: «%1» chiede misure che non sono tra i "
                                "dati e i risultati precedenti.";
        const QString otherTab = "La formula del passaggio %1 è della scheda «Parallelogr.», le "
                                 "altre della scheda «Rettangolo».";
        QTest::newRow("area in a length unit")
            << problemOf({"12 cm", "5 cm"}, "9:34 cm|6:60 cm")
            << "Il risultato del passaggio 2 è un'area, ma «cm» misura una lunghezza.";
        QTest::newRow("two blanks") << problemOf({"12 cm", "5 cm"}, "9:34 cm|6:60  cm²")
                                    << "Il risultato del passaggio 2 ha due spazi di seguito";
        QTest::newRow("datum with a trailing blank")
            << problemOf({"9 cm ", "5 cm"}, "6:45 cm²")
            << "Il dato 1 ha uno spazio all'inizio o alla fine, che l'alunno non vede.";
        QTest::newRow("inputs not among the quantities")
            << problemOf({"12 cm"}, "6:60 cm²") << unknown.arg("A = b × h");
        QTest::newRow("a later result does not")
            << problemOf({"60 cm²"}, "8:5 cm|7:12 cm") << unknown.arg("h = A / b");
        QTest::newRow("rounded to fewer decimals") << problemOf({"14,14 cm"}, "138:7,1 cm") << "";
        QTest::newRow("root truncated")
            << problemOf({"8 cm²"}, "1:2,82 cm") << slip.arg(1).arg("l = √A", "2,83 cm", "2,82 cm");
        QTest::newRow("whole result, value with two decimals")
            << problemOf({"8 cm²"}, "1:4 cm") << slip.arg(1).arg("l = √A", "2,83 cm", "4 cm");
        QTest::newRow("formula from another tab")
            << problemOf({"12 cm", "5 cm"}, "6:60 cm²|9:34 cm|20:34 cm") << otherTab.arg(3);
        QTest::newRow("tabs used equally: the first step's")
            << problemOf({"12 cm", "5 cm"}, "6:60 cm²|20:34 cm") << otherTab.arg(2);
        QTest::newRow("a datum with a unit, the last without")
            << problemOf({"12 cm", "5 cm", "3"}, "6:60")
            << "Il risultato del passaggio 1 non ha l'unità di misura, ma i dati ce l'hanno.";
        QTest::newRow("result without a number")
            << problemOf({"12 cm", "5 cm"}, "6:cm²")
            << "Il risultato del passaggio 1 non comincia con un numero.";
    }
    void flaws()
    {
        QFETCH(Problem, problem);
        QFETCH(QString, flaws);
        const QString found = KeyCheck::check(problem).flaws.join(QLatin1Char('|'));
        QVERIFY2(flaws.isEmpty() ? found.isEmpty()
                                 : found.startsWith(flaws) && found.count('|') == flaws.count('|'),
                 qPrintable(found));
    }

    // The fill key's values for the last step: one, several or none; formulas
    // no example uses, worked out by hand.
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
        row("several", {"12 cm", "5 cm", "3 cm"}, "6:", {"60 cm²", "36 cm²", "15 cm²"});
        row("none", {"12 cm"}, "6:", {});
        row("from an earlier result", {"12 cm"}, "0:144 cm²|1:", {"12 cm"});
        row("sum of bases as output", {"176 cm²", "8 cm"}, "38:", {"44 cm"});
        row("2HB is twice HB", {"16 cm", "6 cm"}, "116:", {"28 cm", "38 cm"});
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
        const QString ex = QStringLiteral(ZENUVIO_EXAMPLES_DIR "/");
        QTest::newRow("all follow") << QStringList{ex + "Rombo.znv", ex + "Quadrato.znv"} << 0;
        QTest::newRow("a slip, then one follows")
            << QStringList{"slip.znv", ex + "Quadrato.znv"} << 1;
        QTest::newRow("one unreadable, then a slip") << QStringList{"missing.znv", "slip.znv"} << 2;
    }
    void checkFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(int, status);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        Problem slip = example(QStringLiteral("Rettangolo"));
        slip.results[1] = QStringLiteral("54 cm²");
        QVERIFY(ProblemFile::write(QStringLiteral("slip.znv"), slip).isEmpty());
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        QCOMPARE(KeyCheck::checkFiles(files, outStream, errorStream), status);
        QCOMPARE(out.count(".znv:\n"), files.size() - (status == 2)); // each file read is checked
        QCOMPARE(errors.isEmpty(), status != 2);
    }
};

QTEST_GUILESS_MAIN(TestKeyCheck)
#include "tst_keycheck.moc"
