#include "settings.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString Organisation = QStringLiteral("Zenuvio");
const QString Application = QStringLiteral("Zenuvio");
const QString FileName = QStringLiteral("/Zenuvio/Zenuvio.conf");

// There and not a regular file (a link to a regular file is one).
bool unfit(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && (info.exists() || info.isSymLink()) && !info.isFile();
}

} // namespace

Settings::Files Settings::programFiles()
{
    if (const Files *files = Seam<Files>::replacement())
        return *files;
#ifdef Q_OS_WIN
    return {};
#else
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + FileName,
            QLibraryInfo::path(QLibraryInfo::SettingsPath) + FileName};
#endif
}

Settings::Settings() = default;
Settings::Settings(Settings &&) noexcept = default;
Settings &Settings::operator=(Settings &&) noexcept = default;
Settings::~Settings() = default;

Settings Settings::open(const Files &files)
{
    Settings settings;
    QStringList unfitFiles;
    for (const QString &path : {files.user, files.system}) {
        if (unfit(path))
            unfitFiles << QDir::toNativeSeparators(path);
    }
    if (!unfitFiles.isEmpty()) {
        settings.m_notice =
            QStringLiteral("Il file delle impostazioni %1 non è un file normale: Zenuvio parte con "
                           "le impostazioni iniziali e questa volta non le conserva.")
                .arg(unfitFiles.join(QStringLiteral(" e ")));
        return settings;
    }
    if (files.user.isEmpty() && files.system.isEmpty()) {
        // The platform's own place (the registry on Windows), or the INI file
        // beside a portable copy when the program chose that format at start.
        settings.m_user = std::make_unique<QSettings>(
            QSettings::defaultFormat(), QSettings::UserScope, Organisation, Application);
        settings.m_user->setFallbacksEnabled(false);
        settings.m_system = std::make_unique<QSettings>(
            QSettings::defaultFormat(), QSettings::SystemScope, Organisation, Application);
        settings.m_system->setFallbacksEnabled(false);
        return settings;
    }
    settings.m_user = std::make_unique<QSettings>(files.user, QSettings::IniFormat);
    if (!files.system.isEmpty())
        settings.m_system = std::make_unique<QSettings>(files.system, QSettings::IniFormat);
    return settings;
}

QVariant Settings::raw(const QString &key) const
{
    const SettingRow *row = SettingsTable::find(key);
    Q_ASSERT(row);
    if (!row)
        return {};
    QVariant stored = m_thisRun.value(key);
    if (!stored.isValid() && m_user)
        stored = m_user->value(key);
    if (!stored.isValid() && m_system)
        stored = m_system->value(key);
    return SettingsTable::checked(*row, stored);
}

void Settings::setRaw(const QString &key, const QVariant &value)
{
    Q_ASSERT(SettingsTable::find(key));
    // Written at once: the program may start itself again without ending.
    if (m_user) {
        m_user->setValue(key, value);
        m_user->sync();
    } else
        m_thisRun.insert(key, value);
}
