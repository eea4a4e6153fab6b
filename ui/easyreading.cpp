#include "easyreading.h"

#include <QFontDatabase>
#include <QSettings>

namespace {

const QString SettingsKey = QStringLiteral("reading/easy");
const QString Typeface = QStringLiteral("OpenDyslexic");

QSettings settings()
{
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Zenuvio"),
                     QStringLiteral("Zenuvio"));
}

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

bool remembered()
{
    return settings().value(SettingsKey, false).toBool();
}

void remember(bool on)
{
    settings().setValue(SettingsKey, on);
}

} // namespace EasyReading
