#!/usr/bin/env bash
# The core stays free of Qt; the sources follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
if grep -rn -E '#include\s*<Q' src --include='*.h' --include='*.cpp' | grep -v -E '^src/(windows|app)/'; then
  echo "Qt include outside src/windows and src/app" >&2
  exit 1
fi
if command -v clang-format >/dev/null; then
  files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || true)
  if [ -n "$files" ] && ! clang-format --dry-run --Werror $files; then
    echo "Run clang-format -i on the files above" >&2
    exit 1
  fi
fi
