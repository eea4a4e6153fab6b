#include "programsettings.h"

#include <QSettings>

namespace ProgramSettings {

bool hidesEditor()
{
    const QSettings settings(QStringLiteral("Zenuvio"), QStringLiteral("Zenuvio"));
    return settings.value(QStringLiteral("classroom/hideEditor"), false).toBool();
}

} // namespace ProgramSettings
