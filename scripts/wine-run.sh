#!/usr/bin/env bash
# Runs a program cross-built for Windows under Wine, with the cross Qt's DLLs
# and plugins and MinGW's runtime found: CTest's emulator for build-windows/,
# and the way scripts/build-windows.sh starts the program.
#
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
cache=${ZENUVIO_WIN_CACHE:-/var/cache/zenuvio-windows}
qt=${ZENUVIO_WIN_QT:-$cache/qt-6.4.2-mingw64}
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
export WINEPREFIX=${WINEPREFIX:-$cache/wine-tests}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPATH="Z:${qt}/bin;Z:${gcc_dir};Z:/usr/x86_64-w64-mingw32/lib"
export QT_PLUGIN_PATH="Z:${qt}/plugins"
mkdir -p "$WINEPREFIX"
exec wine "$@"
