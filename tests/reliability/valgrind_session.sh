#!/usr/bin/env bash
# Runs the real program under valgrind's leak check for a short session
# under a virtual X server: types a value, computes in both pressure
# directions, opens and closes the lunar drop-down, lets the clock tick for
# a few seconds and closes the main window with Esc. Prints valgrind's
# error and leak summaries; the whole log is left in the file given as the
# third argument. Too slow for the test suite (about a minute); run by hand:
#
#   tests/reliability/valgrind_session.sh build/humidity-calc build/tests/gui/gui_tests /tmp/vg.log
#
# The second program is the GUI test program, which prints where the
# controls lie (--print-centres=), so the clicks follow the layout.
set -u
program=$1
locator=$2
log=$3
for tool in valgrind Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
    [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

controls=编辑框1,按钮1,单选框1,单选框2,农历日期框2
QT_QPA_PLATFORM=offscreen "$locator" "--print-centres=$controls" >"$work/centres" || {
    echo "the control centres could not be read"
    exit 1
}
declare -A centre
while read -r name x y; do centre[$name]="$x $y"; done <"$work/centres"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

valgrind --leak-check=full --show-leak-kinds=definite,indirect --num-callers=40 \
    --log-file="$log.%p" "$program" &
program_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name 换算软件 | head -n 1)
[ -n "$window" ] || { echo "the main window did not appear"; exit 1; }
xdotool windowfocus --sync "$window"

click() {
    # shellcheck disable=SC2086  # the centre is two words, x and y
    xdotool mousemove --window "$window" ${centre[$1]} click 1
    sleep 1
}

click 编辑框1
xdotool key --window "$window" ctrl+a BackSpace
xdotool type --window "$window" --delay 100 "12.5"
for direction in 单选框2 单选框1; do
    click "$direction"
    click 按钮1
done
# The drop-down button sits at the right end of the date box.
read -r x y <<<"${centre[农历日期框2]}"
xdotool mousemove --window "$window" $((x + 94)) "$y" click 1
sleep 2
xdotool key Escape
sleep 5
xdotool windowfocus --sync "$window"
xdotool key --window "$window" Escape

for _ in $(seq 600); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
wait "$program_pid"
status=$?
program_pid=
echo "exit code: $status"
grep -E "Command:|ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:|still reachable:" "$log".*
