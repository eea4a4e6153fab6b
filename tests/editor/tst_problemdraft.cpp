// The problem a teacher composes, with no window: which step takes the next
// formula, what "Nuovo" and "Apri" keep, and whether anything changed since
// the problem was opened, saved or started new.
#include "problemdraft.h"

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
};

QTEST_GUILESS_MAIN(TestProblemDraft)
#include "tst_problemdraft.moc"
