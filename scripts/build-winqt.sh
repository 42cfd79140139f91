#!/usr/bin/env bash
# Builds the Qt for Windows the program needs (Core, Gui, Widgets, Test, Xml,
# Svg; the windows, offscreen and minimal platforms, the vista style, the svg
# and ico image formats, the svg icon engine) with Debian's mingw-w64, from
# Debian's qt6-base and qt6-svg source packages. The host tools (moc, rcc,
# uic) are Debian's own Qt. scripts/windows.sh calls it when the shared build
# is not there.
#
#   build-winqt.sh OUT.tar.xz [WORK_DIR]
#
# About 40 minutes on 2 cores; the work folder needs about 3 GiB.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "$1")"
work="$(realpath -m "${2:-/tmp/winqt-build}")"
sdk="$work/qt6-win64"
mkdir -p "$work"

need=(g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools cmake ninja-build dpkg-dev xz-utils)
"$here/scripts/setup.sh" "${need[@]}"
export DEBIAN_FRONTEND=noninteractive

# The sources, through apt: deb-src must be known to it.
if [ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        > /etc/apt/sources.list.d/debian-src.sources
    apt-get update -qq
fi
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
(cd "$work" && { ls -d qt6-base-*/ >/dev/null 2>&1 || apt-get source -qq "qt6-base=$version"; } \
            && { ls -d qt6-svg-*/ >/dev/null 2>&1 || apt-get source -qq qt6-svg; })
base_src="$(ls -d "$work"/qt6-base-*/ | head -1)"
svg_src="$(ls -d "$work"/qt6-svg-*/ | head -1)"

cmake -G Ninja -S "$base_src" -B "$work/build-base" \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$sdk" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=ON -DFEATURE_network=OFF -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF \
    -DFEATURE_zstd=OFF -DINPUT_openssl=no \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_androiddeployqt=OFF
cmake --build "$work/build-base" --parallel "$(nproc)"
cmake --install "$work/build-base"

mkdir -p "$work/build-svg"
(cd "$work/build-svg" && "$sdk/bin/qt-configure-module" "$svg_src")
cmake --build "$work/build-svg" --parallel "$(nproc)"
cmake --install "$work/build-svg"

find "$sdk" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
tar -C "$work" -cJf "$out" qt6-win64
echo "$out: $(du -h "$out" | cut -f1)"
