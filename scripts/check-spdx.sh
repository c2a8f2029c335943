#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines (after a shebang).
cd "$(dirname "$0")/.." || exit 1
missing=$(git ls-files 2>/dev/null | grep -E '\.(cpp|h|sh|py|cmake)$|CMakeLists\.txt$' |
    while read -r f; do
        head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
    done)
[ -z "$missing" ] && exit 0
echo "no SPDX licence line in:"
echo "$missing"
exit 1
