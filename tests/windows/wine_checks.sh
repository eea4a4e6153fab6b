#!/usr/bin/env bash
# The Windows program under Wine, as far as this machine can try it:
#  1. "zenuvio.exe --pdf" writes every example's worksheet (with and without
#     solutions) with the same text as the Linux program (build/);
#  2. the MSI installs silently into a fresh Wine prefix, with its files, the
#     Start-menu entry and the .znv type; an example opened through the type
#     shows its work window (screenshot in build-windows/shots/); the
#     uninstall leaves none of it behind.
#
#   tests/windows/wine_checks.sh SOURCE_DIR QT_PREFIX
set -euo pipefail
root=$1
cd "$root"
linux=${ZENUVIO_LINUX_BUILD:-$root/build}/bin/zenuvio
version=$(sed -n 's/^project(Zenuvio VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
msi=$root/build-windows/Zenuvio-$version-win64.msi
work=$(mktemp -d)
shots=$root/build-windows/shots
mkdir -p "$shots"
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# 1. Worksheets.
if [[ -n ${ZENUVIO_SKIP_WORKSHEETS:-} ]]; then
    echo "worksheets not compared (ZENUVIO_SKIP_WORKSHEETS)"
elif [[ -x $linux ]]; then
    for example in examples/*.znv; do
        name=$(basename "$example" .znv)
        for extra in "" --soluzioni; do
            # Offscreen, with the fonts that stand in for Arial on Linux: the
            # same text, whatever fonts this Wine has.
            QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR="$root/build-windows/test-fonts" \
                scripts/wine-run.sh build-windows/bin/zenuvio.exe --pdf "$example" \
                "$work/$name-win.pdf" $extra
            "$linux" --pdf "$example" "$work/$name-linux.pdf" $extra
            pdftotext "$work/$name-win.pdf" "$work/win.txt"
            pdftotext "$work/$name-linux.pdf" "$work/linux.txt"
            if cmp -s "$work/win.txt" "$work/linux.txt"; then
                echo "ok: worksheet $name $extra"
            else
                fail "worksheet $name $extra differs from Linux's:"
                diff "$work/linux.txt" "$work/win.txt" | head -10 || true
            fi
        done
    done
else
    fail "no Linux program at $linux to compare the worksheets with"
fi

# 2. The MSI, in a prefix of its own, with nothing else of Zenuvio's or Qt's.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_PLUGIN_PATH
wineboot -i >/dev/null 2>&1
program_files="$WINEPREFIX/drive_c/Program Files/Zenuvio"
rm -f "$shots"/*.png
wine msiexec /i "$(winepath -w "$msi")" /qn
wineserver -w
expected=$(cd build-windows/package/Zenuvio && find . -type f | sort)
if [[ -d $program_files ]] && [[ "$(cd "$program_files" && find . -type f | sort)" == "$expected" ]]; then
    echo "ok: the MSI installed $(wc -l <<<"$expected") files"
else
    fail "the installed files are not the package's"
fi
# Wine 8 puts an all-users shortcut in the user's Start menu.
found_menu=$(find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/Zenuvio.lnk" | head -1)
[[ -n $found_menu ]] && echo "ok: Start-menu entry ${found_menu#"$WINEPREFIX/"}" ||
    fail "no Start-menu entry"
query() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
query 'HKLM\Software\Classes\.znv' | grep -q 'Zenuvio.Problema' && echo "ok: .znv registered" ||
    fail ".znv is not registered"
open_command=$(query 'HKLM\Software\Classes\Zenuvio.Problema\shell\open\command')
grep -q 'zenuvio.exe" "%1"' <<<"$open_command" && echo "ok: opening runs zenuvio.exe \"%1\"" ||
    fail "open command: $open_command"
query 'HKLM\Software\Classes\Zenuvio.Problema\shell\edit\command' | grep -q -- '--editor' &&
    echo "ok: the editor verb" || fail "no editor verb"

# An example opened through its type, as a double-click does, on a virtual
# display, and solved with the keyboard to "Bravo. Hai finito.".
cat >"$work/solve.sh" <<'SOLVE'
set -u
shots=$1
wine start "C:\\Program Files\\Zenuvio\\examples\\Rettangolo.znv"
window=
for _ in $(seq 300); do
    window=$(xdotool search --name "^Rettangolo.znv - Zenuvio$" 2>/dev/null | head -1)
    [[ -n $window ]] && break
    sleep 1
done
[[ -n $window ]] || { echo "no work window"; exit 1; }
sleep 10 # Wine draws the window a while after mapping it
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
import -window root "$shots/opened-by-type.png"
step() { "$@"; sleep 3; }
step xdotool type --delay 150 "12 cm"
step xdotool key Return
step xdotool type --delay 150 "5 cm"
step xdotool key Return
step xdotool key space
step xdotool key ctrl+Tab
step xdotool key Right Right Right
step xdotool key space
step xdotool type --delay 150 "34 cm"
step xdotool key Return
step xdotool key space
step xdotool key space
step xdotool type --delay 150 "60 cm"
step xdotool key ctrl+2
step xdotool key Return
step xdotool key space
step xdotool key Right Right Right Right Right Right
step xdotool key Return
step xdotool type --delay 150 "13 cm"
step xdotool key Return
sleep 5
import -window root "$shots/solved.png"
wineserver -k
SOLVE
xvfb-run -a -s "-screen 0 1600x1000x24" bash "$work/solve.sh" "$shots" || true
[[ -s $shots/solved.png ]] && echo "ok: screenshots $shots/opened-by-type.png, $shots/solved.png" ||
    fail "no screenshot of the example opened through its type"

wine msiexec /x "$(winepath -w "$msi")" /qn
wineserver -w
[[ ! -e $program_files ]] && echo "ok: the uninstall removed the program's folder" ||
    fail "left behind: $(cd "$program_files" && find . | head)"
[[ -z $(find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/Zenuvio.lnk") ]] ||
    fail "the Start-menu entry is left"
if query 'HKLM\Software\Classes\.znv' | grep -q Zenuvio ||
    query 'HKLM\Software\Classes\Zenuvio.Problema' | grep -q Zenuvio; then
    fail "the .znv type is left in the registry"
else
    echo "ok: the uninstall removed the .znv type"
fi

((failures == 0)) && echo "PASS: the Windows program under Wine" || exit 1
