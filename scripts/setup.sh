#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, or those named
# on its command line. Safe to run again: it asks apt only for what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev qt6-qpa-plugins
    qt6-wayland qt6-translations-l10n
    # Debian's qt6-speech-dev asks CMake for QmlIntegration, which only
    # qt6-declarative-dev carries.
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
    speech-dispatcher speech-dispatcher-espeak-ng
    libxcb-randr0-dev libfontconfig-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-liberation fonts-comic-neue
    xvfb xauth x11-utils
    desktop-file-utils appstream dpkg-dev lintian
    # what a blind child hears: the screen-reader sessions of the tests
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng xdotool dbus at-spi2-core
)
[ $# -eq 0 ] || packages=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
