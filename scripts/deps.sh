#!/usr/bin/env bash
# Installs the Debian packages the project needs that the machine lacks.
# Usage: scripts/deps.sh build|run|test|bench
set -euo pipefail

build=(cmake make g++ qt6-base-dev qt6-base-dev-tools clang-format fonts-dejavu-core
       help2man # the manual page, made from the program's --help
       qt6-l10n-tools qt6-tools-dev # lupdate and lrelease, and their CMake functions, for the translations
       libqt6sql6-sqlite) # the journal's database driver, which the tests load too
run=(xvfb openbox xdotool imagemagick x11-utils qt6-wayland libqt6sql6-sqlite
     qt6-translations-l10n # the toolkit's own dialogs and buttons in German, French and Spanish
     locales)
test=(libqt6sql6-sqlite qt6-translations-l10n xvfb openbox fluxbox icewm weston qt6-wayland xdotool imagemagick x11-utils x11-xserver-utils curl file python3 dbus at-spi2-core python3-pyatspi
      desktop-file-utils appstream dpkg-dev lintian man-db poppler-utils xclip
      clang libclang-rt-14-dev # the fuzz targets: clang with libFuzzer and its sanitizers
      locales) # the paper test and the translations: the locales generated below
# The start-up benchmark (bench/run.sh): X server, window tools, GNU time, profilers.
bench=(xvfb xdotool x11-utils libx11-dev time valgrind linux-perf)

case "${1:-test}" in
build) wanted=("${build[@]}") ;;
run) wanted=("${build[@]}" "${run[@]}") ;;
test) wanted=("${build[@]}" "${test[@]}") ;;
bench) wanted=("${build[@]}" "${bench[@]}") ;;
*)
    echo "usage: $0 build|run|test|bench" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The paper test prints under a locale of Letter and one of A4 paper; the program is
# run in German, French and Spanish as well as in American English.
if [[ "${1:-test}" == test || "${1:-test}" == run ]]; then
    for locale in en_US de_DE fr_FR es_ES; do
        locale -a 2>/dev/null | grep -qix "$locale.utf-\?8" ||
            "${sudo[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    done
fi
