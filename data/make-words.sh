#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates words.txt from Debian's installed scowl package (apt install scowl).
# Common English words (size levels 10 to 70) in the shared, American and British
# spellings; proper names, abbreviations and contractions are left out, as is every
# entry with a capital, an apostrophe or a letter outside a-z. 3 to 16 letters.
# The words of offensive-words.txt are left out too: players who want them add them in
# the dictionary editor.
set -eu
HERE=$(dirname "$0")
SCOWL=${SCOWL:-/usr/share/dict/scowl}
SCOWL_COPYRIGHT=${SCOWL_COPYRIGHT:-/usr/share/doc/scowl/copyright}
OUT=${1:-"$HERE/words.txt"}
files=""
for kind in english american british; do
    for level in 10 20 35 40 50 55 60 70; do
        files="$files $SCOWL/$kind-words.$level"
    done
done
# The list's first line says what it is for; the rest are whole words.
left_out=$(mktemp)
trap 'rm -f "$left_out"' EXIT
tail -n +2 "$HERE/offensive-words.txt" > "$left_out"
# shellcheck disable=SC2086
cat $files | LC_ALL=C grep -E '^[a-z]{3,16}$' | LC_ALL=C grep -v -x -F -f "$left_out" \
    | LC_ALL=C sort -u > "$OUT"
cp "$SCOWL_COPYRIGHT" "$(dirname "$OUT")/words-LICENSE.txt"
echo "$(wc -l < "$OUT") words written to $OUT"
