#include "programsettings.h"

#include <QSettings>

namespace ProgramSettings {

bool hidesEditor()
{
    const QSettings settings(QStringLiteral("Zenuvio"), QStringLiteral("Zenuvio"));
    return settings.value(QStringLiteral("classroom/hideEditor"), false).toBool();
}

bool explains()
{
    const QSettings settings(QStringLiteral("Zenuvio"), QStringLiteral("Zenuvio"));
    return settings.value(QStringLiteral("solving/explanations"), true).toBool();
}

bool judgesByValue()
{
    const QSettings settings(QStringLiteral("Zenuvio"), QStringLiteral("Zenuvio"));
    return settings.value(QStringLiteral("solving/equivalentForms"), false).toBool();
}

} // namespace ProgramSettings
