#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch root
# and checks what an installation would get: the control fields, the program,
# the command-line program, both manual pages, the AppStream file, the desktop
# entry and the icons, and what Debian's package checker says of it. Then starts the unpacked program under a virtual X server, waits for
# its main window, closes it with Esc and expects the process to end with
# exit code 0.
#
# usage: package_test.sh <build dir> <version> <program icon (.ico)>
# Exits with 77 (skipped) when a tool the check needs is missing.
set -euo pipefail

readonly NAME=humidity-calc
readonly CLI=humidity-calc-cli
readonly TITLE='衡朴湿度(带压力农历)换算软件'
readonly TITLE_PATTERN='^衡朴湿度\(带压力农历\)换算软件$'
readonly ICON_SIZES=(32 48 64 128 256)
readonly REQUIRED_DEPENDS=(libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo
    fonts-arphic-uming qt6-translations-l10n sensible-utils)

# The script runs itself under xvfb-run in this mode: it waits for the main
# window by its exact title, checks that the window's class is the one the
# desktop entry names (desktops match windows to menu entries by it), presses
# Esc in the window and returns the program's exit code.
start_and_close() {
    local program=$1 window_class=$2
    export QT_QPA_PLATFORM=xcb
    "$program" &
    local pid=$!
    local window
    window=$(LC_ALL=C.UTF-8 timeout 20 xdotool search --sync --onlyvisible --name "$TITLE_PATTERN" | head -n 1)
    if [ -z "$window" ]; then
        echo "the main window did not appear"
        kill "$pid" 2>/dev/null
        return 1
    fi
    local class
    class=$(xprop -id "$window" WM_CLASS)
    if [ "$class" != "WM_CLASS(STRING) = \"$window_class\", \"$window_class\"" ]; then
        echo "the window's class is not $window_class: $class"
        kill "$pid"
        return 1
    fi
    # Typed through the X test extension into the focused window: an event
    # sent to the window itself would fail on the key release, because the
    # press has destroyed the window by then.
    xdotool windowfocus --sync "$window"
    xdotool key Escape
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not end after Esc"
        kill "$pid"
        return 1
    fi
    local status=0
    wait "$pid" || status=$?
    echo "exit code: $status"
    return "$status"
}
if [ "${1:-}" = --start-and-close ]; then
    start_and_close "$2" "$3"
    exit
fi

build=$1
version=$2
program_icon=$3

for tool in cpack dpkg-deb dpkg-query desktop-file-validate identify convert python3 \
    xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect_equal() {
    [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/package-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "== building the package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
deb="$work/out/${NAME}_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$work/out"; exit 1; }

echo "== control fields"
field() { dpkg-deb -f "$deb" "$1"; }
expect_equal Package "$(field Package)" "$NAME"
expect_equal Version "$(field Version)" "$version"
expect_equal Architecture "$(field Architecture)" "$(dpkg --print-architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
# Links open through xdg-open when the desktop's own handler cannot.
expect_equal Recommends "$(field Recommends)" "xdg-utils"
depends=$(field Depends)
echo "Depends: $depends"
# Each dependency is a package name, optionally with a version in brackets.
mapfile -t depend_names < <(tr ',' '\n' <<<"$depends" | sed -e 's/(.*)//' -e 's/[[:space:]]//g' | grep -v '^$')
# grep reads the whole list: with -q it could stop at the match while printf
# still writes, and pipefail would then count the broken pipe as a failure.
for required in "${REQUIRED_DEPENDS[@]}"; do
    printf '%s\n' "${depend_names[@]}" | grep -x "$required" >/dev/null || fail "Depends lacks $required"
done
for name in "${depend_names[@]}"; do
    # The astronomy library only builds the solar-term table; the program
    # must not need it.
    [[ $name == liberfa* ]] && fail "Depends names $name"
    # A misspelt name would make the package uninstallable.
    dpkg-query -W "$name" >/dev/null 2>&1 || fail "Depends names $name, which is not a known package"
done

echo "== contents"
root="$work/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/$NAME"
[ -x "$program" ] || fail "no executable usr/bin/$NAME"
expect_equal "$CLI --version" "$("$root/usr/bin/$CLI" --version 2>&1 | head -n 1)" "$CLI $version"
# The manual pages must render without a warning wherever groff is installed.
for command in "$NAME" "$CLI"; do
    man_page="$root/usr/share/man/man1/$command.1.gz"
    if [ ! -f "$man_page" ]; then
        fail "no usr/share/man/man1/$command.1.gz"
    elif command -v groff >/dev/null; then
        page=$(gzip -dc "$man_page")
        warnings=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z <<<"$page" 2>&1)
        [ -z "$warnings" ] || fail "the manual page of $command renders with warnings: $warnings"
        grep -q "humidity-calc $version" <<<"$page" || fail "the manual page of $command lacks the version"
    fi
done
metainfo=$(find "$root/usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
if [ -z "$metainfo" ]; then
    fail "no AppStream file in usr/share/metainfo"
elif command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "the AppStream file is not valid"
fi
# Errors and warnings of Debian's package checker are faults of the package.
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" || fail "lintian finds faults in the package"
fi

desktop="$root/usr/share/applications/$NAME.desktop"
if [ -f "$desktop" ]; then
    # Hints (such as the two main categories) are advice; warnings and
    # errors are faults of the entry.
    validation=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $validation"
    grep -E 'warning|error' <<<"$validation" && fail "desktop entry has warnings"
    entry() { grep -m1 "^$1=" "$desktop" | cut -d= -f2-; }
    expect_equal "Name[zh_CN]" "$(entry 'Name\[zh_CN\]')" "$TITLE"
    [ -n "$(entry Name)" ] || fail "no English Name"
    [ -n "$(entry 'Comment\[zh_CN\]')" ] || fail "no Comment[zh_CN]"
    [ -n "$(entry Comment)" ] || fail "no English Comment"
    expect_equal Exec "$(entry Exec)" "$NAME"
    expect_equal Icon "$(entry Icon)" "$NAME"
    expect_equal Categories "$(entry Categories)" "Utility;Science;Calculator;"
    window_class=$(entry StartupWMClass)
    [ -n "$window_class" ] || fail "no StartupWMClass"
else
    fail "no usr/share/applications/$NAME.desktop"
fi

icons="$root/usr/share/icons/hicolor"
for size in "${ICON_SIZES[@]}"; do
    png="$icons/${size}x${size}/apps/$NAME.png"
    if [ ! -f "$png" ]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    expect_equal "${size}x${size} icon size" "$(identify -format '%wx%h' "$png")" "${size}x${size}"
    # The tile has rounded corners, so a corner pixel must be transparent.
    expect_equal "${size}x${size} icon corner" "$(convert "$png" -format '%[fx:p{0,0}.a]' info:)" 0
done
# The 32 px icon is the window icon itself.
pixels() { convert "$1" -depth 8 rgba:- | md5sum; }
[ -f "$icons/32x32/apps/$NAME.png" ] &&
    expect_equal "32x32 icon pixels" "$(pixels "$icons/32x32/apps/$NAME.png")" "$(pixels "ico:$program_icon")"
svg="$icons/scalable/apps/$NAME.svg"
if [ -f "$svg" ]; then
    python3 -c 'import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
sys.exit(root.tag != "{http://www.w3.org/2000/svg}svg" or root.get("viewBox") is None)' "$svg" ||
        fail "the scalable icon is no SVG picture with a view box"
else
    fail "no scalable icon"
fi

echo "== starting the unpacked program"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --start-and-close "$program" "${window_class:-$NAME}" || fail "the unpacked program did not run and end cleanly"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "package $deb is sound"
