#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The stand-in papers that the build writes into FOLDER: one for each of the
# 98 document names; a PDF's text gives its paper's title and authors in
# catalogue order, and a ".doc" is an RTF document, which word processors read.
set -eu
folder=$1
[ "$(ls "$folder" | wc -l)" -eq 98 ] || { echo "not 98 stand-ins" >&2; exit 1; }
text=$(pdftotext "$folder/135.pdf" - | tr -s '\n ' '  ')
for said in "Benchmarking as a Tool of Science and Technology Policy: Promises and Pitfalls" \
            "Ayla Çelik, Sigríður Jónsdóttir" "stands in for the paper's full text"; do
    case $text in *"$said"*) ;; *) echo "135.pdf does not say: $said" >&2; exit 1 ;; esac
done
head -c 7 "$folder/2.doc" | grep -q '^{\\rtf1\\' || { echo "2.doc is no RTF" >&2; exit 1; }
grep -q 'Knowledge, Power and the Changing Contract between Science and Society' "$folder/2.doc"
