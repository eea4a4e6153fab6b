#include "temporarysettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
Settings::Files filesIn(const QTemporaryDir &folder)
{
    return {folder.filePath(QStringLiteral("user/Zenuvio/Zenuvio.conf")),
            folder.filePath(QStringLiteral("machine/Zenuvio/Zenuvio.conf"))};
}

void write(const QString &path, const QByteArray &text)
{
    if (text.isNull())
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("The settings file %s cannot be written", qPrintable(path));
}
} // namespace

TemporarySettings::TemporarySettings(const QByteArray &userText, const QByteArray &machineText)
    : m_files(filesIn(m_folder)), m_guard(m_files)
{
    write(m_files.user, userText);
    write(m_files.system, machineText);
    m_settings = Settings::open(m_files);
}
