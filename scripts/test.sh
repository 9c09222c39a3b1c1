#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors and runs every test: the test suites,
# the core tests under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for
# a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== format and layering checks"
scripts/check-layering.sh

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORIEL_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVORIEL_WERROR=ON -DVORIEL_SANITIZE=ON \
  -DVORIEL_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs" --target core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 build-asan/tests/core_tests \
  --gtest_brief=1

echo "== fuzz targets (bounded time)"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORIEL_FUZZ=ON -DVORIEL_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_targets
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "-- $name"
  "$target" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 -max_len=8192 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
echo "All tests passed."

# The size of the tests beside the code they test (the aim: tests are 25 to 40 % of src/).
# Counts the non-blank lines of the C++ and Python files under a folder that are not comments.
code_lines() {
  local cpp py
  cpp=$(find "$1" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r cat | awk '
    { line = $0; gsub(/^[ \t]+|[ \t]+$/, "", line) }
    block { if (index(line, "*/")) block = 0; next }
    line == "" || substr(line, 1, 2) == "//" { next }
    substr(line, 1, 2) == "/*" { if (!index(line, "*/")) block = 1; next }
    { n++ }
    END { print n + 0 }')
  py=$(find "$1" -name '*.py' -print0 | xargs -0 -r cat | awk '
    { line = $0; gsub(/^[ \t]+/, "", line) }
    line == "" || substr(line, 1, 1) == "#" { next }
    { n++ }
    END { print n + 0 }')
  echo $((cpp + py))
}
src_lines=$(code_lines src)
test_lines=$(code_lines tests)
echo "Code lines (non-blank, non-comment, .cpp .h .py): src/ $src_lines, tests/ $test_lines" \
  "($((100 * test_lines / src_lines)) % of src/)"
