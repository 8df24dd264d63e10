#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/CMakeLists.txt with clang (address and
# undefined-behaviour sanitizers) in fuzz-build/ and runs each one for
# ${FUZZ_SECONDS:-60} seconds. Fails when any fuzzer finds a crash; the input
# that caused it is left in fuzz-build/crashes/<fuzzer>/. Seeds come from
# fuzz/corpus/<fuzzer>/ and from the source files that the lines of
# fuzz/<fuzzer>.seeds name (globs from the repository root: the demo content),
# and a libFuzzer dictionary from fuzz/<fuzzer>.dict.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/fuzz-build"
seconds=${FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVELLANE_FUZZ=ON -DCORVELLANE_TESTS=OFF -DCORVELLANE_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzzers -j "${FUZZ_JOBS:-2}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for fuzzer in "$build"/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  crashes="$build/crashes/$name"
  mkdir -p "$corpus" "$crashes"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  if [ -f "$root/fuzz/$name.seeds" ]; then
    content="$build/seeds/$name"
    rm -rf "$content" && mkdir -p "$content"
    while read -r pattern; do
      [ -n "$pattern" ] && (cd "$root" && cp $pattern "$content/" 2>/dev/null) || true
    done <"$root/fuzz/$name.seeds"
    seeds+=("$content")
  fi
  dict=()
  [ -f "$root/fuzz/$name.dict" ] && dict=(-dict="$root/fuzz/$name.dict")
  echo "== $name for ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=65536 "${dict[@]}" \
      -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}" 2>"$build/$name.log"; then
    echo "!! $name failed; see $build/$name.log and $crashes/" >&2
    tail -n 40 "$build/$name.log" >&2
    status=1
  fi
done
exit $status
