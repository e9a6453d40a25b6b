#!/usr/bin/env bash
# Builds the fuzz targets with libFuzzer and the address and undefined-behaviour
# sanitizers, then runs each for a fixed number of inputs from its seed corpus.
# Any crash, sanitizer report, leak or hang fails the script.
#   FUZZ_RUNS   inputs per target (default 20000)
#   FUZZ_JOBS   parallel compilations (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${FUZZ_RUNS:-20000}
jobs=${FUZZ_JOBS:-2}
out=build/fuzz
cxx=${CXX_FUZZ:-clang++}
mkdir -p "$out/obj"

flags=(-std=c++20 -g -O1 -Isrc -fno-omit-frame-pointer
       -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)

# The core sources the two loaders need; no Qt.
sources=(
  src/model/cp1252.cpp src/model/textconv.cpp src/model/textform.cpp
  src/model/valuewriter.cpp src/model/valuereader.cpp src/model/filebytes.cpp
  src/model/camerawords.cpp src/model/cam.cpp src/model/event.cpp
  src/model/eventlist.cpp src/model/geninfo.cpp src/model/srprt.cpp
  src/model/projectfile.cpp src/publish/varutil.cpp
)
sources+=(src/layout/*.cpp src/style/*.cpp)

compile() {
  local source=$1 object=$2
  if [ ! -f "$object" ] || [ "$source" -nt "$object" ] || \
     [ -n "$(find src -name '*.h' -newer "$object" -print -quit)" ]; then
    "$cxx" "${flags[@]}" -c "$source" -o "$object"
  fi
}
export -f compile
export cxx
export flags_string="${flags[*]}"

objects=()
pending=()
for source in "${sources[@]}"; do
  object="$out/obj/$(echo "$source" | tr / _).o"
  objects+=("$object")
  pending+=("$source" "$object")
done
printf '%s\0%s\0' "${pending[@]}" | \
  xargs -0 -n2 -P"$jobs" bash -c 'read -ra flags <<<"$flags_string"; compile "$0" "$1"'

status=0
for target in project_loader style_import; do
  binary="$out/${target}_fuzz"
  "$cxx" "${flags[@]/fuzzer-no-link/fuzzer}" "fuzz/${target}_fuzz.cpp" "${objects[@]}" -o "$binary"

  case $target in
    project_loader) seeds=tests/data/seeds/project ;;
    style_import) seeds=tests/data/seeds/style ;;
  esac
  # A scratch copy, so that the inputs libFuzzer adds stay out of the tree.
  corpus="$out/corpus/$target"
  rm -rf "$corpus" "$out/artifacts/$target"
  mkdir -p "$corpus" "$out/artifacts/$target"
  cp "$seeds"/* "$corpus"/

  echo "== $target: $runs inputs"
  if ! "$binary" -runs="$runs" -seed=1 -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
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
