#!/usr/bin/env bash
# Installs the Debian packages that building and running the program need
# (hc_install_dependencies run) or that the tests need as well
# (hc_install_dependencies test), but only when one of them is missing; for
# the tests it also generates the locales they use when the machine lacks
# them. Sourced by scripts/run and scripts/test.
set -euo pipefail

# What building and running the program needs.
HC_RUN_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev
    libjpeg62-turbo-dev liberfa-dev
    fonts-arphic-uming
    xvfb xauth
)
# What the tests, the benchmarks and the fuzzing pass need besides.
HC_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    xdotool x11-utils imagemagick desktop-file-utils appstream lintian openbox metacity
    python3-xlib python3-pyatspi at-spi2-core dbus weston qt6-wayland
    python3-skyfield python3-astropy
    jq valgrind groff-base time
    locales
)

# The locales the tests check number texts under: decimal commas in three
# forms, and Chinese. The package "locales" holds their sources.
HC_TEST_LOCALES=(de_DE ru_RU fr_FR zh_CN)

# The packages of the given lists that are not installed.
hc_missing_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    echo "${missing[@]:-}"
}

hc_missing_locales() {
    local missing=() available
    available=$(locale -a 2>/dev/null)
    for name in "${HC_TEST_LOCALES[@]}"; do
        grep -qx "$name.utf8" <<<"$available" || missing+=("$name")
    done
    echo "${missing[@]:-}"
}

hc_install_packages() {
    local missing sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    missing=$(hc_missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing missing packages: $missing"
    $sudo apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}

hc_generate_test_locales() {
    local missing sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    missing=$(hc_missing_locales)
    [ -z "$missing" ] && return 0
    echo "Generating missing locales: $missing"
    for name in $missing; do
        # Listed in /etc/locale.gen as well, so that locale-gen keeps it when
        # it rebuilds the locales (as it does when the package is upgraded).
        grep -qx "$name.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null ||
            echo "$name.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
    done
}

# hc_install_dependencies run|test
hc_install_dependencies() {
    if [ "$1" = run ]; then
        hc_install_packages "${HC_RUN_PACKAGES[@]}"
        return 0
    fi
    hc_install_packages "${HC_RUN_PACKAGES[@]}" "${HC_TEST_PACKAGES[@]}"
    hc_generate_test_locales
}
