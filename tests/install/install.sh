#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch DESTDIR (never the machine's own folders) and checks
# that every file is where a desktop and a packager expect it, that the desktop entry,
# the AppStream metadata and the man pages are valid, and that the installed programs
# run and find the shipped dictionary relative to themselves.
#   install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
id=io.github.lettro.Lettro
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR=$scratch cmake --install "$build" --prefix /usr >/dev/null
root=$scratch/usr

failed=0
fail() { echo "FAILED: $*"; failed=1; }
for f in bin/lettro bin/lettro-dict bin/lettro-bench bin/lettro-bot bin/lettro-netcheck; do
    [ -x "$root/$f" ] || fail "no program $f"
done
for f in share/lettro/Dictionary.dat share/lettro/Lettro.htm \
    share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
    share/metainfo/$id.metainfo.xml share/man/man6/lettro.6.gz share/man/man1/lettro-dict.1.gz \
    share/man/man1/lettro-bench.1.gz share/man/man1/lettro-bot.1.gz share/doc/lettro/LICENSE \
    share/doc/lettro/words-LICENSE.txt share/doc/lettro/copyright; do
    [ -s "$root/$f" ] || fail "no file $f"
done
# Every other board language's dictionary and word-list notice.
for code in fr de es it pt nl; do
    for f in share/lettro/Dictionary-$code.dat share/doc/lettro/words-$code-LICENSE.txt; do
        [ -s "$root/$f" ] || fail "no file $f"
    done
    grep -q "^Files: data/words-$code.txt" "$root/share/doc/lettro/copyright" ||
        fail "copyright lacks words-$code.txt"
done

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo"
for page in "$root"/share/man/man*/*; do
    # groff names a bad request or macro as a warning on standard error.
    warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
    zgrep -q "@PROJECT_VERSION@" "$page" && fail "man page $page: version not filled in"
done
grep -q "version=\"$version\"" "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo version"

[ "$("$root/bin/lettro" --version)" = "lettro $version" ] || fail "lettro --version"
[ "$("$root/bin/lettro-dict" --version)" = "lettro-dict $version" ] || fail "lettro-dict --version"
# No Dictionary.dat beside the installed benchmark: it must find share/lettro's.
"$root/bin/lettro-bench" --shaken 1 >/dev/null || fail "lettro-bench on the installed dictionary"
"$root/bin/lettro-bench" --language nl --shaken 1 >/dev/null || fail "lettro-bench on installed Dutch"
[ "$failed" -eq 0 ] && echo "installed files complete and valid"
