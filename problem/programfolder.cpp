#include "programfolder.h"

#include <QCoreApplication>

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

Override::Override(const QString &folder) : m_previous(overrideFolder())
{
    overrideFolder() = folder;
}

Override::~Override()
{
    overrideFolder() = m_previous;
}

} // namespace ProgramFolder
