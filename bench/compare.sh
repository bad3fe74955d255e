#!/usr/bin/env bash
# Times bkpic against stock tools on a 1920 x 1080 JPG made 512 x 256 and
# one bit a pixel: against ImageMagick thresholding it, and, dithered with
# Floyd-Steinberg, against the netpbm pipeline that does the same job.
#   bench/compare.sh [runs]
# Each pair is timed with hyperfine in five rounds, the two in turn first,
# so that a machine whose speed drifts (a shared virtual machine) slows both
# alike; each round gives a ratio, and the median of them is the result.
# Needs hyperfine, imagemagick and netpbm (Debian packages of the same
# names) and a Release build (./kv bench builds one).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
rounds=5
bkpic=${BKPIC:-$PWD/build/release/bin/bkpic}
for tool in hyperfine convert jpegtopnm; do
    command -v "$tool" >/dev/null || { echo "compare.sh needs $tool" >&2; exit 2; }
done
[ -x "$bkpic" ] || cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target bkpic -j"$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 1920x1080 -seed 7 plasma:fractal -quality 90 "$work/photo.jpg"

# race OTHER-NAME BKPIC-COMMAND OTHER-COMMAND: prints each round's mean
# times and ratio, then the median ratio.
race() {
    local other=$1 mine=$2 theirs=$3 per=$(((runs + rounds - 1) / rounds)) round
    for round in $(seq "$rounds"); do
        local order=(-n bkpic "$mine" -n "$other" "$theirs")
        ((round % 2)) || order=(-n "$other" "$theirs" -n bkpic "$mine")
        hyperfine --style none --warmup 2 --runs "$per" \
            --export-csv "$work/round-$round.csv" "${order[@]}" >/dev/null \
            2> >(grep -v -e "Statistical outliers" -e "^ *$" >&2)
    done
    # Each CSV holds command,mean,... in seconds, one row per command.
    awk -F, -v other="$other" '
        FNR == 1 { next }
        { t[$1] = $2 }
        FNR == 3 { printf "round %d: bkpic %.1f ms, %s %.1f ms, ratio %.2f\n",
                          ++n, t["bkpic"] * 1000, other, t[other] * 1000, t["bkpic"] / t[other] }
        ' "$work"/round-*.csv | tee "$work/rounds"
    sort -t" " -k10,10n "$work/rounds" | sed -n "$(((rounds + 1) / 2))p" |
        awk -v other="$other" -v rounds="$rounds" '{ printf "bkpic takes %.2f times as long as %s (median of %d rounds)\n", $10, other, rounds }'
}

race imagemagick "$bkpic convert $work/photo.jpg --fit --to mono --force -o $work/photo.pic" \
    "convert $work/photo.jpg -resize 512x256! -threshold 50% mono:$work/photo.mono"

netpbm="jpegtopnm -quiet $work/photo.jpg | pamscale -width 512 -height 256 | ppmtopgm"
netpbm+=" | pamditherbw -floyd | pamtopnm > $work/photo.pbm"
race netpbm \
    "$bkpic convert $work/photo.jpg --fit --to mono --dither floyd-steinberg --force -o $work/photo.pic" \
    "$netpbm"
