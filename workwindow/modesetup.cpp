#include "modesetup.h"

#include "formulapanel.h"
#include "programfolder.h"
#include "stepslots.h"
#include "workwindowcontrols.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace ModeSetup {

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

void setUpForSolving(const WorkWindowControls &c, const QPalette &palette)
{
    c.figureBox->setBorderStyle(PictureBox::BorderStyle::None);
    c.figureBox->setAppearance(PictureBox::Appearance::Flat);
    c.figureBox->setBackColor(palette.color(QPalette::Button));
    c.formulaPanel->setSwitchedOn(false);
    c.problemText->clear();
    c.problemText->setFrameShape(QFrame::NoFrame);
    c.problemText->setEnabled(false);
    c.figureBox->clearPicture();
    showControlsOf(c, false);
    StepSlots::hideAll(c);
}

void setUpForEditing(const WorkWindowControls &c)
{
    c.problemText->setToolTip(tipTesto);
    c.figureBox->setToolTip(tipFigura);
    for (int i = 0; i < WorkWindowControls::SlotCount; ++i) {
        c.dataBoxes[i]->setToolTip(tipDato);
        c.stepFormulaBoxes[i]->setToolTip(tipFormula);
        c.resultBoxes[i]->setToolTip(tipRisultato);
    }
    c.formulaPanel->setSwitchedOn(true);
    c.problemText->clear();
    c.problemText->setFrameShape(QFrame::StyledPanel);
    c.figureBox->setBorderStyle(PictureBox::BorderStyle::FixedSingle);
    c.figureBox->setAppearance(PictureBox::Appearance::ThreeD);
    // A missing or unreadable picture simply leaves the figure box empty.
    c.figureBox->loadPicture(ProgramFolder::file(QStringLiteral("Clicca.gif")));
    showControlsOf(c, true);
}

} // namespace ModeSetup
