#pragma once

#include "problemfile.h"

#include <optional>

// The problem a teacher is composing in the editor: the value "Salva" writes,
// kept in step with the editor's boxes as the teacher types and clicks, and
// which step is selected to receive the next formula chosen in the panel.
class ProblemDraft {
public:
    const EditorProblem &problem() const { return m_problem; }
    std::optional<int> selectedStep() const { return m_selectedStep; }

    void setText(const QString &text) { m_problem.testo = text; }
    void setDatum(int slot, const QString &text);
    void setResult(int step, const QString &text);
    // The figure's bare file name; empty for no figure.
    void setFigure(const QString &nomeFigura) { m_problem.nomeFigura = nomeFigura; }

    void selectStep(int step);
    // A click on a step's formula box: the step is selected and has no formula.
    void clearStep(int step);
    // The selected step takes the formula; gives that step, or nothing when no
    // step is selected (then nothing changes).
    std::optional<int> putFormula(int number);

    // An empty problem ("Nuovo", or "Apri" before its dialog); the selected
    // step stays selected.
    void clear();
    // A problem read from a file; the selected step stays selected.
    void load(const EditorProblem &problem) { m_problem = problem; }

private:
    static bool isSlot(int index) { return index >= 0 && index < ProblemSlotCount; }

    EditorProblem m_problem;
    std::optional<int> m_selectedStep;
};
