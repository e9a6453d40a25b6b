#!/usr/bin/env bash
# Builds the fuzz targets (the CMake targets of fuzz/, with clang's libFuzzer
# and the address and undefined-behaviour sanitizers), then runs each for a
# fixed number of inputs from its seed corpus. Any crash, sanitizer report,
# leak or hang fails the script. The targets: the project loader, the style
# import, the settings file, the recovery copies' side records, the listing of
# the recovery folder, the shot list's CSV, the cleaning of the users' HTML,
# the publisher, the pocket plan, the Fountain screenplays, the film editor's
# timelines and the Final Draft screenplays read back (with QtCore), the
# printed plan's PDF and the picture import (these two with Qt Gui, on the
# offscreen platform).
#   FUZZ_RUNS   inputs per target (default 20000)
#   FUZZ_JOBS   parallel compilations (default 2)
#   FUZZ_BUILD  build folder (default build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${FUZZ_RUNS:-20000}
jobs=${FUZZ_JOBS:-2}
out=${FUZZ_BUILD:-build/fuzz}

CXX=${CXX_FUZZ:-clang++} cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Debug -DSHOTWEAVE_FUZZ=ON \
  -DSHOTWEAVE_BUILD_TESTS=OFF >/dev/null
cmake --build "$out" -j"$jobs"

status=0
for binary in "$out"/fuzz/*_fuzz; do
  target=$(basename "$binary" _fuzz)
  seeds=tests/data/seeds/$target
  # A scratch copy, so that the inputs libFuzzer adds stay out of the tree.
  corpus="$out/corpus/$target"
  rm -rf "$corpus" "$out/artifacts/$target"
  mkdir -p "$corpus" "$out/artifacts/$target"
  cp "$seeds"/* "$corpus"/

  # The Fountain reader runs about 120 inputs a second under the sanitizers,
  # the screenplay update (which reads Fountain too) about 330: a quarter of
  # the inputs keeps each under a minute in CI. Their long runs are in
  # docs/fuzzing.md.
  target_runs=$runs
  case "$target" in fountain | script_update) target_runs=$((runs / 4)) ;; esac
  echo "== $target: $target_runs inputs"
  if ! "$binary" -runs="$target_runs" -seed=1 -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$out/artifacts/$target/" -print_final_stats=1 "$corpus" \
        >"$out/$target.log" 2>&1; then
    echo "$target failed; log: $out/$target.log, artifacts: $out/artifacts/$target/" >&2
    tail -40 "$out/$target.log" >&2
    status=1
  else
    grep -E "^stat::number_of_executed_units|^Done" "$out/$target.log" || true
  fi
done
exit $status
