#pragma once

#include <QFont>

// Easy reading, for pupils with dyslexia: the problem text upright instead of
// italic, larger, with wider letters and lines, in a typeface made for such
// readers (OpenDyslexic, Debian's fonts-opendyslexic) where it is installed,
// else in the usual one. Switched with a key in the work window, and kept in
// the settings (Setting::EasyReading, off at first).
namespace EasyReading {

// How much wider the lines are than usual, in percent of the font's height.
constexpr int LineHeightPercent = 160;

// The easy-reading form of the usual font of the text.
QFont font(const QFont &usual);

} // namespace EasyReading
