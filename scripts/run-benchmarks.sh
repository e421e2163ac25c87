#!/usr/bin/env bash
# Runs every benchmark program with repetitions and prints the median of each benchmark.
set -euo pipefail
build=${1:-build}
for program in "$build"/bench/*_benchmark; do
  [[ -x "$program" ]] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true 2>/dev/null | grep -E '_median|^Benchmark|^-' || true
done
