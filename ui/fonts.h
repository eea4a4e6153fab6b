#pragma once

#include <QFont>

// The two typefaces the windows are drawn in. The windows name "Arial" and
// "Comic Sans MS"; where those are not installed, the free look-alikes
// "Liberation Sans" and "Comic Neue" stand in.
namespace Fonts {

QFont arial(qreal points, bool bold = false, bool italic = false);
QFont comicSans(qreal points);

// Call once, after the application object exists and before any window is built.
void installSubstitutions();

} // namespace Fonts
