#!/usr/bin/env bash
# Makes the small pictures that the completeness tests read: shapes of JPG,
# GIF and BMP files met in the wild. Needs ImageMagick, libjpeg-turbo-progs,
# gifsicle and python3. The files are kept in the repository; run this only
# to make them anew.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert  # ImageMagick's own, not a stand-in earlier on PATH

"$convert" -size 24x16 -seed 3 plasma:red-blue -strip ppm:- > /tmp/odd.ppm

# JPEG: baseline with restart markers; progressive; a camera's trailing data
# holding a start-of-scan marker after the end of the image.
cjpeg -quality 80 -restart 1 /tmp/odd.ppm > restart.jpg
cjpeg -quality 80 -progressive /tmp/odd.ppm > progressive.jpg
{ cat restart.jpg; printf 'MAKERNOTE\xff\xda\x00\x0c\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00\x12\x34'; } \
    > trailing.jpg

# GIF: interlaced; one lacking only its trailer byte 3B.
"$convert" /tmp/odd.ppm -colors 16 -interlace GIF interlaced.gif
head -c -1 interlaced.gif > no_trailer.gif
# A flat colour over 2000 x 2000 pixels: LZW data of a few kilobytes.
"$convert" -size 2000x2000 xc:'#c86432' flat.gif

# BMP: 4-bit palette, bottom-up; 24-bit top-down (negative height).
"$convert" /tmp/odd.ppm -colors 16 -type palette bmp3:palette.bmp
"$convert" /tmp/odd.ppm -flip -type truecolor bmp3:- | python3 -c '
import struct, sys
b = bytearray(sys.stdin.buffer.read())
height = struct.unpack_from("<i", b, 22)[0]
struct.pack_into("<i", b, 22, -height)
sys.stdout.buffer.write(b)' > top_down.bmp
rm /tmp/odd.ppm
