#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary root, as a package would lay it out, and
# checks that the desktop finds each file in its standard place: the program
# and its Open With chooser, its desktop entry, its icon at every size, and its
# AppStream metainfo, each passing the desktop's own validators, and its
# copyright, changelog and manual page.
#
# Usage: check-install.sh BUILD_DIR
set -eu

build=${1:?usage: check-install.sh BUILD_DIR}
id=org.brevanor.Brevanor2002
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
status=0
fail() {
    echo "$*"
    status=1
}

[ -x "$usr/bin/brevanor" ] || fail "bin/brevanor is not installed"
[ -x "$usr/libexec/brevanor/brevanor-openwith" ] \
    || fail "libexec/brevanor/brevanor-openwith, the Open With chooser, is not installed"

desktop=$usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    # Hints and warnings count too: the entry should give the validator nothing to say.
    report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
    [ -z "$report" ] || fail "$report"
    grep -qx "Exec=brevanor" "$desktop" || fail "the desktop entry does not start bin/brevanor"
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
else
    fail "share/applications/$id.desktop is not installed"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216 + $2*65536 + $3*256 + $4,
                                                       $5*16777216 + $6*65536 + $7*256 + $8 }'
}
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ -f "$png" ]; then
        [ "$(png_size "$png")" = "${size}x${size}" ] \
            || fail "$png is $(png_size "$png"), not ${size}x${size}"
    else
        fail "the ${size}x${size} icon is not installed"
    fi
done
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "the scalable icon is not installed"

# The program has no web site of its own: the one warning AppStream 1.0 gives
# for the missing homepage is taken as information (0.16 has no such warning).
case $(appstreamcli --version) in
    *" 0."*) accepted="" ;;
    *) accepted=--override=url-homepage-missing=info ;;
esac
metainfo=$usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net $accepted "$metainfo" || fail "appstreamcli validate failed"
    # The tree check also finds the desktop entry the metainfo launches.
    appstreamcli validate-tree --no-net $accepted "$usr" >/dev/null \
        || fail "appstreamcli validate-tree failed"
else
    fail "share/metainfo/$id.metainfo.xml is not installed"
fi

for file in doc/brevanor/copyright doc/brevanor/changelog.gz man/man1/brevanor.1.gz; do
    [ -f "$usr/share/$file" ] || fail "share/$file is not installed"
done

[ "$status" = 0 ] && echo "the installed tree passes desktop-file-validate and appstreamcli"
exit "$status"
