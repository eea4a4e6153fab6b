#include "modesetup.h"

#include "formulapanel.h"
#include "programfolder.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace ModeSetup {

void hideAllSlots(WorkWindow &form)
{
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        form.controls().dataBoxes[i]->clear();
        form.controls().dataBoxes[i]->setVisible(false);
    }
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        form.controls().stepSelectors[i]->setVisible(false);
        form.controls().stepFormulaBoxes[i]->setVisible(false);
        form.clearStepFormula(i);
        form.controls().equalsSigns[i]->setVisible(false);
        form.controls().resultBoxes[i]->clear();
        form.controls().resultBoxes[i]->setVisible(false);
    }
}

namespace {

// The buttons and labels of one mode in view, those of the other out of it.
void showControlsOf(const WorkWindowControls &c, bool editing)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             c.newButton, c.editorOpenButton, c.saveButton, c.editorExitButton, c.editorLabel})
        control->setVisible(editing);
    for (QWidget *control : std::initializer_list<QWidget *>{
             c.hintLabel, c.explanationLabel, c.solvingOpenButton, c.solvingExitButton})
        control->setVisible(!editing);
}

} // namespace

void setUpForSolving(WorkWindow &form)
{
    const WorkWindowControls &c = form.controls();
    c.figureBox->setBorderStyle(PictureBox::BorderStyle::None);
    c.figureBox->setAppearance(PictureBox::Appearance::Flat);
    c.figureBox->setBackColor(form.palette().color(QPalette::Button));
    c.formulaPanel->setSwitchedOn(false);
    c.problemText->clear();
    form.setTextFramed(false);
    c.problemText->setEnabled(false);
    c.figureBox->clearPicture();
    showControlsOf(c, false);
    hideAllSlots(form);
}

void setUpForEditing(WorkWindow &form)
{
    const WorkWindowControls &c = form.controls();
    c.problemText->setToolTip(tipTesto);
    c.figureBox->setToolTip(tipFigura);
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        c.dataBoxes[i]->setToolTip(tipDato);
        c.stepFormulaBoxes[i]->setToolTip(tipFormula);
        c.resultBoxes[i]->setToolTip(tipRisultato);
    }
    c.formulaPanel->setSwitchedOn(true);
    c.problemText->clear();
    form.setTextFramed(true);
    c.figureBox->setBorderStyle(PictureBox::BorderStyle::FixedSingle);
    c.figureBox->setAppearance(PictureBox::Appearance::ThreeD);
    // A missing or unreadable picture simply leaves the figure box empty.
    c.figureBox->loadPicture(ProgramFolder::file(QStringLiteral("Clicca.gif")));
    showControlsOf(c, true);
}

} // namespace ModeSetup
