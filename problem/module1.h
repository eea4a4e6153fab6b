#pragma once

// The program-wide state shared by every window. None of it has a starting
// value: each variable is empty until a handler assigns it, and all of it
// survives the closing of any window and the change from one mode to the other.

#include <QString>
#include <array>
#include <optional>

namespace Module1 {

constexpr int SlotCount = 8;

// 1 while the work window is in editor mode, 0 otherwise; empty before the
// first mode button is pressed.
inline std::optional<int> ModoEditor;
// 1 while the work window is in solving mode; always the opposite of ModoEditor
// once a mode button has been pressed.
inline std::optional<int> ModoRisoluzione;

// Counter of every loop of the work window over the eight slots (so 8 after
// such a loop) and, while solving, the index of the datum or step in progress.
inline int Contatore = 0;

// 1 when the work window was set up for editing and carries the hint tooltips.
inline int SuggerimentiAttivi = 0;

// Bare file name of the problem's figure; empty means no figure.
inline QString NomeFigura;

// Editor: the formula number of each step, or no formula.
inline std::array<std::optional<int>, SlotCount> FormuleEditor;

// Solving: the problem as read from its file.
inline std::array<QString, SlotCount> Dati;
inline std::array<QString, SlotCount> Formule;
inline std::array<QString, SlotCount> Risultati;

// Number of the formula picture the pupil clicked last.
inline int FormulaScelta = 0;

// Puts every variable back to its empty state, as at program start.
inline void resetAll()
{
    ModoEditor.reset();
    ModoRisoluzione.reset();
    Contatore = 0;
    SuggerimentiAttivi = 0;
    NomeFigura.clear();
    FormuleEditor.fill(std::nullopt);
    Dati.fill(QString());
    Formule.fill(QString());
    Risultati.fill(QString());
    FormulaScelta = 0;
}

} // namespace Module1
