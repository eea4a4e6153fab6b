#pragma once

#include "drafthistory.h"
#include "messagebox.h"
#include "modehandler.h"
#include "modeviews.h"
#include "problemdraft.h"

#include <QString>
#include <array>
#include <memory>

class WorkWindow;

// What the work window does in editor mode. The problem being composed is one
// value, the draft: every box the teacher types in updates it, and every click
// (the figure, a step's formula box, a formula of the panel, "Nuovo", "Apri")
// changes it and shows the change. "Salva" writes the draft, "Apri" reads a
// problem file into it (ProblemFile reads and writes the file, the editor's
// view shows the draft). The hint tooltips come off a row at a time: the first
// click on any control of a row removes the tooltips of the whole row, and
// opening a problem removes them all.
//
// Nothing the teacher typed is lost without a question: the draft knows
// whether it differs from the problem last opened, saved or started new (the
// caption shows it), and "Nuovo", "Apri", opening a file given by name and
// leaving the window first offer to save it. "Apri" changes the screen only
// once a file has been read whole. "Salva" first tells what a pupil could
// never reach or finish, asks before replacing a file that is not the
// problem's own, and brings the figure's picture along beside the problem
// file; it lists as well the steps whose result does not follow from its
// formula (KeyCheck), which the result boxes show as the teacher types, and
// F4 fills the selected step's result, F5 ("Nuovi numeri") puts new numbers
// into the problem (Variants). Every change to the problem can be undone and
// redone (DraftHistory); going back to the saved problem clears the mark of
// unsaved changes. Whatever goes wrong with a file or a figure is told in a
// message box, and the editor stays usable.
class EditorHandler : public ModeHandler {
public:
    explicit EditorHandler(EditorView &view);

    void textClicked() override;
    void textChanged() override;
    void figureClicked() override;
    void datumClicked(int index) override;
    void datumChanged(int index, const QString &text) override;
    void stepSelected(int index) override;
    void stepFormulaClicked(int index) override;
    void resultClicked(int index) override;
    void resultChanged(int index, const QString &text) override;
    void formulaClicked(int number) override;
    void newClicked() override;
    void openClicked() override;
    void openFile(const QString &path) override;
    void saveClicked() override;
    void printRequested() override;
    void fillRequested() override;
    void variantRequested() override;
    bool mayClose() override;
    void undoRequested() override;
    void redoRequested() override;
    void typingPaused() override;

    const ProblemDraft &draft() const { return m_draft; }

private:
    void notify(const QString &text, MessageBox::Icon icon = MessageBox::Icon::Warning);
    int ask(const QString &text, const QStringList &buttons, int defaultButton = 0);
    // Offers to save unsaved changes; true when the teacher may go on.
    bool changesSettled();
    // The whole of "Salva"; true when the problem was written.
    bool save();
    bool mayReplace(const QString &path);
    void read(const QString &path);
    void showChange();
    // The teacher is told, on the text box, when the text will need scrolling.
    void showTextFit();
    QImage shownFigure() const;
    // Records the change from `before` to the draft as it is now.
    void record(const DraftHistory::State &before, DraftHistory::Box box = DraftHistory::Box::None,
                int slot = 0);
    // Shows what an undo or a redo put back into the draft.
    void showRestored(const DraftHistory::State &state);
    // The formula panel shows the tab of a step's formula (none: as it is).
    void showFormulaTab(int step);
    // Marks the data and result boxes with what the key check finds.
    void showKeyCheck();
    void removeAllHints();

    EditorView &m_view;
    ProblemDraft m_draft;
    DraftHistory m_history{m_draft};
    QString m_file;
    // While an undo or a redo fills the boxes, their changes are not new changes.
    bool m_restoring = false;
    bool m_textScrolls = false;
};

std::unique_ptr<ModeHandler> makeEditorHandler(WorkWindow &window);
