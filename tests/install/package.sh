#!/usr/bin/env bash
# Builds the Debian package from the build folder as the README says
# (cpack -G DEB), into a temporary folder, and checks it without installing
# it: every file under /usr and where it belongs, the Depends line, and
# lintian without errors or warnings.
#   package.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
debs=("$work"/zenuvio_*.deb)
((${#debs[@]} == 1)) && [[ -f ${debs[0]} ]] || fail "no single zenuvio_*.deb made"
deb=${debs[0]}

# Paths, with the link's target; directories left out.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' \
    >"$work/files"
outside=$(grep -v '^\./usr/' "$work/files" || true)
[[ -z "$outside" ]] || fail "files outside /usr: $outside"
expected=(
    "./usr/bin/zenuvio -> ../lib/zenuvio/zenuvio"
    ./usr/lib/zenuvio/zenuvio ./usr/lib/zenuvio/Clicca.gif ./usr/lib/zenuvio/Vuoto.gif
    ./usr/lib/zenuvio/Aiuto.HLP
    ./usr/share/applications/org.example.Zenuvio.desktop
    ./usr/share/mime/packages/org.example.Zenuvio.xml
    ./usr/share/metainfo/org.example.Zenuvio.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/org.example.Zenuvio.svg
    ./usr/share/zenuvio/examples/Rettangolo.znv ./usr/share/zenuvio/examples/Rettangolo.gif
    ./usr/share/man/man1/zenuvio.1.gz ./usr/share/man/it/man1/zenuvio.1.gz
    ./usr/share/doc/zenuvio/copyright ./usr/share/doc/zenuvio/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.example.Zenuvio.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" "$work/files" || fail "the package lacks $path"
done
count=$(grep -c '^\./usr/share/zenuvio/examples/.*\.znv$' "$work/files")
((count == 12)) || fail "$count example problems in the package, not 12"

# Exactly the packages the program needs on Debian 12: the libraries it links
# (with the xcb platform plugin and the GIF and JPEG readers in libqt6gui6,
# printing in libqt6printsupport6, speech in libqt6texttospeech6), the
# stand-ins for its fonts, and Qt's Italian texts; and, recommended, what
# makes reading aloud heard and easy reading look as meant.
fields() { dpkg-deb -f "$deb" "$1" | tr ',' '\n' | sed 's/(.*)//; s/ //g' | sort | tr '\n' ' '; }
depends=$(fields Depends)
wanted="fonts-comic-neue fonts-liberation2 libc6 libgcc-s1 libqt6core6 libqt6gui6 \
libqt6printsupport6 libqt6texttospeech6 libqt6widgets6 libstdc++6 qt6-translations-l10n "
[[ "$depends" == "$wanted" ]] || fail "Depends: $depends; wanted: $wanted"
recommends=$(fields Recommends)
wanted="fonts-opendyslexic qt6-speech-speechd-plugin speech-dispatcher-espeak-ng "
[[ "$recommends" == "$wanted" ]] || fail "Recommends: $recommends; wanted: $wanted"
[[ "$(dpkg-deb -f "$deb" Section)" == education ]] || fail "not in the section education"

# Lintian complains about running as root, and works all the same.
status=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
((status == 0)) || fail "lintian found errors or warnings"
echo "PASS: $(basename "$deb"): ${#expected[@]} paths checked, Depends: $depends"
