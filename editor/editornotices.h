#pragma once

#include "picturebox.h"

#include <QSize>
#include <QString>

// What the editor tells the teacher about the text and the figure on screen.
namespace EditorNotices {

// On the text box, when the text is longer than the box shows at once, so
// that a pupil would have to scroll to read it all (the question often comes
// last).
extern const QString Scrolling;

// Added to the notice of a figure that cannot be shown when a problem is opened.
extern const QString FigureStillNamed;

// A figure file chosen that cannot be shown.
QString notShown(const QString &path, PictureBox::Loading loading);

// A figure chosen larger than the room in the figure box, or an empty text
// when it fits.
QString largerThanBox(const QString &figureName, QSize picture, QSize room);

} // namespace EditorNotices
