#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a while, as many at once as
# there are cores.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#   scripts/fuzz.sh --build-all   builds everything in build-fuzz, tests included
# build-fuzz is one clang build with AddressSanitizer, UBSan (LeakSanitizer comes with
# ASan) and libFuzzer's coverage: the fuzz targets and the sanitizer test suite share it.
# Findings are written to build-fuzz/findings/; the seed corpora in fuzz/corpus/ are
# read, never written (new inputs go to a scratch folder).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

# Line tables are enough for the sanitizers' reports and far cheaper than full debug info.
# A unity build: the instrumented compiles are the slowest part of the test run, and most
# of each is the Qt and GoogleTest headers. The developer's plain build compiles file by
# file, so a missing #include shows there.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O1 -gline-tables-only" -DLETTRO_FUZZ=ON -DLETTRO_WERROR=ON \
    -DLETTRO_PCH=ON -DCMAKE_UNITY_BUILD=ON >/dev/null
if [ "${1:-}" = --build-all ]; then
    exec cmake --build build-fuzz -j"$jobs"
fi

seconds=${1:-15}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then # every target has its seed folder
    for d in fuzz/corpus/*/; do targets+=("$(basename "$d")"); done
fi
cmake --build build-fuzz -j"$jobs" --target $(printf 'fuzz_%s ' "${targets[@]}")

findings=build-fuzz/findings
mkdir -p "$findings"
fuzz() { # target: runs it, leaves its log and exit status in $findings
    local t=$1 scratch status=0
    scratch=$(mktemp -d)
    ./build-fuzz/fuzz_"$t" -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$t"- -print_final_stats=1 \
        "$scratch" fuzz/corpus/"$t" > "$findings/$t.log" 2>&1 || status=$?
    rm -rf "$scratch"
    echo "$status" > "$findings/$t.status"
}
echo "Fuzzing ${targets[*]} for ${seconds}s each"
for t in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
    fuzz "$t" &
done
wait

status=0
for t in "${targets[@]}"; do
    if [ "$(cat "$findings/$t.status")" != 0 ]; then
        echo "fuzz_$t: FAILED, see $findings/$t.log"
        tail -30 "$findings/$t.log"
        status=1
    else
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$findings/$t.log")
        echo "fuzz_$t: passed, ${runs:-?} inputs run"
    fi
done
exit $status
