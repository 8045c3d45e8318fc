# A private X server with an optional window manager, for the scripts that run the
# program without a desktop: scripts/run.sh, the end-to-end tests and the benchmark.
# Source it; the functions report on stderr and return non-zero on failure.

# Runs a command until it succeeds, for at most $1 seconds.
xs_wait() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Starts Xvfb on a free display and waits until it answers. Arguments: its log file,
# then optionally the screen (1280x1024x24) and the dots per inch (96). Exports
# DISPLAY and sets XS_XVFB_PID.
xs_start_xvfb() {
    local log=$1 screen=${2:-1280x1024x24} dpi=${3:-96} n
    for n in $(shuf -i 100-700 -n 60); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 "$screen" -dpi "$dpi" -nolisten tcp -noreset >"$log" 2>&1 &
        XS_XVFB_PID=$!
        export DISPLAY=":$n"
        # A display taken by someone else in the meantime ends this server at once.
        if xs_wait 20 xs_x_ready; then
            return 0
        fi
        kill "$XS_XVFB_PID" 2>/dev/null || true
        wait "$XS_XVFB_PID" 2>/dev/null || true
    done
    unset DISPLAY XS_XVFB_PID
    echo "could not start Xvfb; its last words:" >&2
    tail -n 20 "$log" >&2
    return 1
}

xs_x_ready() {
    kill -0 "$XS_XVFB_PID" 2>/dev/null && xdotool getdisplaygeometry
}

# True once a window manager has announced itself on the root window as the EWMH
# says: _NET_SUPPORTING_WM_CHECK names a window that carries the same property.
xs_wm_ready() {
    local root child
    root=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) || return 1
    [[ "$root" == *"window id # "* ]] || return 1
    child=${root##*# }
    xprop -id "$child" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id # $child"
}

# Starts a window manager (openbox, fluxbox or icewm; none starts nothing) and waits
# until it manages the screen, for a program started too early keeps its window
# unmapped. Arguments: its name and its log file. Sets XS_WM_PID.
xs_start_wm() {
    local wm=$1 log=$2
    XS_WM_PID=""
    case "$wm" in
    none) return 0 ;;
    openbox) openbox --sm-disable >"$log" 2>&1 & ;;
    # fluxbox writes its default configuration into the home folder on its first start.
    fluxbox) HOME="${XS_WM_HOME:-$HOME}" fluxbox >"$log" 2>&1 & ;;
    icewm) icewm >"$log" 2>&1 & ;;
    *)
        echo "unknown window manager: $wm" >&2
        return 1
        ;;
    esac
    XS_WM_PID=$!
    if ! xs_wait 30 xs_wm_ready; then
        echo "$wm did not take over the screen within 30 s; its last words:" >&2
        tail -n 20 "$log" >&2
        return 1
    fi
}
