#!/usr/bin/env bash
# The real-X smoke test: the built game launched LAUNCHES times (20 unless given) on a private X
# server with the openbox window manager, each time from the catalogue through one puzzle to the
# closing message (see launches.sh), on an 800 x 600 screen, where the game draws its artwork
# unscaled and every picture is compared pixel for pixel; then once on each common screen size at
# the scale it chooses there (see scales.sh). Screenshots of failures go to BIN_DIR/../smoke-failures.
#   tests/smoke/run.sh [BIN_DIR] [LAUNCHES]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
bin_dir=$(cd "${1:-$root/build/bin}" && pwd)
launches=${2:-20}

for tool in xdotool import convert compare identify xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "smoke: $tool is not installed" >&2; exit 2; }
done
failure_dir=$(dirname "$bin_dir")/smoke-failures
rm -rf "$failure_dir"
status=0
LEXIGLADE_SCREEN=800x600 "$here/xsession.sh" "$here/launches.sh" "$bin_dir" "$launches" \
    "$failure_dir" || status=$?
# Screen size, the scale worked out for it by hand, the background's least share of the height;
# the last screen is one that Qt scales by 2 itself (Xft.dpi 192).
for screen in 800x600:1:75 1280x800:1.5:80 1920x1080:2:80 3840x2160:4.25:80 3840x2160:4.25:80:192; do
    IFS=: read -r size scale share dpi <<<"$screen"
    [ "$status" = 0 ] || break
    LEXIGLADE_SCREEN=$size LEXIGLADE_XFT_DPI=$dpi "$here/xsession.sh" "$here/scales.sh" \
        "$bin_dir" "$scale" "$share" "$failure_dir" || status=$?
done
# Without Xvfb or openbox the session is skipped; the smoke test cannot be.
[ "$status" != 77 ] || status=2
exit "$status"
