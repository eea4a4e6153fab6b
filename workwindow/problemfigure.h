#pragma once

#include "picturebox.h"

#include <QImage>
#include <QString>

// The figure a problem file names, for the screen in both modes and for the
// worksheet on paper, found and read the same way for all: it is looked for
// in the program's folder first, then beside the problem file, and read
// within the bounds of PictureFile (file size, pixels).
namespace ProblemFigure {

// Where the figure goes; the notice ends by saying what becomes of it there.
enum class Use { Screen, Sheet };

struct Figure {
    QImage image;   // null when the problem has none or it cannot be read
    QString notice; // empty unless a named figure could not be read
};

// The figure named, or a short Italian notice saying which figure could not
// be read and why. A problem without a figure gives a null image and no notice.
Figure load(const QString &figureName, const QString &problemPath, Use use);

// Loads the figure into the box (emptied first), for the screen. Gives the
// notice of load().
QString show(PictureBox &box, const QString &figureName, const QString &problemPath);

// Why the picture file at path was not read, as the end of an Italian
// sentence: "il file «...» non è un'immagine leggibile."
QString whyNotShown(PictureBox::Loading loading, const QString &path);

} // namespace ProblemFigure
