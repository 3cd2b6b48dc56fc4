#!/usr/bin/env bash
# Builds one libFuzzer target per image reader with clang (address and undefined-behaviour
# sanitizers) and runs them all side by side for the given number of seconds (default 60).
# Corpora grow in fuzz/build/corpus/<format>; findings land in fuzz/build/findings/<format>.
# Exits non-zero when any target found a crash, a leak, a timeout or an out-of-memory input.
#
#   fuzz/run.sh [seconds]
set -euo pipefail

SECONDS_EACH="${1:-60}"
HERE="$(cd "$(dirname "$0")" && pwd)"
BUILD="$HERE/build"

if ! command -v clang++ >/dev/null; then
  echo "Installing clang"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq clang
fi

cmake -S "$HERE" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD"

"$BUILD/make_seeds" "$BUILD/seeds"

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1"
targets=$(tr ';' ' ' < "$BUILD/targets.txt")
pids=()
for t in $targets; do
  format="${t#fuzz_}"
  mkdir -p "$BUILD/corpus/$format" "$BUILD/findings/$format" "$BUILD/seeds/$format"
  # -rss_limit_mb also caps single allocations: a reader must refuse a lying header
  # well before it asks for that much.
  "$BUILD/$t" "$BUILD/corpus/$format" "$BUILD/seeds/$format" \
      -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$BUILD/findings/$format/" -print_final_stats=1 \
      >"$BUILD/$format.log" 2>&1 &
  pids+=($!)
done
status=0
for p in "${pids[@]}"; do
  wait "$p" || status=1
done

for t in $targets; do
  format="${t#fuzz_}"
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$BUILD/$format.log" | grep -o '[0-9]*$' || echo "?")
  found=$(ls "$BUILD/findings/$format" | wc -l)
  echo "$format: $runs runs in ${SECONDS_EACH}s, $found findings"
done
exit $status
