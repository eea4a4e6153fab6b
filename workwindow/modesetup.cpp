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

void setUpForSolving(WorkWindow &form)
{
    form.controls().figureBox->setBorderStyle(PictureBox::BorderStyle::None);
    form.controls().figureBox->setAppearance(PictureBox::Appearance::Flat);
    form.controls().figureBox->setBackColor(form.palette().color(QPalette::Button));
    form.controls().formulaPanel->setSwitchedOn(false);
    form.controls().problemText->clear();
    form.setTextFramed(false);
    form.controls().problemText->setEnabled(false);
    form.controls().figureBox->clearPicture();
    form.controls().newButton->setVisible(false);
    form.controls().editorOpenButton->setVisible(false);
    form.controls().saveButton->setVisible(false);
    form.controls().editorExitButton->setVisible(false);
    form.controls().editorLabel->setVisible(false);
    form.controls().hintLabel->setVisible(true);
    form.controls().explanationLabel->setVisible(true);
    form.controls().solvingOpenButton->setVisible(true);
    form.controls().solvingExitButton->setVisible(true);
    hideAllSlots(form);
}

void setUpForEditing(WorkWindow &form)
{
    form.controls().problemText->setToolTip(tipTesto);
    form.controls().figureBox->setToolTip(tipFigura);
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        form.controls().dataBoxes[i]->setToolTip(tipDato);
        form.controls().stepFormulaBoxes[i]->setToolTip(tipFormula);
        form.controls().resultBoxes[i]->setToolTip(tipRisultato);
    }
    form.controls().formulaPanel->setSwitchedOn(true);
    form.controls().problemText->clear();
    form.setTextFramed(true);
    form.controls().figureBox->setBorderStyle(PictureBox::BorderStyle::FixedSingle);
    form.controls().figureBox->setAppearance(PictureBox::Appearance::ThreeD);
    // A missing or unreadable picture simply leaves the figure box empty.
    form.controls().figureBox->loadPicture(ProgramFolder::file(QStringLiteral("Clicca.gif")));
    form.controls().newButton->setVisible(true);
    form.controls().editorOpenButton->setVisible(true);
    form.controls().saveButton->setVisible(true);
    form.controls().editorExitButton->setVisible(true);
    form.controls().editorLabel->setVisible(true);
    form.controls().hintLabel->setVisible(false);
    form.controls().explanationLabel->setVisible(false);
    form.controls().solvingOpenButton->setVisible(false);
    form.controls().solvingExitButton->setVisible(false);
}

} // namespace ModeSetup
