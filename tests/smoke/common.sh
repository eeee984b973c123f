# Shell functions the smoke scripts share; they need step_timeout_s set.

# The scripts find the game's windows by their English titles, whatever the machine's language.
export LANGUAGE=en

# A private copy of the built game in $game, so that no launch changes the build's own library;
# removed on exit, with the game still running then.
copy_game() {
    work=$(mktemp -d)
    game_pid=
    trap '[ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    cp -r "$1"/. "$work/game"
    game=$work/game
}

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
