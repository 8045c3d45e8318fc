#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Without a display it
# runs the program under Xvfb, saves a screenshot of the main window and closes it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
scripts/build.sh
program=${BUILD_DIR:-build}/src/veltro-weight-loss-calculator

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

echo "No display found: starting the program under Xvfb to take a screenshot of it." >&2
tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
for n in $(shuf -i 100-400 -n 40); do
    [[ -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break 2; sleep 0.1; done
done
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# A private settings folder, so the screenshot shows the window as on a first start.
export XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$program" &
app=$!
pids+=("$app")
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Veltro Weight Loss Calculator v1.0$' 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "The main window did not appear." >&2; exit 1; }
sleep 1
mkdir -p "${BUILD_DIR:-build}/artifacts"
shot="$(realpath "${BUILD_DIR:-build}")/artifacts/main-window.png"
import -window "$window" "$shot"
kill "$app"
echo "The program started; a screenshot of its main window is at: $shot"
