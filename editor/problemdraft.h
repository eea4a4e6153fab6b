#pragma once

#include "problemfile.h"

#include <optional>

// The problem a teacher is composing in the editor: the value "Salva" writes,
// kept in step with the editor's boxes as the teacher types and clicks, and
// which step is selected to receive the next formula chosen in the panel.
//
// The draft also keeps a copy of the problem as it was last opened, saved or
// started new, so it can tell whether the teacher has changed anything since
// (isModified), and the full path of the picture file the figure was taken
// from, which the file itself does not hold (only the figure's bare name), so
// that a save elsewhere can bring the picture along.
class ProblemDraft {
public:
    const Problem &problem() const { return m_problem; }
    std::optional<int> selectedStep() const { return m_selectedStep; }

    void setText(const QString &text) { m_problem.text = text; }
    void setDatum(int slot, const QString &text);
    void setResult(int step, const QString &text);
    // The figure's bare file name (empty for no figure) and the file it was
    // taken from.
    void setFigure(const QString &figureName, const QString &source = QString());
    QString figureSource() const { return m_figureSource; }

    void selectStep(int step);
    // A click on a step's formula box: the step is selected and has no formula.
    void clearStep(int step);
    // The selected step takes the formula; gives that step, or nothing when no
    // step is selected (then nothing changes).
    std::optional<int> putFormula(int number);

    // An empty problem ("Nuovo"); the selected step stays selected.
    void clear();
    // A problem read from a file, its figure found at figureSource (empty when
    // it was not found); the selected step stays selected.
    void load(const Problem &problem, const QString &figureSource = QString());
    // Puts back a problem the draft held before (an undo or a redo): the
    // problem last opened, saved or started new stays the one compared with.
    void restore(const Problem &problem, const QString &figureSource);

    // Whether the problem differs from the one last opened, saved or started new.
    bool isModified() const { return !(m_problem == m_unchanged); }
    // The problem on screen has just been saved.
    void markSaved() { m_unchanged = m_problem; }

private:
    static bool isSlot(int index) { return index >= 0 && index < ProblemSlotCount; }

    Problem m_problem;
    Problem m_unchanged;
    QString m_figureSource;
    std::optional<int> m_selectedStep;
};
