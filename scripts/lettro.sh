#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up for a fresh Debian 12 machine.
#   scripts/lettro.sh play   installs what is missing, builds, starts the game
#   scripts/lettro.sh deps   installs what is missing for playing and testing, nothing more
#   scripts/lettro.sh test   installs what is missing, builds, runs every test: a plain
#                            GCC build, then one clang build with the sanitizers that
#                            runs the suite again and fuzzes each target for 15 s
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    fonts-liberation libcanberra-dev sound-theme-freedesktop
    zlib1g-dev
    # The progress history: Qt SQL (its headers come with qt6-base-dev) and its SQLite driver
    libqt6sql6-sqlite
    # Definitions, read at run time (the tests need them too)
    wordnet-base dict-freedict-fra-eng dict-freedict-deu-eng dict-freedict-spa-eng
    dict-freedict-ita-eng dict-freedict-por-eng dict-freedict-nld-eng
    # The interface's translations: lupdate/lrelease and Qt's own translated texts
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick python3-xlib qt6-gtk-platformtheme
    clang-14 libclang-rt-14-dev
    iproute2 util-linux
    desktop-file-utils appstream groff-base dpkg-dev
)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

# Optimised as RelWithDebInfo, without the debug info that costs a fifth of the build.
build() { # folder, extra cmake arguments...
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        "$@" >/dev/null &&
        cmake --build "$dir" -j"$jobs"
}

case "${1:-}" in
play)
    # The game needs no test tools; the build still compiles them unless told not to.
    install_missing "${PACKAGES[@]}"
    build build -DLETTRO_TESTS=OFF
    exec ./build/lettro
    ;;
deps)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    ;;
test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    broken=0 # builds and test runs that failed as a whole
    run() { # a step whose output is kept for the count; a failure is counted, not fatal
        local start=$SECONDS
        "$@" 2>&1 | tee -a "$log" || { echo "FAILED: $*"; broken=$((broken + 1)); }
        echo "-- $((SECONDS - start)) s: $*"
    }
    # The plain suite: GCC, as the game is built, in one unity build (most of each compile
    # is the Qt and GoogleTest headers); the developer's own build, without it, compiles
    # file by file, so a missing #include still shows there.
    run build build -DLETTRO_TESTS=ON -DLETTRO_WERROR=ON -DCMAKE_UNITY_BUILD=ON
    run ctest --test-dir build --no-tests=error --output-on-failure -j"$jobs" --timeout 300
    # The same suite built once more with clang-14, ASan, UBSan and LeakSanitizer; the
    # fuzz targets are in the same build.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run bash scripts/fuzz.sh --build-all
    # The checks of the source tree and of the package do not depend on the compiler; the
    # plain suite ran them.
    run ctest --test-dir build-fuzz --no-tests=error --output-on-failure -j"$jobs" --timeout 600 \
        -E '^(layers|licence_lines|shipped_word_list|install|deb_package)$'
    # A short fuzzing run of every target.
    run bash scripts/fuzz.sh 15
    summary=$(grep -oE '[0-9]+ tests failed out of [0-9]+' "$log" | awk '{f += $1; p += $6 - $1}
        END {print p + 0, f + 0}')
    read -r passed failed <<<"$summary"
    passed=$((passed + $(grep -c '^fuzz_[a-z_]*: passed' "$log" || true)))
    failed=$((failed + $(grep -c '^fuzz_[a-z_]*: FAILED' "$log" || true)))
    # A step that failed without naming a failed test (a build, say) still counts once.
    [ "$broken" -eq 0 ] || [ "$failed" -gt 0 ] || failed=$broken
    echo "all: $passed passed, $failed failed"
    [ "$broken" -eq 0 ]
    ;;
*)
    echo "usage: $0 play|deps|test" >&2
    exit 2
    ;;
esac
