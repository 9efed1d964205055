#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for N seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
shopt -s nullglob
targets=(build/fuzz/fuzz/*_fuzz)
for t in "${targets[@]}"; do
    echo "fuzzing $(basename "$t") for ${seconds} s"
    mkdir -p "build/fuzz/corpus/$(basename "$t")"
    log="build/fuzz/$(basename "$t").log"
    status=0
    "$t" -max_total_time="$seconds" -print_final_stats=1 "build/fuzz/corpus/$(basename "$t")" \
        >"$log" 2>&1 || status=$?
    grep -E 'stat::number_of_executed_units|Done|ERROR|SUMMARY' "$log" || true
    # The fuzzer's own exit code decides; it writes the failing input to crash-* here.
    [ "$status" -eq 0 ] || { echo "fuzzer $(basename "$t") found a problem (exit $status)" >&2; exit 1; }
done
[ ${#targets[@]} -gt 0 ] || echo "no fuzz targets built"
