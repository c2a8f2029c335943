#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes translations/lettro_*.ts from the code: new texts are added unfinished, texts
# gone from the code are dropped, existing translations are kept. English's file holds
# only the plural forms of counted texts. LETTRO_TS_FOLDER names another folder to refresh
# (the test of the translations refreshes copies).
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${LETTRO_TS_FOLDER:-translations}
# Qt 6's own: a lupdate on the PATH may be Qt 5's.
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate || echo lupdate)
command -v "$lupdate" >/dev/null || { echo "lupdate not found: install qt6-l10n-tools" >&2; exit 1; }
# The core's own spellings of translate (src/core/game/Tr.h).
aliases=translate+=Tr,translate+=TrS,translate+=TrN
for code in en fr de es it pt nl; do
    extra=()
    [ "$code" = en ] && extra=(-pluralonly)
    "$lupdate" -silent -no-obsolete -locations none -tr-function-alias "$aliases" \
        -source-language en -target-language "$code" "${extra[@]}" \
        src -ts "$folder/lettro_$code.ts"
done
