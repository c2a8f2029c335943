#!/bin/sh
# Regenerates words.txt from Debian's installed scowl package (apt install scowl).
# Common English words (size levels 10 to 70) in the shared, American and British
# spellings; proper names, abbreviations and contractions are left out, as is every
# entry with a capital, an apostrophe or a letter outside a-z. 3 to 16 letters.
set -eu
SCOWL=${SCOWL:-/usr/share/dict/scowl}
OUT=${1:-"$(dirname "$0")/words.txt"}
files=""
for kind in english american british; do
    for level in 10 20 35 40 50 55 60 70; do
        files="$files $SCOWL/$kind-words.$level"
    done
done
# shellcheck disable=SC2086
cat $files | LC_ALL=C grep -E '^[a-z]{3,16}$' | LC_ALL=C sort -u > "$OUT"
cp /usr/share/doc/scowl/copyright "$(dirname "$OUT")/words-LICENSE.txt"
echo "$(wc -l < "$OUT") words written to $OUT"
