#pragma once

#include "modehandler.h"

#include <QString>
#include <memory>

class WorkWindow;

// What the work window does in editor mode: the hint tooltips come off as the
// teacher clicks (EditorHints), the figure and the steps' formulas are chosen
// with clicks, "Nuovo" clears the problem, "Salva" writes it and "Apri" reads
// one back (EditorScreen moves the problem between the screen and the file
// layer, ProblemFile reads and writes the file). Whatever goes wrong with a
// file or a figure is told in a message box, and the editor stays usable with
// nothing the teacher typed lost.
class EditorHandler : public ModeHandler {
public:
    explicit EditorHandler(WorkWindow &form);

    void textClicked() override;
    void figureClicked() override;
    void datumClicked(int index) override;
    void stepFormulaClicked(int index) override;
    void resultClicked(int index) override;
    void formulaClicked(int number) override;
    void newClicked() override;
    void editorOpenClicked() override;
    void saveClicked() override;

private:
    void notify(const QString &text);

    WorkWindow &m_form;
};

std::unique_ptr<ModeHandler> makeEditorHandler(WorkWindow &form);
