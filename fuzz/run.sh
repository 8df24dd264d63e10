#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/CMakeLists.txt with clang (address and
# undefined-behaviour sanitizers) in fuzz-build/ and runs each one for
# ${FUZZ_SECONDS:-60} seconds. Fails when any fuzzer finds a crash; the input
# that caused it is left in fuzz-build/crashes/<fuzzer>/. At the end a table
# gives, per fuzzer, the inputs run, the corpus kept and the findings.
#
# Seeds, for each fuzzer:
#   fuzz/corpus/<fuzzer>/          text seeds kept in the repository
#   fuzz-build/seeds-made/<fuzzer>/  bytes made by the fuzz build
#                                  (fuzz/make_seeds.cpp: photographs,
#                                  enciphered settings files)
#   the lines of fuzz/<fuzzer>.seeds: globs from the repository root (the
#                                  demo's sources); "{game}" stands for the
#                                  program folder of the test build
#                                  ($FUZZ_GAME_DIR, build-test/game), whose
#                                  pictures, fonts, sounds and music the
#                                  content tools made
# and a libFuzzer dictionary from fuzz/<fuzzer>.dict.
#
#   FUZZ_SECONDS=20 bash fuzz/run.sh                         # every fuzzer
#   FUZZ_TARGETS="png_fuzzer font_fuzzer" bash fuzz/run.sh  # some
#   FUZZ_BUILD_DIR=/tmp/fb bash fuzz/run.sh                 # another build folder
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/fuzz-build}
game_dir=${FUZZ_GAME_DIR:-$root/build-test/game}
seconds=${FUZZ_SECONDS:-60}

# The compiler cache is shared with the other builds of this checkout
# (scripts/ccache_env.sh): clang's objects are kept apart by their command lines.
source "$root/scripts/ccache_env.sh"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVELLANE_FUZZ=ON -DCORVELLANE_TESTS=OFF -DCORVELLANE_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "${FUZZ_JOBS:-2}"

# Copies the files a .seeds file names into the folder.
collect_seeds() {
  local list=$1 into=$2 pattern
  rm -rf "$into" && mkdir -p "$into"
  while read -r pattern; do
    pattern=${pattern//\{game\}/$game_dir}
    [ -n "$pattern" ] && (cd "$root" && cp $pattern "$into/" 2>/dev/null) || true
  done <"$list"
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
summary=()
targets=${FUZZ_TARGETS:-$(cd "$build/fuzz" && ls -- *_fuzzer)}
for name in $targets; do
  fuzzer="$build/fuzz/$name"
  corpus="$build/corpus/$name"
  crashes="$build/crashes/$name"
  mkdir -p "$corpus" "$crashes"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
  [ -d "$build/seeds-made/$name" ] && seeds+=("$build/seeds-made/$name")
  if [ -f "$root/fuzz/$name.seeds" ]; then
    collect_seeds "$root/fuzz/$name.seeds" "$build/seeds/$name"
    seeds+=("$build/seeds/$name")
  fi
  dict=()
  [ -f "$root/fuzz/$name.dict" ] && dict=(-dict="$root/fuzz/$name.dict")
  echo "== $name for ${seconds}s"
  result=ok
  if ! "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=65536 "${dict[@]}" \
      -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}" 2>"$build/$name.log"; then
    echo "!! $name failed; see $build/$name.log and $crashes/" >&2
    tail -n 40 "$build/$name.log" >&2
    result=FAILED
    status=1
  fi
  runs=$(grep -o 'Done [0-9]* runs' "$build/$name.log" | grep -o '[0-9]*' || echo "?")
  findings=$(find "$crashes" -type f | wc -l)
  summary+=("$(printf '%-24s %10s runs %6s in corpus %3s findings  %s' "$name" "$runs" \
    "$(find "$corpus" -type f | wc -l)" "$findings" "$result")")
done
echo "== fuzzing, ${seconds}s per fuzzer"
printf '%s\n' "${summary[@]}"
exit $status
