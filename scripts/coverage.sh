#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of the product's code by the whole test suite: builds the coverage
# preset (GCC --coverage, Debug, without the Qt view) in build/coverage, runs ctest from fresh
# counters, and prints gcovr's per-file tables and totals. Tests, benchmarks, fuzz targets and the
# Qt view are not product code measured here. Branches that only throwing or unreachable code
# takes are left out, so the figure counts the decisions the code itself makes.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/coverage
cmake --preset coverage >/dev/null
cmake --build --preset coverage
find "$build" -name '*.gcda' -delete
ctest --preset coverage -j "$(nproc)" >"$build/ctest.log" 2>&1 || { tail -30 "$build/ctest.log"; exit 1; }
tail -3 "$build/ctest.log"

gcovr --root . --object-directory "$build" -j 2 \
  --filter '(common|platform|wind|airspeed|descent|conversions|about|app)/' \
  --exclude 'platform/qt/' --exclude 'tests/' --exclude 'bench/' --exclude 'fuzz/' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --json "$build/coverage.json"

echo
echo "Lines:"
gcovr --add-tracefile "$build/coverage.json" --txt
echo "Branches:"
gcovr --add-tracefile "$build/coverage.json" --txt --branches
gcovr --add-tracefile "$build/coverage.json" --print-summary >/dev/null 2>&1 || true
gcovr --add-tracefile "$build/coverage.json" --print-summary | grep -E '^(lines|branches):'
