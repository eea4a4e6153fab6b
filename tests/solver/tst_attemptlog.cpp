// What an attempt keeps of a pupil's work, with no window: the end summary in
// its Italian, the kind of slip of a wrong entry, the acts with their times,
// and the problem that comes next in a folder.
#include "endsummary.h"
#include "explanations.h"
#include "nextproblem.h"
#include "solvingsession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAttemptLog : public QObject {
    Q_OBJECT

private slots:
    void summary_data();
    void summary();
    void slip_data();
    void slip();
    void acts();
    void leftUnfinished();
    void nextProblem_data();
    void nextProblem();
};

void TestAttemptLog::summary_data()
{
    // Wrong data, data; wrong formulas, wrong results, steps.
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("text");
    const QString lead = "Risposte sbagliate almeno una volta: ";
    QTest::newRow("nothing wrong")
        << QList<int>{0, 3, 0, 0, 4} << "Non hai sbagliato niente: bravissimo!";
    QTest::newRow("one of each") << QList<int>{1, 1, 1, 1, 1}
                                 << lead + "1 dato su 1, 1 formula su 1, 1 risultato su 1.";
    QTest::newRow("many of each") << QList<int>{2, 3, 4, 3, 4}
                                  << lead + "2 dati su 3, 4 formule su 4, 3 risultati su 4.";
    QTest::newRow("none, one, many")
        << QList<int>{0, 3, 1, 2, 4} << lead + "nessun dato, 1 formula su 4, 2 risultati su 4.";
    QTest::newRow("many, none, one")
        << QList<int>{2, 3, 0, 1, 4} << lead + "2 dati su 3, nessuna formula, 1 risultato su 4.";
    QTest::newRow("one, many, none")
        << QList<int>{1, 3, 8, 0, 8} << lead + "1 dato su 3, 8 formule su 8, nessun risultato.";
}

void TestAttemptLog::summary()
{
    QFETCH(QList<int>, counts);
    QFETCH(QString, text);
    EndSummary::Counts c;
    c.wrongData = counts[0];
    c.data = counts[1];
    c.wrongFormulas = counts[2];
    c.wrongResults = counts[3];
    c.steps = counts[4];
    QCOMPARE(EndSummary::text(c), text);
}

void TestAttemptLog::slip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("slip");
    QTest::newRow("right") << "60 cm²"
                           << "60 cm²"
                           << "";
    QTest::newRow("decimal point") << "7.5 cm"
                                   << "7,5 cm"
                                   << "decimal";
    QTest::newRow("decimal point and capitals") << "7.5 CM"
                                                << "7,5 cm"
                                                << "decimal";
    QTest::newRow("a zero too many") << "60,0 cm²"
                                     << "60 cm²"
                                     << "zeros";
    QTest::newRow("cmq") << "60 cmq"
                         << "60 cm²"
                         << "unit";
    QTest::newRow("no unit") << "60"
                             << "60 cm²"
                             << "unit";
    QTest::newRow("blanks") << "60cm²"
                            << "60 cm²"
                            << "blanks";
    QTest::newRow("a length for an area") << "54 cm"
                                          << "54 cm²"
                                          << "dimension";
    QTest::newRow("an area for a length") << "54 mq"
                                          << "54 m"
                                          << "dimension";
    QTest::newRow("another unit") << "60 m"
                                  << "60 cm"
                                  << "number";
    QTest::newRow("another number") << "6 cm²"
                                    << "60 cm²"
                                    << "number";
    QTest::newRow("not a number") << "dodici"
                                  << "12"
                                  << "number";
}

void TestAttemptLog::slip()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, slip);
    QCOMPARE(AttemptJson::slipName(Explanations::slipOf(typed, expected)), slip);
}

namespace {

SolvingProblem rettangolo()
{
    SolvingProblem p{QStringLiteral("Un rettangolo."), {}, {}, {}, {}};
    p.dati[0] = "8 cm";
    p.dati[1] = "6 cm";
    p.formule[0] = "9";
    p.formule[1] = "6";
    p.risultati[0] = "28 cm";
    p.risultati[1] = "48 cm²";
    return p;
}

// A session whose clock moves on one second at every reading.
struct Timed {
    SolvingSession session;
    QDateTime clock = QDateTime(QDate(2026, 12, 7), QTime(10, 15), Qt::OffsetFromUTC, 3600);

