#!/usr/bin/env bash
# A user's session through the accessibility bus alone (atspi_session.py) on
# a private D-Bus session, on a virtual X server ("x") or a headless Wayland
# compositor ("wayland"); "关闭" must end the program with exit code 0.
#
# Usage: atspi_session.sh x|wayland PROGRAM
# Exits with 77 (skipped) when a tool is missing.
set -u
mode=$1
program=$2
command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing"; exit 77; }
[ -n "${HC_PRIVATE_BUS:-}" ] || HC_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
# shellcheck source=SCRIPTDIR/x_session.sh
source "$(dirname "$0")/x_session.sh"

start_weston() {
    local socket="hc-$$"
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
    server_pid=$!
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
        sleep "$pause"
    done
    [ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log"; fail "weston did not start"; }
    export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
}

start_accessibility_bus
if [ "$mode" = x ]; then
    require_tools Xvfb xdotool
    start_xvfb
    # Without a window manager nothing gives the new window the keyboard.
    start_program
    focus_window "$window"
else
    require_tools weston
    start_weston
    # The headless compositor renders nothing: the program draws into shared
    # memory, without loading a GPU driver (an unknown buffer integration
    # leaves it at that; the driver's own allocations would count as leaks).
    QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
    program_pid=$!
fi
atspi || fail "the session through the accessibility bus"
expect_exit "关闭"
[ "$status" -eq 0 ]
