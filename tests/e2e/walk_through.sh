#!/usr/bin/env bash
# A walk through the program's windows under a virtual X server, with real X
# input events and controls found through the accessibility bus, either on
# the bare server ("bare") or under a window manager that the session starts
# ("openbox", or "metacity" for the checks marked so):
#   1. the main window opens centred, its frame when it has one, with the
#      keyboard on 编辑框1, its text selected;
#   2. Up and Down in an edit box leave the keyboard there;
#   3. while the modal about window is open, the main window refuses a close
#      request, and the program runs on once the about window is closed,
#      with the keyboard back in the box it was in; the about window is
#      modal for the window manager (also metacity), and (openbox) Escape
#      closes it after it was minimised and the main window activated;
#   4. (openbox) a click on the disabled main window leaves the about window
#      above it;
#   5. Escape in the open year list of the month calendar closes the list
#      only;
#   6. a click on a caption moves the window nowhere, then or with the
#      pointer's next motion, while a drag from the caption moves it (also
#      metacity);
# and in the end the main window's close request ends the program with exit
# code 0.
#
# Usage: walk_through.sh bare|openbox|metacity PROGRAM LOCATOR
# Exits with 77 (skipped) when a tool is missing.
set -u
mode=$1
program=$2
locator=$3
here=$(dirname "$0")
# Debian's interpreter, which sees Debian's X library for Python.
python=/usr/bin/python3
"$python" -c "import Xlib" 2>/dev/null || { echo "python3-xlib is missing"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing"; exit 77; }
# The walk runs on a D-Bus session bus of its own, which ends with it.
[ -n "${HC_PRIVATE_BUS:-}" ] || HC_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
# shellcheck source=SCRIPTDIR/x_session.sh
source "$here/x_session.sh"
require_tools Xvfb xdotool xprop xwininfo
[ "$mode" = bare ] || require_tools "$mode"

about_title='^关于湿度换算软件$'
first_page="湿度(带压)换算"
calendar_page="农家历"
# The known value's box, named by the caption beside it.
known_value="露 点"

start_window_manager() {
    "$mode" --sm-disable >"$work/$mode.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
        timeout 2 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
            return 0
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep "$pause"
    done
    cat "$work/$mode.log"
    fail "$mode does not manage windows"
}

is_shown() {
    timeout 2 xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Fails at once when the program has ended: nothing after it can be checked.
expect_running() {
    kill -0 "$program_pid" 2>/dev/null && is_shown "$window" && return 0
    if ! kill -0 "$program_pid" 2>/dev/null; then
        wait "$program_pid"
        local code=$?
        program_pid=
        fail "the program ended with exit code $code $1"
    fi
    fail "the main window is gone $1"
}

# The number of shown windows of the program, pop-up lists and menus included.
shown_windows() {
    timeout 2 xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | wc -l
}

# Waits until the program shows $1 windows.
await_shown_windows() {
    for _ in $(seq "$attempts"); do
        [ "$(shown_windows)" -eq "$1" ] && return 0
        sleep "$pause"
    done
    return 1
}

# True when window $1 lies above window $2 in the window manager's stacking.
stacked_above() {
    local ids upper=-1 lower=-1 index=0 id
    ids=$(timeout 2 xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    for id in $ids; do
        [ "$((id))" -eq "$1" ] && upper=$index
        [ "$((id))" -eq "$2" ] && lower=$index
        index=$((index + 1))
    done
    [ "$lower" -ge 0 ] && [ "$upper" -gt "$lower" ]
}

send_close_request() {
    timeout 10 "$python" "$here/close_request.py" "$1" || fail "the close request was not sent"
}

check_typing_at_start() {
    focus_window "$window"
    xdotool type -- 5
    expect_box "$known_value" 5
}

check_arrows_keep_focus() {
    type_into "$known_value" 5
    xdotool key End Down Up
    xdotool type -- 7
    expect_box "$known_value" 57
}

open_about() {
    local before
    before=$(shown_windows)
    atspi press "menu item" 帮助
    await_shown_windows $((before + 1)) || fail "the menu 帮助 did not open"
    xdotool key Down Return
    about=$(find_window "$about_title")
    [ -n "$about" ] || fail "the about window did not appear"
    # Its two texts are named after their first lines, "版本：" and "注：".
    for name in 版本 注; do
        atspi text text "$name" >/dev/null || failures+=("the about window has no text '$name'")
    done
}

check_click_keeps_about_above() {
    # The menu bar's first title lies beyond the about window.
    click "menu:文件"
    for _ in $(seq 10); do
        stacked_above "$about" "$window" || {
            failures+=("a click on the main window raised it above the about window")
            return
        }
        sleep "$pause"
    done
}

check_about_is_modal() {
    timeout 2 xprop -id "$about" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL ||
        failures+=("the about window is not marked modal")
}

# Escape closes the about window once it has the keyboard.
close_about() {
    if [ "$mode" = openbox ]; then
        # The keyboard lands in the modal window also when the user brings
        # back the program through its main window.
        timeout 5 xdotool windowminimize --sync "$about"
        timeout 2 xdotool windowactivate "$window" 2>/dev/null
        for _ in $(seq "$attempts"); do
            [ "$(timeout 2 xdotool getactivewindow)" = "$about" ] && break
            sleep "$pause"
        done
    else
        focus_window "$about"
    fi
    xdotool key Escape
    for _ in $(seq "$attempts"); do
        is_shown "$about" || break
        sleep "$pause"
    done
    is_shown "$about" && fail "Escape did not close the about window"
    expect_running "when the about window closed"
}

check_close_request_while_about_open() {
    send_close_request "$window"
    # The refusal leaves nothing to wait for; a second is ample for a close.
    for _ in $(seq 10); do
        expect_running "after its close request while the about window was open"
        sleep "$pause"
    done
    check_about_is_modal
    close_about
    # The keyboard is back in the known value's box, where the walk typed last.
    xdotool key End type -- 3
    expect_box "$known_value" 573
    expect_running "when the about window closed"
}

check_escape_closes_year_list_only() {
    local before
    atspi press "page tab" "$calendar_page"
    before=$(shown_windows)
    atspi press "combo box" 年份
    if ! await_shown_windows $((before + 1)); then
        failures+=("the year list did not open")
        return
    fi
    xdotool key Escape
    if ! await_shown_windows "$before"; then
        expect_running "after Escape in the year list"
        failures+=("Escape did not close the year list")
    fi
    atspi press "page tab" "$first_page"
    type_into "$known_value" 6
    expect_box "$known_value" 6
    expect_running "after Escape in the year list"
}

# The main window's frame (its client area when no window manager frames
# it) lies in the middle of the 1280 × 1024 screen, to a pixel.
check_window_centred() {
    local X Y WIDTH HEIGHT left right top bottom horizontal vertical
    for _ in $(seq "$attempts"); do
        read -r X Y WIDTH HEIGHT < <(timeout 2 xwininfo -id "$window" |
            sed -n 's/.*\(Absolute upper-left [XY]\|Width\|Height\): *//p' | tr '\n' ' ')
        read -r left right top bottom < <(timeout 2 xprop -id "$window" _NET_FRAME_EXTENTS |
            sed -n 's/.*= //p' | tr -d ,)
        horizontal=$((2 * (X - ${left:-0}) + WIDTH + ${left:-0} + ${right:-0} - 1280))
        vertical=$((2 * (Y - ${top:-0}) + HEIGHT + ${top:-0} + ${bottom:-0} - 1024))
        [ "${horizontal#-}" -le 1 ] && [ "${vertical#-}" -le 1 ] && return 0
        sleep "$pause"
    done
    failures+=("the window is off the screen's centre by ($horizontal, $vertical) half pixels")
}

# The window's place on the screen, "x,y".
window_place() {
    timeout 2 xdotool getwindowgeometry "$window" | sed -n 's/ *Position: \([0-9-]*,[0-9-]*\).*/\1/p'
}

# A click on a caption, then a motion, leaves the window where it was; a
# drag from the caption moves it.
check_only_drags_move() {
    local before after
    before=$(window_place)
    click 标签46
    xdotool mousemove_relative -- 40 30 sleep 0.5
    after=$(window_place)
    [ "$before" = "$after" ] || failures+=("a click on a caption moved the window to $after")
    # shellcheck disable=SC2086  # the place is two words, x and y
    xdotool mousemove --window "$window" ${place[标签46]} mousedown 1 \
        mousemove_relative -- 20 15 sleep 0.1 mousemove_relative -- 20 15 sleep 0.3 mouseup 1
    after=$(window_place)
    [ "$before" != "$after" ] || failures+=("a drag from a caption left the window at $before")
}

read_places "标签46,menu:文件"
start_xvfb
start_accessibility_bus
[ "$mode" = bare ] || start_window_manager
start_program

check_window_centred
if [ "$mode" = metacity ]; then
    # The two checks that depend most on the window manager.
    open_about
    check_about_is_modal
    close_about
else
    check_typing_at_start
    check_arrows_keep_focus
    open_about
    [ "$mode" = openbox ] && check_click_keeps_about_above
    check_close_request_while_about_open
    check_escape_closes_year_list_only
fi
check_only_drags_move
report_failures "the walk through the windows went wrong"

send_close_request "$window"
expect_exit "its close request"
[ "$status" -eq 0 ]
