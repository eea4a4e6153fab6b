#pragma once

#include <QSize>

#include <array>

// The sizes the windows can be drawn at, for the classroom's whiteboard or a
// large screen: everything grows together (the program puts the size into
// Qt's own scale factor). A size that would not let the largest window fit
// on the screen is never used.
namespace WindowSize {

constexpr std::array<int, 7> Percents{100, 125, 150, 175, 200, 250, 300};
constexpr int Normal = 100;

// The listed size nearest to percent (the smaller one of two as near), for
// any int.
int listed(int percent);
// The size to start at: the one a restart of the program passed on, else the
// one on the command line, else the one in the settings (each 0 when none),
// as a listed size.
int toStartAt(int restarted, int fromCommandLine, int saved);
// The next listed size up or down; the largest and the smallest stay.
int larger(int percent);
int smaller(int percent);
// The text shown for a size: "150 %".
QString text(int percent);

// The largest listed size, not above `wanted`, at which a window of `window`
// device-independent pixels, with a frame of `frame` physical pixels around
// it, fits an available area of `available` device-independent pixels. The
// program runs at size `current`, where a device-independent pixel is
// `pixelRatio` physical ones. The smallest size when none fits.
int fitting(int wanted, int current, QSize window, QSize frame, QSize available, double pixelRatio);

} // namespace WindowSize
