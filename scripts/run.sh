#!/usr/bin/env bash
# Sets everything up, builds the program and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVENA_TESTS=OFF >/dev/null
cmake --build "$here/build" --target tolvena
# Without a display of its own (a bare server), the program gets a virtual one.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$here/build/tolvena"
fi
exec "$here/build/tolvena"
