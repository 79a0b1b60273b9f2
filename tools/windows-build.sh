#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds brevanor.exe for 64-bit Windows with mingw-w64, and its ZIP package, in
# build-windows/ (or $BREVANOR_WINDOWS_BUILD). Options after the script's name
# go to CMake, e.g. -DBUILD_TESTING=ON to build the tests as well.
#
# The static Windows Qt it links is kept outside the checkout, in
# ~/.cache/brevanor. It is unpacked from ../shared/windows-qt when that archive is
# there; otherwise it is built once from Debian's own qt6-base source, of the
# version of the installed host tools (about an hour on two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
build=${BREVANOR_WINDOWS_BUILD:-build-windows}
qt_name=qt6.4.2-mingw64-static
cache=${XDG_CACHE_HOME:-$HOME/.cache}/brevanor/$qt_name
prefix=$cache/qt6-win64
archive=../shared/windows-qt/$qt_name.tar.xz

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# Debian's source of the host tools' qt6-base, with deb-src added for the
# download only.
deb_src=/etc/apt/sources.list.d/brevanor-deb-src.sources
fetch_qt_source() {
    if ! grep -qrs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            | $sudo tee "$deb_src" >/dev/null
        trap '$sudo rm -f "$deb_src"' EXIT
        trap 'exit 1' INT TERM
        $sudo apt-get update -q
    fi
    apt-get source --download-only "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)"
    $sudo rm -f "$deb_src"
}

# Qt's qtbase for Windows: Core, Gui, Widgets and Test, static, Release.
build_qt() {
    local work
    work=$(mktemp -d "$cache.XXXXXX")
    (
        cd "$work"
        fetch_qt_source
        tar xf qt6-base_*.orig.tar.xz
        cmake -S qtbase-everywhere-src-* -B build -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-toolchain.cmake" \
            -DCMAKE_INSTALL_PREFIX="$work/qt6-win64" -DCMAKE_BUILD_TYPE=Release \
            -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
            -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF \
            -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
            -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF \
            -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
            -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
            -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF
        cmake --build build --parallel "$(nproc)"
        cmake --install build
    )
    rm -rf "$prefix"
    mv "$work/qt6-win64" "$prefix"
    rm -rf "$work"
}

tools/install-deps.sh windows
if [ ! -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    mkdir -p "$cache"
    if [ -f "$archive" ]; then
        tar -C "$cache" -xJf "$archive"
    else
        build_qt
    fi
fi

cmake --preset windows -B "$build" -DQT_WINDOWS_PREFIX="$prefix" "$@"
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G ZIP)
