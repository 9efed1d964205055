#!/usr/bin/env bash
# Builds Orvane.exe and runs it under Wine: on $DISPLAY when there is one, otherwise on a
# virtual display (Xvfb) whose screen you can grab with `import -display :N -window root x.png`.
# Orvane lives in the notification area at the bottom right of the Wine desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$(nproc)" --target Orvane

export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/orvane-wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
tests/e2e/make-prefix.sh "$WINEPREFIX"

xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 20 99); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
    echo "No DISPLAY: Orvane runs on the virtual display $DISPLAY."
    echo "See it with: import -display $DISPLAY -window root orvane.png"
fi
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
echo "Orvane is running in the tray (bottom right of the Wine desktop). Ctrl+C ends it."
wine "$(pwd)/build/mingw/Orvane.exe"
wineserver -w
