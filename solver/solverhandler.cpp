#include "solverhandler.h"

#include "attemptkeeper.h"
#include "filedialog.h"
#include "formulacatalogue.h"
#include "messagebox.h"
#include "nextproblem.h"
#include "problemfile.h"
#include "worksheet.h"
#include "workwindow.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace {
const QString NoticeTitle = QStringLiteral("Zenuvio");

// The problem file's bytes as the attempt names them; a file gone meanwhile
// is named by the hash of nothing.
QByteArray sha256Of(const QString &path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);
    return hash.result().toHex();
}
} // namespace

const QString SolverHandler::NextProblemKey = QStringLiteral("Ctrl+N");

SolverHandler::SolverHandler(SolvingView &view) : m_view(view)
{
    m_session.setFormulaLookup([](int number) -> std::optional<SolvingSession::FormulaFacts> {
        if (number < 0 || number >= FormulaCatalogue::FormulaCount)
            return std::nullopt;
        const FormulaCatalogue::Entry &entry = FormulaCatalogue::entry(number);
        return SolvingSession::FormulaFacts{QString::fromUtf8(entry.formula),
                                            FormulaCatalogue::tabCaption(entry.tab)};
    });
    // The desktop ending the session (logout) or the program quitting keeps
    // the attempt before the window may be gone without a close.
    m_quitWatch = std::make_unique<QObject>();
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, m_quitWatch.get(),
                         [this] { keepAttempt(); });
        QObject::connect(app, &QCoreApplication::aboutToQuit, m_quitWatch.get(),
                         [this] { keepAttempt(); });
    }
}

SolverHandler::~SolverHandler() = default;

std::unique_ptr<ModeHandler> makeSolverHandler(WorkWindow &window)
{
    return std::make_unique<SolverHandler>(window.solvingView());
}

void SolverHandler::openClicked()
{
    keepAttempt();
    // Whatever happens next, the problem shown so far is gone.
    show(m_session.emptyWindow());
    m_view.showProblemFile(QString());

    // The dialog keeps its file name, so it proposes the problem opened last.
    FileDialog &dialog = m_view.problemDialog();
    dialog.setFilter(ProblemFile::DialogFilter);
    dialog.showOpen();
    const QString path = dialog.fileName();
    if (path.isEmpty()) {
        m_view.showNoProblem();
        return;
    }
    read(path);
}

void SolverHandler::openFile(const QString &path)
{
    keepAttempt();
    show(m_session.emptyWindow());
    m_view.showProblemFile(QString());
    m_view.problemDialog().setFileName(path);
    read(path);
}

void SolverHandler::read(const QString &path)
{
    // The problem is taken only once the file has been read whole, and only
    // if the pupil can finish it.
    const ReadResult result = ProblemFile::readForSolving(path);
    if (!result.problem) {
        m_view.showNoProblem();
        MessageBox::show(MessageBox::Icon::Warning, NoticeTitle, result.error,
                         m_view.dialogParent());
        return;
    }
    // A figure that cannot be shown does not stop the problem: the pupil is
    // told why, and solves it without.
    QString figureNotice = m_view.showProblem(*result.problem, path);
    if (!figureNotice.isEmpty())
        figureNotice += QStringLiteral(" Il problema si può risolvere anche senza.");
    m_problemPath = path;
    m_problemSha256 = sha256Of(path);
    m_pupil = m_keeper ? m_keeper->pupil() : QString();
    if (m_keeper && m_notice.isEmpty())
        m_notice = m_keeper->checkFolder();
    show(m_session.open(*result.problem));
    m_view.showProblemFile(path);
    // Told once the problem is on screen, behind the notice.
    if (!figureNotice.isEmpty())
        MessageBox::show(MessageBox::Icon::Information, NoticeTitle, figureNotice,
                         m_view.dialogParent());
}

void SolverHandler::datumChanged(int index, const QString &text)
{
    m_session.typeDatum(index, text);
}

void SolverHandler::datumEntered(int index)
{
    act(m_session.confirmDatum(index));
}

void SolverHandler::formulaClicked(int number)
{
    act(m_session.chooseFormula(number));
}

void SolverHandler::resultChanged(int index, const QString &text)
{
    m_session.typeResult(index, text);
}

void SolverHandler::resultEntered(int index)
{
    act(m_session.confirmResult(index));
}

// An act that finishes the problem keeps its attempt at once, and tells the
// pupil how to go on.
void SolverHandler::act(SolvingOutcome outcome)
{
    if (outcome.hint == SolvingHints::BravoHaiFinito) {
        keepAttempt();
        const QString next =
            NextProblem::after(m_problemPath).isEmpty()
                ? QStringLiteral("Era l'ultimo problema della cartella.")
                : QStringLiteral("Premi %1 per il problema seguente.").arg(NextProblemKey);
        outcome.explanation =
            outcome.explanation.isEmpty() ? next : outcome.explanation + QLatin1Char(' ') + next;
    }
    show(outcome);
}

void SolverHandler::keepAttempt()
{
    std::optional<AttemptRecord> attempt = m_session.takeAttempt();
    if (!attempt || !m_keeper || m_pupil.isEmpty())
        return;
    attempt->pupil = m_pupil;
    attempt->problem = QFileInfo(m_problemPath).fileName();
    attempt->problemSha256 = QString::fromLatin1(m_problemSha256);
    const QString notice = m_keeper->keep(*attempt);
    if (!notice.isEmpty())
        m_notice = notice;
}

bool SolverHandler::mayClose()
{
    keepAttempt();
    return true;
}

// After the end, the next problem of the folder, with no dialog; after the
// last one, the pupil is told that the folder is done.
void SolverHandler::nextRequested()
{
    if (m_session.stage() != SolvingSession::Stage::Finished)
        return;
    const QString next = NextProblem::after(m_problemPath);
    if (next.isEmpty()) {
        const QString done =
            QStringLiteral("Non ci sono altri problemi: hai finito quelli della cartella.");
        m_view.showExplanation(done);
        return;
    }
    openFile(next);
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
    const Problem &problem = *m_session.problem();
    const QImage figure = problem.figureName.isEmpty() ? QImage() : m_view.figure();
    const QString error = Worksheet::printWithDialog(m_view.dialogParent(), problem, figure, false,
                                                     QFileInfo(m_problemPath).completeBaseName());
    if (!error.isEmpty())
        MessageBox::show(MessageBox::Icon::Warning, NoticeTitle, error, m_view.dialogParent());
}

// A notice kept for later (a results folder that cannot be written) is told
// with the first hint given once a problem is on screen.
void SolverHandler::show(SolvingOutcome outcome)
{
    if (outcome.hint && !outcome.emptyWindow && !m_notice.isEmpty()) {
        const QString notice = std::exchange(m_notice, QString());
        outcome.explanation = outcome.explanation.isEmpty()
                                  ? notice
                                  : outcome.explanation + QLatin1Char(' ') + notice;
    }
    m_view.show(outcome);
}
