#!/usr/bin/env bash
# An install puts the program, its desktop entry, its icons, its AppStream data and
# its manual page in place, the desktop's own validators accept the entry and the
# data, and man finds the page beside the program.
set -euo pipefail
build_dir=$1
id=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/expected-files.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build_dir" --prefix "$tmp/prefix" >/dev/null
(cd "$tmp/prefix" && find . -type f | sed 's|^\./||' | sort) >"$tmp/installed"
expected_files "$id" | sort >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/installed"

desktop-file-validate "$tmp/prefix/share/applications/$id.desktop"
grep -qx "Exec=veltro-weight-loss-calculator" "$tmp/prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$tmp/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$tmp/prefix/share/metainfo/$id.metainfo.xml"
grep -q '<release version="1.00"' "$tmp/prefix/share/metainfo/$id.metainfo.xml"
grep -q '<screenshot type="default">' "$tmp/prefix/share/metainfo/$id.metainfo.xml"

# Every icon is a picture of the size its folder names.
for size in 16 32 48 64 128 256; do
    file "$tmp/prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size"
done
# man finds the page from the program's folder on PATH (its ../share/man), as it
# does for /usr/local/bin.
page=$(unset MANPATH; PATH="$tmp/prefix/bin:$PATH" man -w veltro-weight-loss-calculator)
[[ "$page" == "$tmp/prefix/share/man/man1/veltro-weight-loss-calculator.1.gz" ]] ||
    { echo "man finds $page"; exit 1; }
echo "desktop integration: ok"
