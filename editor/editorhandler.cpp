#include "editorhandler.h"

#include "editornotices.h"
#include "figurelocator.h"
#include "filedialog.h"
#include "formulacatalogue.h"
#include "keycheck.h"
#include "problemfile.h"
#include "problemflaws.h"
#include "programfolder.h"
#include "variants.h"
#include "worksheet.h"
#include "workwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {
const QString Title = QStringLiteral("Zenuvio");
const QString FigureFilter = QStringLiteral("Figura (*.gif)|*.gif");
const QString EmptyFigurePicture = QStringLiteral("Clicca.gif");

bool sameFile(const QString &one, const QString &other)
{
    if (one.isEmpty() || other.isEmpty())
        return false;
    const QString canonical = QFileInfo(one).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}
} // namespace

EditorHandler::EditorHandler(EditorView &view) : m_view(view)
{
    m_view.prepareTextForEditing();
    m_history.restored = [this](const DraftHistory::State &state) { showRestored(state); };
    showChange();
}

void EditorHandler::notify(const QString &text, MessageBox::Icon icon)
{
    MessageBox::show(icon, Title, text, m_view.dialogParent());
}

int EditorHandler::ask(const QString &text, const QStringList &buttons, int defaultButton)
{
    return MessageBox::ask(MessageBox::Icon::Question, Title, text, buttons, m_view.dialogParent(),
                           defaultButton);
}

// The caption names the problem's file and marks unsaved changes.
void EditorHandler::showChange()
{
    m_view.showProblemFile(m_file);
    m_view.showModified(m_draft.isModified());
    showKeyCheck();
}

void EditorHandler::showKeyCheck()
{
    const KeyCheck::Report report = KeyCheck::check(m_draft.problem());
    m_view.markFlaws(report.datumFlaws, report.resultFlaws);
}

// Writes in the selected step's result box the one value its formula gives
// from the data and the results above; when it gives none, or more than one,
// says so and writes nothing.
void EditorHandler::fillRequested()
{
    const std::optional<int> step = m_draft.selectedStep();
    if (!step) {
        notify(QStringLiteral("Scegli prima il passaggio di cui calcolare il risultato."),
               MessageBox::Icon::Information);
        return;
    }
    const int n = *step + 1;
    if (!m_draft.problem().formulas[*step]) {
        notify(QStringLiteral("Il passaggio %1 non ha ancora la formula.").arg(n),
               MessageBox::Icon::Information);
        return;
    }
    const QStringList values = KeyCheck::possibleResults(m_draft.problem(), *step);
    if (values.isEmpty()) {
        notify(QStringLiteral("La formula del passaggio %1 chiede misure che non sono tra i dati "
                              "e i risultati precedenti.")
                   .arg(n),
               MessageBox::Icon::Information);
    } else if (values.size() > 1) {
        notify(QStringLiteral("La formula del passaggio %1 dà più risultati con questi dati "
                              "(«%2»): scrivi tu quello giusto.")
                   .arg(n)
                   .arg(values.join(QStringLiteral("», «"))),
               MessageBox::Icon::Information);
    } else {
        m_view.showResult(*step, values.first());
    }
}

QImage EditorHandler::shownFigure() const
{
    return m_view.figure();
}

void EditorHandler::record(const DraftHistory::State &before, DraftHistory::Box box, int slot)
{
    m_history.record(before, shownFigure(), box, slot);
}

void EditorHandler::undoRequested()
{
    m_history.undo();
}

void EditorHandler::redoRequested()
{
    m_history.redo();
}

void EditorHandler::typingPaused()
{
    m_history.endTyping();
}

void EditorHandler::showRestored(const DraftHistory::State &state)
{
    m_restoring = true;
    m_view.showRestored(state.problem, state.figure);
    m_restoring = false;
    showChange();
    showTextFit();
}

void EditorHandler::showFormulaTab(int step)
{
    if (step < 0 || step >= ProblemSlotCount)
        return;
    const std::optional<int> formula = m_draft.problem().formulas[step];
    if (formula && isFormulaNumber(*formula))
        m_view.showFormulaTab(FormulaCatalogue::entry(*formula).tab);
}

// Said as the box's tooltip, shown at once when the text first grows too long,
// and to assistive technology as the box's description.
void EditorHandler::showTextFit()
{
    const bool scrolls = m_view.textNeedsScrolling();
    const bool changed = scrolls != m_textScrolls;
    m_textScrolls = scrolls;
    // Set again each time: taking the hints off empties the tooltip.
    if (scrolls)
        m_view.showTextNotice(EditorNotices::Scrolling, changed);
    else if (changed)
        m_view.showTextNotice(QString(), false);
}

// The problem on screen with new numbers, typed into its boxes as the teacher
// would, so the draft and the key's marks follow; or why not.
void EditorHandler::variantRequested()
{
    const Variants::Outcome outcome =
        Variants::make(m_draft.problem(), *QRandomGenerator::global());
    if (!outcome.refusal.isEmpty()) {
        notify(QStringLiteral("Nuovi numeri: ") + outcome.refusal, MessageBox::Icon::Information);
        return;
    }
    // One change of the problem, undone by one Ctrl+Z.
    const DraftHistory::State before = m_history.current(shownFigure());
    m_history.endTyping();
    m_draft.restore(outcome.variants.first(), before.figureSource);
    record(before);
    showRestored(m_history.current(shownFigure()));
}

