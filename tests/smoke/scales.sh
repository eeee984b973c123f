#!/usr/bin/env bash
# Inside an X session with a window manager (see xsession.sh): the built game on a screen of the
# session's size, at the scale it chooses for it. The catalogue's background picture fills the
# share of the screen's height it must and fits the window, drawn at the scale expected for the
# screen; a puzzle opens from the folder tree at the scaled positions, its board drawn at that
# scale; End and Exit act where their scaled pictures are.
#   tests/smoke/scales.sh BIN_DIR EXPECTED_SCALE MIN_SHARE_PERCENT FAILURE_DIR
set -euo pipefail

bin_dir=$1
expected_scale=$2
min_share=$3
failure_dir=$4
readonly step_timeout_s=10
# Catalogue layout in logical pixels, relative to the background picture (640 x 480, its last
# row and column not drawn).
readonly backdrop_width=640 backdrop_height=480
readonly tree_left=190 tree_top=180 row_height=16 tree_frame=2 exit_hotspot_size=40
# Puzzle screen layout in logical pixels: the board picture and the End picture at its corner.
readonly board_width=600 board_height=424 end_width=40 end_height=35

# shellcheck source=tests/smoke/common.sh
. "$(dirname "$0")/common.sh"
copy_game "$bin_dir"
read -r screen_width screen_height < <(xdpyinfo 2>/dev/null | awk '/dimensions:/ {
    split($2, s, "x"); print s[1], s[2] }')


fail() {
    echo "screen ${screen_width}x$screen_height: FAILED: $1"
    mkdir -p "$failure_dir"
    import -window root "$failure_dir/scale-${screen_width}x$screen_height.png" || true
    return 1
}

# The window's client area, and in it the bounding box of everything not black: the artwork.
# Sets client_x, client_y, client_w, client_h, art_x, art_y, art_w, art_h (screen pixels).
measure() {
    local WIDTH HEIGHT X Y box
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    client_x=$X client_y=$Y client_w=$WIDTH client_h=$HEIGHT
    import -window root "$work/shot.miff" || return 1
    box=$(convert "$work/shot.miff" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -trim \
        -format '%w %h %X %Y' info:) || return 1
    read -r art_w art_h art_x art_y <<<"${box//+/ }"
    art_x=$((client_x + art_x)) art_y=$((client_y + art_y))
}

# Whether the artwork is drawn `logical` pixels wide at the expected scale, to a pixel.
drawn_at_scale() {
    local drawn=$1 logical=$2 wanted
    wanted=$(awk -v l="$logical" -v s="$expected_scale" 'BEGIN { printf "%d", l * s + 0.999 }')
    [ $((drawn - wanted)) -le 1 ] && [ $((wanted - drawn)) -le 1 ]
}
catalogue_drawn() { measure "$1" && drawn_at_scale "$art_w" $((backdrop_width - 1)); }
# The board with the End picture below its corner, not the catalogue's taller background.
board_drawn() {
    measure "$1" && [ "$art_w" -ge "$(scaled "$board_width")" ] &&
        [ "$art_h" -le $(($(scaled $((board_height + end_height))) + 2)) ]
}

# Screen pixels of `logical` pixels at the expected scale.
scaled() { awk -v l="$1" -v s="$expected_scale" 'BEGIN { printf "%d", l * s }'; }

SDL_AUDIODRIVER=dummy "$work/game/lexiglade" >"$work/game.log" 2>&1 &
game_pid=$!
wait_until visible_window '^Lexiglade$' || { fail "no catalogue window"; exit 1; }
catalogue=$(visible_window '^Lexiglade$')
wait_until catalogue_drawn "$catalogue" ||
    { fail "background ${art_w:-?} pixels wide, not 639 at $expected_scale"; exit 1; }
share=$((100 * art_h / screen_height))
echo "screen ${screen_width}x$screen_height: background ${art_w}x$art_h, $share % of the height"
[ "$share" -ge "$min_share" ] || { fail "background below $min_share % of the height"; exit 1; }
[ "$art_x" -ge "$client_x" ] && [ $((art_y + art_h)) -le $((client_y + client_h)) ] ||
    { fail "background larger than the window"; exit 1; }

# The first folder, then its first puzzle.
x=$((art_x + $(scaled $((tree_left + 40)))))
folder_y=$((art_y + $(scaled $((tree_top + tree_frame + row_height / 2)))))
xdotool mousemove "$x" "$folder_y" click --repeat 2 --delay 80 1
sleep 0.3
xdotool mousemove "$x" $((folder_y + $(scaled "$row_height"))) click 1
wait_until visible_window '^Lexiglade Puzzle$' || { fail "no puzzle window"; exit 1; }
puzzle=$(visible_window '^Lexiglade Puzzle$')
wait_until board_drawn "$puzzle" || { fail "no board at the scale"; exit 1; }
# End stands at the board's bottom-right corner, the bottom-right corner of all that is drawn.
xdotool mousemove $((art_x + art_w - $(scaled $((end_width / 2))))) \
    $((art_y + art_h - $(scaled $((end_height / 2))))) click 1
wait_until window_gone '^Lexiglade Puzzle$' || { fail "End left the puzzle open"; exit 1; }

wait_until catalogue_drawn "$catalogue" || { fail "no background after End"; exit 1; }
xdotool mousemove $((art_x + $(scaled $((exit_hotspot_size / 2))))) \
    $((art_y + $(scaled $((backdrop_height - 1 - exit_hotspot_size / 2))))) click 1
wait_until visible_window '^Information$' || { fail "no closing message"; exit 1; }
xdotool windowactivate --sync "$(visible_window '^Information$')" key --clearmodifiers Return
wait_until game_ended || { fail "the program went on after its message"; exit 1; }
game_pid=
echo "screen ${screen_width}x$screen_height: passed"
