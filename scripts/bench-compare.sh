#!/usr/bin/env bash
# Publishing against an earlier revision, in one run: builds the publishing
# benchmark program (bench/publish_once) of REVISION in a scratch work tree
# and of the current tree, then publishes a project of SHOTS shots with each,
# runs interleaved, and copies each site with `cp -r`. Prints the best time
# of each, the ratio publish/copy of each and the ratio of the two publishing
# times. The sites go to /dev/shm, so the disk does not blur the figures.
#   scripts/bench-compare.sh REVISION [SHOTS] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
revision=${1:?a revision to compare with}
shots=${2:-10000}
runs=${3:-9}
scripts/install-deps.sh test

scratch=$(mktemp -d -p /dev/shm)
tree=$(mktemp -d)
trap 'rm -rf "$scratch"; git worktree remove --force "$tree" >/dev/null 2>&1 || true; rm -rf "$tree"' EXIT
git worktree add --detach "$tree" "$revision" >/dev/null
for source in "$tree" .; do
  cmake -S "$source" -B "$source/build/bench" -DCMAKE_BUILD_TYPE=Release -DSHOTWEAVE_BUILD_TESTS=OFF \
    -DSHOTWEAVE_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$source/build/bench" -j2 --target publish_once >/dev/null
done
declare -A program=([before]="$tree/build/bench/bench/publish_once" [after]="build/bench/bench/publish_once")

now_us() { echo $(( $(date +%s%N) / 1000 )); }
for mode in script plain; do
  declare -A best_publish=() best_copy=()
  for ((run = 0; run < runs; ++run)); do
    for which in before after; do
      rm -rf "$scratch/site" "$scratch/copy"
      publish_us=$("${program[$which]}" "$shots" "$scratch/site" $mode)
      start=$(now_us)
      cp -r "$scratch/site" "$scratch/copy"
      copy_us=$(( $(now_us) - start ))
      [[ -z ${best_publish[$which]:-} || $publish_us -lt ${best_publish[$which]} ]] && best_publish[$which]=$publish_us
      [[ -z ${best_copy[$which]:-} || $copy_us -lt ${best_copy[$which]} ]] && best_copy[$which]=$copy_us
    done
  done
  for which in before after; do
    awk -v which="$which" -v mode="$mode" -v p="${best_publish[$which]}" -v c="${best_copy[$which]}" 'BEGIN {
      printf "%s mode, %s: publish %.1f ms, cp -r %.1f ms, ratio publish/copy %.2f\n", mode, which, p / 1000, c / 1000, p / c }'
  done
  awk -v a="${best_publish[after]}" -v b="${best_publish[before]}" -v mode="$mode" -v shots="$shots" -v runs="$runs" \
    'BEGIN { printf "%s mode, %d shots, best of %d: publishing takes %.3f times as long as before\n", mode, shots, runs, a / b }'
done
