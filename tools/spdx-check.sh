#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that each file of the checkout (tracked, or new and not ignored)
# carries its licence's SPDX identifier where its kind puts it:
#   C++ sources, headers and the Windows resource   // on the first line
#   CMake files, the desktop entry, Python modules   # on the first line
#   scripts (a #! line first)                         # on the second line
#   manual pages                                      .\" on the first line
#   CMakePresets.json, which holds no comments        a vendor field on the second line
#   XML (the icon, the metainfo, D-Bus settings)      <!-- --> after the XML declaration
# The metainfo is CC0-1.0, the licence it names for itself as metadata; every
# other file is GPL-3.0-or-later. The licence and copyright texts, the
# changelog, the Markdown documents, images and the tools' dot files carry
# none. A file of any other kind fails the check, so that each new kind is
# decided here.
set -euo pipefail
cd "$(dirname "$0")/.."
spdx="SPDX-License-Identifier: GPL-3.0-or-later"

# Prints the number of the line that must hold the identifier, a blank and the
# line itself; prints nothing for a file that carries none.
expected() {
    local file=$1 first
    first=$(head -n 1 "$file")
    case $file in
        LICENSE | *.md | packaging/copyright | packaging/changelog | *.png) ;;
        .gitignore | .clang-format | .clang-tidy | */.clang-tidy) ;;
        *.cpp | *.h | *.rc) echo "1 // $spdx" ;;
        CMakeLists.txt | */CMakeLists.txt | *.cmake | *.desktop | *.py) echo "1 # $spdx" ;;
        *.1 | *.1.in) echo "1 .\\\" $spdx" ;;
        CMakePresets.json) echo "2   \"vendor\": { \"brevanor\": \"$spdx\" }," ;;
        *.metainfo.xml.in) echo "$(xml_line "$first") <!-- SPDX-License-Identifier: CC0-1.0 -->" ;;
        *.svg | *.xml | *.xml.in | *.conf) echo "$(xml_line "$first") <!-- $spdx -->" ;;
        *)
            case $first in
                '#!'*) echo "2 # $spdx" ;;
                *) echo "0 no rule for the kind of this file" ;;
            esac
            ;;
    esac
}

# The identifier follows the XML declaration, which must come first.
xml_line() {
    case $1 in
        '<?xml'*) echo 2 ;;
        *) echo 1 ;;
    esac
}

missing=0
while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue
    rule=$(expected "$file")
    [ -n "$rule" ] || continue
    number=${rule%% *} line=${rule#* }
    if [ "$number" = 0 ]; then
        echo "$file: $line"
    elif [ "$(sed -n "${number}p" "$file")" != "$line" ]; then
        echo "$file: line $number is not: $line"
    else
        continue
    fi
    missing=$((missing + 1))
done < <(git ls-files -z --cached --others --exclude-standard)
[ "$missing" = 0 ] || { echo "$missing files without their SPDX licence identifier"; exit 1; }
echo "every file carries its SPDX licence identifier"
