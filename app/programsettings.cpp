#include "programsettings.h"

#include "resultsfolder.h"

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

QString resultsFolder()
{
    return ResultsFolder::configured();
}

} // namespace ProgramSettings
