#!/bin/sh
# Redraws the pictures that Zenuvio ships: the sky and the icon in
# resources/embedded/, the icon in the other sizes of a desktop's icon theme
# and as SVG in resources/desktop/icons/, the GIF pictures kept beside the program in
# resources/beside/, and the figure of each example problem beside it in
# examples/. The results are committed, so a normal build never runs this;
# run it after changing tools/drawpictures.cpp.
#
# Usage: scripts/draw-pictures.sh [build-folder]   (default: build)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}

if ! command -v convert >/dev/null 2>&1; then
    echo "ImageMagick's convert is missing; installing the package imagemagick" >&2
    if [ "$(id -u)" -eq 0 ]; then
        apt-get install -y imagemagick
    else
        sudo apt-get install -y imagemagick
    fi
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja
fi
cmake --build "$build" --target draw_pictures -j2

pngs=$(mktemp -d)
trap 'rm -rf "$pngs"' EXIT

# Headless drawing; Qt wants a private runtime folder, the temporary one will do.
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$pngs} QT_QPA_PLATFORM=offscreen \
    "$build/bin/draw_pictures" "$root/resources/embedded" "$pngs/beside" "$pngs/examples" \
    "$root/resources/desktop/icons"

# The GIFs keep the transparency of the PNGs (pixels are fully clear or fully
# opaque); the transparent colour is white, so a viewer that ignores
# transparency still shows black on white. No dithering, so lines and letters
# stay clean.
for folder in beside examples; do
    case $folder in
    beside) target=$root/resources/beside ;;
    examples) target=$root/examples ;;
    esac
    for png in "$pngs/$folder"/*.png; do
        name=$(basename "$png" .png)
        convert "$png" -background white -alpha background -transparent-color white +dither \
            -strip "$target/$name.gif"
    done
done

echo "Pictures redrawn:"
ls -l "$root/resources/embedded" "$root/resources/desktop/icons" "$root/resources/beside" \
    "$root/examples"/*.gif
