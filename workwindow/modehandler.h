#pragma once

#include <functional>
#include <memory>

class Form2;

// What the work window does with the user's actions depends on its mode: the
// window only routes each event here, to the handler of the mode it was set up
// for. Indexes are those of the control arrays (0..7, or 0..138 for formulas).
class ModeHandler {
public:
    virtual ~ModeHandler() = default;

    virtual void txtTesto_Click() {}
    virtual void Picture1_Click() {}
    virtual void txtDati_Click(int /*index*/) {}
    virtual void txtDati_KeyPress(int /*index*/, int /*keyAscii*/) {}
    virtual void picFormRis_Click(int /*index*/) {}
    virtual void txtRisultato_Click(int /*index*/) {}
    virtual void txtRisultato_KeyPress(int /*index*/, int /*keyAscii*/) {}
    virtual void picFormula_Click(int /*number*/) {}
    virtual void cmdNuovo_Click() {}
    virtual void cmdApri_Editor_Click() {}
    virtual void cmdSalva_Click() {}
    virtual void cmdApri_Risoluzione_Click() {}
};

using ModeHandlerFactory = std::function<std::unique_ptr<ModeHandler>(Form2 &)>;

// The handlers of the two modes, given to the work window when it is created.
struct ModeHandlers {
    ModeHandlerFactory editor;
    ModeHandlerFactory solver;
};
