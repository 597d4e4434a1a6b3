#!/usr/bin/env bash
# Takes the README's pictures of the main window's four pages, under a
# virtual X server of its own: page 0 after a conversion with the initial
# inputs, page 1 after converting 1 bar, pages 2 and 3 as they open.
#
# usage: take_screenshots.sh <program> [output folder, default docs/screenshots]
# Needs Xvfb, xdotool, xwininfo (x11-utils) and ImageMagick's import.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
out=${2:-$here/../docs/screenshots}
mkdir -p "$out"

# Points inside the window, measured on the window at scale 1 with the
# program's fonts: the centres of the four tabs, the "计算" button of page 0,
# the bar row's value box and its "换算" button on page 1.
readonly TABS=("60 30" "156 30" "234 30" "288 30")
readonly CALCULATE="326 192"
readonly BAR_VALUE="370 181"
readonly BAR_CONVERT="550 181"

work=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
    [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work

"$program" &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program_pid" | head -n 1)
eval "$(xwininfo -id "$window" |
    sed -n -e 's/.*Absolute upper-left X: *\([0-9]*\)/left=\1/p' \
        -e 's/.*Absolute upper-left Y: *\([0-9]*\)/top=\1/p' \
        -e 's/.*Width: *\([0-9]*\)/width=\1/p' -e 's/.*Height: *\([0-9]*\)/height=\1/p')"

click() {
    # shellcheck disable=SC2086
    set -- $1
    xdotool mousemove $((left + $1)) $((top + $2)) click 1
    sleep 0.5
}

shoot() {
    # Let the clock tick over once so that the picture shows whole seconds.
    sleep 1
    import -window root -crop "${width}x${height}+${left}+${top}" +repage -strip "$out/$1"
}

click "${TABS[0]}"
click "$CALCULATE"
shoot page0.png
click "${TABS[1]}"
click "$BAR_VALUE"
xdotool key ctrl+a type 1
click "$BAR_CONVERT"
shoot page1.png
click "${TABS[2]}"
shoot page2.png
click "${TABS[3]}"
shoot page3.png
