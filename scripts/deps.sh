#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# but only when one of them is missing, and generates the locales the tests
# use when the machine lacks them. Sourced by scripts/run and scripts/test.
set -euo pipefail

HC_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev
    libjpeg62-turbo-dev liberfa-dev
    fonts-arphic-uming
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool xclip x11-utils imagemagick desktop-file-utils openbox python3-xlib
    python3-skyfield python3-astropy
    jq valgrind groff-base time
    locales
)

# The locales the tests check number texts under: decimal commas in three
# forms, and Chinese. The package "locales" holds their sources.
HC_TEST_LOCALES=(de_DE ru_RU fr_FR zh_CN)

hc_missing_packages() {
    local missing=()
    for pkg in "${HC_PACKAGES[@]}"; do
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

hc_install_dependencies() {
    local missing sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    missing=$(hc_missing_packages)
    if [ -n "$missing" ]; then
        echo "Installing missing packages: $missing"
        $sudo apt-get update
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
    fi
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
