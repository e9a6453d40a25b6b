#!/usr/bin/env bash
# Builds the benchmarks optimised, without sanitizers, and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSHOTWEAVE_BUILD_TESTS=OFF -DSHOTWEAVE_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2
for bench in "$build"/bench/*_bench; do
  [ -x "$bench" ] && "$bench" "$@"
done
