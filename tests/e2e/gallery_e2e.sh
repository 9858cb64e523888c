#!/usr/bin/env bash
# End-to-end run of ControlGallery.exe under Wine on a private Xvfb.
#   gallery_e2e.sh SCENARIO GALLERY.exe ARTEFACT_DIR
# Scenarios:
#   overview - the gallery opens, every section paints; the screenshot of the
#              whole window is kept as gallery-overview.png
# Screenshots land in ARTEFACT_DIR/<scenario>-*.png.
set -euo pipefail

scenario=$1 gallery=$2 artefacts=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
mkdir -p "$artefacts"
artefacts=$(cd "$artefacts" && pwd)
gallery=$(cd "$(dirname "$gallery")" && echo "$(pwd)/$(basename "$gallery")")
log="$artefacts/$scenario.log"
: >"$log"
CAPTION="Vadode control gallery"
START_TIMEOUT=${VD_E2E_START_TIMEOUT:-180}

say() { echo "[$scenario] $*" | tee -a "$log"; }
fail() { say "FAIL: $*"; shot failure || true; exit 1; }

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

shot() { import -display "$DISPLAY" -window root "$artefacts/$scenario-$1.png" 2>>"$log"; }

# Number of distinct colours in a rectangle of a screenshot.
colours() {  # image x y w h
  convert "$1" -crop "$4x$5+$2+$3" +repage -unique-colors -format "%w" info:
}

start_gallery() {
  "$root/scripts/wine-run" "$gallery" >>"$log" 2>&1 &
  pid=$!
  local deadline=$((SECONDS + START_TIMEOUT))
  win=
  while [ $SECONDS -lt $deadline ]; do
    win=$(xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the gallery ended before its window showed"
    sleep 1
  done
  [ -n "$win" ] || fail "no window captioned '$CAPTION' within ${START_TIMEOUT}s"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  say "window $win ${WIDTH}x${HEIGHT} at $X,$Y"
}

"$root/scripts/setup" </dev/null || fail "could not install the tools of the run"
vd_start_xvfb 1280x1024 || fail "could not start Xvfb"
"$root/scripts/wine-run" cmd /c exit >>"$log" 2>&1 || true

case "$scenario" in
overview)
  start_gallery
  sleep 5  # first paint of every section
  shot overview
  # A window that painted its sections shows the skin, the buttons and text:
  # far more than the handful of colours of an empty form.
  n=$(colours "$artefacts/$scenario-overview.png" "$X" "$Y" "$WIDTH" "$HEIGHT")
  say "distinct colours in the window: $n"
  [ "$n" -gt 200 ] || fail "the window shows only $n colours: sections did not paint"
  kill -0 "$pid" 2>/dev/null || fail "the gallery ended by itself"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
say "PASS"
