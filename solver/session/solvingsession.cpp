#include "solvingsession.h"

#include "endsummary.h"
#include "explanations.h"

#include <algorithm>

using Box = SolvingOutcome::Box;

namespace {

bool isBox(int index)
{
    return index >= 0 && index < SolvingSession::SlotCount;
}

} // namespace

SolvingOutcome SolvingSession::emptyWindow()
{
    forgetProgress();
    SolvingOutcome outcome;
    outcome.emptyWindow = true;
    outcome.hint = SolvingHints::Ciao;
    outcome.panelOn = false;
    return outcome;
}

void SolvingSession::forgetProgress()
{
    m_stage = Stage::NoProblem;
    m_index = 0;
    m_panelOn = false;
    m_dataShown.fill(false);
    m_stepsShown.fill(false);
    m_resultsShown.fill(false);
    m_typedData.fill(QString());
    m_typedResults.fill(QString());
    m_wrongData.fill(false);
    m_wrongFormulas.fill(false);
    m_wrongResults.fill(false);
    m_wrongFormulasHere = 0;
}

QDateTime SolvingSession::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

int SolvingSession::dataAsked(const Problem &problem)
{
    int count = 1;
    while (count < SlotCount && !problem.data[count].isEmpty())
        ++count;
    return count;
}

int SolvingSession::stepsAsked(const Problem &problem)
{
    int count = 1;
    while (count < SlotCount && !problem.results[count].isEmpty())
        ++count;
    return count;
}

EndSummary::Counts SolvingSession::wrongEntries() const
{
    EndSummary::Counts counts;
    if (!m_problem)
        return counts;
    counts.data = dataAsked(*m_problem);
    counts.steps = stepsAsked(*m_problem);
    const auto wrong = [](const std::array<bool, SlotCount> &entries, int asked) {
        return int(std::count(entries.begin(), entries.begin() + asked, true));
    };
    counts.wrongData = wrong(m_wrongData, counts.data);
    counts.wrongFormulas = wrong(m_wrongFormulas, counts.steps);
    counts.wrongResults = wrong(m_wrongResults, counts.steps);
    return counts;
}

// An act of the attempt still going on; the one that finishes the problem
// ends it.
void SolvingSession::log(AttemptAct::Kind kind, int index, const QString &entry,
                         const SolvingOutcome &outcome, Slip slip)
{
    if (!m_attempt || m_attempt->finished)
        return;
    AttemptAct act;
    act.at = now();
    act.kind = kind;
    act.index = index;
    act.entry = entry;
    act.verdict = outcome.hint.value_or(QString());
    act.correct = slip == Slip::None;
    act.slip = slip;
    m_attempt->acts.append(act);
    m_attempt->ended = act.at;
    m_attempt->finished = m_stage == Stage::Finished;
}

std::optional<AttemptRecord> SolvingSession::takeAttempt()
{
    std::optional<AttemptRecord> attempt = std::exchange(m_attempt, std::nullopt);
    if (attempt && !attempt->finished)
        attempt->ended = now();
    return attempt;
}

SolvingOutcome SolvingSession::open(const Problem &problem)
{
    forgetProgress();
    m_problem = problem;
    m_attempt = AttemptRecord();
    m_attempt->started = m_attempt->ended = now();
    m_attempt->data = dataAsked(problem);
    m_attempt->steps = stepsAsked(problem);
    SolvingOutcome outcome;
    m_stage = Stage::Data;
    m_index = 0;
    outcome.hint = SolvingHints::InserisciIDati;
    show(outcome, Box::Datum, 0);
    focusIfShown(outcome, Box::Datum, 0);
    return outcome;
}

void SolvingSession::typeDatum(int box, const QString &text)
{
    if (isBox(box))
        m_typedData[box] = text;
}

void SolvingSession::typeResult(int box, const QString &text)
{
    if (isBox(box))
        m_typedResults[box] = text;
}

SolvingOutcome SolvingSession::confirmDatum(int)
{
    return confirmEntry(AttemptAct::Kind::Datum);
}

SolvingOutcome SolvingSession::confirmResult(int)
{
    return confirmEntry(AttemptAct::Kind::Result);
}

