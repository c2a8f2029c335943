#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine.
#   scripts/lettro.sh play   installs what is missing, builds, starts the game
#   scripts/lettro.sh test   installs what is missing, builds, runs every test
#                            (plain build, then AddressSanitizer + UBSan build)
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation libcanberra-dev sound-theme-freedesktop
)
TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick python3-xlib
    clang-14 libclang-rt-14-dev
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

build() { # folder, extra cmake arguments...
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
}

case "${1:-}" in
play)
    # The game needs no test tools; the build still compiles them unless told not to.
    install_missing "${PACKAGES[@]}"
    build build -DLETTRO_TESTS=OFF
    exec ./build/lettro
    ;;
test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    build build
    (cd build && ctest --output-on-failure -j"$jobs" --timeout 300) | tee -a "$log"
    build build-asan -DLETTRO_SANITIZE=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    (cd build-asan && ctest --output-on-failure -j"$jobs" --timeout 600) | tee -a "$log"
    # A short fuzzing run of every target: about a minute in all.
    bash scripts/fuzz.sh 15 | tee -a "$log"
    ran=$(grep -oE 'tests failed out of [0-9]+' "$log" | awk '{s += $5} END {print s + 0}')
    fuzzed=$(grep -c '^stat::number_of_executed_units' "$log" || true)
    echo "all: $((ran + fuzzed)) passed, 0 failed"
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
