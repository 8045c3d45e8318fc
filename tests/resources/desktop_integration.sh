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

entry="$tmp/prefix/share/applications/$id.desktop"
desktop-file-validate "$entry"
grep -qx "Exec=veltro-weight-loss-calculator" "$entry"
grep -qx "Icon=$id" "$entry"
# The launcher's menu goes straight to the progress window.
grep -qx "Actions=progress;" "$entry"
sed -n '/^\[Desktop Action progress\]$/,/^\[/p' "$entry" >"$tmp/action"
grep -qx "Name=Your Progress" "$tmp/action" && grep -qx "Exec=veltro-weight-loss-calculator --progress" "$tmp/action" ||
    { echo "the desktop entry has no action that opens the progress window"; exit 1; }
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
