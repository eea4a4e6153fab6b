#pragma once

#include "screencheck.h"

// The size of the primary screen, from its geometry and logical dots per inch.
class PrimaryScreenMetrics : public ScreenMetrics {
public:
    float widthTwips() const override;
    float heightTwips() const override;
};

// The metrics the screen check measures: the primary screen, unless a test
// holds a ScreenMetrics::Override.
const ScreenMetrics &activeScreenMetrics();
