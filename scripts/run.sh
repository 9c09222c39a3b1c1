#!/usr/bin/env bash
# Installs what is needed, builds, and writes the default hull (VORIEL2000.D50) with its dump.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target voriel-cli
build/voriel-cli design -o VORIEL2000.D50 --json > VORIEL2000.json
echo "Wrote VORIEL2000.D50 (the default hull) and its dump VORIEL2000.json"
