#include "versiontext.h"

#include "zenuvioversion.h"

QString versionText(int major, int minor)
{
    return QString::number(major) + QLatin1Char('.') + QString::number(minor);
}

QString programVersionText()
{
    return versionText(ZenuvioVersionMajor, ZenuvioVersionMinor);
}
