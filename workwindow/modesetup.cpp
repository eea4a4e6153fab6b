#include "modesetup.h"

#include "form2.h"
#include "formulapanel.h"
#include "module1.h"
#include "programfolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ModeSetup {

void hideAllSlots(Form2 &form)
{
    for (Module1::Contatore = 0; Module1::Contatore < Form2::SlotCount; ++Module1::Contatore) {
        const int i = Module1::Contatore;
        form.txtDati[i]->clear();
        form.txtDati[i]->setVisible(false);
    }
    for (Module1::Contatore = 0; Module1::Contatore < Form2::SlotCount; ++Module1::Contatore) {
        const int i = Module1::Contatore;
        form.Option1[i]->setVisible(false);
        form.picFormRis[i]->setVisible(false);
        form.picFormRis[i]->clearPicture();
        form.Label1[i]->setVisible(false);
        form.txtRisultato[i]->clear();
        form.txtRisultato[i]->setVisible(false);
    }
}

void setUpForSolving(Form2 &form)
{
    form.Picture1->setBorderStyle(PictureBox::BorderStyle::None);
    form.Picture1->setAppearance(PictureBox::Appearance::Flat);
    form.Picture1->setBackColor(form.palette().color(QPalette::Button));
    form.SSTab1->setSwitchedOn(false);
    form.txtTesto->clear();
    form.setTextBorderStyle(0);
    form.txtTesto->setEnabled(false);
    form.Picture1->clearPicture();
    form.cmdNuovo->setVisible(false);
    form.cmdApri_Editor->setVisible(false);
    form.cmdSalva->setVisible(false);
    form.cmdEsci_Editor->setVisible(false);
    form.lblAvviso_Editor->setVisible(false);
    form.lblAvviso_Risoluzione->setVisible(true);
    form.cmdApri_Risoluzione->setVisible(true);
    form.cmdEsci_Risoluzione->setVisible(true);
    Module1::SuggerimentiAttivi = 0;
    hideAllSlots(form);
}

void setUpForEditing(Form2 &form)
{
    form.txtTesto->setToolTip(tipTesto);
    form.Picture1->setToolTip(tipFigura);
    for (Module1::Contatore = 0; Module1::Contatore < Form2::SlotCount; ++Module1::Contatore) {
        const int i = Module1::Contatore;
        form.txtDati[i]->setToolTip(tipDato);
        form.picFormRis[i]->setToolTip(tipFormula);
        form.txtRisultato[i]->setToolTip(tipRisultato);
    }
    form.SSTab1->setSwitchedOn(true);
    form.txtTesto->clear();
    form.setTextBorderStyle(1);
    form.Picture1->setBorderStyle(PictureBox::BorderStyle::FixedSingle);
    form.Picture1->setAppearance(PictureBox::Appearance::ThreeD);
    // A missing or unreadable picture simply leaves the figure box empty.
    form.Picture1->loadPicture(ProgramFolder::file(QStringLiteral("Clicca.gif")));
    form.cmdNuovo->setVisible(true);
    form.cmdApri_Editor->setVisible(true);
    form.cmdSalva->setVisible(true);
    form.cmdEsci_Editor->setVisible(true);
    form.lblAvviso_Editor->setVisible(true);
    form.lblAvviso_Risoluzione->setVisible(false);
    form.cmdApri_Risoluzione->setVisible(false);
    form.cmdEsci_Risoluzione->setVisible(false);
    Module1::SuggerimentiAttivi = 1;
    Module1::NomeFigura.clear();
    Module1::FormuleEditor.fill(std::nullopt);
}

} // namespace ModeSetup
