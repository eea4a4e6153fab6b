#pragma once

#include <QColor>

// The colours the windows share.
namespace Colours {

// Ground of the work window, its boxes and the formula panel's page.
inline const QColor lightGrey(192, 192, 192);
// Lettering of the start and about windows, of the problem text and of the
// formula panel's tab captions.
inline const QColor darkBlue(0, 0, 192);
// The work window's headings.
inline const QColor purple(192, 0, 192);
// The work window's hint labels.
inline const QColor red(255, 0, 0);
// Lettering of what is switched off (the formula panel's tab captions): grey,
// and still dark enough to read.
inline const QColor dimmedInk(64, 64, 64);

} // namespace Colours
