#!/usr/bin/env bash
# Checks that every constant of the game's sources is named kCamelCase, by clang-tidy's naming rule
# in .clang-tidy, with the compile commands of a configured build (tools/build.sh writes them).
#   tools/check-naming.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
log=$(mktemp "${TMPDIR:-/tmp}/lexiglade-naming-XXXXXX")
trap 'rm -f "$log"' EXIT
folders='app|bench|engine|fuzz|library|media|platform|print|tests|tools|ui|wizard'
if run-clang-tidy-14 -p "$build" -j "$(nproc)" -quiet -clang-tidy-binary clang-tidy-14 \
    "^$root/($folders)/" >"$log" 2>&1; then
    echo "every constant is named kCamelCase"
    exit 0
fi
# Only the findings, without clang-tidy's colours and counts.
sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E 'error:|warning:' | sort -u >&2
exit 1
