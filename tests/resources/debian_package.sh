#!/usr/bin/env bash
# cpack builds a Debian package whose dependencies come from the libraries the
# program links, and which holds exactly the installed files; lintian finds no error
# or warning in it, and its manual page renders cleanly with every option of --help.
set -euo pipefail
build_dir=$(realpath "$1")
id=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/expected-files.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(cd "$tmp" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1) ||
    { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/out/*.deb)
echo "package: $(basename "$deb")"
[[ "$(dpkg-deb -f "$deb" Package)" == veltro-weight-loss-calculator ]]
[[ "$(dpkg-deb -f "$deb" Version)" == 1.00 ]]
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
# The SQLite driver is a plugin the scan of linked libraries cannot see: named by hand.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6sql6-sqlite libc6 libstdc++6; do
    grep -q "\b$library\b" <<<"$depends" || { echo "missing dependency $library"; exit 1; }
done

# A Wayland session then runs the program natively rather than through XWayland, and
# a German, French or Spanish one sees the toolkit's dialogs in its language.
[[ "$(dpkg-deb -f "$deb" Recommends)" == "qt6-wayland, qt6-translations-l10n" ]] ||
    { echo "qt6-wayland and qt6-translations-l10n are not recommended"; exit 1; }

dpkg -x "$deb" "$tmp/root"
(cd "$tmp/root/usr" && find . -type f | sed 's|^\./||' | sort) >"$tmp/packaged"
expected_files "$id" | sort >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/packaged"
[[ -x "$tmp/root/usr/bin/veltro-weight-loss-calculator" ]]

# Tags of the info and pedantic levels are shown but pass. As root lintian warns
# about that on its error output, which is kept apart from the tags.
lintian --no-cfg --pedantic --display-info --fail-on error,warning "$deb" >"$tmp/lintian" 2>"$tmp/lintian.err" ||
    { cat "$tmp/lintian" "$tmp/lintian.err"; echo "lintian fails the package"; exit 1; }
echo "lintian: $(wc -l <"$tmp/lintian") tags"
cat "$tmp/lintian"

page="$tmp/root/usr/share/man/man1/veltro-weight-loss-calculator.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || { echo "the manual page renders with warnings:"; echo "$warnings"; exit 1; }
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" >"$tmp/page" 2>&1
for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT FILES EXAMPLES "SEE ALSO"; do
    grep -qx "$section" "$tmp/page" || { echo "the manual page has no $section"; exit 1; }
done
# Every option the program's help names, its own and the toolkit's it mentions.
"$tmp/root/usr/bin/veltro-weight-loss-calculator" --help >"$tmp/help"
for option in $(grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' "$tmp/help" | tr -d ' ,' | sort -u); do
    grep -qE -- "(^|[ ,])$option([ ,]|$)" "$tmp/page" || { echo "the manual page lacks $option"; exit 1; }
done
echo "debian package: ok"
