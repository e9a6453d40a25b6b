#!/usr/bin/env bash
# Rebuilds the bundled example film: examples/court-metrage/court.vid, written
# by the program's own project writer, and the shots' start pictures in its
# site folder's "img" folder, court/img, where the editor keeps them and
# the published pages find them (ImageMagick's convert).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSHOTWEAVE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target make_example >/dev/null

example=examples/court-metrage
mkdir -p "$example/court/img"
"$build/tools/make_example" "$example"

# name, top colour, bottom colour, caption
pictures=(
  "plan1.jpg #1d3557 #457b9d R\xc3\xa9veil"
  "plan2.jpg #6b4226 #d9a66c Caf\xc3\xa9"
  "plan2b.jpg #d9a66c #6b4226 Caf\xc3\xa9-fin"
  "plan3.jpg #2b2d42 #8d99ae Escalier"
  "plan4.jpg #264653 #2a9d8f La-rue"
  "plan6.jpg #5f0f40 #e36414 Regards"
  "plan7.jpg #003049 #669bbc Parapluie"
)
for entry in "${pictures[@]}"; do
  read -r name top bottom caption <<<"$entry"
  caption=$(printf '%b' "$caption")
  convert -size 160x120 "gradient:$top-$bottom" -fill white -font DejaVu-Sans -pointsize 18 \
    -gravity center -annotate 0 "${caption//-/ }" -strip -quality 80 "$example/court/img/$name"
done
ls -l "$example" "$example/court/img"
