#!/usr/bin/env bash
# Installs what is missing, builds Tarnwick and starts it with the documents
# given as arguments. Without a display it runs under xvfb-run, saves a
# screenshot once the windows are up, prints its path and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_BUILD_TESTS=OFF >/dev/null
cmake --build build --target tarnwick

documents=()
for d in "$@"; do documents+=("$(realpath -- "$d")"); done

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/tarnwick "${documents[@]}"
fi

shot="${TARNWICK_SCREENSHOT:-$PWD/build/tarnwick-screenshot.png}"
echo "No display: running Tarnwick under xvfb-run; the screenshot goes to $shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  build/bin/tarnwick "$@" &
  pid=$!
  sleep "${TARNWICK_SCREENSHOT_DELAY:-3}"
  import -window root "'"$shot"'"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' tarnwick "${documents[@]}"
echo "Screenshot: $shot"
