#pragma once

#include "modehandler.h"
#include "solvingsession.h"

#include <QString>
#include <memory>

class WorkWindow;
class QWidget;

// Solving mode of the work window. "Apri" empties the window, reads a problem
// file and shows its text and figure; from then on every act of the pupil goes
// to the solving session, which holds the rules, and what the session answers
// is shown: the hint, the boxes that appear, the pictures, the focus.
class SolverHandler : public ModeHandler {
public:
    explicit SolverHandler(WorkWindow &window);

    void openClicked() override;
    void openFile(const QString &path) override;
    void datumChanged(int index, const QString &text) override;
    void datumEntered(int index) override;
    void formulaClicked(int number) override;
    void resultChanged(int index, const QString &text) override;
    void resultEntered(int index) override;
    void textClicked() override;
    void printRequested() override;

    // Explanations beside the verdicts, on unless switched off for a class test.
    void setExplaining(bool on) { m_session.setExplaining(on); }
    // Answers judged by value and unit, whatever their form (off unless asked for).
    void setEquivalentForms(bool on) { m_session.setEquivalentForms(on); }

private:
    void show(const SolvingOutcome &outcome);
    void emptyWindow();
    void read(const QString &path);
    QString showFigure(const QString &nomeFigura, const QString &problemPath);
    QWidget *box(SolvingOutcome::Box kind, int index) const;

    WorkWindow &m_window;
    SolvingSession m_session;
};

std::unique_ptr<ModeHandler> makeSolverHandler(WorkWindow &window);
