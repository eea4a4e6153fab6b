#include "editorhandler.h"

#include "editorscreen.h"
#include "messagebox.h"
#include "problemfile.h"
#include "programfolder.h"
#include "singlelinetext.h"
#include "workwindow.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const QString FigureFilter = QStringLiteral("Figura (*.gif)|*.gif");
const QString EmptyFigurePicture = QStringLiteral("Clicca.gif");
} // namespace

EditorHandler::EditorHandler(WorkWindow &window) : m_window(window), m_hints(window)
{
    new SingleLineText(m_window.txtTesto);
}

void EditorHandler::notify(const QString &text)
{
    MessageBox::show(MessageBox::Icon::Warning, QStringLiteral("Zenuvio"), text, &m_window);
}

void EditorHandler::textClicked()
{
    m_hints.removeRow(EditorHints::Row::Testo);
}

void EditorHandler::textChanged()
{
    m_draft.setText(EditorScreen::textOf(m_window));
}

void EditorHandler::datumClicked(int)
{
    m_hints.removeRow(EditorHints::Row::Dati);
}

void EditorHandler::datumChanged(int index, const QString &text)
{
    m_draft.setDatum(index, text);
}

void EditorHandler::resultClicked(int)
{
    m_hints.removeRow(EditorHints::Row::Risultati);
}

void EditorHandler::resultChanged(int index, const QString &text)
{
    m_draft.setResult(index, text);
}

// The figure: the name goes into the problem only once its picture is shown,
// so the problem never names a figure the teacher cannot see.
void EditorHandler::figureClicked()
{
    m_hints.removeRow(EditorHints::Row::Figura);
    m_draft.setFigure(QString());
    FileDialog &dialog = m_window.figureDialog;
    dialog.setFileName(QString());
    dialog.setFilter(FigureFilter);
    dialog.showOpen();
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty()) {
        m_window.figureBox->clearPicture();
        return;
    }
    // The full path names the same file as the bare name in the folder the
    // dialog made current.
    if (!m_window.figureBox->loadPicture(chosen)) {
        notify(EditorScreen::notAPictureNotice(chosen));
        return;
    }
    m_draft.setFigure(dialog.fileTitle());
}

void EditorHandler::stepSelected(int index)
{
    m_draft.selectStep(index);
}

void EditorHandler::stepFormulaClicked(int index)
{
    m_hints.removeRow(EditorHints::Row::Formule);
    m_window.clearStepFormula(index);
    m_window.stepSelectors[index]->setChecked(true);
    m_draft.clearStep(index);
}

void EditorHandler::formulaClicked(int number)
{
    if (const std::optional<int> step = m_draft.putFormula(number))
        m_window.showStepFormula(*step, number);
}

// A new problem keeps the selected step, the removed tooltips and the tab.
void EditorHandler::newClicked()
{
    EditorScreen::clear(m_window);
    m_window.problemDialog.setFileName(QString());
    // A missing Clicca.gif just leaves the figure box empty.
    m_window.figureBox->loadPicture(ProgramFolder::file(EmptyFigurePicture));
    m_draft.clear();
}

// Writes the problem on screen. The file is replaced whole or not at all; when
// it cannot be written the message says why and the screen stays as it is.
void EditorHandler::saveClicked()
{
    FileDialog &dialog = m_window.problemDialog;
    dialog.setFilter(ProblemFile::DialogFilter);
    dialog.showSave();
    const QString path = dialog.fileName();
    QDir::setCurrent(ProgramFolder::path());
    if (path.isEmpty())
        return;
    const QString error = ProblemFile::write(path, m_draft.problem());
    if (!error.isEmpty())
        notify(error);
}

// Opens a problem for editing. The screen is cleared before the dialog shows;
// a file that cannot be read leaves it cleared, with nothing half read, and is
// not proposed by the next save, so the refused file is not overwritten by
// accident.
void EditorHandler::openClicked()
{
    FileDialog &dialog = m_window.problemDialog;
    dialog.setFileName(QString());
    emptyScreen();
    dialog.setFilter(ProblemFile::DialogFilter);
    dialog.showOpen();
    const QString path = dialog.fileName();
    if (!path.isEmpty())
        read(path);
}

void EditorHandler::openFile(const QString &path)
{
    emptyScreen();
    m_window.problemDialog.setFileName(path);
    read(path);
}

void EditorHandler::emptyScreen()
{
    m_hints.removeAll();
    EditorScreen::clear(m_window);
    m_draft.clear();
}

void EditorHandler::read(const QString &path)
{
    const ReadResult<EditorProblem> result = ProblemFile::readForEditor(path);
    if (!result.problem) {
        m_window.problemDialog.setFileName(QString());
        notify(result.error);
        return;
    }
    const QString figureNotice = EditorScreen::show(m_window, *result.problem, path);
    m_draft.load(*result.problem);
    m_window.txtDati[0]->setFocus();
    // Told last, over the problem already on screen.
    if (!figureNotice.isEmpty())
        notify(figureNotice);
}

std::unique_ptr<ModeHandler> makeEditorHandler(WorkWindow &window)
{
    return std::make_unique<EditorHandler>(window);
}
