#!/usr/bin/env bash
# Regenerates the desktop icons of the installed program, into packaging/icons/:
#   humidity-calc.svg       the scalable icon: a white-rimmed water drop on a
#                           navy tile, the motif of the program icon
#   humidity-calc-32.png    the program icon itself (assets/program.ico)
#   humidity-calc-N.png     the scalable icon rendered at N = 48, 64, 128, 256
# The 32 px rendering is the window icon, so that the menu, the task bar and
# the window show the same picture at that size; the larger ones are drawn
# from the scalable icon with full transparency. Needs ImageMagick and
# rsvg-convert (librsvg2-bin). Metadata is stripped so that reruns give the
# same bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../packaging/icons}
icon=${2:-$here/../../assets/program.ico}
mkdir -p "$out"

# The geometry is the program icon's, on a 256 x 256 canvas; the tile and the
# inner drop get a gentle top-to-bottom shade that only the larger sizes show.
cat >"$out/humidity-calc.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>humidity-calc</title>
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#2a5fb0"/>
      <stop offset="1" stop-color="#1a4288"/>
    </linearGradient>
    <linearGradient id="water" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#4aa8ea"/>
      <stop offset="1" stop-color="#1f7fc8"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="48" ry="48" fill="url(#tile)"/>
  <path d="M 128,30 C 100,74 62,120 62,156 A 66,66 0 0 0 194,156 C 194,120 156,74 128,30 Z" fill="#ffffff"/>
  <path d="M 128,70 C 110,100 88,128 88,154 A 40,40 0 0 0 168,154 C 168,128 146,100 128,70 Z" fill="url(#water)"/>
  <path d="M 104,150 A 24,24 0 0 0 116,178 L 110,186 A 32,32 0 0 1 96,150 Z" fill="#ffffff"/>
</svg>
SVG

convert "$icon" -strip "png32:$out/humidity-calc-32.png"
for size in 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$out/humidity-calc.svg" |
        convert - -strip "png32:$out/humidity-calc-$size.png"
done
