#pragma once

#include "problemdraft.h"

#include <QImage>
#include <QUndoStack>
#include <functional>

// The editor's undo and redo: every change to the problem the teacher is
// composing is one command on a QUndoStack (a burst of typing in one box is
// one command), so Ctrl+Z and Ctrl+Y go back and forth through the problem as
// it was. Each command keeps the problem before and after the change, with
// the figure's source and its picture, and puts one or the other back into
// the draft; the draft still compares what it holds with the problem last
// opened, saved or started new, so going back to the saved problem is
// "unchanged" again. A new problem or one opened starts the history afresh.
class DraftHistory {
public:
    // Which box a typed change was made in, so that typing in one box merges
    // into one command; a change that is not typing never merges.
    enum class Box { None, Text, Datum, Result };

    struct State {
        Problem problem;
        QString figureSource;
        QImage figure;
    };

    explicit DraftHistory(ProblemDraft &draft);

    // The draft as it is now, with the figure shown for it.
    State current(const QImage &figure) const;
    // A change already made to the draft, from `before` to what it holds now.
    // Nothing is kept when the problem did not change.
    void record(const State &before, const QImage &figure, Box box = Box::None, int slot = 0);
    // The next typing starts a command of its own (the box lost the focus).
    void endTyping() { ++m_burst; }
    // The problem was saved: typing on starts a command of its own, so that an
    // undo comes back to the problem as saved.
    void saved();
    // "Nuovo" and "Apri": nothing before it can be undone.
    void startOver();

    bool undo();
    bool redo();
    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    QUndoStack &stack() { return m_stack; }

    // Called with the state an undo or a redo put back, for the screen to show it.
    std::function<void(const State &)> restored;

private:
    friend class DraftChange;
    void apply(const State &state);

    ProblemDraft &m_draft;
    QUndoStack m_stack;
    int m_burst = 0;
};
