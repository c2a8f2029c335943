#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Test lines against code lines, counted as non-blank lines that are not only a comment.
# Test lines: C++ (.cpp .cc .h .hpp), shell and Python tracked by git under tests/ and
# fuzz/ (and files named *_test.*, test_* or *Test.*); code lines: the other C++ files.
#   scripts/test-ratio.sh
# Always exits 0: the figure is a guide, not a gate.
set -uo pipefail
cd "$(dirname "$0")/.."

test_path='(^|/)(tests?|fuzz|testing)(/|$)|_test\.|(^|/)test_|Test\.'
count() { # comment mark; file list on stdin -> counted lines
    local files
    mapfile -t files
    [ ${#files[@]} -gt 0 ] || { echo 0; return; }
    cat "${files[@]}" 2>/dev/null | grep -c -v -E "^\s*($1.*)?$"
}
files=$(git ls-files)
cpp=$(grep -E '\.(cpp|cc|h|hpp)$' <<<"$files")
code=$(grep -v -E "$test_path" <<<"$cpp" | grep . | count //)
tests=$(( $(grep -E "$test_path" <<<"$cpp" | grep . | count //) +
          $(grep -E '\.(sh|py)$' <<<"$files" | grep -E "$test_path" | grep . | count '#') ))

echo "test lines: $tests (C++, shell and Python)"
echo "code lines: $code"
if [ "$code" -eq 0 ]; then
    echo "ratio: none (no code lines)"
    exit 0
fi
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }')
# Judged on the exact quotient: 0.384 is above the band even though it prints as 0.38.
if awk -v t="$tests" -v c="$code" 'BEGIN { exit !(t >= 0.25 * c && t <= 0.38 * c) }'; then
    echo "ratio: $ratio (within the band 0.25 to 0.38)"
elif awk -v t="$tests" -v c="$code" 'BEGIN { exit !(t < 0.25 * c) }'; then
    echo "ratio: $ratio (below the band 0.25 to 0.38)"
else
    echo "ratio: $ratio (above the band 0.25 to 0.38)"
fi
exit 0