void EditorHandler::textClicked()
{
    m_view.removeHints(EditorView::HintRow::Text);
    showTextFit();
}

void EditorHandler::textChanged()
{
    if (m_restoring)
        return;
    const DraftHistory::State before = m_history.current(shownFigure());
    m_draft.setText(m_view.text());
    record(before, DraftHistory::Box::Text);
    showChange();
    showTextFit();
}

void EditorHandler::datumClicked(int)
{
    m_view.removeHints(EditorView::HintRow::Data);
}

void EditorHandler::datumChanged(int index, const QString &text)
{
    if (m_restoring)
        return;
    const DraftHistory::State before = m_history.current(shownFigure());
    m_draft.setDatum(index, text);
    record(before, DraftHistory::Box::Datum, index);
    showChange();
}

void EditorHandler::resultClicked(int)
{
    m_view.removeHints(EditorView::HintRow::Results);
}

void EditorHandler::resultChanged(int index, const QString &text)
{
    if (m_restoring)
        return;
    const DraftHistory::State before = m_history.current(shownFigure());
    m_draft.setResult(index, text);
    record(before, DraftHistory::Box::Result, index);
    showChange();
}

// The figure: the name goes into the problem only once its picture is shown,
// so the problem never names a figure the teacher cannot see. A picture
// larger than the box is taken, with a word that only its top-left part shows.
void EditorHandler::figureClicked()
{
    m_view.removeHints(EditorView::HintRow::Figure);
    const DraftHistory::State before = m_history.current(shownFigure());
    m_draft.setFigure(QString());
    FileDialog &dialog = m_view.figureDialog();
    dialog.setFileName(QString());
    dialog.setFilter(FigureFilter);
    dialog.showOpen();
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty()) {
        m_view.clearFigure();
        record(before);
        showChange();
        return;
    }
    const PictureBox::Loading loading = m_view.loadFigure(chosen);
    if (loading != PictureBox::Loading::Done) {
        record(before);
        showChange();
        notify(EditorNotices::notShown(chosen, loading));
        return;
    }
    m_draft.setFigure(dialog.fileTitle(), QFileInfo(chosen).absoluteFilePath());
    record(before);
    showChange();
    const QString larger =
        EditorNotices::largerThanBox(dialog.fileTitle(), m_view.figureSize(), m_view.figureRoom());
    if (!larger.isEmpty())
        notify(larger, MessageBox::Icon::Information);
}

// The panel shows the tab of the selected step's formula.
void EditorHandler::stepSelected(int index)
{
    m_draft.selectStep(index);
    showFormulaTab(index);
}

void EditorHandler::stepFormulaClicked(int index)
{
    m_view.removeHints(EditorView::HintRow::Formulas);
    const DraftHistory::State before = m_history.current(shownFigure());
    m_view.clearStepFormula(index);
    m_view.selectStep(index);
    m_draft.clearStep(index);
    record(before);
    showChange();
}

void EditorHandler::formulaClicked(int number)
{
    const DraftHistory::State before = m_history.current(shownFigure());
    if (const std::optional<int> step = m_draft.putFormula(number))
        m_view.showStepFormula(*step, number);
    record(before);
    showChange();
}

bool EditorHandler::changesSettled()
{
    if (!m_draft.isModified())
        return true;
    const QString text =
        m_file.isEmpty()
            ? QStringLiteral("Il nuovo problema non è stato salvato. Vuoi salvarlo?")
            : QStringLiteral("Le modifiche al problema «%1» non sono state salvate. Vuoi "
                             "salvarle?")
                  .arg(QFileInfo(m_file).fileName());
    switch (ask(text, {QStringLiteral("Salva"), QStringLiteral("Non salvare"),
                       QStringLiteral("Annulla")})) {
    case 0:
        return save();
    case 1:
        return true;
    default:
        return false;
    }
}

void EditorHandler::removeAllHints()
{
    using Row = EditorView::HintRow;
    for (Row row : {Row::Text, Row::Figure, Row::Data, Row::Formulas, Row::Results})
        m_view.removeHints(row);
}

bool EditorHandler::mayClose()
{
    return changesSettled();
}

// A new problem keeps the selected step, the removed tooltips and the tab.
void EditorHandler::newClicked()
{
    if (!changesSettled())
        return;
    m_view.clear();
    m_view.problemDialog().setFileName(QString());
    m_view.showFigurePrompt(ProgramFolder::file(EmptyFigurePicture));
    m_draft.clear();
    m_history.startOver();
    m_file.clear();
    showChange();
}

void EditorHandler::saveClicked()
{
    save();
}

