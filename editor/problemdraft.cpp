#include "problemdraft.h"

void ProblemDraft::setDatum(int slot, const QString &text)
{
    if (isSlot(slot))
        m_problem.data[slot] = text;
}

void ProblemDraft::setResult(int step, const QString &text)
{
    if (isSlot(step))
        m_problem.results[step] = text;
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
    m_problem.formulas[step] = std::nullopt;
}

std::optional<int> ProblemDraft::putFormula(int number)
{
    if (m_selectedStep)
        m_problem.formulas[*m_selectedStep] = number;
    return m_selectedStep;
}

void ProblemDraft::setFigure(const QString &figureName, const QString &source)
{
    m_problem.figureName = figureName;
    m_figureSource = source;
}

void ProblemDraft::clear()
{
    load(Problem());
}

void ProblemDraft::load(const Problem &problem, const QString &figureSource)
{
    m_problem = problem;
    m_unchanged = problem;
    m_figureSource = figureSource;
}

void ProblemDraft::restore(const Problem &problem, const QString &figureSource)
{
    m_problem = problem;
    m_figureSource = figureSource;
}
