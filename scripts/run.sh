#!/usr/bin/env bash
# Installs what is needed, builds, and starts the desktop program on the default hull when a
# display is available; without one it says so and writes the default hull (VORIEL2000.D50) with
# its dump instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target voriel voriel-cli
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting Voriel 2000 (build/voriel) on the default hull"
  exec build/voriel
fi
echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the desktop program needs one, so the"
echo "batch job runs instead (scripts/screenshots.sh DIR shows the windows without a display)."
build/voriel-cli design -o VORIEL2000.D50 --json > VORIEL2000.json
echo "Wrote VORIEL2000.D50 (the default hull) and its dump VORIEL2000.json"
