#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build, the program and its tests need
# and the machine lacks. Safe to run again: it installs nothing already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-gtk-platformtheme qt6-translations-l10n
    # Reading aloud: Qt's text-to-speech through speech-dispatcher, with the
    # Italian voice of espeak-ng. Debian's CMake files for Qt's text-to-speech
    # need those of qt6-declarative-dev, which qt6-speech-dev does not bring.
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
    speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    fonts-liberation2 fonts-comic-neue fonts-opendyslexic
    poppler-utils
    xvfb xauth xdotool x11-utils imagemagick openbox orca
    python3 python3-pyatspi at-spi2-core dbus dbus-x11
    clang clang-format libclang-rt-14-dev libbenchmark-dev git
    desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin
    dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
