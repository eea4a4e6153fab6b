#pragma once

#include "workwindow.h"

// What both views give the same way, over the work window and its controls.
template <class View> class ModeScreen : public View {
public:
    ModeScreen(WorkWindow &window, const WorkWindowControls &controls, FileDialog &problemDialog)
        : m_window(window), m_controls(controls), m_problemDialog(problemDialog)
    {
    }

    void showProblemFile(const QString &path) override { m_window.showProblemFile(path); }
    FileDialog &problemDialog() override { return m_problemDialog; }
    QWidget *dialogParent() override { return &m_window; }
    QImage figure() const override { return m_controls.figureBox->picture().toImage(); }

protected:
    WorkWindow &m_window;
    const WorkWindowControls &m_controls;

private:
    FileDialog &m_problemDialog;
};
