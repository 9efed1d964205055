#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest. One prefix and one long-lived
# wineserver are shared by all calls, so a test costs tenths of a second, not seconds.
set -euo pipefail
export WINEPREFIX="${ORVANE_WINE_PREFIX:-${TMPDIR:-/tmp}/orvane-wine-tests}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL="${ORVANE_WINE_LOCALE:-zh_CN.UTF-8}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/../tests/e2e/make-prefix.sh" "$WINEPREFIX" >/dev/null
wineserver -p30
exec wine "$@"
