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
# shellcheck source=SCRIPTDIR/x_session.sh
source "$(dirname "$0")/x_session.sh"
require_tools Xvfb xdotool xclip

read_places "编辑框1,编辑框3,按钮1,按钮2,编辑框5,编辑框17,编辑框18"
start_xvfb
start_program
focus_window "$window"
type_into 编辑框1 "-40"
type_into 编辑框3 "20"
click 按钮1

expect_box 编辑框1 "-40"
expect_box 编辑框3 "20"
expect_box 编辑框5 "-39.99"
expect_box 编辑框18 "-51.63"
expect_box 编辑框17 "31.7"
report_failures "the results differ"

click 按钮2
expect_exit "关闭"
[ "$status" -eq 0 ]
