#include "solverhandler.h"

#include "formulapanel.h"
#include "messagebox.h"
#include "modesetup.h"
#include "module1.h"
#include "problemfigure.h"
#include "problemfile.h"
#include "programfolder.h"
#include "solvertexts.h"
#include "workwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString NoticeTitle = QStringLiteral("Zenuvio");

bool isSlot(int index)
{
    return index >= 0 && index < WorkWindow::SlotCount;
}

bool isFormulaNumber(int number)
{
    return number >= 0 && number < FormulaPanel::FormulaCount;
}

bool solving()
{
    return Module1::ModoRisoluzione == 1;
}

} // namespace

SolverHandler::SolverHandler(WorkWindow &form) : m_form(form) {}

std::unique_ptr<ModeHandler> makeSolverHandler(WorkWindow &form)
{
    return std::make_unique<SolverHandler>(form);
}

void SolverHandler::solvingOpenClicked()
{
    // Whatever happens next, the problem shown so far is gone.
    m_form.txtTesto->setEnabled(true);
    m_form.txtTesto->clear();
    m_form.formulaPanel->setSwitchedOn(false);
    m_form.figureBox->clearPicture();
    setHint(SolverTexts::Ciao);
    ModeSetup::hideAllSlots(m_form);

    // The dialog keeps its file name, so it proposes the problem opened last.
    m_form.problemDialog.setFilter(SolverTexts::ProblemFilter);
    m_form.problemDialog.showOpen();
    const QString path = m_form.problemDialog.fileName();
    if (path.isEmpty()) {
        emptyWindow();
        return;
    }

    // The problem is taken only once the file has been read whole, so a bad
    // file leaves the last problem read in Module1 as it was.
    const ReadResult<SolvingProblem> read = ProblemFile::readForSolving(path);
    if (!read.problem) {
        emptyWindow();
        MessageBox::show(MessageBox::Icon::Warning, NoticeTitle, read.error, &m_form);
        return;
    }
    const SolvingProblem &problem = *read.problem;
    Module1::NomeFigura = problem.nomeFigura;
    Module1::Dati = problem.dati;
    Module1::Formule = problem.formule;
    Module1::Risultati = problem.risultati;

    // The text is there to be read: typing into it would only spoil it.
    m_form.txtTesto->setPlainText(problem.testo);
    m_form.txtTesto->setReadOnly(true);
    const QString figureNotice = showFigure(path);
    Module1::Contatore = 0;
    m_form.txtDati[0]->setVisible(true);
    giveFocus(m_form.txtDati[0]);
    setHint(SolverTexts::InserisciIDati);
    // Told once the problem is on screen, behind the notice.
    if (!figureNotice.isEmpty())
        MessageBox::show(MessageBox::Icon::Information, NoticeTitle, figureNotice, &m_form);
}

// No problem open: nothing to type into, the text area inert.
void SolverHandler::emptyWindow()
{
    m_form.txtTesto->setEnabled(false);
}

// The figure is looked for in the program's folder, then beside the problem
// file. A figure that cannot be shown does not stop the problem: the pupil is
// told why (the text returned), and solves it without.
QString SolverHandler::showFigure(const QString &problemPath)
{
    QString notice = ProblemFigure::show(*m_form.figureBox, Module1::NomeFigura, problemPath);
    if (!notice.isEmpty())
        notice += QStringLiteral(" Il problema si può risolvere anche senza.");
    return notice;
}

void SolverHandler::datumKeyPressed(int, int key)
{
    if (key == 13 && solving())
        ControllaDato();
}

void SolverHandler::formulaClicked(int number)
{
    // The panel lets no click through while it is off; this keeps it so
    // whatever calls in.
    if (Module1::ModoEditor == 1 || !solving() || !m_form.formulaPanel->isSwitchedOn())
        return;
    Module1::FormulaScelta = number;
    ControllaFormula();
}

void SolverHandler::resultKeyPressed(int, int key)
{
    if (key == 13 && solving())
        ControllaRisultato();
}

void SolverHandler::textClicked()
{
    if (solving() && isSlot(Module1::Contatore))
        giveFocus(m_form.txtDati[Module1::Contatore]);
}

