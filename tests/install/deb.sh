#!/usr/bin/env bash
# Builds the Debian package in a scratch folder, unpacks it there (never installs it) and
# checks that its dependencies were computed and that the unpacked game runs.
#   deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
debs=("$scratch"/lettro_*.deb)
[ -f "${debs[0]}" ] || { echo "FAILED: no package in $scratch"; exit 1; }
depends=$(dpkg-deb -f "${debs[0]}" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* && $depends == *libc6* && $depends == *qt6-qpa-plugins* ]] ||
    { echo "FAILED: dependencies not computed"; exit 1; }
dpkg-deb -x "${debs[0]}" "$scratch/root"
[ "$("$scratch/root/usr/bin/lettro" --version)" = "lettro $version" ] ||
    { echo "FAILED: the unpacked lettro --version"; exit 1; }
[ -s "$scratch/root/usr/share/lettro/Dictionary.dat" ] ||
    { echo "FAILED: no dictionary in the package"; exit 1; }
echo "package $(basename "${debs[0]}") complete"
