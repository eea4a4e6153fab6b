#pragma once

#include "settings.h"

#include <QByteArray>
#include <QTemporaryDir>

// The program's settings in a temporary folder, for one test: the user's
// file and the machine's, each written with the given text (none: no file).
// While it lives Settings::programFiles() names these two files; at its end
// they are gone and the files in place before it are named again. It nests.
class TemporarySettings {
public:
    explicit TemporarySettings(const QByteArray &userText = {}, const QByteArray &machineText = {});

    // The settings opened on the two files, as the program opens its own.
    Settings &settings() { return m_settings; }
    const Settings::Files &files() const { return m_files; }

private:
    QTemporaryDir m_folder;
    Settings::Files m_files;
    Seam<Settings::Files>::Guard m_guard;
    Settings m_settings;
};
