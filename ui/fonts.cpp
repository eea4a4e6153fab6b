#include "fonts.h"

#include <QFontDatabase>

namespace Fonts {

QFont arial(qreal points, bool bold, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont comicSans(qreal points)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    return font;
}

void installSubstitutions()
{
    const QString pairs[][2] = {{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
                                {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}};
    for (const auto &[family, standIn] : pairs) {
#ifdef Q_OS_WIN
        // Windows has both: its own typeface is the one meant.
        if (QFontDatabase::hasFamily(family))
            continue;
#endif
        QFont::insertSubstitution(family, standIn);
    }
}

} // namespace Fonts
