#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long soak: SOAK_STEPS headless steps (a million by default) of the random person under
# AddressSanitizer and UndefinedBehaviorSanitizer, split over SOAK_SEEDS seeds (4, from
# SOAK_FIRST_SEED) run one per core. make test runs a shorter one; run this one after a change
# to the windows or the runtime. A failure leaves the shortest failing step list in
# build/asan/soak/soak-seed-N.scn.
set -euo pipefail
cd "$(dirname "$0")/.."

steps="${SOAK_STEPS:-1000000}"
seeds="${SOAK_SEEDS:-4}"
# Other seeds than make test's 1 to 4, so that the long run walks other paths.
first="${SOAK_FIRST_SEED:-101}"
jobs="${SOAK_JOBS:-$(nproc)}"
cmake --preset asan >/dev/null
cmake --build --preset asan --target ventrose-soak

out=build/asan/soak
mkdir -p "$out"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
per_seed=$(((steps + seeds - 1) / seeds))

failed=0
for seed in $(seq "$first" $((first + seeds - 1))); do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || failed=1
  done
  echo "soak: seed $seed, $per_seed steps"
  build/asan/tests/soak/ventrose-soak --seed "$seed" --steps "$per_seed" --out "$out" &
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do
  wait -n || failed=1
done
if [ "$failed" -ne 0 ]; then
  echo "soak: a seed failed (its steps are in $out)"
  exit 1
fi
echo "soak: $steps steps over $seeds seeds passed"
