#!/usr/bin/env bash
# A user's session with the real program under a virtual X server of its own,
# driven by real X input events: type a dew point and a temperature, click
# "计算", copy result boxes to the clipboard and compare their exact texts,
# then click "关闭" and expect the program to end with exit code 0.
#
# Usage: user_session.sh PROGRAM LOCATOR
#   PROGRAM  the humidity-calc binary
#   LOCATOR  the GUI test binary, which prints where the program's controls
#            lie (--print-centres), so that the clicks follow the layout
# Exits with 77 (skipped) when Xvfb, xdotool or xclip is missing.
set -u
program=$1
locator=$2
for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
done

# The main window's title, as a regular expression for xdotool.
title='^衡朴湿度\(带压力农历\)换算软件$'
controls="编辑框1,编辑框3,按钮1,按钮2,编辑框5,编辑框17,编辑框18"
# Attempts of an action whose effect is checked (focus, a copied text).
attempts=20
# Pause between the attempts, in seconds.
pause=0.1

work=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
    [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}

# Where the controls lie in the main window's client area.
QT_QPA_PLATFORM=offscreen "$locator" "--print-centres=$controls" >"$work/centres" ||
    fail "the control centres could not be read"
declare -A centre
while read -r name x y; do
    centre[$name]="$x $y"
done <"$work/centres"

# Xvfb picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!
window=$(timeout 30 xdotool search --sync --all --onlyvisible --pid "$program_pid" --name "$title" |
    head -n 1)
[ -n "$window" ] || fail "the main window did not appear"

# Without a window manager the window gets the keyboard only when asked.
focus_window() {
    for _ in $(seq "$attempts"); do
        xdotool windowfocus --sync "$window" 2>/dev/null && return 0
        sleep "$pause"
    done
    fail "the main window does not take the focus"
}

click() {
    # shellcheck disable=SC2086  # the centre is two words, x and y
    xdotool mousemove --window "$window" ${centre[$1]} click 1
}

type_into() {
    click "$1"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 10 -- "$2"
}

# Selects the box's text, copies it and compares the clipboard, again until
# the expected text arrives or the attempts are used up.
expect_box() {
    local box=$1 expected=$2 copied=""
    for _ in $(seq "$attempts"); do
        click "$box"
        xdotool key --clearmodifiers ctrl+a ctrl+c
        copied=$(timeout 2 xclip -o -selection clipboard 2>/dev/null)
        [ "$copied" = "$expected" ] && return 0
        sleep "$pause"
    done
    failures+=("$box shows '$copied', expected '$expected'")
}

focus_window
type_into 编辑框1 "-40"
type_into 编辑框3 "20"
click 按钮1

failures=()
expect_box 编辑框1 "-40"
expect_box 编辑框3 "20"
expect_box 编辑框5 "-39.99"
expect_box 编辑框18 "-51.63"
expect_box 编辑框17 "31.7"
if [ ${#failures[@]} -ne 0 ]; then
    printf '%s\n' "${failures[@]}"
    fail "the results differ"
fi

click 按钮2
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end after 关闭"
wait "$program_pid"
status=$?
program_pid=
echo "exit code: $status"
[ "$status" -eq 0 ]
