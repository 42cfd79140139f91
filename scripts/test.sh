#!/usr/bin/env bash
# Sets everything up, builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them headless.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
build="$here/build-tests"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOLVENA_SANITIZE=ON >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
cd "$build"
exec ctest --output-on-failure -j2
