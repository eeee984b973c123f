#!/usr/bin/env bash
# Runs each given libFuzzer binary for SECONDS on a copy of its seed corpus (fuzz/corpus/<name>).
# Builds nothing. Fails on the first fuzzer that finds a crash, leak, timeout or memory blow-up;
# its reproducer is kept and named in the output.
# Usage: fuzz/run.sh SECONDS FUZZER_BINARY...
set -euo pipefail

if [ $# -lt 2 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS FUZZER_BINARY..." >&2
    exit 2
fi
seconds=$1
shift
corpora=$(cd "$(dirname "$0")" && pwd)/corpus

for binary in "$@"; do
    name=$(basename "$binary")
    work=$(mktemp -d "${TMPDIR:-/tmp}/$name-run-XXXXXX")
    mkdir -p "$work/corpus" "$work/artifacts"
    if [ -d "$corpora/$name" ]; then
        cp -R "$corpora/$name/." "$work/corpus/"
    fi
    echo "== $name: ${seconds}s"
    if ! "$binary" -max_total_time="$seconds" -malloc_limit_mb=256 -rss_limit_mb=2048 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" >"$work/log" 2>&1; then
        tail -n 60 "$work/log"
        echo "FAILED: $name; reproducer and log in $work" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units' "$work/log" || true
    rm -rf "$work"
done
echo "all fuzzers passed"
