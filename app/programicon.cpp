#include "programicon.h"

#include <QFile>

QIcon programIcon()
{
    QIcon icon;
    for (const char *name : {":/zenuvio/zenuvio-32.png", ":/zenuvio/zenuvio-16.png"}) {
        if (QFile::exists(QLatin1String(name)))
            icon.addFile(QLatin1String(name));
    }
    if (icon.isNull() && QFile::exists(QStringLiteral(":/zenuvio/zenuvio.ico")))
        icon.addFile(QStringLiteral(":/zenuvio/zenuvio.ico"));
    return icon;
}
