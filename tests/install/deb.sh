#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in a scratch folder, unpacks it there (never installs it) and
# checks that its dependencies were computed (the definitions' data recommended), that its
# copyright file is there, and that
# the unpacked game runs: `lettro --version`, then, in a real X server (Xvfb) where there
# is one, its main window maps and its dictionary editor lists the shipped dictionary's
# words (with no dictionary the game would first show a message and list none).
#   deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
label=deb
source "$(dirname "$0")/../smoke/xsession.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
debs=("$scratch"/lettro_*.deb)
[ -f "${debs[0]}" ] || fail "no package in $scratch"
depends=$(dpkg-deb -f "${debs[0]}" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* && $depends == *libqt6svg6* && $depends == *libc6* &&
    $depends == *qt6-qpa-plugins* ]] || fail "dependencies not computed"
root=$scratch/root
dpkg-deb -x "${debs[0]}" "$root"
[ "$("$root/usr/bin/lettro" --version)" = "lettro $version" ] || fail "the unpacked lettro --version"
[ -s "$root/usr/share/lettro/Dictionary.dat" ] || fail "no dictionary in the package"
grep -q "^License: GPL-3.0+" "$root/usr/share/doc/lettro/copyright" ||
    fail "no copyright file naming the licence"
[[ $(dpkg-deb -f "${debs[0]}" Recommends) == *wordnet-base*dict-freedict-nld-eng* ]] &&
    grep -q "^License: WordNet-3.0" "$root/usr/share/doc/lettro/copyright" ||
    fail "the definitions' packages are not recommended, or their licences not named"

if command -v Xvfb >/dev/null 2>&1; then
    x_begin
    trap 'x_cleanup; rm -rf "$scratch"' EXIT
    start_lettro "$root/usr/bin/lettro" --seed 7
    open_editor
    close_window "$editor"
    end_lettro
    say "the unpacked game opened its window and listed the shipped dictionary"
else
    echo "the window check is skipped: Xvfb is not installed (Debian package xvfb)"
fi
echo "package $(basename "${debs[0]}") complete"
