#include "modesetup.h"

#include "formulapanel.h"
#include "programfolder.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ModeSetup {

void hideAllSlots(WorkWindow &form)
{
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        form.txtDati[i]->clear();
        form.txtDati[i]->setVisible(false);
    }
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        form.stepSelectors[i]->setVisible(false);
        form.stepFormulaBoxes[i]->setVisible(false);
        form.clearStepFormula(i);
        form.equalsSigns[i]->setVisible(false);
        form.txtRisultato[i]->clear();
        form.txtRisultato[i]->setVisible(false);
    }
}

void setUpForSolving(WorkWindow &form)
{
    form.figureBox->setBorderStyle(PictureBox::BorderStyle::None);
    form.figureBox->setAppearance(PictureBox::Appearance::Flat);
    form.figureBox->setBackColor(form.palette().color(QPalette::Button));
    form.formulaPanel->setSwitchedOn(false);
    form.txtTesto->clear();
    form.setTextFramed(false);
    form.txtTesto->setEnabled(false);
    form.figureBox->clearPicture();
    form.cmdNuovo->setVisible(false);
    form.cmdApri_Editor->setVisible(false);
    form.cmdSalva->setVisible(false);
    form.cmdEsci_Editor->setVisible(false);
    form.lblAvviso_Editor->setVisible(false);
    form.lblAvviso_Risoluzione->setVisible(true);
    form.lblSpiegazione->setVisible(true);
    form.cmdApri_Risoluzione->setVisible(true);
    form.cmdEsci_Risoluzione->setVisible(true);
    hideAllSlots(form);
}

void setUpForEditing(WorkWindow &form)
{
    form.txtTesto->setToolTip(tipTesto);
    form.figureBox->setToolTip(tipFigura);
    for (int i = 0; i < WorkWindow::SlotCount; ++i) {
        form.txtDati[i]->setToolTip(tipDato);
        form.stepFormulaBoxes[i]->setToolTip(tipFormula);
        form.txtRisultato[i]->setToolTip(tipRisultato);
    }
    form.formulaPanel->setSwitchedOn(true);
    form.txtTesto->clear();
    form.setTextFramed(true);
    form.figureBox->setBorderStyle(PictureBox::BorderStyle::FixedSingle);
    form.figureBox->setAppearance(PictureBox::Appearance::ThreeD);
    // A missing or unreadable picture simply leaves the figure box empty.
    form.figureBox->loadPicture(ProgramFolder::file(QStringLiteral("Clicca.gif")));
    form.cmdNuovo->setVisible(true);
    form.cmdApri_Editor->setVisible(true);
    form.cmdSalva->setVisible(true);
    form.cmdEsci_Editor->setVisible(true);
    form.lblAvviso_Editor->setVisible(true);
    form.lblAvviso_Risoluzione->setVisible(false);
    form.lblSpiegazione->setVisible(false);
    form.cmdApri_Risoluzione->setVisible(false);
    form.cmdEsci_Risoluzione->setVisible(false);
}

} // namespace ModeSetup
