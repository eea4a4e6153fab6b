#pragma once

#include "picturebox.h"

#include <QString>

// Shows the figure a problem file names, in both modes: it is looked for in
// the program's folder first, then beside the problem file.
namespace ProblemFigure {

// Loads the figure into the box. Gives an empty text when it is shown (or the
// problem has none), otherwise a short Italian notice saying which figure
// could not be shown and why; the box is then left empty.
QString show(PictureBox &box, const QString &nomeFigura, const QString &problemPath);

// Why the picture file at path was not shown, as the end of an Italian
// sentence: "il file «...» non è un'immagine leggibile."
QString whyNotShown(PictureBox::Loading loading, const QString &path);

} // namespace ProblemFigure
