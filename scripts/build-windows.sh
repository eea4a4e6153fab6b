#!/usr/bin/env bash
# Builds the Windows program on Debian 12 with MinGW-w64 and packs it.
#
#   scripts/build-windows.sh [qt|app|package|all]     (default: all)
#
#   qt       the cross Qt (qtbase 6.4.2 from Debian's sources), built once into
#            $ZENUVIO_WIN_CACHE (default /var/cache/zenuvio-windows) and reused
#            by every later run; takes about 40 minutes on 2 cores.
#   app      the program and its tests into build-windows/.
#   package  the MSI and the portable zip into build-windows/.
#   test     the tests under Wine, the worksheets against the Linux
#            program's (build/), the MSI installed and removed under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
stage=${1:-all}

cache=${ZENUVIO_WIN_CACHE:-/var/cache/zenuvio-windows}
qt_prefix=$cache/qt-6.4.2-mingw64
qt_marker=$qt_prefix/.built
jobs=${ZENUVIO_WIN_JOBS:-$(nproc)}

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)

need_packages() {
    local missing=() p status
    for p in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        "${sudo_cmd[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
            --no-install-recommends "${missing[@]}"
    fi
}

# apt-get source needs a deb-src line; this adds one for the archive and
# suites the machine's deb line already uses.
add_deb_src() {
    local list=/etc/apt/sources.list.d/zenuvio-deb-src.sources
    if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return
    fi
    local uri suites
    uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
    suites=$(awk '/^Suites:/ {$1=""; print; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
    uri=${uri:-http://deb.debian.org/debian}
    suites=${suites:-bookworm}
    echo "Adding a deb-src line for $uri ($suites) in $list"
    printf 'Types: deb-src\nURIs: %s\nSuites:%s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$uri" "$suites" | "${sudo_cmd[@]}" tee "$list" >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq
}

build_qt() {
    if [[ -f $qt_marker ]]; then
        echo "Cross Qt: reusing $qt_prefix"
        return
    fi
    need_packages g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools xz-utils
    add_deb_src
    mkdir -p "$cache/src"
    local started=$SECONDS
    (
        cd "$cache/src"
        ls qt6-base_6.4.2*.orig.tar.xz >/dev/null 2>&1 || apt-get source --download-only qt6-base
        if [[ ! -d qtbase ]]; then
            rm -rf qtbase.tmp && mkdir qtbase.tmp
            tar -xf qt6-base_6.4.2*.orig.tar.xz -C qtbase.tmp --strip-components=1
            mv qtbase.tmp qtbase
        fi
    )
    # Debian's source has no wintab (its licence), so no tablet events; the
    # Windows plugin needs OpenGL, which it loads at run time (dynamic).
    cmake -S "$cache/src/qtbase" -B "$cache/qtbase-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_tabletevent=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    cmake --build "$cache/qtbase-build" -j"$jobs"
    cmake --install "$cache/qtbase-build"
    echo "$((SECONDS - started)) s" >"$qt_marker"
    echo "Cross Qt built in $((SECONDS - started)) s into $qt_prefix"
}

build_app() {
    need_packages g++-mingw-w64-x86-64-posix cmake ninja-build wine wine64 ccache \
        fonts-liberation2 fonts-comic-neue fonts-dejavu-core
    [[ -f $qt_marker ]] || { echo "No cross Qt in $qt_prefix: run '$0 qt' first." >&2; exit 1; }
    local started=$SECONDS
    # qt-cmake brings the cross Qt's own toolchain, which loads ours.
    "$qt_prefix/bin/qt-cmake" -S . -B build-windows -G Ninja \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" >/dev/null
    cmake --build build-windows -j"$jobs" ${ZENUVIO_WIN_TARGETS:+--target $ZENUVIO_WIN_TARGETS}
    # The programs in build-windows/bin, run under Wine, find the cross Qt
    # and Debian's Italian translation of Qt (the same for every system).
    printf '[Paths]\r\nPrefix = Z:%s\r\nTranslations = Z:/usr/share/qt6/translations\r\n' \
        "$qt_prefix" >build-windows/bin/qt.conf
    echo "Zenuvio cross-built in $((SECONDS - started)) s into build-windows/"
}

package_app() {
    need_packages wixl msitools binutils-mingw-w64-x86-64 python3 qt6-translations-l10n zip
    local version
    version=$(sed -n 's/^project(Zenuvio VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    python3 packaging/windows/deploy.py --build build-windows --qt "$qt_prefix" \
        --version "$version" --source .
}

# The checks that need Wine: the unit and window tests through CTest, the
# worksheets against the Linux program's, the MSI installed and removed.
test_app() {
    need_packages wine wine64 xvfb xauth xdotool imagemagick poppler-utils
    local started=$SECONDS
    ctest --test-dir build-windows --output-on-failure -j1 --timeout 300
    tests/windows/wine_checks.sh "$root" "$qt_prefix"
    echo "Windows checks took $((SECONDS - started)) s"
}

case $stage in
qt) build_qt ;;
app) build_app ;;
package) package_app ;;
test) test_app ;;
all)
    build_qt
    build_app
    package_app
    ;;
*)
    echo "usage: $0 [qt|app|package|all]" >&2
    exit 2
    ;;
esac
