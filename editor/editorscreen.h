#pragma once

#include "module1.h"
#include "problemfile.h"

#include <QString>

class WorkWindow;

// The problem as the editor holds it: the text, data and results in the work
// window's boxes, the figure's name and the steps' formula numbers in the
// module globals, the figure and the formulas shown as pictures.
namespace EditorScreen {

// Runs body for every slot 0..7 with the window's one loop counter, Contatore,
// which therefore holds 8 afterwards.
template <class Body> void forEachSlot(Body body)
{
    for (Module1::Contatore = 0; Module1::Contatore < Module1::SlotCount; ++Module1::Contatore)
        body(Module1::Contatore);
}

// Empties the text, the figure box (no picture at all), the data boxes, the
// steps' formula boxes and the result boxes, in that order.
void clearControls(WorkWindow &form);
// The problem has no figure and no step has a formula.
void forgetFigureAndFormulas();

// The problem on screen as it is written to a file. The problem text is put
// on one line, since the file holds it on one.
EditorProblem problemOnScreen(const WorkWindow &form);

// Puts a problem just read into the globals it fills (NomeFigura, Dati,
// FormuleEditor, Risultati).
void storeReadProblem(const EditorProblem &problem);
// Shows the problem held in the globals, with testo as its text, on a screen
// that was cleared before. The figure is looked for by its name in the
// program's folder, then beside the problem file. Gives an Italian notice
// when the figure cannot be shown (its name stays in NomeFigura, so that a
// save keeps it), or an empty text.
QString showStoredProblem(WorkWindow &form, const QString &testo, const QString &problemPath);

// Italian notices about a figure that cannot be shown.
QString notAPictureNotice(const QString &path);

} // namespace EditorScreen
