#pragma once

#include "modehandler.h"

#include <QString>
#include <memory>

class Form2;

// What the work window does in editor mode: the hint tooltips come off as the
// teacher clicks (EditorHints), the figure and the steps' formulas are chosen
// with clicks, "Nuovo" clears the problem, "Salva" writes it and "Apri" reads
// one back (EditorScreen moves the problem between the screen and the file
// layer, ProblemFile reads and writes the file). Whatever goes wrong with a
// file or a figure is told in a message box, and the editor stays usable with
// nothing the teacher typed lost.
class EditorHandler : public ModeHandler {
public:
    explicit EditorHandler(Form2 &form);

    void txtTesto_Click() override;
    void Picture1_Click() override;
    void txtDati_Click(int index) override;
    void picFormRis_Click(int index) override;
    void txtRisultato_Click(int index) override;
    void picFormula_Click(int number) override;
    void cmdNuovo_Click() override;
    void cmdApri_Editor_Click() override;
    void cmdSalva_Click() override;

private:
    void notify(const QString &text);

    Form2 &m_form;
};

std::unique_ptr<ModeHandler> makeEditorHandler(Form2 &form);
