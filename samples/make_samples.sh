#!/usr/bin/env bash
# Makes the sample pictures in this folder (needs ImageMagick's convert).
# The files are kept in the repository; run this only to make them anew.
set -euo pipefail
cd "$(dirname "$0")"

# A photo-like picture, wider and taller than the 256 x 256 picture window:
# 530 pixels wide, so the horizontal scroll bar gets Max 274 there.
convert -size 530x300 -seed 7 plasma:tomato-steelblue -blur 0x3 \
    -sampling-factor 4:2:0 -quality 90 -strip gradient.jpg

# A 64 x 64 sprite in the four BK colours, quadrants red, green / blue, black.
convert \( -size 32x32 xc:'#ff0000' xc:'#00ff00' +append \) \
        \( -size 32x32 xc:'#0000ff' xc:'#000000' +append \) -append \
        -strip quadrants.gif

# A 512 x 256 colour test card: eight colour bars over a grey ramp.
convert \( -size 64x192 xc:white xc:yellow xc:cyan xc:lime xc:magenta xc:red xc:blue xc:black +append \) \
        \( -size 64x512 gradient:black-white -rotate 90 \) -append \
        -strip -type truecolor bmp3:testcard.bmp
