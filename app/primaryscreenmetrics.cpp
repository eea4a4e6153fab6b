#include "primaryscreenmetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
// Pixels times twips per pixel, where twips per pixel is 1440 / logical dpi.
float toTwips(int pixels, qreal logicalDpi)
{
    if (logicalDpi <= 0)
        return 0.0f;
    return float(pixels * 1440.0 / logicalDpi);
}
} // namespace

float PrimaryScreenMetrics::widthTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? toTwips(screen->geometry().width(), screen->logicalDotsPerInchX()) : 0.0f;
}

float PrimaryScreenMetrics::heightTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? toTwips(screen->geometry().height(), screen->logicalDotsPerInchY()) : 0.0f;
}

const ScreenMetrics &activeScreenMetrics()
{
    static const PrimaryScreenMetrics primary;
    if (const ScreenMetrics *metrics = ScreenMetrics::overridden())
        return *metrics;
    return primary;
}
