#pragma once

#include "screencheck.h"

// Screen metrics a test chooses, counting how often each is read.
class FakeScreen : public ScreenMetrics {
public:
    FakeScreen(float widthTwips, float heightTwips) : m_width(widthTwips), m_height(heightTwips) {}

    float widthTwips() const override
    {
        ++widthReads;
        return m_width;
    }
    float heightTwips() const override
    {
        ++heightReads;
        return m_height;
    }

    mutable int widthReads = 0;
    mutable int heightReads = 0;

private:
    float m_width;
    float m_height;
};
