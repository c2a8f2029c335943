#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the dice of the board languages other than English again, from their built
# dictionaries, and writes them to src/core/board/DiceTables.h:
#   sh data/make-dice.sh build/lettro-bench
# The same dictionaries give the same dice every time (README-languages.md says how).
set -eu
HERE=$(dirname "$0")
BENCH=${1:?usage: make-dice.sh LETTRO_BENCH}
OUT="$HERE/../src/core/board/DiceTables.h"
tables=$(mktemp)
trap 'rm -f "$tables"' EXIT
for code in fr de es it pt nl; do
    "$BENCH" --language "$code" --make-dice 2>/dev/null >> "$tables"
done
{
    sed -n '1,/^inline constexpr LanguageDice/p' "$OUT"
    cat "$tables"
    printf '};\n\n} // namespace Dice\n'
} > "$OUT.new"
mv "$OUT.new" "$OUT"
cat "$tables"
