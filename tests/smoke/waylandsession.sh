#!/usr/bin/env bash
# Runs a command on a private headless Wayland compositor (weston, drawing in software) whose one
# output is LEXIGLADE_SCREEN (WIDTHxHEIGHT device pixels, 1920x1080 unless given) at output scale
# LEXIGLADE_OUTPUT_SCALE (1 unless given), once the compositor's panel is up, with Qt's wayland
# platform, and ends the compositor afterwards. Screenshots are allowed (weston-screenshooter).
# Exit status: the command's; 77 when weston or Qt's wayland platform is missing (the test is
# skipped).
#   tests/smoke/waylandsession.sh COMMAND [ARG...]
set -euo pipefail

readonly screen=${LEXIGLADE_SCREEN:-1920x1080} scale=${LEXIGLADE_OUTPUT_SCALE:-1}
# A busy machine may take long to start a compositor.
readonly start_timeout_s=30

command -v weston >/dev/null || { echo "waylandsession: weston is not installed" >&2; exit 77; }
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "waylandsession: Qt's wayland platform (qt6-wayland) is not installed" >&2
    exit 77
fi

session=$(mktemp -d) # private, as XDG_RUNTIME_DIR must be
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$session"
}
trap cleanup EXIT

# weston takes the output's size in its own pixels, each `scale` device pixels wide.
width=${screen%x*} height=${screen#*x}
XDG_RUNTIME_DIR=$session weston --backend=headless-backend.so --width=$((width / scale)) \
    --height=$((height / scale)) --scale="$scale" --socket=wayland-test --use-pixman --debug \
    >"$session/weston.log" 2>&1 &
weston_pid=$!
# Waits, within the start time, until the command given succeeds; false when weston has ended.
tries=$((start_timeout_s * 20))
await() {
    until "$@"; do
        tries=$((tries - 1))
        if [ "$tries" -le 0 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
            return 1
        fi
        sleep 0.05
    done
}
# weston leaves its panel out of a maximized window's size only once the panel is there, as it is
# on a desktop before any game starts.
panel_up() {
    weston-debug scene-graph 2>/dev/null | grep "panel for output" >/dev/null
}

if ! await test -S "$session/wayland-test"; then
    echo "waylandsession: weston did not start within ${start_timeout_s} s:" >&2
    tail -n 20 "$session/weston.log" >&2
    exit 1
fi
export XDG_RUNTIME_DIR=$session WAYLAND_DISPLAY=wayland-test
if ! await panel_up; then
    echo "waylandsession: weston's panel did not come up within ${start_timeout_s} s" >&2
    exit 1
fi
export QT_QPA_PLATFORM=wayland
unset DISPLAY QT_SCALE_FACTOR LEXIGLADE_SCREEN LEXIGLADE_OUTPUT_SCALE
"$@"
