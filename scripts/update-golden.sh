#!/usr/bin/env bash
# Regenerates the golden files under tests/golden/ from the current build, for review with
# `git diff` before they are committed (say in the commit message why each one changed).
# Usage: scripts/update-golden.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli=$build/voriel-cli
golden=tests/golden

cmake --build "$build" -j2 --target voriel-cli >/dev/null

# Each format regenerates its own folder below; add a section per format.

# d50: the default hull as voriel-cli design saves it (the drawings and printed pages read it).
"$cli" design -o "$golden/d50/boat.D50" >/dev/null

# drawing: voriel-cli draw of the default hull, one NAME.txt per line "NAME ARGS" of cases.txt
# (the CLI test reads the same list).
while read -r name args; do
  case "$name" in '' | '#'*) continue ;; esac
  # shellcheck disable=SC2086  # ARGS are separate words
  "$cli" draw "$golden/d50/boat.D50" $args >"$golden/drawing/$name.txt"
done <"$golden/drawing/cases.txt"

# print: the recorded printer pages of each Print command at both stages, default hull
# ("boat.D50"), A4, the date fixed so that the files do not change from day to day.
mkdir -p "$golden/print"
for what in drawing development all; do
  for stage in 0 1; do
    "$cli" print "$golden/d50/boat.D50" --what "$what" --stage "$stage" --record \
      --date 2024-05-17 >"$golden/print/${what}_stage${stage}.txt"
  done
done

# templates: the full-size templates of the default hull's transom, A4, in English, recorded.
mkdir -p "$golden/templates"
"$cli" templates "$golden/d50/boat.D50" --record --panels transom --lang en \
  --date 2024-05-17 >"$golden/templates/transom_a4_en.txt"

echo "Golden files regenerated; review them with: git diff --stat $golden"
