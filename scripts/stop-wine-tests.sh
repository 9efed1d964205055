#!/usr/bin/env bash
# Ends the wineserver and Xvfb that the Windows test runner left for a build folder.
build_dir="${1:?build folder}"
if [ -d "$build_dir/wine-prefix" ]; then
    WINEPREFIX="$build_dir/wine-prefix" wineserver -k 2>/dev/null || true
fi
if [ -f "$build_dir/xvfb.pid" ]; then
    kill "$(cat "$build_dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$build_dir/xvfb.pid" "$build_dir/xvfb.display"
fi
