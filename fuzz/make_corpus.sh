#!/usr/bin/env bash
# Makes the seed corpus in fuzz/corpus/<target> (the pictures need
# ImageMagick's convert). The files are kept in the repository; run this
# only to make them anew.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p corpus/{m11_reader,settings,completeness,bk_drawing}
cd corpus

# 11M: a 2-byte x 2-line file, one cut short, one with a lower-case m.
printf '11M \x02\x00\x02\x00\xe4\x1b\xff\x00' >m11_reader/whole.11M
printf '11M \x02\x00\x02\x00\xe4' >m11_reader/short.11M
printf '11m \x01\x00\x01\x00\x55' >m11_reader/lower_case.11M

# Settings: the first byte picks the program (even: kvaro, odd: orvak).
printf '\x00*******KVARO_Ini*******\r\nBBD catalog>\r\ndefault\r\nPIC catalog>\r\n/home/me/pic\r\n11M catalog>\r\n\r\n' \
    >settings/kvaro.ini
printf '\x01*******ORVAK_Ini*******\nBMP catalog>\ndefault\n' >settings/orvak.ini
printf '\x00*******KVARO_Ini*******\r\nBBD catalog>\r\n' >settings/short.ini

# Pictures: tiny whole ones, a progressive JPEG and an interlaced GIF.
convert -size 8x8 xc:red -strip completeness/tiny.jpg
convert -size 8x8 xc:red -interlace JPEG -strip completeness/progressive.jpg
convert -size 2x2 xc:blue -strip completeness/tiny.gif
convert -size 2x2 xc:blue -interlace GIF -strip completeness/interlaced.gif
convert -size 2x2 xc:green -strip -type truecolor bmp3:completeness/tiny.bmp

# BK files: the first byte picks the modes (see bk_drawing.cpp), the rest
# is the file.
printf '\x00\xe4\x1b\xe4\x1b' >bk_drawing/sprite.bbd
printf '\x04\x55\xaa\xff\x00' >bk_drawing/colour.pic
printf '\x88\x01\x80' >bk_drawing/mono_after_change.pic
# A whole .bin screen opened and drawn in color256x256: its header, then
# 16384 bytes of a repeating four-colour pattern.
{ printf '\x43\x00\x40\x00\x40'; head -c 16384 /dev/zero | tr '\0' '\344'; } >bk_drawing/screen.bin
