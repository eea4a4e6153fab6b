#pragma once

#include <QSize>
#include <QString>

// Draws the whole program at the size chosen for the classroom (see
// WindowSize): the size goes into Qt's own scale factor before the
// application object exists, so fonts, controls, dialogs and pictures all
// grow together, formula pictures are drawn sharp at the new size and figures
// scaled smoothly. Qt's scale factor cannot change once the program runs, so
// choosing another size starts the program again.
namespace WindowScale {

// Before the application object exists: takes the size from a restart of the
// program, else from the command line (0 when none was given), else the one
// `saved` in the settings, and multiplies Qt's scale factor by it (so the desktop's own
// scale and QT_SCALE_FACTOR keep working). Gives the size in use.
int prepare(int argc, char **argv, int fromCommandLine, int saved = 0);

// Once the application object exists: when a window of `largestWindow`
// device-independent pixels would not fit the screen at this size, the
// program starts again at the largest size that fits (and this call does not
// come back); otherwise nothing happens.
void ensureFits(int current, QSize largestWindow);

// Starts the program again at a size, for this run (the caller keeps a size
// the user chose in the settings). A size the user chose (no `reducedFrom`)
// starts again into the start window: the problem file and the mode of the
// first start are left out, the other arguments kept. Comes back (false) only
// when the program could not be started again.
bool restartAt(int percent, int reducedFrom = 0);

// After a restart that had to make the size smaller: the Italian notice to
// show once; otherwise an empty text.
QString reducedNotice();

} // namespace WindowScale