// Enter in a datum or result box: the entry at hand is judged, and logged
// with the slip it shows.
SolvingOutcome SolvingSession::confirmEntry(AttemptAct::Kind kind)
{
    if (m_stage == Stage::NoProblem)
        return {};
    const int k = m_index;
    const bool datum = kind == AttemptAct::Kind::Datum;
    const QString typed = datum ? m_typedData[k] : m_typedResults[k];
    const QString expected = datum ? m_problem->data[k] : m_problem->results[k];
    const SolvingOutcome outcome = datum ? checkDatum() : checkResult();
    log(kind, k, typed, outcome, Explanations::slipOf(typed, expected));
    return outcome;
}

// A wrong datum or result: the verdict, why (unless explanations are off for
// a class test), and the box keeps the focus.
SolvingOutcome SolvingSession::wrongEntry(Box box, const QString &typed, const QString &expected)
{
    SolvingOutcome outcome;
    outcome.hint = SolvingHints::Errato;
    if (m_explaining)
        outcome.explanation = Explanations::forEntry(typed, expected);
    focusIfShown(outcome, box, m_index);
    return outcome;
}

SolvingOutcome SolvingSession::checkDatum()
{
    SolvingOutcome outcome;
    int &k = m_index;
    if (!isRight(m_typedData[k], m_problem->data[k])) {
        m_wrongData[k] = true;
        return wrongEntry(Box::Datum, m_typedData[k], m_problem->data[k]);
    }
    outcome.explanation = formNote(m_typedData[k], m_problem->data[k]);
    ++k;
    if (k == SlotCount || m_problem->data[k].isEmpty()) {
        // The data are complete: the first step waits for its formula. Its
        // result box comes only once the formula is right.
        outcome.hint = SolvingHints::BravoScegliLaFormula;
        k = 0;
        m_stage = Stage::Formula;
        showStep(outcome, 0, false);
        return outcome;
    }
    // An Enter in a data box during the steps can bring the data back; no
    // formula is to be chosen while they are typed.
    outcome.hint = SolvingHints::Bravo;
    m_stage = Stage::Data;
    switchPanel(outcome, false);
    show(outcome, Box::Datum, k);
    focusIfShown(outcome, Box::Datum, k);
    return outcome;
}

SolvingOutcome SolvingSession::chooseFormula(int number)
{
    // The panel lets no click through while it is off.
    if (m_stage == Stage::NoProblem || !m_panelOn)
        return {};
    const int k = m_index;
    const SolvingOutcome outcome = checkFormula(number);
    Slip slip = Slip::None;
    if (outcome.hint == SolvingHints::Errata) {
        const std::optional<int> right = m_problem->formulas[k];
        const auto facts = [this](std::optional<int> n) {
            return n && m_formulas ? m_formulas(*n) : std::nullopt;
        };
        const std::optional<FormulaFacts> expected = facts(right);
        const std::optional<FormulaFacts> picked = facts(number);
        slip =
            expected && picked && expected->formula == picked->formula ? Slip::Tab : Slip::Number;
    }
    log(AttemptAct::Kind::Formula, k, QString::number(number), outcome, slip);
    return outcome;
}

SolvingOutcome SolvingSession::checkFormula(int number)
{
    SolvingOutcome outcome;
    const int k = m_index;
    // Only the number counts: the same formula on another tab is another one.
    if (m_problem->formulas[k] != number) {
        m_wrongFormulas[k] = true;
        ++m_wrongFormulasHere;
        outcome.hint = SolvingHints::Errata;
        if (m_explaining)
            outcome.explanation = explainFormula(number);
        focusIfShown(outcome, Box::StepFormula, k);
        return outcome;
    }
    outcome.hint = SolvingHints::Bravo;
    if (number >= 0 && number <= HighestFormulaNumber)
        outcome.formulaShown = SolvingOutcome::SlotFormula{k, number};
    m_stage = Stage::Result;
    show(outcome, Box::Result, k);
    focusIfShown(outcome, Box::Result, k);
    return outcome;
}

