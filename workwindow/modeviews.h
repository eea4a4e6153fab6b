#pragma once

#include "picturebox.h"
#include "problem.h"
#include "solvingsession.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

class FileDialog;
class QWidget;

// What the two modes' handlers see of the work window: each mode talks to it
// in its own words, through its view, and never touches a control. The work
// window gives both views (WorkWindow::solvingView, WorkWindow::editorView).

// What both modes show the same way.
class ModeView {
public:
    virtual ~ModeView() = default;

    // The caption names the problem's file (none: "Zenuvio" alone).
    virtual void showProblemFile(const QString &path) = 0;
    // The dialog in which problem files are chosen; it keeps its folder.
    virtual FileDialog &problemDialog() = 0;
    // The window over which messages, questions and the print dialog open.
    virtual QWidget *dialogParent() = 0;
    // The figure as the figure box shows it; null when it shows none.
    virtual QImage figure() const = 0;
};

// Solving mode: a problem to read, and what the session answers each act.
class SolvingView : public ModeView {
public:
    // The problem's text, read only, and its figure. Gives the notice of a
    // figure that cannot be shown, or an empty text.
    virtual QString showProblem(const Problem &problem, const QString &problemPath) = 0;
    // No problem open: the text area is inert.
    virtual void showNoProblem() = 0;
    // What the session answered: boxes emptied or shown, pictures, the focus,
    // and the hint with its explanation, told last.
    virtual void show(const SolvingOutcome &outcome) = 0;
    // A new explanation under the hint shown, told with it.
    virtual void showExplanation(const QString &explanation) = 0;
};

// Editor mode: the problem being composed, box by box.
class EditorView : public ModeView {
public:
    using SlotTexts = std::array<QString, ProblemSlotCount>;
    // The rows whose hint tooltips come off together.
    enum class HintRow { Text, Figure, Data, Formulas, Results };

    // The text box takes no line breaks, and its undo is the editor's own.
    virtual void prepareTextForEditing() = 0;
    // Every box and the figure emptied (no picture at all).
    virtual void clear() = 0;
    // A problem on a cleared screen: the figure is looked for in the program's
    // folder, then beside the problem file. Gives the notice of a figure that
    // cannot be shown, or an empty text.
    virtual QString show(const Problem &problem, const QString &problemPath) = 0;
    // What an undo or a redo put back: only the boxes that differ are filled
    // again, so that a box keeps its cursor.
    virtual void showRestored(const Problem &problem, const QImage &figure) = 0;
    // The caption's mark of unsaved changes.
    virtual void showModified(bool modified) = 0;

    // The problem text as the box holds it, no-break spaces included.
    virtual QString text() const = 0;
    // Whether the text is longer than its box shows at once.
    virtual bool textNeedsScrolling() const = 0;
    // A notice on the text box (its tooltip and its description), popped up
    // at once when asked; an empty notice takes it off.
    virtual void showTextNotice(const QString &notice, bool popUp) = 0;

    virtual FileDialog &figureDialog() = 0;
    // The figure box's picture loaded from a file, emptied, or "click here".
    virtual PictureBox::Loading loadFigure(const QString &path) = 0;
    virtual void clearFigure() = 0;
    virtual void showFigurePrompt(const QString &picturePath) = 0;
    // The picture's size and the room inside the figure box, in points.
    virtual QSize figureSize() const = 0;
    virtual QSize figureRoom() const = 0;

    virtual void showStepFormula(int step, int formula) = 0;
    virtual void clearStepFormula(int step) = 0;
    virtual void selectStep(int step) = 0;
    virtual void showResult(int step, const QString &result) = 0;
    // The formula panel shows one of its tabs.
    virtual void showFormulaTab(int tab) = 0;
    virtual void focusFirstDatum() = 0;

    // The boxes whose value the key check finds wrong, each with its flaw
    // (empty: no flaw).
    virtual void markFlaws(const SlotTexts &dataFlaws, const SlotTexts &resultFlaws) = 0;
    virtual void removeHints(HintRow row) = 0;
};
