#include "zenuvioresources.h"

namespace ZenuvioResources {

QString skyPicturePath()
{
    return QStringLiteral(":/zenuvio/sky.jpg");
}

QString iconFilePath()
{
    return QStringLiteral(":/zenuvio/zenuvio.ico");
}

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/zenuvio/zenuvio-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/zenuvio/zenuvio-16.png"), QSize(16, 16));
    return icon;
}

} // namespace ZenuvioResources
