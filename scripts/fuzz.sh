#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz) and runs each for SECONDS
# (default 60) on a scratch copy of its seeds, so the committed seeds stay as
# they are. Exits non-zero when any target finds a fault; the input that shows
# it is left in build-fuzz/findings/<target>/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     e.g. scripts/fuzz.sh 300 ini_file settings
# JOBS (default 4) targets run side by side.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH=${1:-60}
shift || true
JOBS=${JOBS:-4}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}

scripts/install-packages.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZELVO_FUZZ=ON -DZELVO_SANITIZE=ON >/dev/null
cmake --build "$BUILD_DIR" --target fuzz_targets -j "$(nproc)"

if (($#)); then
  targets=("$@")
else
  targets=()
  for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

export QT_QPA_PLATFORM=offscreen
# The targets keep their files in temporary folders; in memory when the
# machine has a RAM disk, since every settings write syncs its file.
scratch=$(mktemp -d -p "$( [[ -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")" zelvo-fuzz.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export TMPDIR=$scratch XDG_RUNTIME_DIR=$scratch/runtime
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1:suppressions=$PWD/scripts/ubsan-suppressions.txt}
results="$BUILD_DIR/fuzz-results"
rm -rf "$results"
mkdir -p "$results"

run_target() {
  local target=$1
  local corpus="$BUILD_DIR/corpus/$target" findings="$BUILD_DIR/findings/$target"
  rm -rf "$corpus"
  mkdir -p "$corpus" "$findings"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/
  if "$BUILD_DIR/tests/fuzz/fuzz_$target" "$corpus" \
      -max_total_time="$SECONDS_EACH" -timeout=25 -rss_limit_mb=4096 -print_final_stats=1 \
      -artifact_prefix="$findings/" >"$results/$target.log" 2>&1; then
    echo "ok" >"$results/$target.status"
  else
    echo "FOUND" >"$results/$target.status"
  fi
  echo "$target: $(cat "$results/$target.status"), $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' \
    "$results/$target.log" | grep -o '[0-9]*$' || echo '?') runs, $(grep -o 'cov: [0-9]*' "$results/$target.log" |
    tail -1 || echo 'cov: ?')"
}

running=0
for target in "${targets[@]}"; do
  run_target "$target" &
  running=$((running + 1))
  if ((running >= JOBS)); then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

failed=0
for target in "${targets[@]}"; do
  if [[ $(cat "$results/$target.status" 2>/dev/null) != ok ]]; then
    echo "== $target found a fault (input in $BUILD_DIR/findings/$target/); log: $results/$target.log"
    grep -m5 -E 'ERROR|runtime error|fuzz check failed|SUMMARY' "$results/$target.log" || true
    failed=1
  fi
done
exit $failed
