#include "editorhandler.h"

#include "editorhints.h"
#include "editorscreen.h"
#include "messagebox.h"
#include "module1.h"
#include "problemfile.h"
#include "programfolder.h"
#include "singlelinetext.h"
#include "workwindow.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {
const QString problemFilter = QStringLiteral("Zenuvio (*.znv)|*.znv");
const QString figureFilter = QStringLiteral("Figura (*.gif)|*.gif");
} // namespace

EditorHandler::EditorHandler(WorkWindow &form) : m_form(form)
{
    new SingleLineText(m_form.txtTesto);
}

void EditorHandler::notify(const QString &text)
{
    MessageBox::show(MessageBox::Icon::Warning, QStringLiteral("Zenuvio"), text, &m_form);
}

void EditorHandler::textClicked()
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Testo);
}

void EditorHandler::datumClicked(int)
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Dati);
}

void EditorHandler::resultClicked(int)
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Risultati);
}

// The figure: the name goes into NomeFigura only once its picture is shown, so
// the problem never names a figure the teacher cannot see.
void EditorHandler::figureClicked()
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Figura);
    Module1::NomeFigura.clear();
    FileDialog &dialog = m_form.figureDialog;
    dialog.setFileName(QString());
    dialog.setFilter(figureFilter);
    dialog.showOpen();
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty()) {
        m_form.figureBox->clearPicture();
        return;
    }
    // The full path names the same file as the bare name in the folder the
    // dialog made current.
    if (!m_form.figureBox->loadPicture(chosen)) {
        notify(EditorScreen::notAPictureNotice(chosen));
        return;
    }
    Module1::NomeFigura = dialog.fileTitle();
}

void EditorHandler::stepFormulaClicked(int index)
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Formule);
    m_form.stepFormulaBoxes[index]->clearPicture();
    m_form.stepSelectors[index]->setChecked(true);
    Module1::FormuleEditor[index] = std::nullopt;
}

void EditorHandler::formulaClicked(int number)
{
    EditorScreen::forEachSlot([this, number](int i) {
        if (!m_form.stepSelectors[i]->isChecked())
            return;
        m_form.stepFormulaBoxes[i]->copyPictureFrom(*m_form.picFormula(number));
        Module1::FormuleEditor[i] = number;
    });
}

// A new problem keeps the selected step, the removed tooltips and the tab.
void EditorHandler::newClicked()
{
    EditorScreen::clearControls(m_form);
    m_form.problemDialog.setFileName(QString());
    // A missing Clicca.gif just leaves the figure box empty.
    m_form.figureBox->loadPicture(ProgramFolder::file(QStringLiteral("Clicca.gif")));
    EditorScreen::forgetFigureAndFormulas();
}

// Writes the problem on screen. The file is replaced whole or not at all; when
// it cannot be written the message says why and the screen stays as it is.
void EditorHandler::saveClicked()
{
    FileDialog &dialog = m_form.problemDialog;
    dialog.setFilter(problemFilter);
    dialog.showSave();
    const QString path = dialog.fileName();
    QDir::setCurrent(ProgramFolder::path());
    if (path.isEmpty())
        return;
    const QString error = ProblemFile::write(path, EditorScreen::problemOnScreen(m_form));
    if (!error.isEmpty())
        notify(error);
}

// Opens a problem for editing. The screen is cleared before the dialog shows;
// a file that cannot be read leaves it cleared, with nothing half read, and is
// not proposed by the next save, so the refused file is not overwritten by
// accident.
void EditorHandler::editorOpenClicked()
{
    EditorHints::removeAll(m_form);
    FileDialog &dialog = m_form.problemDialog;
    dialog.setFileName(QString());
    EditorScreen::clearControls(m_form);
    EditorScreen::forgetFigureAndFormulas();

    dialog.setFilter(problemFilter);
    dialog.showOpen();
    const QString path = dialog.fileName();
    if (path.isEmpty())
        return;

    const ReadResult<EditorProblem> read = ProblemFile::readForEditor(path);
    if (!read.problem) {
        dialog.setFileName(QString());
        notify(read.error);
        return;
    }
    EditorScreen::storeReadProblem(*read.problem);
    const QString figureNotice = EditorScreen::showStoredProblem(m_form, read.problem->testo, path);
    Module1::Contatore = 0;
    m_form.txtDati[0]->setFocus();
    // Told last, over the problem already on screen.
    if (!figureNotice.isEmpty())
        notify(figureNotice);
}

std::unique_ptr<ModeHandler> makeEditorHandler(WorkWindow &form)
{
    return std::make_unique<EditorHandler>(form);
}
