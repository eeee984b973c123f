#!/usr/bin/env bash
# Inside an X session with a window manager (see xsession.sh): launches the built game LAUNCHES
# times and walks each time the road a new player takes. The catalogue's background picture is on
# the screen where it belongs; a puzzle opens from the folder tree with its board on the screen;
# the End hotspot brings the catalogue back; the Exit hotspot shows its information box (the
# closing message, whose text the headless tests check) and, once that box is dismissed, the
# program ends. One line per launch; the status is 1 when any launch fails, and a screenshot of
# each failure is kept in FAILURE_DIR.
#   tests/smoke/launches.sh BIN_DIR LAUNCHES FAILURE_DIR
set -euo pipefail

bin_dir=$1
launches=$2
failure_dir=$3
readonly step_timeout_s=10 grab_timeout_s=3
# Catalogue layout, relative to the centred background picture.
readonly tree_left=190 tree_top=180 row_height=16 tree_frame=2
readonly exit_hotspot_size=40
# Puzzle screen layout, relative to the board picture.
readonly board_band_top=16 board_band_height=24 # between the clock and the title
readonly small_screen_width=640 small_screen_height=480
readonly puzzles_in_first_folder=4

# shellcheck source=tests/smoke/common.sh
. "$(dirname "$0")/common.sh"
copy_game "$bin_dir"

picture_size() { identify -format '%w %h\n' "bmp:$1"; }
read -r backdrop_width backdrop_height < <(picture_size "$game/a4.asl")
read -r board_width board_height < <(picture_size "$game/a3.asl")
read -r end_width end_height < <(picture_size "$game/a1.asl")


# Sets the catalogue's geometry from the window's client size, as the first paint fixes it.
measure_catalogue() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    screen_width=$WIDTH
    screen_height=$HEIGHT
    backdrop_left=$((screen_width / 2 - backdrop_width / 2))
    backdrop_top=$((screen_height / 2 - backdrop_height / 2))
    board_left=0
    board_top=0
    [ "$screen_width" -le "$small_screen_width" ] || board_left=$((screen_width / 2 - board_width / 2))
    [ "$screen_height" -le "$small_screen_height" ] ||
        board_top=$((screen_height / 2 - board_height / 2))
}

# Cuts the part SX,SY W x H of the picture FILE out as NAME, to compare with the screen.
declare -A piece_size
cut_piece() {
    local name=$1 file=$2 sx=$3 sy=$4 w=$5 h=$6
    convert "bmp:$file" -crop "${w}x${h}+${sx}+${sy}" +repage "$work/$name.png"
    piece_size[$name]=${w}x${h}
}
# The background picture where neither the tree nor the label covers it: the band above the tree
# and the hotspots' column left of it; its last row and column are not drawn. The board between
# the clock and the title, and the End picture.
cut_piece backdrop_band "$game/a4.asl" 0 0 $((backdrop_width - 1)) "$tree_top"
cut_piece backdrop_column "$game/a4.asl" 0 "$tree_top" "$tree_left" \
    $((backdrop_height - 1 - tree_top))
cut_piece board_band "$game/a3.asl" 0 "$board_band_top" "$board_width" "$board_band_height"
cut_piece end_picture "$game/a1.asl" 0 0 "$end_width" "$end_height"

grab() { timeout "$grab_timeout_s" import -window "$1" "$work/shot.miff"; }

# Whether the last grab shows the piece NAME with its top-left corner at X,Y.
shows() {
    local name=$1 x=$2 y=$3 differing
    differing=$(compare -metric AE "$work/shot.miff[${piece_size[$name]}+$x+$y]" \
        "$work/$name.png" null: 2>&1) || true
    [ "$differing" = 0 ]
}

# The background picture is centred on the window's client area.
catalogue_shown() {
    measure_catalogue "$1"
    grab "$1" &&
        shows backdrop_band "$backdrop_left" "$backdrop_top" &&
        shows backdrop_column "$backdrop_left" $((backdrop_top + tree_top))
}

# The board where the catalogue's size puts it, and the End picture at its bottom right.
board_shown() {
    grab "$1" &&
        shows board_band "$board_left" $((board_top + board_band_top)) &&
        shows end_picture $((board_left + board_width)) $((board_top + board_height))
}

fail() {
    echo "launch $launch: FAILED: $1"
    mkdir -p "$failure_dir"
    timeout "$grab_timeout_s" import -window root "$failure_dir/launch-$launch.png" || true
    cp "$work/game.log" "$failure_dir/launch-$launch.log" 2>/dev/null || true
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    return 1
}

open_puzzle() {
    local catalogue=$1
    local x=$((backdrop_left + tree_left + 40))
    local folder_y=$((backdrop_top + tree_top + tree_frame + row_height / 2))
    local row=$((1 + launch % puzzles_in_first_folder))
    xdotool mousemove --window "$catalogue" "$x" "$folder_y" click --repeat 2 --delay 80 1
    xdotool mousemove --window "$catalogue" "$x" $((folder_y + row * row_height)) click 1
}

end_game() {
    xdotool mousemove --window "$1" $((board_left + board_width + end_width / 2)) \
        $((board_top + board_height + end_height / 2)) click 1
}

exit_game() {
    xdotool mousemove --window "$1" $((backdrop_left + exit_hotspot_size / 2)) \
        $((backdrop_top + backdrop_height - exit_hotspot_size / 2)) click 1
}

run_launch() {
    local catalogue puzzle box
    SDL_AUDIODRIVER=dummy "$game/lexiglade" >"$work/game.log" 2>&1 &
    game_pid=$!
    wait_until visible_window '^Lexiglade$' || { fail "no catalogue window"; return 1; }
    catalogue=$(visible_window '^Lexiglade$')
    wait_until catalogue_shown "$catalogue" || { fail "no background picture"; return 1; }

    open_puzzle "$catalogue"
    wait_until visible_window '^Lexiglade Puzzle$' || { fail "no puzzle window"; return 1; }
    puzzle=$(visible_window '^Lexiglade Puzzle$')
    wait_until board_shown "$puzzle" || { fail "no board on the puzzle screen"; return 1; }
    end_game "$puzzle"
    wait_until window_gone '^Lexiglade Puzzle$' || { fail "End left the puzzle open"; return 1; }
    wait_until catalogue_shown "$catalogue" || { fail "no background after End"; return 1; }

    exit_game "$catalogue"
    wait_until visible_window '^Information$' || { fail "no closing message"; return 1; }
    box=$(visible_window '^Information$')
    ! game_ended || { fail "the program ended before its message was dismissed"; return 1; }
    xdotool windowactivate --sync "$box" key --clearmodifiers Return
    wait_until game_ended || { fail "the program went on after its message"; return 1; }
    wait "$game_pid" || { fail "the program ended with status $?"; return 1; }
    game_pid=
}

passed=0
for ((launch = 1; launch <= launches; launch++)); do
    if run_launch; then
        passed=$((passed + 1))
        echo "launch $launch: passed"
    fi
done
echo "smoke: $passed of $launches launches passed"
[ "$passed" = "$launches" ]
