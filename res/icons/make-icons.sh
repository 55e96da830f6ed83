#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the toolbar buttons (16x15) and the application icon with ImageMagick.
# The PNGs are committed; rerun this only to change a picture.
set -euo pipefail
cd "$(dirname "$0")"

convert -size 16x15 xc:none -stroke black -fill white \
  -draw "polygon 3,1 10,1 13,4 13,13 3,13" -fill '#c0c0c0' -draw "polygon 10,1 10,4 13,4" new.png
convert -size 16x15 xc:none -stroke '#806000' -fill '#f0c040' \
  -draw "polygon 1,3 6,3 7,4 13,4 13,13 1,13" -fill '#ffe080' -draw "polygon 1,13 4,7 15,7 13,13" open.png
convert -size 16x15 xc:none -stroke '#002060' -fill '#3060c0' -draw "rectangle 1,1 14,13" \
  -stroke none -fill white -draw "rectangle 4,1 11,6" -fill '#202020' -draw "rectangle 5,9 10,13" save.png
convert -size 16x15 xc:none -stroke '#002060' -fill '#3070d0' -draw "circle 7.5,7 7.5,0.5" \
  -stroke none -fill white -draw "rectangle 7,6 8,11" -draw "rectangle 7,3 8,4" about.png

# Application icon: an EEPROM chip with hex digits on it. packaging/io.github.velmora.Probex.svg
# draws the same chip for the desktop; change the two together.
draw_chip() {
  local size=$1 out=$2
  convert -size 64x64 xc:none \
    -fill '#b0b0b0' -draw "rectangle 6,12 12,16" -draw "rectangle 6,24 12,28" -draw "rectangle 6,36 12,40" \
    -draw "rectangle 6,48 12,52" -draw "rectangle 51,12 57,16" -draw "rectangle 51,24 57,28" \
    -draw "rectangle 51,36 57,40" -draw "rectangle 51,48 57,52" \
    -fill '#202830' -stroke '#000000' -draw "roundrectangle 12,4 51,60 4,4" \
    -stroke none -fill '#606870' -draw "circle 31.5,9 31.5,6" \
    -fill '#40e070' -font DejaVu-Sans-Mono-Bold -pointsize 15 -gravity center -annotate +0-2 "0F" \
    -fill '#ff5050' -annotate +0+14 "A5" \
    -resize "${size}x${size}" "$out"
}
draw_chip 32 probex.png
draw_chip 64 probex-64.png
