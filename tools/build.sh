#!/usr/bin/env bash
# Installs what is missing, then configures and builds the game in Release into build/ (or
# LEXIGLADE_BUILD_DIR), with the tests and benchmarks and warnings as errors; further arguments go
# to cmake. Objects come from ccache: every build folder of the tree shares them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
cmake -S "$root" -B "${LEXIGLADE_BUILD_DIR:-$root/build}" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DLEXIGLADE_WERROR=ON -DLEXIGLADE_BENCH=ON "$@" >/dev/null
cmake --build "${LEXIGLADE_BUILD_DIR:-$root/build}" --parallel "$(nproc)"
