#!/usr/bin/env bash
# Cross-builds the program and its tests for 64-bit Windows with mingw-w64,
# runs the tests under Wine (headless, in a Wine prefix of the build's own)
# and makes the installer build-win/tolvena-VERSION-setup.exe.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build-win"

packages=(
    cmake ninja-build xz-utils
    g++-mingw-w64-x86-64-posix
    # the host tools Qt for Windows builds with (moc, rcc, uic), Qt's Italian texts
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
    wine64 nsis librsvg2-bin icoutils
    fonts-liberation fonts-comic-neue fonts-dejavu-core
)
"$here/scripts/setup.sh" "${packages[@]}"

# Qt for Windows: the shared build, else one made here from Debian's sources.
qt="$build/qt6-win64"
if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    mkdir -p "$build"
    tarball="$here/../shared/winqt/qt6-win64-6.4.2.tar.xz"
    if [ ! -f "$tarball" ]; then
        tarball="$build/qt6-win64-6.4.2.tar.xz"
        [ -f "$tarball" ] || "$here/scripts/build-winqt.sh" "$tarball" "$build/winqt-work"
    fi
    tar -C "$build" -xf "$tarball"
fi
# Qt's Italian texts, where the tests' Qt looks for them.
mkdir -p "$qt/translations"
cp /usr/share/qt6/translations/qtbase_it.qm "$qt/translations/"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" -DQT_HOST_PATH=/usr >/dev/null
cmake --build "$build"
cmake --build "$build" --target tolvena-installer

# Wine, in a prefix of its own and without a display: the null graphics
# driver gives windows that are never shown. Wine hands a program none of the
# QT_ variables of its caller: they go in the prefix's environment instead.
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export PATH="/usr/lib/wine:$PATH"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
fonts="$build/fonts"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine64 wineboot -i
    wine64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
    # The tests run offscreen, with the faces of the look from one folder,
    # and write their reports to standard output, not to a debugger.
    wine64 reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null
    wine64 reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(windows_path "$fonts")" /f >/dev/null
    wine64 reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
    wineserver -w
fi
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
   /usr/share/fonts/opentype/comic-neue/ComicNeue-*.otf \
   /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$fonts/"
# The tests find Qt and the compiler's runtime on the path.
WINEPATH="$(windows_path "$qt/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
cd "$build"
ctest --output-on-failure -j2
ls -l "$build"/tolvena-*-setup.exe
