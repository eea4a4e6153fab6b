#include "fonts.h"

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
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace Fonts
