#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest. All calls of one build share one prefix
# (inside the build folder; ORVANE_WINE_PREFIX names another for a test that needs its own),
# one long-lived wineserver and, when no DISPLAY is set, one Xvfb, so a test costs tenths of a
# second. scripts/stop-wine-tests.sh ends them.
set -euo pipefail
# Say where the runner itself gave up: a test that fails without output is otherwise a riddle.
trap 'echo "wine-run.sh: line $LINENO failed (exit code $?)" >&2' ERR
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

build_dir="$(dirname "$(readlink -f "$1")")"
while [ "$build_dir" != / ] && [ ! -f "$build_dir/CMakeCache.txt" ]; do
    build_dir="$(dirname "$build_dir")"
done
[ "$build_dir" != / ] || build_dir="${TMPDIR:-/tmp}"

export WINEPREFIX="${ORVANE_WINE_PREFIX:-$build_dir/wine-prefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL="${ORVANE_WINE_LOCALE:-zh_CN.UTF-8}"
"$here/../tests/e2e/make-prefix.sh" "$WINEPREFIX" >/dev/null

if [ -z "${DISPLAY:-}" ]; then
    # One lock for every build folder: two builds must not pick the same free display.
    exec 8>"${TMPDIR:-/tmp}/orvane-wine-run-xvfb.lock"
    flock 8
    if [ -f "$build_dir/xvfb.display" ] && kill -0 "$(cat "$build_dir/xvfb.pid" 2>/dev/null)" 2>/dev/null; then
        DISPLAY="$(cat "$build_dir/xvfb.display")"
    else
        for n in $(seq 60 99); do
            [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
        done
        setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        echo $! >"$build_dir/xvfb.pid"
        echo ":$n" >"$build_dir/xvfb.display"
        # A loaded machine may take seconds to start Xvfb; a test run without it would fail.
        for _ in $(seq 1200); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
        [ -e "/tmp/.X11-unix/X$n" ] || { echo "Xvfb :$n did not start" >&2; exit 1; }
        DISPLAY=":$n"
    fi
    flock -u 8
    export DISPLAY
fi

# A test in a prefix of its own may ask for a server that no earlier program has left state in.
if [ -n "${ORVANE_WINE_FRESH_SERVER:-}" ]; then
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
fi
# The server and the desktop process must not inherit CTest's output pipes, or every test
# would wait for them to end.
wineserver -p30 </dev/null >/dev/null 2>&1 || true  # fails harmlessly when one runs
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
trap - ERR
# Output goes to a file, not a pipe: a process the test starts may outlive it and would hold
# a pipe open. The test programs write from their first line on, unbuffered; one that ended
# failing without a word never reached its own code (Wine did not start it), and gets one
# more start, which says so.
out="$(mktemp)"
for attempt in 1 2; do
    status=0
    wine "$@" >"$out" 2>&1 || status=$?
    cat "$out"
    if [ "$status" = 0 ] || [ -s "$out" ] || [ "$attempt" = 2 ]; then
        break
    fi
    printf 'wine-run.sh: %s ended with exit code %d before it wrote anything; starting it again\n' \
        "$1" "$status" >&2
done
rm -f "$out"
if [ "$status" != 0 ]; then
    printf 'wine-run.sh: %s ended with exit code %d (0x%X)\n' "$1" "$status" "$status" >&2
fi
exit "$status"
