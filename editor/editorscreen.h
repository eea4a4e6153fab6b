#pragma once

#include "picturebox.h"
#include "problemfile.h"

#include <QString>

class WorkWindow;

// Shows the problem being composed on the work window: the text, data and
// results in their boxes, the figure and each step's formula as pictures.
// The other way, the boxes tell the editor what the teacher types (see
// EditorHandler), so the problem value and the screen always agree.
namespace EditorScreen {

// Empties the text, the figure box (no picture at all), the data boxes, the
// steps' formula boxes and the result boxes, in that order.
void clear(WorkWindow &window);

// Shows a problem on a screen that was cleared before. The figure is looked
// for by its name in the program's folder, then beside the problem file.
// Gives an Italian notice when the figure cannot be shown (the problem keeps
// its name, so that a save keeps it), or an empty text.
QString show(WorkWindow &window, const Problem &problem, const QString &problemPath);

// The problem text as the box holds it, no-break spaces included.
QString textOf(const WorkWindow &window);

// Whether the problem text is longer than its box shows at once, so that a
// pupil would have to scroll to read it all (the question often comes last).
bool textNeedsScrolling(const WorkWindow &window);
// The word the editor gives the teacher then, on the text box.
extern const QString ScrollingNotice;

// Italian notice about a figure file chosen that cannot be shown.
QString notShownNotice(const QString &path, PictureBox::Loading loading);

// Italian notice about a figure chosen larger than the figure box, or an empty
// text when it fits.
QString largerThanBoxNotice(const WorkWindow &window, const QString &figureName);

} // namespace EditorScreen
