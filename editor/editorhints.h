#pragma once

class WorkWindow;

// The hint tooltips the editor set-up puts on the work window come off a row
// at a time: the first click on any control of a row removes the tooltips of
// the whole row, and opening a problem removes them all. Nothing puts them
// back while the window stays open.
namespace EditorHints {

enum class Row { Testo, Figura, Dati, Formule, Risultati };

// Removes the row's tooltips, but only while the window still offers hints
// (SuggerimentiAttivi is 1).
void removeRowOnClick(WorkWindow &form, Row row);
// Removes every hint tooltip, whatever SuggerimentiAttivi holds.
void removeAll(WorkWindow &form);

} // namespace EditorHints
