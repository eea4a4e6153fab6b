#include "resultsfolder.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace ResultsFolder {

QString defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Zenuvio/Risultati"));
}

QString configured()
{
    const QSettings settings(QStringLiteral("Zenuvio"), QStringLiteral("Zenuvio"));
    const QString folder = settings.value(QStringLiteral("results/folder")).toString();
    return folder.isEmpty() ? defaultPath() : folder;
}

} // namespace ResultsFolder
