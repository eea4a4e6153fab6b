#pragma once

#include <QString>

#include <functional>
#include <memory>

class WorkWindow;

// What the work window does with the user's actions depends on its mode: the
// window only routes each event here, to the handler of the mode it was set up
// for. Indexes are those of the control arrays (0..7, or 0..138 for formulas).
class ModeHandler {
public:
    virtual ~ModeHandler() = default;

    virtual void textClicked() {}
    virtual void textChanged() {}
    virtual void figureClicked() {}
    virtual void datumClicked(int /*index*/) {}
    virtual void datumChanged(int /*index*/, const QString & /*text*/) {}
    virtual void datumEntered(int /*index*/) {}
    virtual void stepSelected(int /*index*/) {}
    virtual void stepFormulaClicked(int /*index*/) {}
    virtual void resultClicked(int /*index*/) {}
    virtual void resultChanged(int /*index*/, const QString & /*text*/) {}
    virtual void resultEntered(int /*index*/) {}
    virtual void formulaClicked(int /*number*/) {}
    virtual void newClicked() {}
    // "Apri": each mode has its own button.
    virtual void openClicked() {}
    // A problem file given by name (on the command line, or dropped on the
    // window): opened as "Apri" opens the file chosen in its dialog.
    virtual void openFile(const QString & /*path*/) {}
    virtual void saveClicked() {}
    // Ctrl+P: the problem on screen printed as a worksheet.
    virtual void printRequested() {}
    // Ctrl+N in solving mode: the next problem of the folder, once one is finished.
    virtual void nextRequested() {}
    // F4: the selected step's result worked out from its formula.
    virtual void fillRequested() {}
    // F5: "Nuovi numeri", the problem with new numbers.
    virtual void variantRequested() {}
    // The window is about to close ("Esci", or its frame): false keeps it open.
    virtual bool mayClose() { return true; }
    // Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z, wherever the focus is in the window.
    virtual void undoRequested() {}
    virtual void redoRequested() {}
    // A text box lost the focus: the typing in it ends there.
    virtual void typingPaused() {}
};

using ModeHandlerFactory = std::function<std::unique_ptr<ModeHandler>(WorkWindow &)>;

// The handlers of the two modes, given to the work window when it is created.
struct ModeHandlers {
    ModeHandlerFactory editor;
    ModeHandlerFactory solver;
};
