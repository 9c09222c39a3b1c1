#!/usr/bin/env bash
# Mutation score of the test suite: a fixed, seeded sample of single-token mutations of src/
# (a comparison flipped, + and - swapped, a constant changed by one, a statement removed), each
# rebuilt and run against the suite (every test of a program the mutant changed); prints every
# mutant and the share killed among those that build. Slow (a rebuild and a test run per
# mutant): run it by hand, never from CI.
#
# Usage: scripts/mutation-score.sh [-r REV] [-n COUNT] [-s SEED] [-t SECONDS] [-j JOBS] [-R REGEX]
#   -r REV      the commit to measure (default HEAD); it is checked out as a git worktree in a
#               temporary folder, so the working tree is never touched
#   -n COUNT    mutants in the sample (default 150)
#   -s SEED     seed of the sample (default 7); the same seed picks the same mutants of a line
#               that has not changed, so two revisions can be compared
#   -t SECONDS  time limit of each test (default 300); a mutant that hangs a test is killed
#   -j JOBS     parallel build and test jobs (default 2)
#   -R REGEX    mutate only the src/ files whose path matches REGEX (default: all of src/ but
#               app/, the desktop program's thin main functions, which no test runs)
#   -k          keep the temporary folder (worktree, build, log of each mutant) for a look
#   -p LOG      the output of an earlier run of the same sample: the mutants it killed are tried
#               first, then those that survived, then those that did not build, so that a run cut
#               short still says whether the mutants killed before are killed again
set -euo pipefail

if [ "${CI:-}" = true ]; then
  echo "mutation-score.sh: not run from CI (it rebuilds and tests once per mutant)" >&2
  exit 2
fi

rev=HEAD count=150 seed=7 timeout=300 jobs=2 only='' keep=0 previous=''
while getopts 'r:n:s:t:j:R:kp:h' opt; do
  case "$opt" in
    r) rev=$OPTARG ;;
    n) count=$OPTARG ;;
    s) seed=$OPTARG ;;
    t) timeout=$OPTARG ;;
    j) jobs=$OPTARG ;;
    R) only=$OPTARG ;;
    k) keep=1 ;;
    p) previous=$(realpath "$OPTARG") ;;
    *) sed -n '2,21p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
  esac
done

repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse --verify "$rev^{commit}")
work=$(mktemp -d "${TMPDIR:-/tmp}/voriel-mutation.XXXXXX")
tree=$work/tree build=$work/build logs=$work/logs
mkdir -p "$logs"

