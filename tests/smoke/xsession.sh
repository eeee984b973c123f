#!/usr/bin/env bash
# Runs a command on a private X server (1280 x 800, or LEXIGLADE_SCREEN as WIDTHxHEIGHT), with the
# openbox window manager unless --no-wm is given, and ends both afterwards. LEXIGLADE_XFT_DPI
# sets the screen's Xft.dpi resource, with which Qt gives the screen a device pixel ratio. Exit status: the command's; 77 when Xvfb or
# openbox is missing (the test is skipped).
#   tests/smoke/xsession.sh [--no-wm] COMMAND [ARG...]
set -euo pipefail

readonly screen_size=${LEXIGLADE_SCREEN:-1280x800}x24
# As long as a busy machine may need to start a server and a window manager; a quiet one takes
# well under a second.
readonly start_timeout_s=120

with_wm=1
if [ "${1:-}" = "--no-wm" ]; then
    with_wm=0
    shift
fi
for tool in Xvfb xprop; do
    command -v "$tool" >/dev/null || { echo "xsession: $tool is not installed" >&2; exit 77; }
done
if [ "$with_wm" = 1 ] && ! command -v openbox >/dev/null; then
    echo "xsession: openbox is not installed" >&2
    exit 77
fi

session=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[$i]}" 2>/dev/null || true
        wait "${pids[$i]}" 2>/dev/null || true
    done
    rm -rf "$session"
}
trap cleanup EXIT

# Polls `condition` every 50 ms until it holds. Fails, naming what did not start and showing its
# log, when the process `pid` has ended or the start-up time is over.
wait_for() {
    local name=$1 pid=$2 log=$3
    shift 3
    local deadline=$((SECONDS + start_timeout_s)) why
    until "$@" >/dev/null 2>&1; do
        why=
        kill -0 "$pid" 2>/dev/null || why="it ended"
        [ "$SECONDS" -lt "$deadline" ] || why="not within $start_timeout_s s"
        if [ -n "$why" ]; then
            echo "xsession: $name did not start ($why); its log $log:" >&2
            sed 's/^/    /' "$log" >&2
            exit 1
        fi
        sleep 0.05
    done
}

# Xvfb picks a free display itself and writes its number to the file. It never resets: a reset,
# when the last client leaves, would refuse the clients that come meanwhile.
Xvfb -displayfd 3 -screen 0 "$screen_size" -nolisten tcp -noreset 3>"$session/display" \
    >"$session/xvfb.log" 2>&1 &
pids+=($!)
wait_for Xvfb $! "$session/xvfb.log" test -s "$session/display"
DISPLAY=":$(head -n1 "$session/display")"
export DISPLAY
# The display is named before the server answers on it.
wait_for Xvfb "${pids[0]}" "$session/xvfb.log" xprop -root
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR LEXIGLADE_SCREEN

wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}
if [ "$with_wm" = 1 ]; then
    openbox --sm-disable >"$session/openbox.log" 2>&1 &
    pids+=($!)
    wait_for openbox $! "$session/openbox.log" wm_ready
    export LEXIGLADE_TEST_WM=openbox
else
    export LEXIGLADE_TEST_WM=none
fi

# Set once the window manager runs, which would otherwise put its own resources in place.
if [ -n "${LEXIGLADE_XFT_DPI:-}" ]; then
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$LEXIGLADE_XFT_DPI"
fi
unset LEXIGLADE_XFT_DPI

"$@"
