#!/usr/bin/env bash
# The portable core must build without Windows: no windows.h and nothing from a win/ folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=$(grep -rnE '#\s*include\s*[<"]([^">]*/)?(windows\.h|win/[^">]*)[">]' --include='*.h' \
      --include='*.cpp' src/*/core 2>/dev/null || true)
if [ -n "$bad" ]; then
    echo "core files must not include windows.h or win/ headers:" >&2
    echo "$bad" >&2
    exit 1
fi
echo "core purity: ok"
