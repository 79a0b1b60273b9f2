#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that the named purposes need, and nothing else,
# skipping the package lists' refresh when nothing is missing.
#
# Usage: install-deps.sh PURPOSE...
#   run      build the program and start it
#   test     build and run every test (and what run needs)
#   check    the development checks: the analysers, the package check and the
#            sanitizers' test run (and what test needs)
#   bench    build and run the benchmarks (and what run needs)
#   windows  cross-build the Windows program and run its tests under Wine (and
#            what run needs, for Qt's host tools)
#   debian13 make the Debian 13 chroot that tools/debian13-test.sh runs in
set -euo pipefail

# Compiler, CMake, Qt and the libraries the program links; at run time the
# platform plugins of an X11 and of a Wayland session, the file types of
# papers and the sans serif standing in for the window's font.
run=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libglib2.0-dev libicu-dev
    qt6-qpa-plugins qt6-wayland shared-mime-info fonts-liberation
)
# The icon test reads the scalable icon; the Wayland session runs under
# Weston, the screen reader session under Xvfb with Orca on its own session
# bus; the install check runs the desktop's validators; the Windows icon
# resource compiles with the mingw-w64 resource compiler; the BibTeX entries
# are read back with a BibTeX reader of its own; the stand-in PDFs' text is
# read with pdftotext.
test=(
    qt6-svg-dev weston xvfb xdotool orca at-spi2-core dbus-daemon
    desktop-file-utils appstream binutils-mingw-w64-x86-64 python3-pybtex poppler-utils
)
# The analysers, which read the benchmarks too, so these are built; CPack's
# Debian package (its dependencies read by dpkg-shlibdeps, which needs file),
# started under xvfb-run, and checked by Debian's own checker.
check=(clang-tidy cppcheck clang-format libbenchmark-dev dpkg-dev file xauth lintian)
bench=(libbenchmark-dev hyperfine xvfb xauth)
# The cross-compiler and Wine; the smoke test counts rows on a grab of the
# window; Qt for Windows is unpacked from xz or built from source with Ninja.
windows=(
    g++-mingw-w64-x86-64 wine wine64 xvfb xauth xdotool imagemagick python3
    ninja-build xz-utils dpkg-dev
)
debian13=(debootstrap git)

[ $# -gt 0 ] || { echo "usage: $0 run|test|check|bench|windows|debian13..." >&2; exit 2; }
packages=()
for purpose in "$@"; do
    case $purpose in
        run) packages+=("${run[@]}") ;;
        test) packages+=("${run[@]}" "${test[@]}") ;;
        check) packages+=("${run[@]}" "${test[@]}" "${check[@]}") ;;
        bench) packages+=("${run[@]}" "${bench[@]}") ;;
        windows) packages+=("${run[@]}" "${windows[@]}") ;;
        debian13) packages+=("${debian13[@]}") ;;
        *) echo "unknown purpose: $purpose" >&2; exit 2 ;;
    esac
done

missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
