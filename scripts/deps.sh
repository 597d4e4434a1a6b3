#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# but only when one of them is missing. Sourced by scripts/run and scripts/test.
set -euo pipefail

HC_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev
    libjpeg62-turbo-dev liberfa-dev
    fonts-arphic-uming
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool xclip x11-utils imagemagick desktop-file-utils
    python3-skyfield python3-astropy
    jq valgrind
)

hc_missing_packages() {
    local missing=()
    for pkg in "${HC_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    echo "${missing[@]:-}"
}

hc_install_dependencies() {
    local missing
    missing=$(hc_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing missing packages: $missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}
