#pragma once

#include "seam.h"
#include "settingstable.h"

#include <QString>
#include <QVariantMap>

#include <memory>

class QSettings;

// The program's settings, opened once at start (app/main.cpp) and handed to
// what reads or keeps one. Every key is a row of SettingsTable: a value
// missing or unfit reads as the row's default.
//
// The settings live in two files: the user's, ~/.config/Zenuvio/Zenuvio.conf,
// which the program writes, and the machine's, /etc/xdg/Zenuvio/Zenuvio.conf,
// which a technician writes for every user (the user's file wins where both
// say something). On Windows they are the registry's, for the user and the
// machine.
//
// Before either file is opened it is looked at: one that is there but is not
// a regular file (a named pipe, a folder, a device) would leave the program
// waiting or reading garbage. Then the program runs with the defaults, keeps
// what is changed for this run only, and notice() tells the user once.
class Settings {
public:
    struct Files {
        QString user;
        QString system;
    };

    // The two files of the program, or those of a test's Seam<Files>::Guard.
    // Empty where the platform keeps settings elsewhere (the registry).
    static Files programFiles();

    // The settings in the files, as said above.
    static Settings open(const Files &files = programFiles());
    // The defaults only; what is set lasts until the object's end.
    Settings();

    Settings(Settings &&) noexcept;
    Settings &operator=(Settings &&) noexcept;
    ~Settings();

    template <typename T> T value(SettingKey<T> key) const
    {
        return raw(QString::fromLatin1(key.key)).template value<T>();
    }
    template <typename T> void setValue(SettingKey<T> key, const T &value)
    {
        setRaw(QString::fromLatin1(key.key), QVariant::fromValue(value));
    }

    // Empty, or the Italian notice about a settings file that could not be read.
    QString notice() const { return m_notice; }

private:
    QVariant raw(const QString &key) const;
    void setRaw(const QString &key, const QVariant &value);

    std::unique_ptr<QSettings> m_user;
    std::unique_ptr<QSettings> m_system;
    QVariantMap m_thisRun;
    QString m_notice;
};
