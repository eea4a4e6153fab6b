#include "resultsfolder.h"

#include "settings.h"

#include <QDir>
#include <QStandardPaths>

namespace ResultsFolder {

QString defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Zenuvio/Risultati"));
}

QString configured(const Settings &settings)
{
    const QString folder = settings.value(Setting::ResultsFolder);
    return folder.isEmpty() ? defaultPath() : folder;
}

} // namespace ResultsFolder
