#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Test lines against code lines: non-blank C++ lines (.cpp .cc .h .hpp tracked by git)
# that are not only a // comment. Test lines are those under tests/ and fuzz/ (and
# files named *_test.* or test_*); code lines are all the others.
#   scripts/test-ratio.sh
# Always exits 0: the figure is a guide, not a gate.
set -uo pipefail
cd "$(dirname "$0")/.."

test_path='(^|/)(tests?|fuzz)(/|$)|_test\.|test_'
count() { # file list on stdin -> counted lines
    local files
    mapfile -t files
    [ ${#files[@]} -gt 0 ] || { echo 0; return; }
    cat "${files[@]}" 2>/dev/null | grep -c -v -E '^\s*(//.*)?$'
}
sources=$(git ls-files | grep -E '\.(cpp|cc|h|hpp)$')
code=$(grep -v -i -E "$test_path" <<<"$sources" | grep . | count)
tests=$(grep -i -E "$test_path" <<<"$sources" | grep . | count)

echo "test lines: $tests"
echo "code lines: $code"
if [ "$code" -eq 0 ]; then
    echo "ratio: none (no code lines)"
    exit 0
fi
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }')
# Judged on the exact quotient: 0.404 is above the band even though it prints as 0.40.
if awk -v t="$tests" -v c="$code" 'BEGIN { exit !(t >= 0.25 * c && t <= 0.40 * c) }'; then
    echo "ratio: $ratio (within the band 0.25 to 0.40)"
elif awk -v t="$tests" -v c="$code" 'BEGIN { exit !(t < 0.25 * c) }'; then
    echo "ratio: $ratio (below the band 0.25 to 0.40)"
else
    echo "ratio: $ratio (above the band 0.25 to 0.40)"
fi
exit 0
