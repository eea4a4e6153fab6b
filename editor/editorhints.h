#pragma once

class WorkWindow;

// The hint tooltips the editor set-up puts on the work window come off a row
// at a time: the first click on any control of a row removes the tooltips of
// the whole row, and opening a problem removes them all. Nothing puts them
// back while the window stays open.
class EditorHints {
public:
    enum class Row { Testo, Figura, Dati, Formule, Risultati };

    // The window was set up for editing, with its tooltips on.
    explicit EditorHints(WorkWindow &window) : m_window(window) {}

    // A control of the row was clicked.
    void removeRow(Row row);
    // A problem is opened.
    void removeAll();

private:
    WorkWindow &m_window;
};
