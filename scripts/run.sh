#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Without a display it
# runs the program under Xvfb with openbox, saves a screenshot of the main window
# and closes it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
scripts/build.sh
program=${BUILD_DIR:-build}/src/veltro-weight-loss-calculator

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

echo "No display found: starting the program under Xvfb to take a screenshot of it." >&2
source scripts/x-session.sh
tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# Says why the window did not come up, and stops.
give_up() {
    echo "The main window did not appear: $1" >&2
    for log in program xvfb openbox; do
        if [[ -s "$tmp/$log.log" ]]; then
            echo "--- last lines of the $log log:" >&2
            tail -n 15 "$tmp/$log.log" >&2
        fi
    done
    exit 1
}

xs_start_xvfb "$tmp/xvfb.log" || give_up "no X server could be started."
pids+=("$XS_XVFB_PID")
# The program's window stays unmapped if it comes before the window manager is ready.
xs_start_wm openbox "$tmp/openbox.log" || give_up "the window manager did not start."
pids+=("$XS_WM_PID")
# A private settings folder, so the screenshot shows the window as on a first start.
export XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$program" >"$tmp/program.log" 2>&1 &
app=$!
pids+=("$app")

main_window() { xdotool search --onlyvisible --name '^Veltro Weight Loss Calculator v1.0$' 2>/dev/null | head -n 1; }
# A cold first start (fonts, libraries from a slow disk) can take many seconds.
window=""
deadline=$((SECONDS + 60))
while [[ -z "$window" ]]; do
    if ! kill -0 "$app" 2>/dev/null; then
        status=0
        wait "$app" || status=$?
        give_up "the program ended with exit status $status."
    fi
    ((SECONDS < deadline)) || give_up "the program still runs, but showed no window within 60 s."
    sleep 0.1
    window=$(main_window || true)
done
sleep 1
mkdir -p "${BUILD_DIR:-build}/artifacts"
shot="$(realpath "${BUILD_DIR:-build}")/artifacts/main-window.png"
import -window "$window" "$shot"
kill "$app"
echo "The program started; a screenshot of its main window is at: $shot"