    Timed()
    {
        session.setClock([this] { return clock = clock.addSecs(1); });
        // Formula 17 is formula 6 on another tab.
        session.setFormulaLookup([](int n) -> std::optional<SolvingSession::FormulaFacts> {
            if (n == 6 || n == 17)
                return SolvingSession::FormulaFacts{"A = b × h", n == 6 ? "Rettangolo" : "Parall."};
            return SolvingSession::FormulaFacts{QString::number(n), "Altro"};
        });
    }
    void datum(int k, const QString &text)
    {
        session.typeDatum(k, text);
        session.confirmDatum(k);
    }
    void result(int k, const QString &text)
    {
        session.typeResult(k, text);
        session.confirmResult(k);
    }
};

// "second kind index «entry» verdict slip", the second counted from 10:15:00.
QStringList described(const QList<AttemptAct> &acts)
{
    static const QStringList kinds = {"datum", "formula", "result"};
    QStringList lines;
    for (const AttemptAct &a : acts) {
        lines << QString("%1 %2 %3 «%4» %5 %6%7")
                     .arg(a.at.time().second())
                     .arg(kinds[int(a.kind)])
                     .arg(a.index)
                     .arg(a.entry, a.verdict, a.correct ? "giusto" : "sbagliato",
                          a.slip == Slip::None ? QString() : " " + AttemptJson::slipName(a.slip));
    }
    return lines;
}

} // namespace

// Every act from the opening to the end, in order, with its time; the end
// closes the attempt, and what the pupil does after it belongs to none.
void TestAttemptLog::acts()
{
    Timed t;
    t.session.open(rettangolo()); // 1
    t.datum(0, "8 cm");
    t.datum(1, "6");
    t.datum(1, "6 cm");
    t.session.chooseFormula(17);
    t.session.chooseFormula(9);
    t.result(0, "28.0 cm");
    t.result(0, "28 cm");
    t.session.chooseFormula(6);
    t.result(1, "48 cm²"); // 10
    t.result(0, "28 cm");  // after the end
    QCOMPARE(described(t.session.takeAttempt().value_or(AttemptRecord()).acts),
             (QStringList{
                 "2 datum 0 «8 cm» Bravo giusto",
                 "3 datum 1 «6» Errato sbagliato unit",
                 "4 datum 1 «6 cm» Bravo. Scegli la formula giusto",
                 "5 formula 0 «17» Errata sbagliato number",
                 "6 formula 0 «9» Bravo giusto",
                 "7 result 0 «28.0 cm» Errato sbagliato decimal",
                 "8 result 0 «28 cm» Bravo. Scegli la formula giusto",
                 "9 formula 1 «6» Bravo giusto",
                 "10 result 1 «48 cm²» Bravo. Hai finito. giusto",
             }));
    QVERIFY(!t.session.takeAttempt());
}

// An attempt taken before the end is unfinished and ends when taken; the
// next problem opened begins another one. The same formula from another tab
// is a slip of tab.
void TestAttemptLog::leftUnfinished()
{
    Timed t;
    QVERIFY(!t.session.takeAttempt());
    t.session.open(rettangolo()); // 1
    t.datum(0, "8 cm");
    t.datum(1, "6 cm");
    t.session.chooseFormula(9);
    t.result(0, "28 cm");
    t.session.chooseFormula(17);                                 // 6
    std::optional<AttemptRecord> left = t.session.takeAttempt(); // 7
    QVERIFY(left);
    QCOMPARE(left->finished, false);
    QCOMPARE(left->started.time(), QTime(10, 15, 1));
    QCOMPARE(left->ended.time(), QTime(10, 15, 7));
    QCOMPARE(left->started.offsetFromUtc(), 3600);
    QCOMPARE((QList<int>{left->data, left->steps}), (QList<int>{2, 2}));
    QCOMPARE(described(left->acts).last(), "6 formula 1 «17» Errata sbagliato tab");

    t.session.open(rettangolo()); // 8
    t.datum(0, "8 cm");
    const std::optional<AttemptRecord> again = t.session.takeAttempt();
    QCOMPARE(described(again->acts), QStringList{"9 datum 0 «8 cm» Bravo giusto"});
    QCOMPARE(again->started.time(), QTime(10, 15, 8));
}

void TestAttemptLog::nextProblem_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("next"); // empty: the last
    QTest::newRow("first") << "a.znv"
                           << "B.ZNV";
    QTest::newRow("capitals count as small letters") << "B.ZNV"
                                                     << "Problema 2.znv";
    QTest::newRow("numbers by their value") << "Problema 2.znv"
                                            << "Problema 10.znv";
    QTest::newRow("last") << "Problema 10.znv"
                          << "";
    QTest::newRow("gone meanwhile") << "aa.znv"
                                    << "B.ZNV";
}

void TestAttemptLog::nextProblem()
{
    QFETCH(QString, current);
    QFETCH(QString, next);
    // An Italian pupil's machine (in the C locale the dialog, like the
    // program, orders names letter by letter).
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTemporaryDir dir;
    for (const char *name : {"Problema 10.znv", "Problema 2.znv", "a.znv", "B.ZNV", "c.txt"}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // A folder named like a problem is not one.
    QVERIFY(QDir(dir.path()).mkdir("Z.znv"));
    QCOMPARE(NextProblem::after(dir.filePath(current)),
             next.isEmpty() ? QString() : dir.filePath(next));
}

QTEST_GUILESS_MAIN(TestAttemptLog)
#include "tst_attemptlog.moc"
