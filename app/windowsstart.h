#pragma once

#include <QString>

// What the program does first on Windows, where it is a program with no
// console of its own and may run from a USB stick.
namespace WindowsStart {

// When started from a console (cmd, PowerShell), writes stdout and stderr to
// it, in the code page the messages are written in; output sent to a file or
// a pipe stays there.
void attachToParentConsole();
// Whether printed text reaches a console, a file or a pipe; when it would be
// lost, a message box shows it instead.
bool hasOutput();

// The portable copy: the program's folder holds the file PortableMarker.
// Its settings are then kept in an INI file in that folder (under
// "Zenuvio/Zenuvio.ini"), when the folder is writable; elsewhere, and on a
// read-only stick, in the registry as for an installed copy.
inline const QString PortableMarker = QStringLiteral("portatile.txt");
// The folder for the settings of a copy in programFolder; empty: the registry.
QString portableSettingsFolder(const QString &programFolder);
// Points QSettings at that folder for the running program, when there is one;
// first thing, before any settings are read.
void usePortableSettings();

} // namespace WindowsStart
