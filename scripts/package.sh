#!/usr/bin/env bash
# Builds the release artefacts from a clean tree: Orvane.exe in a fresh Release build folder
# (build/package), then dist/Orvane-<version>-portable.zip, dist/Orvane-<version>.msi,
# dist/SHA256SUMS, and the winget (dist/winget/) and Scoop (dist/scoop/) manifests for them.
# The version is the CMake project version.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
rm -rf build/package dist
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)"
