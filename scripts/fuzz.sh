#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# Findings are written to build-fuzz/findings/; the seed corpora in fuzz/corpus/ are
# read, never written (new inputs go to a scratch folder).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(dictionary_file word_file settings path_search board_words)

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLETTRO_FUZZ=ON -DLETTRO_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc 2>/dev/null || echo 2)" \
    --target $(printf 'fuzz_%s ' "${targets[@]}")

mkdir -p build-fuzz/findings
status=0
for t in "${targets[@]}"; do
    scratch=$(mktemp -d)
    echo "fuzz_$t: ${seconds}s"
    if ! ./build-fuzz/fuzz_"$t" -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/findings/"$t"- -print_final_stats=1 \
        "$scratch" fuzz/corpus/"$t" > build-fuzz/findings/"$t".log 2>&1; then
        echo "fuzz_$t FAILED: see build-fuzz/findings/$t.log"
        tail -30 build-fuzz/findings/"$t".log
        status=1
    else
        grep -E '^stat::number_of_executed_units' build-fuzz/findings/"$t".log || true
    fi
    rm -rf "$scratch"
done
exit $status
