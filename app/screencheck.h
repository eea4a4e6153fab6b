#pragma once

// The screen's size in twips, as the platform reports it: pixels times
// 1440 / logical dots per inch, in single precision.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics();
    virtual float widthTwips() const = 0;
    virtual float heightTwips() const = 0;

    // For tests: the screen check then measures these metrics instead of the
    // real screen. nullptr goes back to the real screen. The caller keeps
    // ownership and keeps the object alive while it is set.
    static void setOverride(const ScreenMetrics *metrics);
    static const ScreenMetrics *overridden();
};

// True when the screen measures exactly widthPixels x heightPixels pixels at a fixed
// 15 twips to the pixel. The width is compared first; the height is read only
// when the width matches. Sizes whose twips do not fit in 32 bits match no screen.
bool screenIsExactly(const int &widthPixels, const int &heightPixels, const ScreenMetrics &screen);
