#!/usr/bin/env bash
# Sets everything up, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test, then the fuzz targets for a short bounded time
# (FUZZ_SECONDS per fuzzer, 15 by default: sixteen fuzzers keep the whole run
# within about 25 minutes on two cores). At the end, even after a failure, the
# time of each stage and the compiler cache's hits for this run are printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

stage_names=()
stage_seconds=()
stage_began=$SECONDS
end_stage() {
  stage_names+=("$1")
  stage_seconds+=($((SECONDS - stage_began)))
  stage_began=$SECONDS
}
print_stage_times() {
  echo "== CI stage times"
  for i in "${!stage_names[@]}"; do printf '%-20s %5d s\n' "${stage_names[$i]}" "${stage_seconds[$i]}"; done
  printf '%-20s %5d s\n' "total" "$SECONDS"
  if command -v ccache >/dev/null; then
    echo "== compiler cache (this run): $(ccache --print-stats 2>/dev/null | awk -F'\t' '
      $1 == "direct_cache_hit" || $1 == "preprocessed_cache_hit" { hits += $2 }
      $1 == "cache_miss" { misses += $2 }
      END { printf "%d hits, %d misses", hits, misses }')"
  fi
}
trap print_stage_times EXIT

bash "$root/scripts/setup.sh"
source "$root/scripts/ccache_env.sh"
command -v ccache >/dev/null && ccache --zero-stats >/dev/null
end_stage "setup"

build="$root/build-test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVELLANE_SANITIZE=ON
cmake --build "$build"
end_stage "configure+build"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
end_stage "tests"

FUZZ_SECONDS=${FUZZ_SECONDS:-15} bash "$root/fuzz/run.sh"
end_stage "fuzz (build+run)"
