#include "screencheck.h"

#include "twips.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace {
// The size in twips as a 32-bit signed product, or nothing when it overflows.
std::optional<std::int32_t> pixelsToTwips(int pixels)
{
    const std::int64_t twips = std::int64_t(pixels) * TwipsPerPixel;
    if (twips < std::numeric_limits<std::int32_t>::min() ||
        twips > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(twips);
}
} // namespace

ScreenMetrics::~ScreenMetrics() = default;

const ScreenMetrics *ScreenMetrics::overridden()
{
    return Seam<const ScreenMetrics>::replacement();
}

bool screenIsExactly(const int &widthPixels, const int &heightPixels, const ScreenMetrics &screen)
{
    const auto larghezzaTwips = pixelsToTwips(widthPixels);
    const auto altezzaTwips = pixelsToTwips(heightPixels);
    if (!larghezzaTwips || !altezzaTwips)
        return false;
    if (double(screen.widthTwips()) != double(*larghezzaTwips))
        return false;
    return double(screen.heightTwips()) == double(*altezzaTwips);
}