SolvingOutcome SolvingSession::checkResult()
{
    SolvingOutcome outcome;
    int &k = m_index;
    if (!isRight(m_typedResults[k], m_problem->results[k])) {
        m_wrongResults[k] = true;
        return wrongEntry(Box::Result, m_typedResults[k], m_problem->results[k]);
    }
    outcome.explanation = formNote(m_typedResults[k], m_problem->results[k]);
    ++k;
    if (k == SlotCount || m_problem->results[k].isEmpty()) {
        outcome.hint = SolvingHints::BravoHaiFinito;
        if (m_explaining) {
            const QString summary = EndSummary::text(wrongEntries());
            outcome.explanation = outcome.explanation.isEmpty()
                                      ? summary
                                      : outcome.explanation + QLatin1Char(' ') + summary;
        }
        k = 0;
        m_stage = Stage::Finished;
        switchPanel(outcome, false);
        outcome.focus = Box::OpenButton;
        return outcome;
    }
    // A step after the first shows its result box together with its empty slot.
    outcome.hint = SolvingHints::BravoScegliLaFormula;
    m_stage = Stage::Formula;
    showStep(outcome, k, true);
    return outcome;
}

// Exactly as written; or, with judging by value, the same value and unit in
// another form.
bool SolvingSession::isRight(const QString &typed, const QString &expected) const
{
    return typed == expected || (m_equivalentForms && Explanations::sameQuantity(typed, expected));
}

// Beside the "Bravo" of an entry right in another form: how it is written.
QString SolvingSession::formNote(const QString &typed, const QString &expected) const
{
    return m_explaining ? Explanations::expectedForm(typed, expected) : QString();
}

SolvingOutcome SolvingSession::clickText()
{
    SolvingOutcome outcome;
    if (m_stage != Stage::NoProblem)
        focusIfShown(outcome, Box::Datum, m_index);
    return outcome;
}

// A wrong formula: the right one chosen from another tab, or, from the second
// wrong choice at this step on, where the right one is.
QString SolvingSession::explainFormula(int chosen) const
{
    const std::optional<int> right = m_problem->formulas[m_index];
    if (!right || !m_formulas)
        return {};
    const std::optional<FormulaFacts> expected = m_formulas(*right);
    const std::optional<FormulaFacts> picked = m_formulas(chosen);
    if (!expected)
        return {};
    if (picked && picked->formula == expected->formula)
        return Explanations::sameFormulaOtherTab(expected->tabCaption);
    if (m_wrongFormulasHere >= 2)
        return Explanations::whereTheFormulaIs(expected->tabCaption);
    return {};
}

// A step begins: its slot shows "Vuoto.gif" and takes the focus, and the panel
// offers the formulas.
void SolvingSession::showStep(SolvingOutcome &outcome, int step, bool withResult)
{
    m_wrongFormulasHere = 0;
    show(outcome, Box::StepFormula, step);
    if (withResult)
        show(outcome, Box::Result, step);
    switchPanel(outcome, true);
    outcome.emptySlot = step;
    outcome.focus = Box::StepFormula;
    outcome.focusIndex = step;
}

void SolvingSession::show(SolvingOutcome &outcome, Box box, int index)
{
    switch (box) {
    case Box::Datum:
        m_dataShown[index] = true;
        outcome.dataShown.append(index);
        return;
    case Box::StepFormula:
        m_stepsShown[index] = true;
        outcome.stepsShown.append(index);
        return;
    case Box::Result:
        m_resultsShown[index] = true;
        outcome.resultsShown.append(index);
        return;
    case Box::None:
    case Box::OpenButton:
        return;
    }
}

void SolvingSession::switchPanel(SolvingOutcome &outcome, bool on)
{
    m_panelOn = on;
    outcome.panelOn = on;
}

bool SolvingSession::isShown(Box box, int index) const
{
    switch (box) {
    case Box::Datum:
        return m_dataShown[index];
    case Box::StepFormula:
        return m_stepsShown[index];
    case Box::Result:
        return m_resultsShown[index];
    case Box::None:
        return false;
    case Box::OpenButton:
        return true;
    }
    return false;
}

// A hidden box cannot take the focus: it then stays where it is.
void SolvingSession::focusIfShown(SolvingOutcome &outcome, Box box, int index) const
{
    if (!isShown(box, index))
        return;
    outcome.focus = box;
    outcome.focusIndex = index;
}
