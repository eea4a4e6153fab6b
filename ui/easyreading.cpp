#include "easyreading.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

const QString Typeface = QStringLiteral("OpenDyslexic");

} // namespace

namespace EasyReading {

QFont font(const QFont &usual)
{
    QFont easy = usual;
    if (QFontDatabase::hasFamily(Typeface))
        easy.setFamilies({Typeface});
    easy.setItalic(false);
    easy.setBold(false);
    easy.setPointSizeF(usual.pointSizeF() * 1.2);
    easy.setLetterSpacing(QFont::PercentageSpacing, 112);
    easy.setWordSpacing(usual.pointSizeF() * 0.4);
    return easy;
}

} // namespace EasyReading
