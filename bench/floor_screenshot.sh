#!/usr/bin/env bash
# Shows that the start-up floor looks like the program: takes a picture of
# the program's main window and of the floor's window, each on a private
# virtual X server without a window manager (so each picture is the client
# area, menu bar included), and counts the pixels that differ with
# ImageMagick's `compare -metric AE` (exact: no fuzz). The clock's text,
# which the program's timer writes every second and the floor never does,
# is blanked in both pictures first. Exits non-zero when any other pixel
# differs.
#
#   bench/floor_screenshot.sh BUILD/humidity-calc BUILD/bench/floor_window_shown [OUTPUT_DIR]
#
# OUTPUT_DIR (default: a temporary directory) keeps program.png, floor.png
# and difference.png. Needs Xvfb, xdotool and ImageMagick.
set -euo pipefail

if [ $# -lt 2 ] || [ ! -x "$1" ] || [ ! -x "$2" ]; then
    echo "usage: $0 BUILD/humidity-calc BUILD/bench/floor_window_shown [OUTPUT_DIR]" >&2
    exit 2
fi
program=$(realpath "$1")
floor=$(realpath "$2")
out=${3:-$(mktemp -d)}
mkdir -p "$out"

title="衡朴湿度"
# The clock's label in the window: the tab control's corner lies below the
# menu bar (17 px), the label at (400, -8) from it, 160 x 32.
clock_area="400,9 559,40"
settle=2

runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
display_file="$runtime_dir/display"
xvfb_pid=""
app_pid=""
cleanup() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$runtime_dir"
}
trap cleanup EXIT INT TERM

: >"$display_file"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
while [ ! -s "$display_file" ]; do sleep 0.1; done
DISPLAY=":$(cat "$display_file")"
export DISPLAY XDG_RUNTIME_DIR="$runtime_dir" QT_QPA_PLATFORM=xcb

# Starts a program, waits for its window, lets it paint, takes the window's
# picture with the clock blanked, and ends the program.
shoot() {
    "$1" >/dev/null 2>&1 &
    app_pid=$!
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --name "$title" | head -n 1)
    sleep "$settle"
    import -window "$window" "$out/$2.raw.png"
    convert "$out/$2.raw.png" -fill black -draw "rectangle $clock_area" "$out/$2.png"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

shoot "$program" program
shoot "$floor" floor
size_program=$(identify -format '%wx%h' "$out/program.png")
size_floor=$(identify -format '%wx%h' "$out/floor.png")
if [ "$size_program" != "$size_floor" ]; then
    echo "the windows differ in size: program $size_program, floor $size_floor" >&2
    exit 1
fi
# compare prints the count on stderr and exits 1 when pixels differ.
differing=$(compare -metric AE "$out/program.png" "$out/floor.png" "$out/difference.png" 2>&1 || true)
echo "window $size_program, clock area $clock_area blanked: $differing pixels differ (exact)"
[ "$differing" = "0" ]
