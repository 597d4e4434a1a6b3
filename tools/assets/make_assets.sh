#!/usr/bin/env bash
# Regenerates the pictures the windows show, into assets/:
#   company_logo.jpg  89 x 82  the company mark: a water drop in a ring over "衡朴"
#   hygrometer.jpg    22 x 24  a thermometer beside a water drop
#   program.ico       32 x 32  24-bit icon of the main window: a drop on a blue tile
# Each picture is drawn at several times its size and scaled down, so that
# the small result keeps smooth edges. Needs ImageMagick, python3 and the
# "AR PL UMing CN" font. Metadata is stripped so that reruns give the same bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../assets}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

navy='#1f4e9a'
sky='#2a8fd6'
red='#d83a2e'

convert -size 356x328 xc:white \
    -fill none -stroke "$navy" -strokewidth 12 -draw "circle 178,112 178,22" \
    -stroke none -fill "$sky" \
    -draw "path 'M 178,40 C 150,82 122,118 122,140 A 56,56 0 0 0 234,140 C 234,118 206,82 178,40 Z'" \
    -fill white -draw "path 'M 150,138 A 30,30 0 0 0 166,170 L 160,178 A 40,40 0 0 1 140,140 Z'" \
    -fill "$navy" -stroke "$navy" -strokewidth 3 -font AR-PL-UMing-CN -pointsize 84 \
    -gravity north -annotate +0+218 '衡朴' \
    "$work/logo.png"
convert "$work/logo.png" -filter Lanczos -resize '89x82!' -quality 92 -strip "$out/company_logo.jpg"

convert -size 176x192 xc:white \
    -fill white -stroke "$navy" -strokewidth 10 -draw "roundrectangle 40,14 84,140 22,22" \
    -stroke none -fill "$red" -draw "circle 62,148 62,114" -draw "rectangle 54,70 70,130" \
    -fill none -stroke "$navy" -strokewidth 10 -draw "arc 28,114 96,182 -60,240" \
    -strokewidth 6 -draw "line 92,40 104,40" -draw "line 92,70 104,70" -draw "line 92,100 104,100" \
    -stroke none -fill "$sky" \
    -draw "path 'M 138,60 C 124,84 110,102 110,118 A 28,28 0 0 0 166,118 C 166,102 152,84 138,60 Z'" \
    "$work/hygrometer.png"
convert "$work/hygrometer.png" -filter Lanczos -resize '22x24!' -quality 95 -strip "$out/hygrometer.jpg"

convert -size 256x256 xc:none \
    -fill "$navy" -draw "roundrectangle 8,8 247,247 48,48" \
    -fill white \
    -draw "path 'M 128,30 C 100,74 62,120 62,156 A 66,66 0 0 0 194,156 C 194,120 156,74 128,30 Z'" \
    -fill "$sky" \
    -draw "path 'M 128,70 C 110,100 88,128 88,154 A 40,40 0 0 0 168,154 C 168,128 146,100 128,70 Z'" \
    -fill white -draw "path 'M 104,150 A 24,24 0 0 0 116,178 L 110,186 A 32,32 0 0 1 96,150 Z'" \
    "$work/icon.png"
convert "$work/icon.png" -filter Lanczos -resize 32x32 -depth 8 rgba:- |
    python3 "$here/write_ico.py" "$out/program.ico"
