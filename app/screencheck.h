#pragma once

#include "seam.h"

// The screen's size in twips, as the platform reports it: pixels times
// 1440 / logical dots per inch, in single precision.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics();
    virtual float widthTwips() const = 0;
    virtual float heightTwips() const = 0;

    // The metrics set by a test, or nullptr for the real screen.
    static const ScreenMetrics *overridden();

    // For tests: from its making to its end, the screen check measures these
    // metrics instead of the real screen; they must outlive the override. A
    // seam's guard: overrides nest.
    using Override = Seam<const ScreenMetrics>::Guard;
};

// True when the screen measures exactly widthPixels x heightPixels pixels at a fixed
// 15 twips to the pixel. The width is compared first; the height is read only
// when the width matches. Sizes whose twips do not fit in 32 bits match no screen.
bool screenIsExactly(const int &widthPixels, const int &heightPixels, const ScreenMetrics &screen);
