#!/usr/bin/env bash
# cpack builds a Debian package whose dependencies come from the libraries the
# program links, and which holds exactly the installed files.
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
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "\b$library\b" <<<"$depends" || { echo "missing dependency $library"; exit 1; }
done

# A Wayland session then runs the program natively rather than through XWayland.
[[ "$(dpkg-deb -f "$deb" Recommends)" == qt6-wayland ]] || { echo "qt6-wayland is not recommended"; exit 1; }

dpkg -x "$deb" "$tmp/root"
(cd "$tmp/root/usr" && find . -type f | sed 's|^\./||' | sort) >"$tmp/packaged"
expected_files "$id" | sort >"$tmp/expected"
diff -u "$tmp/expected" "$tmp/packaged"
[[ -x "$tmp/root/usr/bin/veltro-weight-loss-calculator" ]]
echo "debian package: ok"
