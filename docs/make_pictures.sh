#!/usr/bin/env bash
# Makes the README's pictures of BK screens as the BK shows them, at 4:3
# (bkpic render --true-shape), from samples/gradient.jpg. Needs a built
# bkpic (default build/release/bin/bkpic, or give its path) and
# ImageMagick's convert. The files are kept in the repository; run this only
# to make them anew.
#
# docs/converter.png is a screenshot of two converter windows instead:
# kvaro samples/gradient.jpg, Window > Fit_whole_picture, Window >
# Fit_to_window (left); then Dither > Floyd-Steinberg and Color > View_color
# (right). The windows show BK pixels square, so there the picture looks
# narrower than it is.
set -euo pipefail
cd "$(dirname "$0")"
bkpic=$(realpath "${1:-../build/release/bin/bkpic}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The four-colour screen that converter.png converts, as the BK shows it.
"$bkpic" convert ../samples/gradient.jpg --to color --shape whole --dither floyd-steinberg \
    -o "$work/gradient.pic" >/dev/null
"$bkpic" render "$work/gradient.pic" --true-shape -o "$work/on_the_bk.png" >/dev/null
convert "$work/on_the_bk.png" -strip on_the_bk.png

# The monochrome screen filled by the picture: the level rules on the left,
# Floyd-Steinberg on the right, with a grey line between them.
for dither in none floyd-steinberg; do
    "$bkpic" convert ../samples/gradient.jpg --to mono --shape fill --dither "$dither" \
        -o "$work/$dither.pic" >/dev/null
    "$bkpic" render "$work/$dither.pic" --as mono --true-shape -o "$work/$dither.png" >/dev/null
done
convert \( "$work/none.png" -crop 512x768+0+0 \) \( "$work/floyd-steinberg.png" -crop 512x768+512+0 \) \
    +repage +append -fill '#808080' -draw 'rectangle 511,0 512,767' -strip dither.png
