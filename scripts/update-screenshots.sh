#!/usr/bin/env bash
# Copies the pictures the end-to-end tests took (build/mingw/e2e/pictures/) that the README
# shows into docs/. Run the tests first: scripts/test.sh or `ctest --preset mingw -L e2e`.
set -euo pipefail
cd "$(dirname "$0")/.."
pictures="${1:-build/mingw/e2e/pictures}"
copied=0
for file in "$pictures"/*.png; do
    [ -e "$file" ] || continue
    name="$(basename "$file")"
    if grep -qF "(docs/$name)" README.md; then
        cp "$file" docs/
        copied=$((copied + 1))
    fi
done
if ((copied == 0)); then
    echo "no pictures of the README in $pictures: run the end-to-end tests first" >&2
    exit 1
fi
echo "copied $copied pictures into docs/"
