#!/usr/bin/env bash
# Every C++ file follows the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror 2>/dev/null; then
    echo "some files are not clang-formatted; run: git ls-files '*.cpp' '*.h' | xargs clang-format -i" >&2
    exit 1
fi
echo "format: ok"
