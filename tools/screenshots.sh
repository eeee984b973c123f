#!/usr/bin/env bash
# Takes the screenshots of the README and the AppStream data from the real game: installs the
# build into a temporary prefix, starts it with an empty player's folder on a private 1920x1080
# X server with a window manager, and saves the catalogue and a puzzle in play.
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]        defaults: build/ and docs/screenshots/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$root/docs/screenshots}
screen=1920x1080x24
backdrop_width=640        # the catalogue background in logical pixels, its last column not drawn
tree_left=190 tree_top=180 # the folder tree, from the background's corner, in logical pixels
first_row=10               # the middle of the tree's first row, from its top

missing=()
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "screenshots.sh needs ${missing[*]} (packages xvfb openbox xdotool imagemagick)" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lexiglade-screenshots-XXXXXX")
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; --i)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for ((i = 0; i < 100; ++i)); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

mkdir -m 700 "$work/data" "$work/runtime"
XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
    "$work/prefix/bin/lexiglade" >"$work/game.log" 2>&1 &
pids+=($!)
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Lexiglade$' | head -n 1)
sleep 2 # the first paint

# The background is all that is drawn that is not black; its width gives the game's display scale.
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$work/shot.miff"
read -r art_w art_x art_y < <(convert "$work/shot.miff" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage \
    -trim -format '%w %X %Y\n' info: | tr -d +)
scaled() { awk -v l="$1" -v w="$art_w" -v b="$backdrop_width" 'BEGIN { printf "%d", l * w / (b - 1) }'; }

# Opens the first folder, then its first puzzle, from the keyboard as a player may.
xdotool mousemove --window "$window" $((art_x + $(scaled $((tree_left + 40))))) \
    $((art_y + $(scaled $((tree_top + first_row))))) click 1
sleep 0.5
xdotool key Right
sleep 0.5
mkdir -p "$out"
import -window root -strip "$out/catalogue.png"
xdotool key Down
sleep 3 # the puzzle screen's first paint
import -window root -strip "$out/game.png"
echo "saved $out/catalogue.png and $out/game.png"
