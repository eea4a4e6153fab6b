#include "programsettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

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
    const QSettings settings(QStringLiteral("Zenuvio"), QStringLiteral("Zenuvio"));
    const QString folder = settings.value(QStringLiteral("results/folder")).toString();
    if (!folder.isEmpty())
        return folder;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Zenuvio/Risultati"));
}

bool judgesByValue()
{
    const QSettings settings(QStringLiteral("Zenuvio"), QStringLiteral("Zenuvio"));
    return settings.value(QStringLiteral("solving/equivalentForms"), false).toBool();
}

} // namespace ProgramSettings
