#!/usr/bin/env bash
# Boots the Wine prefix that the install scenarios copy (one boot for all):
#   wine_template.sh PREFIX
# A prefix already booted is kept. Waits until its wineserver has saved the
# registry, so that a copy is complete.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export VD_WINEPREFIX=$1
"$here/../../scripts/wine-run" cmd /c exit >/dev/null 2>&1 || true
WINEPREFIX=$VD_WINEPREFIX wineserver -w 2>/dev/null || true
[ -f "$VD_WINEPREFIX/.vadode-ready" ] || { echo "the prefix $VD_WINEPREFIX did not boot" >&2; exit 1; }
echo "prefix $VD_WINEPREFIX ready"
