#!/usr/bin/env bash
# Sets up, builds and starts Lexiglade.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/build.sh"
exec "$root/build/bin/lexiglade"
