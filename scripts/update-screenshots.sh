#!/usr/bin/env bash
# Copies the pictures the end-to-end tests took (build/mingw/e2e/pictures/) into docs/, where
# the README shows them. Run the tests first: scripts/test.sh or `ctest --preset mingw -L e2e`.
set -euo pipefail
cd "$(dirname "$0")/.."
pictures="${1:-build/mingw/e2e/pictures}"
shopt -s nullglob
files=("$pictures"/*.png)
if ((${#files[@]} == 0)); then
    echo "no pictures in $pictures: run the end-to-end tests first" >&2
    exit 1
fi
cp "${files[@]}" docs/
echo "copied ${#files[@]} pictures into docs/"
