#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFolder {

QString path()
{
    if (const Override *folder = Seam<Override>::replacement())
        return folder->folder();
    return QCoreApplication::applicationDirPath();
}

QString file(const QString &name)
{
    return path() + QLatin1Char('/') + name;
}

QString examples()
{
    const QDir program(path());
    for (const char *candidate : {"examples", "../../share/zenuvio/examples"}) {
        const QString folder = program.filePath(QLatin1String(candidate));
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return {};
}

} // namespace ProgramFolder
