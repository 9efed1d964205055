#!/usr/bin/env bash
# Ends the wineservers and Xvfb that the Windows test runner left for a build folder (the
# shared prefix and those of tests that run in their own).
# Wine takes only an absolute prefix path.
build_dir="$(realpath -m "${1:?build folder}")"
for prefix in "$build_dir"/wine-prefix*; do
    if [ -d "$prefix" ]; then
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    fi
done
if [ -f "$build_dir/xvfb.pid" ]; then
    kill "$(cat "$build_dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$build_dir/xvfb.pid" "$build_dir/xvfb.display"
fi
