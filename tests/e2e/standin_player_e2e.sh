#!/usr/bin/env bash
# End-to-end run of the player stand-in (ZarIrovid.exe) under Wine on a
# private Xvfb, as the installer starts it for an opened file: it records its
# command line in ZarIrovid.log beside it, shows its window, and closes it by
# itself after the time given with /stay:N.
#   standin_player_e2e.sh ZarIrovid.exe ARTEFACT_DIR
# Screenshot: ARTEFACT_DIR/standin-player.png.
set -euo pipefail

player=$1 artefacts=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
mkdir -p "$artefacts"
artefacts=$(cd "$artefacts" && pwd)
log="$artefacts/standin-player.log"
: >"$log"
say() { echo "[standin-player] $*" | tee -a "$log"; }
fail() { say "FAIL: $*"; exit 1; }

export VD_WINEPREFIX=${VD_E2E_PREFIX:-$artefacts/prefix}
export WINEPREFIX=$VD_WINEPREFIX
# shellcheck source=../../scripts/lib/xvfb.sh
. "$root/scripts/lib/xvfb.sh"
VD_XVFB_PID= pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  WINEPREFIX=$VD_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
  vd_stop_xvfb
}
trap cleanup EXIT

"$root/scripts/setup" </dev/null || fail "could not install the tools of the run"
vd_start_xvfb 800x600 || fail "could not start Xvfb"
"$root/scripts/wine-run" cmd /c exit >>"$log" 2>&1 || true

dir="$artefacts/My Player"
rm -rf "$dir"
mkdir -p "$dir"
cp "$player" "$dir/ZarIrovid.exe"
"$root/scripts/wine-run" "$dir/ZarIrovid.exe" "C:\\My Videos\\clip one.avi" /stay:6 >>"$log" 2>&1 &
pid=$!
win=
for _ in $(seq 1 120); do
  win=$(xdotool search --onlyvisible --name '^Vadode播放器$' 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.5
done
[ -n "$win" ] || fail "no window captioned 'Vadode播放器'"
sleep 1
import -display "$DISPLAY" -window root "$artefacts/standin-player.png" 2>>"$log"
say "window $win shown"

grep -q 'clip one.avi" /stay:6' "$dir/ZarIrovid.log" || fail "the log does not hold the command line: $(cat "$dir/ZarIrovid.log")"
say "log: $(head -n 1 "$dir/ZarIrovid.log")"

for _ in $(seq 1 40); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
kill -0 "$pid" 2>/dev/null && fail "the player did not close by itself"
say "closed by itself"
say "PASS"
