#!/usr/bin/env bash
# Builds Orvane and runs every test tier: the portable core natively under ASan+UBSan, the
# Windows build with clang as a second compiler (built only, warnings as errors), the Windows
# build's core and shell tests under Wine, the end-to-end tests of the real Orvane.exe and the
# tests of its release packages under Wine + Xvfb, the release packages from a clean build
# that must give the same Orvane.exe byte for byte, and a short fuzzing pass. The benchmarks
# are built, not run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-core-purity.sh
scripts/check-area-ladder.sh
scripts/check-format.sh
jobs=$(nproc)

echo "== native core tests (ASan + UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

echo "== second Windows compiler: clang for MinGW-w64, warnings as errors (built, not run)"
cmake --preset clang-mingw >/dev/null
cmake --build --preset clang-mingw -j "$jobs"

echo "== Windows build: core, shell and end-to-end tests under Wine"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$jobs"
trap 'scripts/stop-wine-tests.sh build/mingw' EXIT
ctest --preset mingw -j "$jobs"

echo "== release packages from a clean build; the same commit must give the same Orvane.exe"
# No compiler cache here: the second build must compile in its own folder.
CCACHE_DISABLE=1 scripts/package.sh
cmp build/mingw/Orvane.exe build/package/Orvane.exe

echo "== fuzzing smoke run"
scripts/fuzz.sh 15
echo "all tests passed"
