#!/usr/bin/env bash
# The installed game: `cmake --install` into a temporary prefix puts every file in place, the menu
# entry and the AppStream data validate, and the game, started twice from a read-only install
# tree with an empty player's data folder, keeps the player's library there and leaves the
# install tree exactly as it was.
#   InstalledGameTest.sh BUILD_DIR SOURCE_DIR INSTALL_TESTS PROGRAM...
set -euo pipefail
build=$1 source=$2 driver=$3
shift 3
programs=("$@")
id=io.github.lexiglade.Lexiglade
startup_wait=30 # seconds the installed game may take to fill the player's folder

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/lexiglade-install-XXXXXX")
game_pid=
cleanup() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

echo "== every file in place"
mapfile -t expected < <("$source/tools/installed-files.sh" "$build" "$source" "${programs[@]}")
diff <(printf '%s\n' "${expected[@]}") <(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the install tree holds other files than these"
for p in "${programs[@]}"; do [ -x "$prefix/bin/$p" ] || fail "not executable: bin/$p"; done
library=$build/generated/library
mapfile -t shipped < <(cd "$library" && find . -type f | sed 's|^\./||')
[ ${#shipped[@]} -gt 0 ] || fail "no starter library in $library"
for f in "${shipped[@]}"; do
    cmp -s "$library/$f" "$prefix/share/lexiglade/$f" || fail "library file $f differs"
done

echo "== menu entry and AppStream data"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli"

echo "== the installed game on a read-only install tree"
chmod -R a-w "$prefix"
tree_state() {
    (cd "$prefix" && find . -printf '%p %M %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
before=$(tree_state)
# The player: an ordinary user, for whom the read-only install tree really is read-only.
as_player=()
mkdir -m 700 "$work/home" "$work/data" "$work/runtime" "$work/smoke" "$work/silent"
cp "$driver" "$work/install_tests"
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$work/home" "$work/data" "$work/runtime" "$work/smoke" "$work/silent"
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
player_env=(HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LEXIGLADE_INSTALLED="$prefix/bin/lexiglade")
[ -z "$(ls -A "$work/data")" ] || fail "the player's data folder is not empty"
for start in FirstStart SecondStart; do
    env "${player_env[@]}" XDG_DATA_HOME="$work/data" "${as_player[@]}" \
        "$work/install_tests" --gtest_filter="InstalledGame.$start*" >"$work/$start.log" 2>&1 ||
        { cat "$work/$start.log" >&2; fail "$start"; }
    grep -q '^\[  PASSED  \] 1 test\.' "$work/$start.log" || fail "no test ran for $start"
done

# Starts the installed game with the player's data folder $1 and the system's data folders $2,
# waits until it has filled the player's folder, then ends it; what it printed is in game.log.
start_installed_game() {
    env "${player_env[@]}" XDG_DATA_HOME="$1" XDG_DATA_DIRS="$2" "${as_player[@]}" \
        "$prefix/bin/lexiglade" >"$work/game.log" 2>&1 &
    game_pid=$!
    for ((i = 0; i < startup_wait * 10; ++i)); do
        [ -f "$1/lexiglade/a7.asl" ] && break
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null || { cat "$work/game.log" >&2; fail "the installed game ended"; }
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

echo "== the installed executable finds its shipped data and fills the player's folder"
start_installed_game "$work/smoke" "${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
cmp -s "$prefix/share/lexiglade/a8.asl" "$work/smoke/lexiglade/a8.asl" ||
    fail "the installed game did not fill the player's folder"
[ -f "$work/smoke/lexiglade/a7.asl" ] || fail "the installed game did not copy the folder tree"
! grep '^lexiglade\.' "$work/game.log" || fail "the installed game logged a failure at its start"

if [ -z "${LEXIGLADE_CONFIGURED_SOUNDFONT:-}" ]; then # else the game finds that one
    echo "== without a soundfont the game starts all the same and says where it looked"
    start_installed_game "$work/silent" "$work/nothing"
    grep -q "^lexiglade.audio: .*$work/nothing/sounds/sf2" "$work/game.log" ||
        { cat "$work/game.log" >&2; fail "no warning names where the soundfont was looked for"; }
fi

echo "== the install tree is unchanged"
[ "$(tree_state)" = "$before" ] || fail "the install tree changed"
echo "passed"
