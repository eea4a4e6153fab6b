// The problem a teacher composes, with no window: which step takes the next
// formula, and what "Nuovo" and "Apri" keep.
//
// Acts: "passaggio K" (the option button of step K), "svuota K" (a click on
// step K's formula box), "formula N" (a click on formula N of the panel),
// "nuovo", "apri" (a problem with formula 40 in every step is read).
// Expected: the formula of each step ("-" for none) and the selected step.
#include "problemdraft.h"

#include <QtTest>

class TestProblemDraft : public QObject {
    Q_OBJECT

private slots:
    void formulas_data();
    void formulas();
    void textsGoToTheirSlotOnly();
};

void TestProblemDraft::formulas_data()
{
    QTest::addColumn<QString>("acts");
    QTest::addColumn<QString>("formulas");
    QTest::addColumn<QString>("selected");

    QTest::newRow("no step selected") << "formula 17"
                                      << "- - - - - - - -"
                                      << "-";
    QTest::newRow("an option button selects") << "passaggio 5, formula 0"
                                              << "- - - - - 0 - -"
                                              << "5";
    QTest::newRow("a second formula replaces the first") << "svuota 3, formula 5, formula 138"
                                                         << "- - - 138 - - - -"
                                                         << "3";
    QTest::newRow("a click on a formula box forgets its formula")
        << "svuota 1, formula 9, passaggio 2, formula 6, svuota 1"
        << "- - 6 - - - - -"
        << "1";
    QTest::newRow("nuovo keeps the selected step") << "svuota 7, formula 12, nuovo, formula 7"
                                                   << "- - - - - - - 7"
                                                   << "7";
    QTest::newRow("apri keeps the selected step") << "svuota 0, formula 1, apri, formula 2"
                                                  << "2 40 40 40 40 40 40 40"
                                                  << "0";
    QTest::newRow("no such step") << "svuota 8, passaggio -1, formula 3"
                                  << "- - - - - - - -"
                                  << "-";
}

void TestProblemDraft::formulas()
{
    QFETCH(QString, acts);
    QFETCH(QString, formulas);
    QFETCH(QString, selected);
    ProblemDraft draft;
    for (const QString &act : acts.split(", ")) {
        const QString verb = act.section(' ', 0, 0);
        const int n = act.section(' ', 1).toInt();
        if (verb == "passaggio") {
            draft.selectStep(n);
        } else if (verb == "svuota") {
            draft.clearStep(n);
        } else if (verb == "formula") {
            draft.putFormula(n);
        } else if (verb == "nuovo") {
            draft.clear();
        } else {
            EditorProblem read;
            read.formule.fill(40);
            draft.load(read);
        }
    }
    QStringList seen;
    for (const std::optional<int> &formula : draft.problem().formule)
        seen << (formula ? QString::number(*formula) : "-");
    QCOMPARE(seen.join(' '), formulas);
    const std::optional<int> step = draft.selectedStep();
    QCOMPARE(step ? QString::number(*step) : "-", selected);
}

void TestProblemDraft::textsGoToTheirSlotOnly()
{
    ProblemDraft draft;
    draft.setText("Un quadrato");
    draft.setFigure("Quadrato.gif");
    draft.setDatum(2, "l = 5 cm");
    draft.setResult(7, "25 cm²");
    draft.setDatum(8, "fuori");
    draft.setResult(-1, "fuori");
    EditorProblem expected;
    expected.testo = "Un quadrato";
    expected.nomeFigura = "Quadrato.gif";
    expected.dati[2] = "l = 5 cm";
    expected.risultati[7] = "25 cm²";
    QVERIFY(draft.problem() == expected);
    draft.clear();
    QVERIFY(draft.problem() == EditorProblem());
}

QTEST_GUILESS_MAIN(TestProblemDraft)
#include "tst_problemdraft.moc"
