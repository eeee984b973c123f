#!/usr/bin/env bash
# Sets up and builds Lexiglade, then runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/build.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
