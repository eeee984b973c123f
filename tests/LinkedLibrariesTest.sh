#!/usr/bin/env bash
# What needs neither sound nor printing links neither: the game links SDL2, FluidSynth and Qt
# PrintSupport, the other programs given none of them.
#   LinkedLibrariesTest.sh GAME PROGRAM...
set -euo pipefail
readonly pattern='^lib(SDL2-|SDL2_mixer|fluidsynth|Qt6PrintSupport)'

needed() {
    readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'
}

game=$1
shift
[ "$(needed "$game" | grep -cE "$pattern")" -eq 4 ] ||
    { echo "FAILED: the game does not link all of $pattern" >&2; exit 1; }
status=0
for program in "$@"; do
    if needed "$program" | grep -E "$pattern"; then
        echo "FAILED: ${program##*/} links the libraries above" >&2
        status=1
    fi
done
exit $status
