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

# d50: the hulls of hulls.txt ("NAME ENTRIES", the boxes typed) as voriel-cli design saves them
# (boat, the default hull, is read by the drawings and printed pages; the CLI test designs each).
while read -r name entries; do
  case "$name" in '' | '#'*) continue ;; esac
  # shellcheck disable=SC2086  # ENTRIES are separate words
  "$cli" design $entries -o "$golden/d50/$name.D50" 2>/dev/null
done <"$golden/d50/hulls.txt"

# export: every file voriel-cli export --all writes for each hull of hulls.txt, at both stages
# and in both languages, in its format's folder. The lines table carries its language (.fr, .en)
# and the development files their stage (.stage0, .stage1); any other file must be the same in
# every case.
formats="lines_dxf lines_xyz development_xyz development_dxf station_dxf vrml"
for f in $formats; do rm -rf "${golden:?}/$f" && mkdir -p "$golden/$f"; done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
while read -r name _; do
  case "$name" in '' | '#'*) continue ;; esac
  for stage in 0 1; do
    for lang in fr en; do
      out=$work/$name-$stage-$lang
      "$cli" export "$golden/d50/$name.D50" --all "$out" --stage "$stage" --lang "$lang" \
        >"$out.list"
      while read -r path; do
        file=$(basename "$path")
        stem=${file%.*} ext=${file##*.}
        case "$file" in
          "$name.XYZ") dest=lines_xyz/$stem.$lang.$ext ;;
          "$name.DXF") dest=lines_dxf/$file ;;
          "$name.WRL") dest=vrml/$file ;;
          "${name}_STAT_"*) dest=station_dxf/$file ;;
          *.DXF) dest=development_dxf/$stem.stage$stage.$ext ;;
          *) dest=development_xyz/$stem.stage$stage.$ext ;;
        esac
        if [ -e "$golden/$dest" ] && ! cmp -s "$path" "$golden/$dest"; then
          echo "$dest: differs between stages or languages" >&2
          exit 1
        fi
        cp "$path" "$golden/$dest"
      done <"$out.list"
    done
  done
done <"$golden/d50/hulls.txt"

# drawing and texts: the output of voriel-cli on the default hull, one NAME.txt per line
# "NAME COMMAND ARGS" of each folder's cases.txt (the CLI test reads the same lists).
for folder in drawing texts; do
  while read -r name command args; do
    case "$name" in '' | '#'*) continue ;; esac
    # shellcheck disable=SC2086  # ARGS are separate words
    "$cli" "$command" "$golden/d50/boat.D50" $args >"$golden/$folder/$name.txt"
  done <"$golden/$folder/cases.txt"
done

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
