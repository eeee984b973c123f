# Shell functions the smoke scripts share; they need step_timeout_s and game_pid set.

# Polls the command every 50 ms until it succeeds or the step's time is over.
wait_until() {
    local deadline=$((SECONDS + step_timeout_s))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

visible_window() { xdotool search --onlyvisible --name "$1" | head -n1; }
window_gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null; }
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
