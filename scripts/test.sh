#!/usr/bin/env bash
# Installs what is missing, builds everything with sanitizers and warnings as
# errors, and runs every test: core, editor (offscreen), browser and fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DSHOTWEAVE_SANITIZE=ON -DSHOTWEAVE_WERROR=ON -DSHOTWEAVE_BUILD_BENCHMARKS=ON
cmake --build "$build" -j2

if [ -f tests/e2e/package.json ]; then
  # playwright-core never downloads a browser; the tests drive Debian's chromium.
  (cd tests/e2e && npm ci --no-audit --no-fund --loglevel=error)
fi

# The fuzzers run first so that CTest's summary closes the run.
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
fi

ctest --test-dir "$build" --output-on-failure --no-tests=error -j2
