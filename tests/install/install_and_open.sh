#!/usr/bin/env bash
# Installs Zenuvio into a temporary prefix, as a technician would with
# "cmake --install build --prefix P", and tries what a desktop does with it:
# the desktop entry, the AppStream file and the MIME type pass their
# validators; GIO, through the installed MIME database, gives a .znv file the
# type application/x-zenuvio and the desktop entry as the program that opens
# it; the installed command, started from another folder with a problem file,
# opens the problem ready to solve (open_installed.py reads the windows).
# Run inside tests/support/with-desktop.sh:
#   install_and_open.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
    echo "FAIL: $*"
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

# Nothing installed may hold the prefix chosen when CMake configured, nor the
# build folder: the installed tree must work wherever it is put.
configured=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
if grep -rIlF -e "$configured" -e "$build" "$prefix"; then
    fail "installed files above name $configured or $build"
fi
[[ "$(readlink "$prefix/bin/zenuvio")" == ../lib/zenuvio/zenuvio ]] ||
    fail "bin/zenuvio is not a relative link to lib/zenuvio/zenuvio"
for size in 16 22 24 32 48 64 128 256; do
    [[ -f $share/icons/hicolor/${size}x${size}/apps/org.example.Zenuvio.png ]] ||
        fail "no ${size}x${size} icon"
done
examples=$(find "$share/zenuvio/examples" -name '*.znv' | wc -l)
((examples == 12)) || fail "$examples example problems installed, not 12"

desktop-file-validate "$share/applications/org.example.Zenuvio.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/org.example.Zenuvio.metainfo.xml"
xmllint --noout "$share/mime/packages/org.example.Zenuvio.xml" \
    "$share/metainfo/org.example.Zenuvio.metainfo.xml" \
    "$share/icons/hicolor/scalable/apps/org.example.Zenuvio.svg"

# A file manager asks GIO for a file's type and for the program that opens
# it; GIO offers only programs whose command is on the PATH.
export XDG_DATA_DIRS=$share:/usr/share
export PATH=$prefix/bin:$PATH
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
mkdir "$work/pupil"
cp "$source/examples/Rettangolo.znv" "$source/examples/Rettangolo.gif" "$work/pupil/"
type=$(gio info -a standard::content-type "$work/pupil/Rettangolo.znv" |
    sed -n 's/^ *standard::content-type: //p')
[[ "$type" == application/x-zenuvio ]] || fail "a .znv file is of type '$type'"
handlers=$(gio mime application/x-zenuvio)
[[ "$handlers" == *"application/x-zenuvio”: org.example.Zenuvio.desktop"* ]] ||
    fail "the desktop entry does not open application/x-zenuvio: $handlers"
echo "PASS: a .znv is $type, opened by org.example.Zenuvio.desktop"

# The installed command, from the pupil's folder, with the problem's bare name;
# --version is answered with no display and no platform named.
version=$(cd "$work/pupil" &&
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/zenuvio" --version)
[[ "$version" == "Zenuvio "* ]] || fail "--version printed '$version'"
mkdir -p "$build/install-test"
(cd "$work/pupil" && /usr/bin/python3 "$here/open_installed.py" "$prefix/bin/zenuvio" \
    Rettangolo.znv "$build/install-test")