// Writes the problem on screen. What a pupil could never reach or finish is
// told first, and the teacher may go back; a file that is not the problem's
// own is replaced only after a question. The file is replaced whole or not at
// all; when it cannot be written the message says why and the screen stays as
// it is.
bool EditorHandler::save()
{
    const QList<ProblemFlaws::Flaw> flaws = ProblemFlaws::find(m_draft.problem());
    const QStringList slips = KeyCheck::check(m_draft.problem()).flaws;
    QStringList parts;
    if (!flaws.isEmpty()) {
        QStringList lines;
        for (const ProblemFlaws::Flaw &flaw : flaws)
            lines.append(QStringLiteral("• ") + flaw.text + QLatin1Char('.'));
        parts.append(QStringLiteral("Un alunno non potrebbe arrivare in fondo a questo "
                                    "problema:\n\n%1")
                         .arg(lines.join(QLatin1Char('\n'))));
    }
    if (!slips.isEmpty())
        parts.append(QStringLiteral("Nella soluzione qualcosa non torna, e un alunno che risponde "
                                    "giusto sarebbe giudicato «Errato»:\n\n• %1")
                         .arg(slips.join(QStringLiteral("\n• "))));
    if (!parts.isEmpty()) {
        const QString text =
            parts.join(QStringLiteral("\n\n")) + QStringLiteral("\n\nVuoi salvarlo lo stesso?");
        if (ask(text, {QStringLiteral("Salva lo stesso"), QStringLiteral("Annulla")}, 1) != 0)
            return false;
    }

    FileDialog &dialog = m_view.problemDialog();
    dialog.setFileName(m_file);
    dialog.setFilter(ProblemFile::DialogFilter);
    dialog.showSave();
    QDir::setCurrent(ProgramFolder::path());
    if (dialog.fileName().isEmpty())
        return false;
    const QString path = ProblemFile::withExtension(dialog.fileName());
    if (!mayReplace(path))
        return false;
    const QString error = ProblemFile::write(path, m_draft.problem());
    if (!error.isEmpty()) {
        notify(error);
        return false;
    }
    m_file = path;
    m_draft.markSaved();
    m_history.saved();
    showChange();
    const QString figureNotice =
        FigureLocator::bringAlong(m_draft.problem().figureName, m_draft.figureSource(), path);
    if (!figureNotice.isEmpty())
        notify(figureNotice, MessageBox::Icon::Information);
    return true;
}

// The problem's own file is saved over without a question; any other file
// that exists is replaced only if the teacher says so.
bool EditorHandler::mayReplace(const QString &path)
{
    if (!QFileInfo(path).isFile() || sameFile(path, m_file))
        return true;
    const QString text = QStringLiteral("Il file «%1» esiste già. Vuoi sostituirlo con questo "
                                        "problema?")
                             .arg(QDir::toNativeSeparators(path));
    return ask(text, {QStringLiteral("Sostituisci"), QStringLiteral("Annulla")}, 1) == 0;
}

// Opens a problem for editing. The screen changes only once a file has been
// chosen and read whole: a cancelled or refused open leaves the problem on
// screen as it was.
void EditorHandler::openClicked()
{
    if (!changesSettled())
        return;
    removeAllHints();
    FileDialog &dialog = m_view.problemDialog();
    dialog.setFileName(QString());
    dialog.setFilter(ProblemFile::DialogFilter);
    dialog.showOpen();
    const QString path = dialog.fileName();
    if (!path.isEmpty())
        read(path);
}

void EditorHandler::openFile(const QString &path)
{
    if (!changesSettled())
        return;
    removeAllHints();
    read(path);
}

void EditorHandler::read(const QString &path)
{
    const ReadResult result = ProblemFile::read(path);
    if (!result.problem) {
        notify(result.error);
        return;
    }
    m_view.clear();
    QString figureNotice = m_view.show(*result.problem, path);
    if (!figureNotice.isEmpty())
        figureNotice += EditorNotices::FigureStillNamed;
    m_draft.load(*result.problem, FigureLocator::locate(result.problem->figureName, path));
    m_history.startOver();
    m_file = path;
    showChange();
    showTextFit();
    // The panel shows the tab of the first step that has a formula.
    for (int i = 0; i < ProblemSlotCount; ++i) {
        if (m_draft.problem().formulas[i]) {
            showFormulaTab(i);
            break;
        }
    }
    m_view.focusFirstDatum();
    // Told last, over the problem already on screen.
    if (!figureNotice.isEmpty())
        notify(figureNotice, MessageBox::Icon::Information);
}

// The worksheet of the problem on screen, with its page of solutions, named
// after the problem's file however it was opened or saved last.
void EditorHandler::printRequested()
{
    const Problem &problem = m_draft.problem();
    const QImage figure = problem.figureName.isEmpty() ? QImage() : m_view.figure();
    const QString error = Worksheet::printWithDialog(m_view.dialogParent(), problem, figure, true,
                                                     QFileInfo(m_file).completeBaseName());
    if (!error.isEmpty())
        notify(error);
}

std::unique_ptr<ModeHandler> makeEditorHandler(WorkWindow &window)
{
    return std::make_unique<EditorHandler>(window.editorView());
}
