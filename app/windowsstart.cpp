#include "windowsstart.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>
#include <cstdlib>
#include <iterator>

#include <windows.h>

namespace {

bool handleGoesSomewhere(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

UINT consoleCodePageBefore = 0;

void restoreConsoleCodePage()
{
    if (consoleCodePageBefore)
        SetConsoleOutputCP(consoleCodePageBefore);
}

} // namespace

namespace WindowsStart {

void attachToParentConsole()
{
    const bool out = handleGoesSomewhere(STD_OUTPUT_HANDLE);
    const bool err = handleGoesSomewhere(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
    // The messages are printed in the ANSI code page (Windows-1252 in Italy),
    // the console shows another one (850): its own is given back at the end.
    consoleCodePageBefore = GetConsoleOutputCP();
    if (SetConsoleOutputCP(GetACP()))
        std::atexit(restoreConsoleCodePage);
    else
        consoleCodePageBefore = 0;
}

bool hasOutput()
{
    return handleGoesSomewhere(STD_OUTPUT_HANDLE) && handleGoesSomewhere(STD_ERROR_HANDLE);
}

QString portableSettingsFolder(const QString &programFolder)
{
    const QDir folder(programFolder);
    if (!QFileInfo(folder.filePath(PortableMarker)).isFile())
        return {};
    // Windows' permissions are not in the file's attributes: try writing.
    QTemporaryFile probe(folder.filePath(QStringLiteral("scrittura-XXXXXX.tmp")));
    if (!probe.open())
        return {};
    return QDir::cleanPath(folder.absolutePath());
}

void usePortableSettings()
{
    wchar_t program[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, program, DWORD(std::size(program)));
    if (length == 0 || length >= std::size(program))
        return;
    const QString folder =
        portableSettingsFolder(QFileInfo(QString::fromWCharArray(program, int(length))).path());
    if (folder.isEmpty())
        return;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, folder);
}

} // namespace WindowsStart
