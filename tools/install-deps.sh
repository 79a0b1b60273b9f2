#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program needs to build, run and test,
# skipping the package lists' refresh when nothing is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libglib2.0-dev libicu-dev shared-mime-info
    fonts-liberation
    xvfb xauth
    qt6-wayland weston
    libbenchmark-dev hyperfine
    qt6-svg-dev desktop-file-utils appstream dpkg-dev xdotool x11-utils
    orca at-spi2-core dbus-x11
    g++-mingw-w64-x86-64
    wine wine64 imagemagick python3 ninja-build xz-utils
    clang-tidy cppcheck clang-format lintian
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
