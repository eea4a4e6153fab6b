#include "windowsize.h"

#include <QString>

#include <algorithm>
#include <cstdlib>

namespace WindowSize {

int listed(int percent)
{
    // Kept within the list first, so that no difference below can overflow.
    percent = std::clamp(percent, Percents.front(), Percents.back());
    int best = Percents.front();
    for (int size : Percents) {
        if (std::abs(size - percent) < std::abs(best - percent))
            best = size;
    }
    return best;
}

int toStartAt(int restarted, int fromCommandLine, int saved)
{
    for (int percent : {restarted, fromCommandLine}) {
        if (percent > 0)
            return listed(percent);
    }
    return saved > 0 ? listed(saved) : Normal;
}

int larger(int percent)
{
    for (int size : Percents) {
        if (size > percent)
            return size;
    }
    return Percents.back();
}

int smaller(int percent)
{
    for (auto size = Percents.rbegin(); size != Percents.rend(); ++size) {
        if (*size < percent)
            return *size;
    }
    return Percents.front();
}

QString text(int percent)
{
    return QStringLiteral("%1 %").arg(percent);
}

int fitting(int wanted, int current, QSize window, QSize frame, QSize available, double pixelRatio)
{
    const double availableWidth = available.width() * pixelRatio;
    const double availableHeight = available.height() * pixelRatio;
    for (auto size = Percents.rbegin(); size != Percents.rend(); ++size) {
        if (*size > wanted)
            continue;
        const double ratio = pixelRatio * *size / current;
        if (window.width() * ratio + frame.width() <= availableWidth &&
            window.height() * ratio + frame.height() <= availableHeight)
            return *size;
    }
    return Percents.front();
}

} // namespace WindowSize
