#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the word lists of the board languages other than English from Debian's
# word-list packages (apt install wfrench wngerman wspanish witalian wportuguese wdutch):
#   sh data/make-language-words.sh build/lettro-dict [fr de es it pt nl]
# For each language XX it writes, beside this script:
#   words-XX.txt.gz        the words folded into a-z (README-languages.md says how), 3 to
#                          16 letters, less those of offensive-words-XX.txt, sorted
#   spellings-XX.txt.gz    the list's own spellings that folding changed (more than a
#                          capital first letter), one a line, in the order of the words
#                          they fold to: folding a line finds its word
#   words-XX-LICENSE.txt   the package's copyright and licence notice
# and prints the word count. The same packages give the same files every time (gzip -n
# leaves out the time, so the compressed files are the same bytes too).
set -eu
HERE=$(dirname "$0")
DICT_TOOL=${1:?usage: make-language-words.sh LETTRO_DICT [LANGUAGE...]}
shift
[ $# -gt 0 ] || set -- fr de es it pt nl
WORDS_FOLDER=${WORDS_FOLDER:-/usr/share/dict}
DOC_FOLDER=${DOC_FOLDER:-/usr/share/doc}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for code in "$@"; do
    case $code in
    fr) list=french package=wfrench ;;
    de) list=ngerman package=wngerman ;;
    es) list=spanish package=wspanish ;;
    it) list=italian package=witalian ;;
    pt) list=portuguese package=wportuguese ;;
    nl) list=dutch package=wdutch ;;
    *) echo "make-language-words.sh: no word list for language \"$code\"" >&2; exit 2 ;;
    esac
    "$DICT_TOOL" fold --language "$code" "$WORDS_FOLDER/$list" > "$work/folded"
    # The list's first line says what it is for; the rest are folded words.
    tail -n +2 "$HERE/offensive-words-$code.txt" > "$work/left-out"
    LC_ALL=C awk -F '\t' '
        NR == FNR { if (sub(/[*]$/, "")) stems[$1] = 1; else out[$1] = 1; next }
        $1 in out { next }
        { for (s in stems) if (index($1, s) == 1) next; print }' \
        "$work/left-out" "$work/folded" | LC_ALL=C sort -u > "$work/kept"
    cut -f 1 "$work/kept" | LC_ALL=C uniq > "$work/words"
    # A German noun's capital is no change worth keeping: a look-up tries it anyway.
    LC_ALL=C awk -F '\t' '$2 != $1 && tolower(substr($2, 1, 1)) substr($2, 2) != $1 { print $2 }' \
        "$work/kept" | gzip -9n > "$HERE/spellings-$code.txt.gz"
    gzip -9n < "$work/words" > "$HERE/words-$code.txt.gz"
    cp "$DOC_FOLDER/$package/copyright" "$HERE/words-$code-LICENSE.txt"
    echo "$code: $(wc -l < "$work/words") words written to $HERE/words-$code.txt.gz"
done
