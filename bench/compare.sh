#!/usr/bin/env bash
# Times bkpic against stock tools on a 1920 x 1080 JPG made 512 x 256 and
# one bit a pixel: against ImageMagick thresholding it, and, dithered with
# Floyd-Steinberg, against the netpbm pipeline that does the same job.
#   bench/compare.sh [runs]
# Needs hyperfine, imagemagick and netpbm (Debian packages of the same
# names) and a Release build (./kv bench builds one).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
bkpic=${BKPIC:-$PWD/build/release/bin/bkpic}
for tool in hyperfine convert jpegtopnm; do
    command -v "$tool" >/dev/null || { echo "compare.sh needs $tool" >&2; exit 2; }
done
[ -x "$bkpic" ] || cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target bkpic -j"$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 1920x1080 -seed 7 plasma:fractal -quality 90 "$work/photo.jpg"

hyperfine --style basic --warmup 3 --runs "$runs" --export-csv "$work/times.csv" \
    -n bkpic "$bkpic convert $work/photo.jpg --fit --to mono --force -o $work/photo.pic" \
    -n imagemagick "convert $work/photo.jpg -resize 512x256! -threshold 50% mono:$work/photo.mono"

# The CSV holds command,mean,stddev,... in seconds, one row per command.
ratio() {  # ratio CSV OTHER-NAME
    awk -F, -v other="$2" 'NR == 2 { b = $2 } NR == 3 { m = $2 }
        END { printf "bkpic %.1f ms, %s %.1f ms: bkpic takes %.2f times as long\n",
              b * 1000, other, m * 1000, b / m }' "$1"
}
ratio "$work/times.csv" ImageMagick

netpbm="jpegtopnm -quiet $work/photo.jpg | pamscale -width 512 -height 256 | ppmtopgm"
netpbm+=" | pamditherbw -floyd | pamtopnm > $work/photo.pbm"
hyperfine --style basic --warmup 3 --runs "$runs" --export-csv "$work/dither.csv" \
    -n bkpic-floyd-steinberg \
    "$bkpic convert $work/photo.jpg --fit --to mono --dither floyd-steinberg --force -o $work/photo.pic" \
    -n netpbm "$netpbm"
ratio "$work/dither.csv" netpbm
