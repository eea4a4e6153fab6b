#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
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

Override::Override(const QString &folder) : m_previous(overrideFolder())
{
    overrideFolder() = folder;
}

Override::~Override()
{
    overrideFolder() = m_previous;
}

} // namespace ProgramFolder
