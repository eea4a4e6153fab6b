#include "solverhandler.h"

#include "formulacatalogue.h"
#include "formulapanel.h"
#include "messagebox.h"
#include "modesetup.h"
#include "problemfigure.h"
#include "problemfile.h"
#include "programfolder.h"
#include "worksheet.h"
#include "workwindow.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString NoticeTitle = QStringLiteral("Zenuvio");
const QString EmptySlotPicture = QStringLiteral("Vuoto.gif");
} // namespace

SolverHandler::SolverHandler(WorkWindow &window) : m_window(window)
{
    m_session.setFormulaLookup([](int number) -> std::optional<SolvingSession::FormulaFacts> {
        if (number < 0 || number >= FormulaCatalogue::FormulaCount)
            return std::nullopt;
        const FormulaCatalogue::Entry &entry = FormulaCatalogue::entry(number);
        return SolvingSession::FormulaFacts{QString::fromUtf8(entry.formula),
                                            FormulaCatalogue::tabCaption(entry.tab)};
    });
}

std::unique_ptr<ModeHandler> makeSolverHandler(WorkWindow &window)
{
    return std::make_unique<SolverHandler>(window);
}

void SolverHandler::openClicked()
{
    // Whatever happens next, the problem shown so far is gone.
    show(m_session.emptyWindow());
    m_window.showProblemFile(QString());

    // The dialog keeps its file name, so it proposes the problem opened last.
    FileDialog &dialog = m_window.problemDialog;
    dialog.setFilter(ProblemFile::DialogFilter);
    dialog.showOpen();
    const QString path = dialog.fileName();
    if (path.isEmpty()) {
        emptyWindow();
        return;
    }
    read(path);
}

void SolverHandler::openFile(const QString &path)
{
    show(m_session.emptyWindow());
    m_window.showProblemFile(QString());
    m_window.problemDialog.setFileName(path);
    read(path);
}

void SolverHandler::read(const QString &path)
{
    // The problem is taken only once the file has been read whole, and only
    // if the pupil can finish it.
    const ReadResult<SolvingProblem> result = ProblemFile::readForSolving(path);
    if (!result.problem) {
        emptyWindow();
        MessageBox::show(MessageBox::Icon::Warning, NoticeTitle, result.error, &m_window);
        return;
    }
    // The text is there to be read: typing into it would only spoil it.
    m_window.txtTesto->setPlainText(result.problem->testo);
    m_window.txtTesto->setReadOnly(true);
    const QString figureNotice = showFigure(result.problem->nomeFigura, path);
    show(m_session.open(*result.problem));
    m_window.showProblemFile(path);
    // Told once the problem is on screen, behind the notice.
    if (!figureNotice.isEmpty())
        MessageBox::show(MessageBox::Icon::Information, NoticeTitle, figureNotice, &m_window);
}

// No problem open: nothing to type into, the text area inert.
void SolverHandler::emptyWindow()
{
    m_window.txtTesto->setEnabled(false);
}

// The figure is looked for in the program's folder, then beside the problem
// file. A figure that cannot be shown does not stop the problem: the pupil is
// told why (the text returned), and solves it without.
QString SolverHandler::showFigure(const QString &nomeFigura, const QString &problemPath)
{
    QString notice = ProblemFigure::show(*m_window.figureBox, nomeFigura, problemPath);
    if (!notice.isEmpty())
        notice += QStringLiteral(" Il problema si può risolvere anche senza.");
    return notice;
}

void SolverHandler::datumChanged(int index, const QString &text)
{
    m_session.typeDatum(index, text);
}

void SolverHandler::datumEntered(int index)
{
    show(m_session.confirmDatum(index));
}

void SolverHandler::formulaClicked(int number)
{
    show(m_session.chooseFormula(number));
}

void SolverHandler::resultChanged(int index, const QString &text)
{
    m_session.typeResult(index, text);
}

void SolverHandler::resultEntered(int index)
{
    show(m_session.confirmResult(index));
}

void SolverHandler::textClicked()
{
    show(m_session.clickText());
}

// The worksheet of the problem being solved, without its solutions.
void SolverHandler::printRequested()
{
    if (m_session.stage() == SolvingSession::Stage::NoProblem || !m_session.problem())
        return;
    const SolvingProblem &problem = *m_session.problem();
    const QImage figure =
        problem.nomeFigura.isEmpty() ? QImage() : m_window.figureBox->picture().toImage();
    const QString error =
        Worksheet::printWithDialog(&m_window, Worksheet::fromSolving(problem), figure, false,
                                   QFileInfo(m_window.problemDialog.fileName()).completeBaseName());
    if (!error.isEmpty())
        MessageBox::show(MessageBox::Icon::Warning, NoticeTitle, error, &m_window);
}

void SolverHandler::show(const SolvingOutcome &outcome)
{
    WorkWindow &w = m_window;
    if (outcome.emptyWindow) {
        w.txtTesto->setEnabled(true);
        w.txtTesto->clear();
        w.figureBox->clearPicture();
        ModeSetup::hideAllSlots(w);
    }
    if (outcome.hint) {
        w.lblAvviso_Risoluzione->setText(*outcome.hint);
        w.lblSpiegazione->setText(outcome.explanation);
    }
    for (int i : outcome.dataShown)
        w.txtDati[i]->setVisible(true);
    for (int i : outcome.stepsShown) {
        w.stepFormulaBoxes[i]->setVisible(true);
        w.equalsSigns[i]->setVisible(true);
    }
    for (int i : outcome.resultsShown)
        w.txtRisultato[i]->setVisible(true);
    if (outcome.panelOn)
        w.formulaPanel->setSwitchedOn(*outcome.panelOn);
    // "Vuoto.gif" is read from the program's folder each time.
    if (outcome.emptySlot)
        w.showStepWaitingForFormula(*outcome.emptySlot, ProgramFolder::file(EmptySlotPicture));
    if (outcome.formulaShown)
        w.showStepFormula(outcome.formulaShown->step, outcome.formulaShown->formula);
    if (QWidget *target = box(outcome.focus, outcome.focusIndex))
        target->setFocus(Qt::OtherFocusReason);
    // One text for the verdict and its explanation: a screen reader given two
    // at once would speak only the last.
    if (outcome.hint)
        w.announce(outcome.explanation.isEmpty()
                       ? *outcome.hint
                       : *outcome.hint + QLatin1Char(' ') + outcome.explanation);
}

QWidget *SolverHandler::box(SolvingOutcome::Box kind, int index) const
{
    using Box = SolvingOutcome::Box;
    switch (kind) {
    case Box::Datum:
        return m_window.txtDati[index];
    case Box::StepFormula:
        return m_window.stepFormulaBoxes[index];
    case Box::Result:
        return m_window.txtRisultato[index];
    case Box::OpenButton:
        return m_window.cmdApri_Risoluzione;
    case Box::None:
        return nullptr;
    }
    return nullptr;
}
