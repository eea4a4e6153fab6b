// The problem a teacher composes, with no window: which step takes the next
// formula, what "Nuovo" and "Apri" keep, whether anything changed since the
// problem was opened, saved or started new, and what a pupil could never
// reach or finish in it.
//
// Acts: "passaggio K" (the option button of step K), "svuota K" (a click on
// step K's formula box), "formula N" (a click on formula N of the panel),
// "dato K text" (datum K typed), "nuovo", "apri" (a problem with formula 40 in
// every step is read), "salva".
// Expected: the formula of each step ("-" for none), the selected step, and
// whether the draft is changed since.
#include "problemdraft.h"
#include "problemflaws.h"

#include <QtTest>

class TestProblemDraft : public QObject {
    Q_OBJECT

private slots:
    void formulas_data();
    void formulas();
    void textsGoToTheirSlotOnly();
    void flaws_data();
    void flaws();
};

void TestProblemDraft::formulas_data()
{
    QTest::addColumn<QString>("acts");
    QTest::addColumn<QString>("formulas");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("changed");

    QTest::newRow("no step selected") << "formula 17"
                                      << "- - - - - - - -"
                                      << "-" << false;
    QTest::newRow("an option button selects") << "passaggio 5, formula 0"
                                              << "- - - - - 0 - -"
                                              << "5" << true;
    QTest::newRow("a second formula replaces the first") << "svuota 3, formula 5, formula 138"
                                                         << "- - - 138 - - - -"
                                                         << "3" << true;
    QTest::newRow("a click on a formula box forgets its formula")
        << "svuota 1, formula 9, passaggio 2, formula 6, svuota 1"
        << "- - 6 - - - - -"
        << "1" << true;
    QTest::newRow("nuovo keeps the selected step") << "svuota 7, formula 12, nuovo, formula 7"
                                                   << "- - - - - - - 7"
                                                   << "7" << true;
    QTest::newRow("apri keeps the selected step") << "svuota 0, formula 1, apri, formula 2"
                                                  << "2 40 40 40 40 40 40 40"
                                                  << "0" << true;
    QTest::newRow("no such step") << "svuota 8, passaggio -1, formula 3"
                                  << "- - - - - - - -"
                                  << "-" << false;
    QTest::newRow("typed, then taken back") << "dato 2 5 cm, dato 2"
                                            << "- - - - - - - -"
                                            << "-" << false;
    QTest::newRow("saved") << "dato 2 5 cm, passaggio 1, formula 4, salva"
                           << "- 4 - - - - - -"
                           << "1" << false;
    QTest::newRow("changed after saving") << "dato 2 5 cm, salva, dato 2 6 cm"
                                          << "- - - - - - - -"
                                          << "-" << true;
    QTest::newRow("a new problem") << "dato 2 5 cm, nuovo"
                                   << "- - - - - - - -"
                                   << "-" << false;
    QTest::newRow("opened") << "dato 2 5 cm, apri"
                            << "40 40 40 40 40 40 40 40"
                            << "-" << false;
    QTest::newRow("the same formula again") << "apri, passaggio 3, formula 40"
                                            << "40 40 40 40 40 40 40 40"
                                            << "3" << false;
}

void TestProblemDraft::formulas()
{
    QFETCH(QString, acts);
    QFETCH(QString, formulas);
    QFETCH(QString, selected);
    QFETCH(bool, changed);
    ProblemDraft draft;
    for (const QString &act : acts.split(", ")) {
        const QString verb = act.section(' ', 0, 0);
        const int n = act.section(' ', 1, 1).toInt();
        if (verb == "passaggio") {
            draft.selectStep(n);
        } else if (verb == "svuota") {
            draft.clearStep(n);
        } else if (verb == "formula") {
            draft.putFormula(n);
        } else if (verb == "dato") {
            draft.setDatum(n, act.section(' ', 2));
        } else if (verb == "nuovo") {
            draft.clear();
        } else if (verb == "salva") {
            draft.markSaved();
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
    QCOMPARE(draft.isModified(), changed);
}

void TestProblemDraft::textsGoToTheirSlotOnly()
{
    ProblemDraft draft;
    draft.setText("Un quadrato");
    draft.setFigure("Quadrato.gif", "/figure/Quadrato.gif");
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
    QCOMPARE(draft.figureSource(), "/figure/Quadrato.gif");
    draft.clear();
    QVERIFY(draft.problem() == EditorProblem());
    QCOMPARE(draft.figureSource(), QString());
}

// A problem as "data | steps": the data, then each step as formula=result
// (either may be left out). Expected: what a pupil could never reach or
// finish, "!" marking where he gets stuck.
void TestProblemDraft::flaws_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("finishable") << "8,6 | 9=28,6=48" << QStringList();
    QTest::newRow("no data at all") << " | 9=28" << QStringList();
    QTest::newRow("a result without formula")
        << "8 | 9=28,=48" << QStringList{"il passaggio 2 ha il risultato ma non la formula"};
    QTest::newRow("the last step without formula")
        << "1 | 0=a,1=b,2=c,3=d,4=e,5=f,6=g,=h"
        << QStringList{"il passaggio 8 ha il risultato ma non la formula"};
    QTest::newRow("a formula without result")
        << "8 | 9=28,6=" << QStringList{"il passaggio 2 ha la formula ma non il risultato"};
    QTest::newRow("the first step without formula")
        << "8 | =28,6=48" << QStringList{"!il passaggio 1 ha il risultato ma non la formula"};
    QTest::newRow("only a formula") << "8 | 9="
                                    << QStringList{"il passaggio 1 ha la formula ma non il "
                                                   "risultato"};
    QTest::newRow("no steps") << "8 |"
                              << QStringList{"!il passaggio 1 non ha né la formula né il "
                                             "risultato"};
    QTest::newRow("a step after a gap")
        << "8 | 9=28,,6=48"
        << QStringList{"il passaggio 3 viene dopo il passaggio 2, che non ha il risultato"};
    QTest::newRow("a datum after a gap")
        << "8,,6 | 9=28" << QStringList{"il dato 3 viene dopo il dato 2, che è vuoto"};
    QTest::newRow("all at once") << "8,,6,,2 | =28,6=,,0=1"
                                 << QStringList{
                                        "il dato 3 viene dopo il dato 2, che è vuoto",
                                        "il dato 5 viene dopo il dato 2, che è vuoto",
                                        "!il passaggio 1 ha il risultato ma non la formula",
                                        "il passaggio 2 ha la formula ma non il risultato",
                                        "il passaggio 4 viene dopo il passaggio 2, che non ha il "
                                        "risultato",
                                    };
}

void TestProblemDraft::flaws()
{
    QFETCH(QString, problem);
    QFETCH(QStringList, expected);
    EditorProblem p;
    const QStringList data = problem.section(" |", 0, 0).split(',');
    for (int i = 0; i < data.size(); ++i)
        p.dati[i] = data[i].trimmed();
    const QString steps = problem.section("| ", 1).trimmed();
    const QStringList stepList = steps.isEmpty() ? QStringList() : steps.split(',');
    for (int i = 0; i < stepList.size(); ++i) {
        const QString formula = stepList[i].section('=', 0, 0);
        if (!formula.isEmpty())
            p.formule[i] = formula.toInt();
        p.risultati[i] = stepList[i].section('=', 1);
    }
    QStringList found;
    for (const ProblemFlaws::Flaw &flaw : ProblemFlaws::find(p))
        found << (flaw.stopsThePupil ? "!" : "") + flaw.text;
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestProblemDraft)
#include "tst_problemdraft.moc"