void SolverHandler::ControllaDato()
{
    int &k = Module1::Contatore;
    if (!isSlot(k))
        return;
    if (m_form.txtDati[k]->text() != Module1::Dati[k]) {
        setHint(SolverTexts::Errato);
        giveFocus(m_form.txtDati[k]);
        return;
    }
    setHint(SolverTexts::Bravo);
    ++k;
    if (k == WorkWindow::SlotCount || Module1::Dati[k].isEmpty()) {
        // The data are complete: the first step waits for its formula. Its
        // result box comes only once the formula is right.
        setHint(SolverTexts::BravoScegliLaFormula);
        k = 0;
        m_form.stepFormulaBoxes[0]->setVisible(true);
        m_form.equalsSigns[0]->setVisible(true);
        m_form.formulaPanel->setSwitchedOn(true);
        showEmptySlot(0);
        giveFocus(m_form.stepFormulaBoxes[0]);
        return;
    }
    // An Enter in a data box during the steps can bring the data back; no
    // formula is to be chosen while they are typed.
    m_form.formulaPanel->setSwitchedOn(false);
    m_form.txtDati[k]->setVisible(true);
    giveFocus(m_form.txtDati[k]);
}

void SolverHandler::ControllaFormula()
{
    const int k = Module1::Contatore;
    if (!isSlot(k))
        return;
    const int chosen = Module1::FormulaScelta;
    // Only the number counts: the same formula on another tab is another one.
    if (QString::number(chosen) != Module1::Formule[k]) {
        setHint(SolverTexts::Errata);
        giveFocus(m_form.stepFormulaBoxes[k]);
        return;
    }
    setHint(SolverTexts::Bravo);
    if (isFormulaNumber(chosen)) {
        const PictureBox &formula = *m_form.picFormula(chosen);
        m_form.stepFormulaBoxes[k]->copyPictureFrom(formula);
        m_form.stepFormulaBoxes[k]->setAccessibleDescription(formula.accessibleName());
    }
    m_form.txtRisultato[k]->setVisible(true);
    giveFocus(m_form.txtRisultato[k]);
}

void SolverHandler::ControllaRisultato()
{
    int &k = Module1::Contatore;
    if (!isSlot(k))
        return;
    if (m_form.txtRisultato[k]->text() != Module1::Risultati[k]) {
        setHint(SolverTexts::Errato);
        giveFocus(m_form.txtRisultato[k]);
        return;
    }
    setHint(SolverTexts::BravoScegliLaFormula);
    ++k;
    if (k == WorkWindow::SlotCount || Module1::Risultati[k].isEmpty()) {
        setHint(SolverTexts::BravoHaiFinito);
        k = 0;
        m_form.formulaPanel->setSwitchedOn(false);
        giveFocus(m_form.cmdApri_Risoluzione);
        return;
    }
    startStep(k);
}

// A step after the first shows its result box together with its empty slot.
void SolverHandler::startStep(int step)
{
    m_form.stepFormulaBoxes[step]->setVisible(true);
    m_form.equalsSigns[step]->setVisible(true);
    m_form.txtRisultato[step]->setVisible(true);
    m_form.formulaPanel->setSwitchedOn(true);
    showEmptySlot(step);
    giveFocus(m_form.stepFormulaBoxes[step]);
}

// "Vuoto.gif" is read from the program's folder each time; without it the
// slot simply stays empty.
void SolverHandler::showEmptySlot(int step)
{
    PictureBox *slot = m_form.stepFormulaBoxes[step];
    slot->loadPicture(ProgramFolder::file(SolverTexts::EmptySlotPicture));
    slot->setAccessibleDescription(QStringLiteral("Formula da scegliere"));
}

void SolverHandler::setHint(const QString &text)
{
    m_form.lblAvviso_Risoluzione->setText(text);
}

void SolverHandler::giveFocus(QWidget *widget)
{
    if (widget->isVisibleTo(&m_form) && widget->isEnabled())
        widget->setFocus(Qt::OtherFocusReason);
}
