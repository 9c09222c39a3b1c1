#!/usr/bin/env bash
# Builds the desktop program and saves a picture of each of its six windows into DIR, walking the
# normal flow on the default hull (both screens validated, redraw, Develop, a station, the
# hydrostatics and the mass budget open, then the curves window), once in French and once in
# English.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: scripts/screenshots.sh DIR" >&2
  exit 2
fi
mkdir -p "$1"
dir=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target voriel-screenshots
if command -v xvfb-run >/dev/null; then
  xvfb-run -a build/voriel-screenshots "$dir"
else
  echo "xvfb-run not found: drawing on the offscreen platform instead"
  QT_QPA_PLATFORM=offscreen build/voriel-screenshots "$dir"
fi
echo "Pictures of the windows are in $dir"
