#!/bin/sh
# A point is written "X Y" and split into its two words where it is used.
# shellcheck disable=SC2086
# Takes the pictures of the program for the documentation: the four pages of
# the main window, the about and company-profile windows, and the open lunar
# drop-down. Builds nothing: give it a built program.
#
#   tools/screenshots.sh BUILD/humidity-calc [OUTPUT_DIR]
#
# OUTPUT_DIR defaults to docs/screenshots. The program runs on a private
# virtual X server (display :97 unless SCREENSHOT_DISPLAY says otherwise),
# where no window manager draws frames: each picture is the window's client
# area, menu bar included. Needs Xvfb, xdotool and ImageMagick's import.
#
# The points clicked are in the main window's coordinates, taken from the
# form's layout: the tab strip runs along the top of the client area below
# the menu bar, and a page's controls are placed from the tab control's
# corner, PAGE_X, PAGE_Y, the tab strip included.
set -eu

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 BUILD/humidity-calc [OUTPUT_DIR]" >&2
    exit 2
fi
program=$(realpath "$1")
out=${2:-$(dirname "$(realpath "$0")")/../docs/screenshots}
mkdir -p "$out"
out=$(realpath "$out")

display=:${SCREENSHOT_DISPLAY:-97}
main_title="衡朴湿度"
about_title="关于湿度换算软件"
company_title="公司简介"

# The tab control's corner inside the main window, below the menu bar.
PAGE_X=0
PAGE_Y=17
TAB_Y=28
# The centres of the four tabs, left to right.
TAB_X="50 156 234 288"
# The menu "帮助" and its two entries.
HELP_MENU="58 8"
ABOUT_ITEM="90 27"
COMPANY_ITEM="100 47"
# "确定" of the about and the company-profile window, in their client areas.
ABOUT_OK="268 192"
COMPANY_OK="456 412"
# Page points: "计算" on page 0, the kgf/cm2 row's edit box on page 1, the
# lunar date box's "..." button on page 0.
CALCULATE="324 152"
KGF_ROW="368 352"
LUNAR_BUTTON="262 576"
# A moment for the program to paint after each action.
SETTLE=1

runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
xvfb_pid=""
app_pid=""
cleanup() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$runtime_dir"
}
trap cleanup EXIT INT TERM

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display" XDG_RUNTIME_DIR="$runtime_dir"
tries=0
until xdotool getmouselocation >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -gt 50 ] && { echo "the virtual X server did not start" >&2; exit 1; }
    sleep 0.1
done

# The id of the window whose title contains this text, waiting up to ten
# seconds for it.
find_window() {
    timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# The window's place on the screen: sets X, Y, WIDTH and HEIGHT.
locate() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Clicks at a point given in a window's coordinates.
click() {
    locate "$1"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
    sleep "$SETTLE"
}

# Clicks at a point of the current page.
click_page() {
    click "$1" $((PAGE_X + $2)) $((PAGE_Y + $3))
}

shoot_window() {
    import -window "$1" "$out/$2"
    echo "$out/$2"
}

# The screen inside the main window's rectangle, popups included.
shoot_screen_over() {
    locate "$1"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2"
    echo "$out/$2"
}

"$program" &
app_pid=$!
main=$(find_window "$main_title")
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep "$SETTLE"

tab=0
for x in $TAB_X; do
    click "$main" "$x" "$TAB_Y"
    case $tab in
        0) click_page "$main" $CALCULATE ;;
        1) click_page "$main" $KGF_ROW ;;
    esac
    shoot_window "$main" "page$tab.png"
    tab=$((tab + 1))
done

click "$main" $HELP_MENU
click "$main" $ABOUT_ITEM
about=$(find_window "$about_title")
shoot_window "$about" about.png
click "$about" $ABOUT_OK

click "$main" $HELP_MENU
click "$main" $COMPANY_ITEM
company=$(find_window "$company_title")
shoot_window "$company" company.png
click "$company" $COMPANY_OK

set -- $TAB_X
click "$main" "$1" "$TAB_Y"
click_page "$main" $LUNAR_BUTTON
shoot_screen_over "$main" lunar_drop_down.png
