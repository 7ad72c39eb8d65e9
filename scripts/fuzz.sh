#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of fuzz/ (the fuzz preset: clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, FUZZ_SECONDS (30 by default),
# FUZZ_JOBS of them at a time (one per core by default),
# starting from its committed seeds in fuzz/corpus/<target>/ and from what earlier runs found.
# Any crash, sanitizer report or broken invariant fails the script; the input that caused it is
# kept in build/fuzz/run/artifacts/ and can be replayed with `build/fuzz/fuzz/<target> <file>`.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
# A fixed seed makes a run of make test explore the same inputs in the same order every time, so
# that a failure can be replayed; FUZZ_SEED=0 lets libFuzzer pick one.
seed="${FUZZ_SEED:-20261207}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers

run=build/fuzz/run
mkdir -p "$run/artifacts"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# One target per core at a time: each is single-threaded, and the time they take together is
# what make test waits for.
jobs="${FUZZ_JOBS:-$(nproc)}"

# Runs one target; its result line goes to $run/<target>.result, printed in order below.
fuzz_one() {
  local binary=$1 target corpus log runs coverage
  target=$(basename "$binary")
  corpus="$run/corpus/$target"
  mkdir -p "$corpus"
  local dirs=("$corpus")
  [ -d "fuzz/corpus/$target" ] && dirs+=("fuzz/corpus/$target")
  log="$run/$target.log"
  if "$binary" -seed="$seed" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$run/artifacts/$target-" "${dirs[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    printf '%-26s ok    %10s runs  %s\n' "$target" "$runs" "$coverage" >"$run/$target.result"
  else
    {
      printf '%-26s FAILED (log: %s)\n' "$target" "$log"
      grep -E 'invariant broken|ERROR:|runtime error|SUMMARY' "$log" | head -5 || true
    } >"$run/$target.result"
    return 1
  fi
}

binaries=(build/fuzz/fuzz/*_fuzz)
[ -e "${binaries[0]}" ] || binaries=()
rm -f "$run"/*.result
for binary in "${binaries[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || true
  done
  fuzz_one "$binary" &
done
wait || true

failed=()
total=0
for binary in "${binaries[@]}"; do
  total=$((total + 1))
  target=$(basename "$binary")
  if [ -f "$run/$target.result" ]; then
    cat "$run/$target.result"
    grep -q ' FAILED ' "$run/$target.result" && failed+=("$target")
  else
    printf '%-26s FAILED (no result)\n' "$target"
    failed+=("$target")
  fi
done

echo "fuzz: $((total - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing found a fault in: ${failed[*]}"
  exit 1
fi
if [ "$total" -eq 0 ]; then
  echo "No fuzz target was built"
  exit 1
fi
