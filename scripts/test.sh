#!/usr/bin/env bash
# Builds Orvane and runs every test tier: the portable core natively under ASan+UBSan, the
# Windows build's core and shell tests under Wine, the end-to-end tests of the real Orvane.exe
# under Wine + Xvfb, the benchmarks' ratio checks, and a short fuzzing pass.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-core-purity.sh
scripts/check-format.sh
jobs=$(nproc)

echo "== native core tests (ASan + UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

echo "== Windows build: core, shell and end-to-end tests under Wine"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$jobs"
trap 'scripts/stop-wine-tests.sh build/mingw' EXIT
ctest --preset mingw -j "$jobs"

echo "== fuzzing smoke run"
scripts/fuzz.sh 15
echo "all tests passed"
