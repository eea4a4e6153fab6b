#include "problemdraft.h"

void ProblemDraft::setDatum(int slot, const QString &text)
{
    if (isSlot(slot))
        m_problem.dati[slot] = text;
}

void ProblemDraft::setResult(int step, const QString &text)
{
    if (isSlot(step))
        m_problem.risultati[step] = text;
}

void ProblemDraft::selectStep(int step)
{
    if (isSlot(step))
        m_selectedStep = step;
}

void ProblemDraft::clearStep(int step)
{
    if (!isSlot(step))
        return;
    m_selectedStep = step;
    m_problem.formule[step] = std::nullopt;
}

std::optional<int> ProblemDraft::putFormula(int number)
{
    if (m_selectedStep)
        m_problem.formule[*m_selectedStep] = number;
    return m_selectedStep;
}

void ProblemDraft::setFigure(const QString &nomeFigura, const QString &source)
{
    m_problem.nomeFigura = nomeFigura;
    m_figureSource = source;
}

void ProblemDraft::clear()
{
    load(EditorProblem());
}

void ProblemDraft::load(const EditorProblem &problem, const QString &figureSource)
{
    m_problem = problem;
    m_unchanged = problem;
    m_figureSource = figureSource;
}

void ProblemDraft::restore(const EditorProblem &problem, const QString &figureSource)
{
    m_problem = problem;
    m_figureSource = figureSource;
}
