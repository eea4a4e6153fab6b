// What an attempt keeps of a pupil's work, with no window: the end summary in
// its Italian, the acts with their times and kinds of slip, and the problem
// that comes next in a folder.
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
    void acts();
    void nextProblem();
};

// Wrong data of so many, wrong formulas, wrong results of so many steps.
void TestAttemptLog::summary_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("text");
    const QString lead = "Risposte sbagliate almeno una volta: ";
    const QList<std::pair<QList<int>, QString>> rows = {
        {{0, 3, 0, 0, 4}, "Non hai sbagliato niente: bravissimo!"},
        {{0, 3, 1, 2, 4}, lead + "nessun dato, 1 formula su 4, 2 risultati su 4."},
        {{2, 3, 0, 1, 4}, lead + "2 dati su 3, nessuna formula, 1 risultato su 4."},
        {{1, 3, 8, 0, 8}, lead + "1 dato su 3, 8 formule su 8, nessun risultato."},
    };
    for (const auto &[counts, text] : rows)
        QTest::newRow(qPrintable(text.section(": ", -1))) << counts << text;
}

void TestAttemptLog::summary()
{
    QFETCH(QList<int>, counts);
    QFETCH(QString, text);
    QCOMPARE(EndSummary::text({counts[0], counts[1], counts[2], counts[4], counts[3]}), text);
}

// Every act from the opening to the end, in order, each at its own second
// (the clock moves one second at every reading); the end closes the attempt,
// and what the pupil does after it belongs to none.
void TestAttemptLog::acts()
{
    Problem p{"Un rettangolo.", {}, {"8 cm", "6 cm"}, {9, 6}, {"28 cm", "48 cm²"}};
    QDateTime clock(QDate(2026, 12, 7), QTime(10, 15), Qt::OffsetFromUTC, 3600);
    SolvingSession s;
    s.setClock([&clock] { return clock = clock.addSecs(1); });
    // Formula 17 is formula 6 on another tab.
    s.setFormulaLookup([](int n) -> std::optional<SolvingSession::FormulaFacts> {
        return SolvingSession::FormulaFacts{n == 17 ? "6" : QString::number(n), "Scheda"};
    });
    const auto datum = [&s](int k, const QString &text) {
        s.typeDatum(k, text), s.confirmDatum(k);
    };
    const auto result = [&s](int k, const QString &text) {
        s.typeResult(k, text), s.confirmResult(k);
    };
    s.open(p); // second 1
    datum(0, "8 cm");
    datum(1, "6");
    datum(1, "6 cm");
    s.chooseFormula(17);
    s.chooseFormula(9);
    result(0, "28.0 cm");
    result(0, "28 cm");
    s.chooseFormula(17);
    s.chooseFormula(6);
    result(1, "48 cm²"); // second 11
    result(0, "28 cm");  // after the end
    const std::optional<AttemptRecord> done = s.takeAttempt();
    QVERIFY(done && !s.takeAttempt());
    QStringList acts;
    for (const AttemptAct &a : done->acts)
        acts << QString("%1 %2%3 %4: %5 %6")
                    .arg(a.at.time().second())
                    .arg(QString("dfr")[int(a.kind)])
                    .arg(a.index)
                    .arg(a.entry, a.verdict, a.correct ? "+" : AttemptJson::slipName(a.slip));
    QCOMPARE(acts, (QStringList{"2 d0 8 cm: Bravo +", "3 d1 6: Errato unit",
                                "4 d1 6 cm: Bravo. Scegli la formula +", "5 f0 17: Errata number",
                                "6 f0 9: Bravo +", "7 r0 28.0 cm: Errato decimal",
                                "8 r0 28 cm: Bravo. Scegli la formula +", "9 f1 17: Errata tab",
                                "10 f1 6: Bravo +", "11 r1 48 cm²: Bravo. Hai finito. +"}));
    QCOMPARE((QList<QTime>{done->started.time(), done->ended.time()}),
             (QList<QTime>{QTime(10, 15, 1), QTime(10, 15, 11)}));
    QCOMPARE(done->started.offsetFromUtc(), 3600);
    QCOMPARE((QList<int>{done->finished, done->data, done->steps}), (QList<int>{1, 2, 2}));
}

// The order of the open dialog on an Italian pupil's machine: by name,
// capitals as small letters, numbers by their value; only files.
void TestAttemptLog::nextProblem()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QTemporaryDir dir;
    const QStringList order = {"a.znv", "B.ZNV", "Problema 2.znv", "Problema 10.znv"};
    for (const QString &name : order + QStringList{"c.txt"})
        QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    QVERIFY(QDir(dir.path()).mkdir("Z.znv"));
    QStringList next;
    for (const QString &name : order + QStringList{"aa.znv"}) // the last one gone meanwhile
        next << QFileInfo(NextProblem::after(dir.filePath(name))).fileName();
    QCOMPARE(next, (QStringList{"B.ZNV", "Problema 2.znv", "Problema 10.znv", "", "B.ZNV"}));
}

QTEST_GUILESS_MAIN(TestAttemptLog)
#include "tst_attemptlog.moc"