cleanup() {
  git -C "$repo" worktree remove --force "$tree" >/dev/null 2>&1 || true
  git -C "$repo" worktree prune >/dev/null 2>&1 || true
  if [ "$keep" = 1 ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

# The mutator: `sample SRC COUNT SEED REGEX` prints one JSON mutant per line; `apply FILE JSON`
# makes one mutation in place.
read -r -d '' mutator <<'PY' || true
import hashlib, json, os, re, sys

def mask(text):
    """The text with comments, string and character literals and preprocessor lines blanked
    (newlines kept), so that the patterns below only see code."""
    out, i, n = list(text), 0, len(text)
    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n": out[k] = " "
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            j = i
            while True:
                e = text.find("\n", j)
                e = n if e < 0 else e
                if e > 0 and text[e - 1] == "\\": j = e + 1; continue
                break
            blank(i, e); i = e; continue
        line_start = c == "\n" or (line_start and c in " \t")
        if text.startswith("//", i):
            e = text.find("\n", i); e = n if e < 0 else e
            blank(i, e); i = e; continue
        if text.startswith("/*", i):
            e = text.find("*/", i + 2); e = n if e < 0 else e + 2
            blank(i, e); i = e; continue
        m = re.match(r'R"([^(\s]*)\(', text[i:])
        if m:
            e = text.find(")" + m.group(1) + '"', i); e = n if e < 0 else e + len(m.group(1)) + 2
            blank(i, e); i = e; continue
        if c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            blank(i, j + 1); i = j + 1; continue
        i += 1
    return "".join(out)

FLIP = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "=="}
SWAP = {"+": "-", "-": "+", "+=": "-=", "-=": "+="}
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\d*\.\d+|\d+)([eE][+-]?\d+)?([fFuUlL]*)(?![\w.'])")
STATEMENT = re.compile(r"^[A-Za-z_][\w]*((\.|->|::)[A-Za-z_]\w*|\[[^\]]*\])*\s*"
                       r"(=(?!=)|\+=|-=|\*=|/=|<<|\+\+|--|\()")
DECLARING = re.compile(r"^(return|const|constexpr|auto|static|using|typedef|case|default|break|"
                       r"continue|goto|throw|delete|new|struct|class|enum|namespace|template|"
                       r"if|for|while|switch|do|else|public|private|protected)\b")

def bumped(digits):
    """A decimal constant changed by one in its last digit (an integer by one unit)."""
    if "." not in digits: return str(int(digits) + 1)
    k = max(i for i, ch in enumerate(digits) if ch.isdigit())
    d = int(digits[k])
    return digits[:k] + str(d + 1 if d < 9 else d - 1) + digits[k + 1:]

def candidates(path, rel):
    text = open(path, encoding="utf-8", errors="replace").read()
    lines, masked = text.split("\n"), mask(text).split("\n")
    prev_end = ";"
    for no, (line, code) in enumerate(zip(lines, masked), start=1):
        stripped = code.strip()
        for m in re.finditer(r"(?<=\S) (<=|>=|==|!=|<|>) (?=\S)", code):
            yield "comparison", no, m.start(1), m.group(1), FLIP[m.group(1)], line
        for m in re.finditer(r"(?<=\S) (\+=|-=|\+|-) (?=\S)", code):
            yield "plus-minus", no, m.start(1), m.group(1), SWAP[m.group(1)], line
        for m in NUMBER.finditer(code):
            if m.group(2) and "." not in m.group(1):
                new = str(int(m.group(1)) + 1) + m.group(2) + m.group(3)
            else:
                new = bumped(m.group(1)) + (m.group(2) or "") + m.group(3)
            yield "constant", no, m.start(), m.group(0), new, line
        # A whole one-line statement (an assignment, a call, an increment, a stream write) that
        # starts after a finished statement, a brace or a condition.
        if (stripped.endswith(";") and STATEMENT.match(stripped) and not DECLARING.match(stripped)
                and stripped.count("(") == stripped.count(")") and prev_end in ";{}):"):
            start = len(code) - len(code.lstrip())
            yield "statement", no, start, line[start:], ";", line
        if stripped:
            prev_end = stripped[-1]

def sample(src, count, seed, only):
    pool = {}
    for root, dirs, files in os.walk(src):
        dirs.sort()
        for f in sorted(files):
            if not f.endswith(".cpp"): continue
            rel = os.path.relpath(os.path.join(root, f), os.path.dirname(src))
            if only and not re.search(only, rel): continue
            if not only and rel.startswith("src/app/"): continue
            seen = {}
            for kind, no, col, old, new, line in candidates(os.path.join(root, f), rel):
                # The key depends on the line's text, not its number, so that an unchanged line
                # draws the same mutants at another revision.
                nth = seen[(kind, line)] = seen.get((kind, line), -1) + 1
                key = hashlib.sha256(f"{seed}|{rel}|{line.strip()}|{kind}|{nth}".encode()).hexdigest()
                pool.setdefault(kind, []).append((key, dict(file=rel, line=no, col=col, kind=kind,
                                                            old=old, new=new)))
    queues = [sorted(v, key=lambda kv: kv[0]) for _, v in sorted(pool.items())]
    picked = []
    # The four kinds in equal shares, so that the many constants do not crowd out the rest.
    while len(picked) < count and any(queues):
        for q in queues:
            if q and len(picked) < count: picked.append(q.pop(0)[1])
    for m in picked: print(json.dumps(m))

def apply(path, mutant):
    m = json.loads(mutant)
    lines = open(path, encoding="utf-8").read().split("\n")
    line = lines[m["line"] - 1]
    if line[m["col"]:m["col"] + len(m["old"])] != m["old"]:
        sys.exit(f"{m['file']}:{m['line']}: the line is not the one sampled")
    lines[m["line"] - 1] = line[:m["col"]] + m["new"] + line[m["col"] + len(m["old"]):]
    open(path, "w", encoding="utf-8").write("\n".join(lines))

if sys.argv[1] == "sample": sample(sys.argv[2], int(sys.argv[3]), sys.argv[4], sys.argv[5])
else: apply(sys.argv[2], sys.argv[3])
PY

echo "== worktree of $commit in $work"
git -C "$repo" worktree add --detach "$tree" "$commit" >/dev/null 2>&1
python3 -c "$mutator" sample "$tree/src" "$count" "$seed" "$only" >"$work/mutants.jsonl"
total=$(wc -l <"$work/mutants.jsonl")
if [ -n "$previous" ]; then
  python3 - "$work/mutants.jsonl" "$previous" <<'PY'
import json, re, sys
verdicts = {}
for line in open(sys.argv[2], encoding="utf-8"):
    m = re.match(r"\[\d+/\d+\] (\S+?):(\d+)  (\S+)  .*  => (.*)$", line.rstrip("\n"))
    if m: verdicts[(m[1], int(m[2]), m[3])] = m[4]
mutants = [json.loads(l) for l in open(sys.argv[1], encoding="utf-8")]
rank = {"killed": 0, "survived": 1}
mutants.sort(key=lambda m: rank.get(verdicts.get((m["file"], m["line"], m["kind"])), 2))
open(sys.argv[1], "w", encoding="utf-8").write("".join(json.dumps(m) + "\n" for m in mutants))
PY
fi
echo "== $total mutants (seed $seed)"

# Release without debug information: a mutant relinks every test program, and debug information
# makes the links several times slower.
echo "== first build (no benchmarks) and the suite on the unmutated code"
cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORIEL_BENCH=OFF \
  >"$logs/configure.log" 2>&1
cmake --build "$build" -j"$jobs" >"$logs/build.log" 2>&1 ||
  { echo "the unmutated code does not build: see $logs/build.log" >&2; keep=1; exit 1; }
# Which tests a mutant can fail: those whose program (or an executable among their arguments)
# the mutant's build relinked; a program that did not change passes as it did on the unmutated
# code. They run in three passes (the core's tests, the command line's, the windows'), the pass of
# the mutated file's own part first, so that a mutant is mostly killed within seconds.
read -r -d '' selector <<'PY' || true
import json, re, sys
tests, changed, mutated = json.load(open(sys.argv[1]))["tests"], set(sys.argv[2].split()), sys.argv[3]
cli = next((c for c in changed if c.endswith("/voriel-cli")), None)
passes = {"core": [], "cli": [], "windows": []}
for t in tests:
    command = t.get("command") or []
    exe = command[0].rsplit("/", 1)[-1] if command else ""
    if not (set(command) & changed or (cli and exe == "cli_tests")): continue
    part = "core" if exe == "core_tests" else "cli" if exe in ("cli_tests", "python3") else "windows"
    passes[part].append("^" + re.escape(t["name"]) + "$")
first = "windows" if mutated.startswith("src/windows/") else "cli" if mutated.startswith("src/cli/") else "core"
for part in [first] + [p for p in passes if p != first]:
    if passes[part]: print("|".join(passes[part]))
PY
programs() { find "$build" -type f -perm -u+x ! -path '*/CMakeFiles/*' ! -name '*.sh'; }
run_tests() { # LOG [REGEX]: the tests matching REGEX (all without one); fails on the first failure
  [ -f "$work/cheap-first" ] && cp "$work/cheap-first" "$build/Testing/Temporary/CTestCostData.txt"
  ctest --test-dir "$build" --stop-on-failure --timeout "$timeout" -j"$jobs" ${2:+-R "$2"} \
    >>"$1" 2>&1
}
run_suite() { # LOG MUTATED-FILE STAMP: the tests of the programs built after STAMP
  local changed regex
  changed=$(programs | while IFS= read -r p; do [ "$p" -nt "$3" ] && echo "$p"; done)
  python3 -c "$selector" "$work/tests.json" "$changed" "$2" | while IFS= read -r regex; do
    run_tests "$1" "$regex" || exit 1
  done
}
run_tests "$logs/baseline.log" ||
  { echo "the suite fails on the unmutated code: see $logs/baseline.log" >&2; keep=1; exit 1; }
ctest --test-dir "$build" -N --show-only=json-v1 >"$work/tests.json"
# ctest starts the costliest tests first; the cheap ones (the golden files) kill most mutants, so
# each run gets the baseline's costs inverted.
awk 'NF == 3 { printf "%s 1 %.6f\n", $1, 1 / ($3 + 0.001) } $0 == "---" { exit }' \
  "$build/Testing/Temporary/CTestCostData.txt" >"$work/cheap-first"

killed=0 survived=0 unbuilt=0 i=0
survivors=()
while IFS= read -r mutant; do
  i=$((i + 1))
  file=$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["file"])' "$mutant")
  what=$(python3 -c 'import json,sys; m=json.loads(sys.argv[1])
print("%s:%d  %s  %s -> %s" % (m["file"], m["line"], m["kind"], m["old"].strip()[:60], m["new"]))' "$mutant")
  cp -p "$tree/$file" "$work/original"
  python3 -c "$mutator" apply "$tree/$file" "$mutant"
  touch "$work/stamp"
  sleep 1 # so that a program linked in this second is newer than the stamp
  if ! cmake --build "$build" -j"$jobs" >"$logs/$i.build.log" 2>&1; then
    verdict="did not build"; unbuilt=$((unbuilt + 1))
  elif run_suite "$logs/$i.test.log" "$file" "$work/stamp"; then
    verdict=survived; survived=$((survived + 1)); survivors+=("$what")
  else
    verdict=killed; killed=$((killed + 1))
  fi
  # Restored with a fresh time stamp, so that the next build recompiles it.
  cp "$work/original" "$tree/$file"
  touch "$tree/$file"
  printf '[%d/%d] %s  => %s\n' "$i" "$total" "$what" "$verdict"
done <"$work/mutants.jsonl"

built=$((killed + survived))
echo "== survivors"
for s in "${survivors[@]+"${survivors[@]}"}"; do echo "  $s"; done
if [ "$built" -gt 0 ]; then
  echo "Mutation score of $commit (seed $seed): $killed killed of $built that built" \
    "($((100 * killed / built)) %); $survived survived; $unbuilt did not build"
else
  echo "Mutation score of $commit (seed $seed): no mutant built ($unbuilt did not build)"
fi
