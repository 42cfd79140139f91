#!/usr/bin/env bash
# Builds the Debian package: a release build in build-deb/, then cpack. The
# package's library dependencies are computed from the binary (dpkg-shlibdeps).
# Prints the path of the .deb it made.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
build="$here/build-deb"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVENA_TESTS=OFF >/dev/null
cmake --build "$build" --target tolvena tolvena-docs
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/tolvena_*.deb
