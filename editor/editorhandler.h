#pragma once

#include "editorhints.h"
#include "modehandler.h"
#include "problemdraft.h"

#include <QString>
#include <memory>

class WorkWindow;

// What the work window does in editor mode. The problem being composed is one
// value, the draft: every box the teacher types in updates it, and every click
// (the figure, a step's formula box, a formula of the panel, "Nuovo", "Apri")
// changes it and shows the change. "Salva" writes the draft, "Apri" reads a
// problem file into it (ProblemFile reads and writes the file, EditorScreen
// shows the draft). The hint tooltips come off as the teacher clicks
// (EditorHints). Whatever goes wrong with a file or a figure is told in a
// message box, and the editor stays usable with nothing the teacher typed lost.
class EditorHandler : public ModeHandler {
public:
    explicit EditorHandler(WorkWindow &window);

    void textClicked() override;
    void textChanged() override;
    void figureClicked() override;
    void datumClicked(int index) override;
    void datumChanged(int index, const QString &text) override;
    void stepSelected(int index) override;
    void stepFormulaClicked(int index) override;
    void resultClicked(int index) override;
    void resultChanged(int index, const QString &text) override;
    void formulaClicked(int number) override;
    void newClicked() override;
    void openClicked() override;
    void openFile(const QString &path) override;
    void saveClicked() override;

    const ProblemDraft &draft() const { return m_draft; }

private:
    void notify(const QString &text);
    void emptyScreen();
    void read(const QString &path);

    WorkWindow &m_window;
    EditorHints m_hints;
    ProblemDraft m_draft;
};

std::unique_ptr<ModeHandler> makeEditorHandler(WorkWindow &window);
