#pragma once

#include "modescreen.h"

// The work window as solving mode sees it.
class SolvingScreen final : public ModeScreen<SolvingView> {
public:
    SolvingScreen(WorkWindow &window, const WorkWindowControls &controls, FileDialog &problemDialog)
        : ModeScreen(window, controls, problemDialog)
    {
    }

    QString showProblem(const Problem &problem, const QString &problemPath) override;
    void showNoProblem() override;
    void show(const SolvingOutcome &outcome) override;
    void showExplanation(const QString &explanation) override;

private:
    QWidget *box(SolvingOutcome::Box kind, int index) const;
};
