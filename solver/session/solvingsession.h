#pragma once

#include "attemptrecord.h"
#include "endsummary.h"
#include "problem.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// The hints a pupil reads while solving, in the order they usually come.
namespace SolvingHints {
inline const QString Ciao = QStringLiteral("Ciao");
inline const QString InserisciIDati = QStringLiteral("Inserisci i dati");
inline const QString Bravo = QStringLiteral("Bravo");
inline const QString Errato = QStringLiteral("Errato");
inline const QString Errata = QStringLiteral("Errata");
inline const QString BravoScegliLaFormula = QStringLiteral("Bravo. Scegli la formula");
inline const QString BravoHaiFinito = QStringLiteral("Bravo. Hai finito.");
} // namespace SolvingHints

// What the window is to do after one of the pupil's acts. Boxes are named by
// their index 0..7; "step" boxes are a step's formula slot with its "=" sign.
// Nothing is ever hidden again, except by emptyWindow, which comes first.
struct SolvingOutcome {
    // The boxes that can appear or take the focus.
    enum class Box { None, Datum, StepFormula, Result, OpenButton };

    bool emptyWindow = false; // text, figure and every box emptied, every box hidden
    std::optional<QString> hint;
    // Why a wrong answer is wrong, when it can be told; comes with every hint
    // (empty: nothing to explain, the text shown before goes).
    QString explanation;
    QList<int> dataShown;
    QList<int> stepsShown;
    QList<int> resultsShown;
    std::optional<bool> panelOn;  // the formula panel switched on or off
    std::optional<int> emptySlot; // the step whose slot now shows "Vuoto.gif"
    struct SlotFormula {
        int step;
        int formula;
    };
    std::optional<SlotFormula> formulaShown; // a slot now shows a formula's picture
    Box focus = Box::None;                   // None: the focus stays where it is
    int focusIndex = 0;
};

// One pupil working through one problem, with no window: the rules of solving.
//
// The pupil first types every datum again, one after the other, then for each
// step chooses its formula in the formula panel and types its result. Each act
// is compared at once, exactly, with the problem (text for text, formula
// number for formula number), and gives back an outcome for the window to
// show. Where the pupil is lives in the stage and its index: the datum being
// typed, or the step whose formula or result is awaited.
//
// Enter is checked against the box at the current index, whichever box it
// was pressed in, so Enter in an earlier data box or, after the end, in the
// first result box takes the pupil back through the problem. The session
// keeps a copy of what the pupil has typed in each box to check it then.
class SolvingSession {
public:
    enum class Stage { NoProblem, Data, Formula, Result, Finished };
    static constexpr int SlotCount = ProblemSlotCount;

    // What the session knows of a formula of the panel, to explain a wrong
    // choice: its text and the caption of its tab.
    struct FormulaFacts {
        QString formula;
        QString tabCaption;
    };
    using FormulaLookup = std::function<std::optional<FormulaFacts>(int number)>;

    // Explanations beside the verdicts (on unless switched off, for a class
    // test); the formulas are looked up to explain a wrong choice.
    void setExplaining(bool on) { m_explaining = on; }
    void setFormulaLookup(FormulaLookup lookup) { m_formulas = std::move(lookup); }
    // The time of each act; the local time unless a test gives another.
    using Clock = std::function<QDateTime()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Judging by value (off unless the teacher asks for it): a datum or result
    // with the expected value and unit in another form ("15,0 cm", "60 cmq")
    // is right, and the explanation says how it is written.
    void setEquivalentForms(bool on) { m_equivalentForms = on; }

    Stage stage() const { return m_stage; }
    // The datum (stage Data) or step (stages Formula and Result) at hand; 0
    // once finished.
    int index() const { return m_index; }
    bool isPanelOn() const { return m_panelOn; }
    // The problem read last; a file that could not be read leaves it as it was.
    const std::optional<Problem> &problem() const { return m_problem; }

    // Before a problem file is chosen: whatever was on screen goes.
    SolvingOutcome emptyWindow();
    // A problem read whole, shown on the emptied window: the pupil begins with
    // its first datum.
    SolvingOutcome open(const Problem &problem);

    // The pupil's typing, box by box; no answer is given to it.
    void typeDatum(int box, const QString &text);
    void typeResult(int box, const QString &text);

    SolvingOutcome confirmDatum(int box);
    SolvingOutcome chooseFormula(int number);
    SolvingOutcome confirmResult(int box);
    // A click on the problem text sends the pupil back to the datum box at
    // the current index.
    SolvingOutcome clickText();

    // Whether the box is in view now (the open button always is).
    bool isShown(SolvingOutcome::Box box, int index) const;

    // The attempt at the problem opened last, once: at the end, finished, or
    // before, unfinished, ending now. Pupil, problem name and hash are the
    // caller's to fill in. None when it has been taken already or no problem
    // was opened.
    std::optional<AttemptRecord> takeAttempt();
    // The data and steps the pupil is asked for: the data up to the first
    // empty one, the steps up to the first empty result (at least one each,
    // as the first is always asked).
    static int dataAsked(const Problem &problem);
    static int stepsAsked(const Problem &problem);
    // How many of the problem's data, formulas and results were wrong at
    // least once since it was opened.
    EndSummary::Counts wrongEntries() const;

private:
    void forgetProgress();
    SolvingOutcome confirmEntry(AttemptAct::Kind kind);
    SolvingOutcome wrongEntry(SolvingOutcome::Box box, const QString &typed,
                              const QString &expected);
    SolvingOutcome checkDatum();
    SolvingOutcome checkFormula(int number);
    SolvingOutcome checkResult();
    void log(AttemptAct::Kind kind, int index, const QString &entry, const SolvingOutcome &outcome,
             Slip slip);
    QDateTime now() const;
    bool isRight(const QString &typed, const QString &expected) const;
    QString formNote(const QString &typed, const QString &expected) const;
    QString explainFormula(int chosen) const;
    void focusIfShown(SolvingOutcome &outcome, SolvingOutcome::Box box, int index) const;
    void showStep(SolvingOutcome &outcome, int step, bool withResult);
    void show(SolvingOutcome &outcome, SolvingOutcome::Box box, int index);
    void switchPanel(SolvingOutcome &outcome, bool on);

    std::optional<Problem> m_problem;
    Stage m_stage = Stage::NoProblem;
    int m_index = 0;
    bool m_panelOn = false;
    std::array<bool, SlotCount> m_dataShown{};
    std::array<bool, SlotCount> m_stepsShown{};
    std::array<bool, SlotCount> m_resultsShown{};
    std::array<QString, SlotCount> m_typedData;
    std::array<QString, SlotCount> m_typedResults;
    bool m_explaining = true;
    bool m_equivalentForms = false;
    FormulaLookup m_formulas;
    Clock m_clock;
    std::optional<AttemptRecord> m_attempt;
    // The entries wrong at least once, told at the end; wrong formulas at the
    // step at hand.
    std::array<bool, SlotCount> m_wrongData{};
    std::array<bool, SlotCount> m_wrongFormulas{};
    std::array<bool, SlotCount> m_wrongResults{};
    int m_wrongFormulasHere = 0;
};
