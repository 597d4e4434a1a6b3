#!/usr/bin/env bash
# Where no display can be reached (DISPLAY naming a display nobody serves, or
# no DISPLAY at all) the program says so in one line and exits with a
# non-zero code of its own, not by a signal.
set -u
program=$1
number=500
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
failed=0
check() {
    local expected errors status
    expected="$(basename "$program"): $1"
    errors=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "${@:2}" "$program" 2>&1 >/dev/null)
    status=$?
    if [ "$status" -eq 0 ] || [ "$status" -ge 128 ] || [ "$errors" != "$expected" ]; then
        printf 'FAIL (%s): exit code %s, error output:\n%s\n' "${*:2}" "$status" "$errors"
        failed=1
    fi
}
check "cannot open the display \":$number\"" DISPLAY=":$number"
check "no display to open: DISPLAY is not set" -u DISPLAY
exit "$failed"
