#pragma once

#include "modeviews.h"

class WorkWindow;
struct WorkWindowControls;

// The work window as solving mode sees it.
class SolvingScreen final : public SolvingView {
public:
    SolvingScreen(WorkWindow &window, const WorkWindowControls &controls, FileDialog &problemDialog)
        : m_window(window), m_controls(controls), m_problemDialog(problemDialog)
    {
    }

    void showProblemFile(const QString &path) override;
    FileDialog &problemDialog() override { return m_problemDialog; }
    QWidget *dialogParent() override;
    QImage figure() const override;

    QString showProblem(const Problem &problem, const QString &problemPath) override;
    void showNoProblem() override;
    void show(const SolvingOutcome &outcome) override;
    void showExplanation(const QString &explanation) override;

private:
    QWidget *box(SolvingOutcome::Box kind, int index) const;

    WorkWindow &m_window;
    const WorkWindowControls &m_controls;
    FileDialog &m_problemDialog;
};
