#!/bin/sh
# The built user guide: every picture it shows was taken (a PNG file beside
# it), and every picture taken is shown.
set -eu
guide_dir=$1
guide="$guide_dir/guide.html"
[ -f "$guide" ] || { echo "no guide at $guide"; exit 1; }
shown=$(grep -o 'src="img/[^"]*"' "$guide" | sed 's/^src="img\///; s/"$//' | sort -u)
[ -n "$shown" ] || { echo "the guide shows no picture"; exit 1; }
for name in $shown; do
    file="$guide_dir/img/$name"
    [ -s "$file" ] || { echo "missing picture: $file"; exit 1; }
    [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || { echo "not a PNG: $file"; exit 1; }
done
for file in "$guide_dir"/img/*.png; do
    echo "$shown" | grep -qx "$(basename "$file")" || { echo "taken but not shown: $file"; exit 1; }
done
echo "guide: $(echo "$shown" | wc -l) pictures"
