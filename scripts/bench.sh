#!/usr/bin/env bash
# Runs every benchmark program of a build (BUILD_DIR/bench/*_bench), then the start-up and
# memory comparison, and prints one table of all the figures at the end.
#
# Usage: scripts/bench.sh BUILD_DIR      (what `make bench` calls with build/default)
# Extra Google Benchmark options may be given in BENCH_ARGS, e.g. BENCH_ARGS=--benchmark_min_time=0.1
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build_dir=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
programs=("$build_dir"/bench/*_bench)
shopt -u nullglob
if [ ${#programs[@]} -eq 0 ]; then
  echo "No benchmark programs in $build_dir/bench (configure with VENTROSE_WITH_BENCH=ON)" >&2
fi

# Google Benchmark's CSV quotes the benchmark name and doubles the quotes inside it; the
# remaining fields are plain. Each row becomes: program, name, real, cpu, unit, iterations.
csv_to_rows() {
  awk -v program="$1" '
    NR == 1 { next }
    {
      line = $0; name = ""
      if (substr(line, 1, 1) == "\"") {
        i = 2
        while (i <= length(line)) {
          c = substr(line, i, 1)
          if (c == "\"" && substr(line, i + 1, 1) == "\"") { name = name "\""; i += 2; continue }
          if (c == "\"") break
          name = name c; i++
        }
        rest = substr(line, i + 2)
      } else {
        comma = index(line, ","); name = substr(line, 1, comma - 1); rest = substr(line, comma + 1)
      }
      split(rest, f, ",")
      printf "%s\t%s\t%s\t%s\t%s\t%s\n", program, name, f[2], f[3], f[4], f[1]
    }'
}

for program in "${programs[@]}"; do
  name=$(basename "$program")
  echo "Running $name..."
  # shellcheck disable=SC2086 # BENCH_ARGS is a list of options
  "$program" --benchmark_format=csv ${BENCH_ARGS:-} >"$work/$name.csv" 2>"$work/$name.log" || {
    echo "$name failed:" >&2
    cat "$work/$name.log" >&2
    exit 1
  }
  csv_to_rows "$name" <"$work/$name.csv" >>"$work/rows.tsv"
done

echo "Measuring start-up..."
bash "$here/bench_startup.sh" "$build_dir" >"$work/startup.txt"

echo
if [ -s "$work/rows.tsv" ]; then
  awk -F'\t' '
    { for (i = 1; i <= 2; ++i) if (length($i) > w[i]) w[i] = length($i); row[NR] = $0 }
    END {
      fmt = "%-" w[1] "s  %-" w[2] "s  %12s  %12s  %12s\n"
      printf fmt, "program", "benchmark", "time", "CPU", "iterations"
      for (r = 1; r <= NR; ++r) {
        split(row[r], f, "\t")
        printf fmt, f[1], f[2], sprintf("%.1f %s", f[3], f[5]), sprintf("%.1f %s", f[4], f[5]), f[6]
      }
    }' "$work/rows.tsv"
  echo
fi
cat "$work/startup.txt"
