// The editor's draft and its undo and redo with no window: which step takes
// the next formula, what "Nuovo" and "Apri" keep, which changes make one
// command, what an undo and a redo put back, and whether the problem then
// differs from the one last opened, saved or started new.
#include "drafthistory.h"

#include <QtTest>

class TestDraftHistory : public QObject {
    Q_OBJECT

private slots:
    // Acts: "testo X", "dato K X" (box K now holds X; X may be empty),
    // "figura X", "passaggio K", "svuota K" (a click on step K's formula box),
    // "formula N", "annulla", "ripeti", "salva", "nuovo", "apri" (a problem
    // with formula 40 in every step). Then: text | figure | data 0 and 1 |
    // each step's formula, from the first to the last that has one, or "-"
    // ("-,-" when none has) | the selected step | changed or same | undos and
    // redos left.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("a burst of typing is one command")
            << "testo U, testo Un, testo Uno, annulla => ||,|-,-|-|same|0/1";
        QTest::newRow("another box ends the burst")
            << "dato 0 5, dato 1 6, dato 0 57, annulla => ||5,6|-,-|-|changed|2/1";
        QTest::newRow("typing after an undo is a command of its own")
            << "dato 0 a, dato 1 x, annulla, dato 0 ab, annulla => ||a,|-,-|-|changed|1/1";
        QTest::newRow("typed and taken back leaves nothing to undo")
            << "dato 1 x, dato 1 => ||,|-,-|-|same|0/0";
        QTest::newRow("the figure")
            << "figura A.gif, dato 0 1, annulla, annulla, ripeti => |A.gif|,|-,-|-|changed|1/1";
        QTest::newRow("back to the saved problem is unchanged")
            << "dato 0 a, salva, dato 0 ab, annulla => ||a,|-,-|-|same|1/1";
        QTest::newRow("nuovo starts the history afresh")
            << "dato 0 a, formula 3, passaggio 0, formula 3, nuovo, annulla => ||,|-,-|0|same|0/0";
        QTest::newRow("a click on a formula box forgets its formula")
            << "svuota 1, formula 9, passaggio 2, formula 6, formula 5, svuota 1 => "
               "||,|-,-,5|1|changed|4/0";
        QTest::newRow("nuovo and apri keep the selected step")
            << "svuota 0, formula 12, nuovo, apri, formula 2 => "
               "||,|2,40,40,40,40,40,40,40|0|changed|1/0";
        QTest::newRow("no such step")
            << "svuota 8, passaggio -1, dato 8 x, formula 3 => ||,|-,-|-|same|0/0";
    }
    void undoRedo()
    {
        QFETCH(QString, script);
        ProblemDraft draft;
        DraftHistory history(draft);
        int shown = 0;
        history.restored = [&](const DraftHistory::State &) { ++shown; };
        int undone = 0;
        for (const QString &act : script.section(" => ", 0, 0).split(", ")) {
            const QString verb = act.section(' ', 0, 0);
            const int n = act.section(' ', 1, 1).toInt();
            const DraftHistory::State before = history.current({});
            DraftHistory::Box box = DraftHistory::Box::None;
            if (verb == "testo") {
                draft.setText(act.section(' ', 1));
                box = DraftHistory::Box::Text;
            } else if (verb == "dato") {
                draft.setDatum(n, act.section(' ', 2));
                box = DraftHistory::Box::Datum;
            } else if (verb == "figura") {
                draft.setFigure(act.section(' ', 1), "/qui/" + act.section(' ', 1));
            } else if (verb == "passaggio") {
                draft.selectStep(n);
            } else if (verb == "svuota") {
                draft.clearStep(n);
            } else if (verb == "formula") {
                draft.putFormula(n);
            } else if (verb == "annulla") {
                undone += history.undo();
            } else if (verb == "ripeti") {
                undone += history.redo();
            } else if (verb == "salva") {
                draft.markSaved();
                history.saved();
            } else if (verb == "nuovo" || verb == "apri") {
                Problem read;
                read.formulas.fill(40);
                verb == "nuovo" ? draft.clear() : draft.load(read);
                history.startOver();
            }
            if (verb != "annulla" && verb != "ripeti" && verb != "nuovo" && verb != "apri")
                history.record(before, {}, box, n);
        }
        const Problem &p = draft.problem();
        QStringList formulas;
        for (const std::optional<int> &formula : p.formulas)
            formulas << (formula ? QString::number(*formula) : "-");
        while (formulas.size() > 2 && formulas.constLast() == "-")
            formulas.removeLast();
        const std::optional<int> step = draft.selectedStep();
        const QString seen =
            QStringList{p.text,
                        p.figureName,
                        p.data[0] + "," + p.data[1],
                        formulas.join(','),
                        step ? QString::number(*step) : "-",
                        draft.isModified() ? "changed" : "same",
                        QString("%1/%2")
                            .arg(history.stack().index())
                            .arg(history.stack().count() - history.stack().index())}
                .join('|');
        QCOMPARE(seen, script.section(" => ", 1));
        // Every undo and redo made is shown, none other.
        QCOMPARE(shown, undone);
        QCOMPARE(draft.figureSource(), p.figureName.isEmpty() ? "" : "/qui/" + p.figureName);
    }
};

QTEST_GUILESS_MAIN(TestDraftHistory)
#include "tst_drafthistory.moc"
