// The problem a teacher composes, with no window: which step takes the next
// formula, what "Nuovo" and "Apri" keep, whether anything changed since the
// problem was opened, saved or started new, and what a pupil could never
// reach or finish in it.
#include "problemdraft.h"
#include "problemflaws.h"

#include <QtTest>

class TestProblemDraft : public QObject {
    Q_OBJECT

private slots:
    // Acts, then what they lead to. Acts: "passaggio K" (the option button of
    // step K), "svuota K" (a click on step K's formula box), "formula N" (formula
    // N of the panel), "dato K text", "nuovo", "apri" (a problem with formula 40
    // in every step), "salva". Then: each step's formula ("-" for none), the
    // selected step, and whether the draft differs from the problem last opened,
    // saved or started new.
    void formulas_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("a click on a formula box forgets its formula")
            << "svuota 1, formula 9, passaggio 2, formula 6, formula 5, svuota 1 => "
               "- - 5 - - - - - | 1 changed";
        QTest::newRow("nuovo and apri keep the selected step")
            << "svuota 0, formula 12, nuovo, apri, formula 2 => 2 40 40 40 40 40 40 40 | 0 changed";
        QTest::newRow("no such step")
            << "svuota 8, passaggio -1, dato 8 x, formula 3 => - - - - - - - - | - same";
        QTest::newRow("typed, then taken back")
            << "dato 0 5 cm, dato 0 => - - - - - - - - | - same";
        QTest::newRow("saved")
            << "dato 2 5 cm, passaggio 1, formula 4, salva => - 4 - - - - - - | 1 same";
        QTest::newRow("opened") << "dato 2 5 cm, apri => 40 40 40 40 40 40 40 40 | - same";
    }
    void formulas()
    {
        QFETCH(QString, script);
        ProblemDraft draft;
        for (const QString &act : script.section(" => ", 0, 0).split(", ")) {
            const QString verb = act.section(' ', 0, 0);
            const int n = act.section(' ', 1, 1).toInt();
            Problem read;
            read.formulas.fill(40);
            if (verb == "passaggio")
                draft.selectStep(n);
            else if (verb == "svuota")
                draft.clearStep(n);
            else if (verb == "formula")
                draft.putFormula(n);
            else if (verb == "dato")
                draft.setDatum(n, act.section(' ', 2));
            else if (verb == "nuovo")
                draft.clear();
            else if (verb == "salva")
                draft.markSaved();
            else
                draft.load(read);
        }
        QStringList seen;
        for (const std::optional<int> &formula : draft.problem().formulas)
            seen << (formula ? QString::number(*formula) : "-");
        const std::optional<int> step = draft.selectedStep();
        seen << "|" << (step ? QString::number(*step) : "-")
             << (draft.isModified() ? "changed" : "same");
        QCOMPARE(seen.join(' '), script.section(" => ", 1));
    }

    // A problem as "data | steps": the data, then each step as formula=result
    // (either may be left out). Expected: what a pupil could never reach or
    // finish, "!" marking where he gets stuck.
    void flaws_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("finishable") << "8,6 | 9=28,6=48" << QStringList();
        QTest::newRow("a result without formula")
            << "8 | 9=28,=48" << QStringList{"il passaggio 2 ha il risultato ma non la formula"};
        QTest::newRow("only a formula")
            << "8 | 9=" << QStringList{"il passaggio 1 ha la formula ma non il risultato"};
        QTest::newRow("no steps") << "8 |"
                                  << QStringList{
                                         "!il passaggio 1 non ha né la formula né il risultato"};
        QTest::newRow("all at once")
            << "8,,6,,2 | =28,6=,,0=1"
            << QStringList{"il dato 3 viene dopo il dato 2, che è vuoto",
                           "il dato 5 viene dopo il dato 2, che è vuoto",
                           "!il passaggio 1 ha il risultato ma non la formula",
                           "il passaggio 2 ha la formula ma non il risultato",
                           "il passaggio 4 viene dopo il passaggio 2, che non ha il risultato"};
    }
    void flaws()
    {
        QFETCH(QString, problem);
        QFETCH(QStringList, expected);
        Problem p;
        const QStringList data = problem.section(" |", 0, 0).split(',');
        const QStringList steps = problem.section("| ", 1).split(',');
        for (int i = 0; i < data.size(); ++i)
            p.data[i] = data[i];
        for (int i = 0; i < steps.size(); ++i) {
            if (const QString formula = steps[i].section('=', 0, 0); !formula.isEmpty())
                p.formulas[i] = formula.toInt();
            p.results[i] = steps[i].section('=', 1);
        }
        QStringList found;
        for (const ProblemFlaws::Flaw &flaw : ProblemFlaws::find(p))
            found << (flaw.stopsThePupil ? "!" : "") + flaw.text;
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(TestProblemDraft)
#include "tst_problemdraft.moc"
