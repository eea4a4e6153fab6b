#pragma once

#include "modehandler.h"

#include <QString>
#include <memory>

class WorkWindow;
class QWidget;

// Solving mode of the work window. "Apri" empties the window, reads a problem
// file into Module1 and shows the problem's text and figure with the first
// data box. The pupil then types the data values again one by one, and for
// each solution step chooses its formula in the formula panel and types its
// result. Every entry is compared at once, exactly, with the problem, and the
// answer goes into the hint label.
//
// No stage is stored: where the pupil is follows from Module1::Contatore
// together with which boxes are shown and whether the formula panel is on.
// ControllaDato moves Contatore through the data, ControllaRisultato through
// the steps; ControllaFormula never moves it.
class SolverHandler : public ModeHandler {
public:
    explicit SolverHandler(WorkWindow &form);

    void solvingOpenClicked() override;
    void datumKeyPressed(int index, int key) override;
    void formulaClicked(int number) override;
    void resultKeyPressed(int index, int key) override;
    void textClicked() override;

    // The three checks work on the box or step at Contatore, whichever box
    // the key was pressed in. With Contatore outside 0..7 (only after an open
    // that read no problem) there is nothing to check and they do nothing.
    void ControllaDato();
    void ControllaFormula();
    void ControllaRisultato();

private:
    void emptyWindow();
    QString showFigure(const QString &problemPath);
    void startStep(int step);
    void showEmptySlot(int step);
    void setHint(const QString &text);
    // Gives the focus only to a box the pupil can see and use; for a hidden
    // one nothing happens.
    void giveFocus(QWidget *widget);

    WorkWindow &m_form;
};

std::unique_ptr<ModeHandler> makeSolverHandler(WorkWindow &form);
