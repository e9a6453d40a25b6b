#!/usr/bin/env bash
# Installs what is missing, builds the program, and opens the bundled example
# film in the editor when a display is there; without one, publishes it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh main

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSHOTWEAVE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target shotweave

# Work on a copy so that the example in the repository stays as it is.
work=$build/example
rm -rf "$work"
mkdir -p "$work"
cp -r examples/court-metrage/. "$work/"
project=$(realpath "$work/court.vid")

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${SHOTWEAVE_HEADLESS:-0}" != 1 ]; then
  exec "$build/src/app/shotweave" "$project"
fi
"$build/src/app/shotweave" --publish "$project"
echo "Site: $(dirname "$project")/court/index.html"
