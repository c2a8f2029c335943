#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped word list holds none of the words of offensive-words.txt, and make-words.sh
# leaves them out when it builds the list.
#   sh wordlist.sh DATA_FOLDER
set -eu
data=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tail -n +2 "$data/offensive-words.txt" > "$work/left-out"
[ -s "$work/left-out" ] || { echo "offensive-words.txt lists no words"; exit 1; }
if LC_ALL=C grep -x -F -f "$work/left-out" "$data/words.txt"; then
    echo "words.txt holds the words above"
    exit 1
fi

# A stand-in for the scowl package: every listed word among two ordinary ones.
mkdir "$work/scowl" "$work/out"
for kind in english american british; do
    for level in 10 20 35 40 50 55 60 70; do
        : > "$work/scowl/$kind-words.$level"
    done
done
{ echo zebra; cat "$work/left-out"; echo cat; } > "$work/scowl/american-words.35"
echo "licence" > "$work/copyright"
SCOWL="$work/scowl" SCOWL_COPYRIGHT="$work/copyright" \
    sh "$data/make-words.sh" "$work/out/words.txt" > /dev/null
printf 'cat\nzebra\n' | cmp -s - "$work/out/words.txt" || {
    echo "make-words.sh wrote:"
    cat "$work/out/words.txt"
    exit 1
}
