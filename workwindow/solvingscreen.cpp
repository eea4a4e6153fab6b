#include "solvingscreen.h"

#include "formulapanel.h"
#include "problemfigure.h"
#include "programfolder.h"
#include "stepslots.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {
const QString EmptySlotPicture = QStringLiteral("Vuoto.gif");
}

QString SolvingScreen::showProblem(const Problem &problem, const QString &problemPath)
{
    // The text is there to be read: typing into it would only spoil it.
    m_controls.problemText->setPlainText(problem.text);
    m_controls.problemText->setReadOnly(true);
    return ProblemFigure::show(*m_controls.figureBox, problem.figureName, problemPath);
}

void SolvingScreen::showNoProblem()
{
    m_controls.problemText->setEnabled(false);
}

void SolvingScreen::show(const SolvingOutcome &outcome)
{
    const WorkWindowControls &c = m_controls;
    if (outcome.emptyWindow) {
        c.problemText->setEnabled(true);
        c.problemText->clear();
        c.figureBox->clearPicture();
        StepSlots::hideAll(c);
    }
    if (outcome.hint) {
        c.hintLabel->setText(*outcome.hint);
        c.explanationLabel->setText(outcome.explanation);
    }
    for (int i : outcome.dataShown)
        c.dataBoxes[i]->setVisible(true);
    for (int i : outcome.stepsShown) {
        c.stepFormulaBoxes[i]->setVisible(true);
        c.equalsSigns[i]->setVisible(true);
    }
    for (int i : outcome.resultsShown)
        c.resultBoxes[i]->setVisible(true);
    if (outcome.panelOn)
        c.formulaPanel->setSwitchedOn(*outcome.panelOn);
    // "Vuoto.gif" is read from the program's folder each time.
    if (outcome.emptySlot)
        StepSlots::showAwaitedFormula(c, *outcome.emptySlot, ProgramFolder::file(EmptySlotPicture));
    if (outcome.formulaShown)
        StepSlots::showFormula(c, outcome.formulaShown->step, outcome.formulaShown->formula);
    if (QWidget *target = box(outcome.focus, outcome.focusIndex))
        target->setFocus(Qt::OtherFocusReason);
    if (outcome.hint)
        m_window.announce(*outcome.hint, outcome.explanation);
}

void SolvingScreen::showExplanation(const QString &explanation)
{
    m_controls.explanationLabel->setText(explanation);
    m_window.announce(m_controls.hintLabel->text(), explanation);
}

QWidget *SolvingScreen::box(SolvingOutcome::Box kind, int index) const
{
    using Box = SolvingOutcome::Box;
    switch (kind) {
    case Box::Datum:
        return m_controls.dataBoxes[index];
    case Box::StepFormula:
        return m_controls.stepFormulaBoxes[index];
    case Box::Result:
        return m_controls.resultBoxes[index];
    case Box::OpenButton:
        return m_controls.solvingOpenButton;
    case Box::None:
        return nullptr;
    }
    return nullptr;
}
