#!/usr/bin/env bash
# Runs the tray-menu benchmark under Wine on a private X display and prefix.
# Usage: bench/processes_menu_bench.sh [BUILD_DIR] [PROCESSES] [OPENINGS]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../build/mingw}"
export WINEPREFIX="${ORVANE_BENCH_PREFIX:-${TMPDIR:-/tmp}/orvane-bench-processes}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
"$here/../tests/e2e/make-prefix.sh" "$WINEPREFIX" >/dev/null
n="${ORVANE_BENCH_DISPLAY:-}"
if [ -z "$n" ]; then
    for n in $(seq 140 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
fi
display=":$n"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY="$display" wine "$build/bench/processes_menu_bench.exe" "${2:-100}" "${3:-500}"
