#include "editorhandler.h"

#include "editorhints.h"
#include "editorscreen.h"
#include "form2.h"
#include "messagebox.h"
#include "module1.h"
#include "problemfile.h"
#include "programfolder.h"
#include "singlelinetext.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {
const QString problemFilter = QStringLiteral("Zenuvio (*.znv)|*.znv");
const QString figureFilter = QStringLiteral("Figura (*.gif)|*.gif");
} // namespace

EditorHandler::EditorHandler(Form2 &form) : m_form(form)
{
    new SingleLineText(m_form.txtTesto);
}

void EditorHandler::notify(const QString &text)
{
    MessageBox::show(MessageBox::Icon::Warning, QStringLiteral("Zenuvio"), text, &m_form);
}

void EditorHandler::txtTesto_Click()
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Testo);
}

void EditorHandler::txtDati_Click(int)
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Dati);
}

void EditorHandler::txtRisultato_Click(int)
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Risultati);
}

// The figure: the name goes into NomeFigura only once its picture is shown, so
// the problem never names a figure the teacher cannot see.
void EditorHandler::Picture1_Click()
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Figura);
    Module1::NomeFigura.clear();
    CommonDialog &dialog = m_form.CommonDialog2;
    dialog.setFileName(QString());
    dialog.setFilter(figureFilter);
    dialog.showOpen();
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty()) {
        m_form.Picture1->clearPicture();
        return;
    }
    // The full path names the same file as the bare name in the folder the
    // dialog made current.
    if (!m_form.Picture1->loadPicture(chosen)) {
        notify(EditorScreen::notAPictureNotice(chosen));
        return;
    }
    Module1::NomeFigura = dialog.fileTitle();
}

void EditorHandler::picFormRis_Click(int index)
{
    EditorHints::removeRowOnClick(m_form, EditorHints::Row::Formule);
    m_form.picFormRis[index]->clearPicture();
    m_form.Option1[index]->setChecked(true);
    Module1::FormuleEditor[index] = std::nullopt;
}

void EditorHandler::picFormula_Click(int number)
{
    EditorScreen::forEachSlot([this, number](int i) {
        if (!m_form.Option1[i]->isChecked())
            return;
        m_form.picFormRis[i]->copyPictureFrom(*m_form.picFormula(number));
        Module1::FormuleEditor[i] = number;
    });
}

// A new problem keeps the selected step, the removed tooltips and the tab.
void EditorHandler::cmdNuovo_Click()
{
    EditorScreen::clearControls(m_form);
    m_form.CommonDialog1.setFileName(QString());
    // A missing Clicca.gif just leaves the figure box empty.
    m_form.Picture1->loadPicture(ProgramFolder::file(QStringLiteral("Clicca.gif")));
    EditorScreen::forgetFigureAndFormulas();
}

// Writes the problem on screen. The file is replaced whole or not at all; when
// it cannot be written the message says why and the screen stays as it is.
void EditorHandler::cmdSalva_Click()
{
    CommonDialog &dialog = m_form.CommonDialog1;
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
void EditorHandler::cmdApri_Editor_Click()
{
    EditorHints::removeAll(m_form);
    CommonDialog &dialog = m_form.CommonDialog1;
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

std::unique_ptr<ModeHandler> makeEditorHandler(Form2 &form)
{
    return std::make_unique<EditorHandler>(form);
}
