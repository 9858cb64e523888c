#!/usr/bin/env bash
# End-to-end run of the real setup program under Wine on a private Xvfb.
#   setup_window_e2e.sh SCENARIO SETUP.exe ARTEFACT_DIR PACKAGE_FILE SLIDE_DIR [XPDB]
# Scenarios:
#   frame   - window size, rounded corners, centring, title-bar drag (left
#             button moves, right button does not), exported package and
#             slides (byte-identical, `xpdb check`), Close ends the process
#             and takes them away
#   fallback - no user temporary folder: the exports land in
#             "VivEduriziDade\" on the roomiest other fixed drive, which
#             Close removes with them
#   cancel  - a stale, longer package file in the temporary folder is
#             replaced at start; Cancel ends the process
# Screenshots land in ARTEFACT_DIR/<scenario>-*.png.
set -euo pipefail

scenario=$1 setup=$2 artefacts=$3 package=$4 slides=$5 xpdb=${6:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
mkdir -p "$artefacts"
abs() { [ -z "$1" ] && return 0; (cd "$(dirname "$1")" && echo "$(pwd)/$(basename "$1")"); }
setup=$(abs "$setup") artefacts=$(abs "$artefacts") package=$(abs "$package") slides=$(abs "$slides")
xpdb=$(abs "$xpdb")
log="$artefacts/$scenario.log"
: >"$log"

SCREEN_W=1024 SCREEN_H=768
WIN_W=558 WIN_H=390
# The main form's window carries the application title (the taskbar text);
# the form's own caption is accepted too.
CAPTION="Vadode播放器安装(程序)?"
START_TIMEOUT=${VD_E2E_START_TIMEOUT:-180}

say() { echo "[$scenario] $*" | tee -a "$log"; }
fail() { say "FAIL: $*"; shot "failure" || true; exit 1; }

# A private prefix: the run never shares a wineserver with other tests.
export VD_WINEPREFIX=${VD_E2E_PREFIX:-$artefacts/prefix}
export WINEPREFIX=$VD_WINEPREFIX

# shellcheck source=../../scripts/lib/xvfb.sh
. "$root/scripts/lib/xvfb.sh"
VD_XVFB_PID= setup_pid=
cleanup() {
  if [ -n "$setup_pid" ] && kill -0 "$setup_pid" 2>/dev/null; then kill "$setup_pid" 2>/dev/null || true; fi
  WINEPREFIX=$VD_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
  vd_stop_xvfb
}
trap cleanup EXIT

start_xvfb() { vd_start_xvfb "${SCREEN_W}x${SCREEN_H}"; }

shot() {
  import -display "$DISPLAY" -window root "$artefacts/$scenario-$1.png" 2>>"$log"
}

# Colour of one screen pixel as "r,g,b" from a screenshot.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

find_window() {
  xdotool search --onlyvisible --name "^${CAPTION}\$" 2>/dev/null | head -n 1
}

wait_window() {
  local deadline=$((SECONDS + START_TIMEOUT)) w
  while [ $SECONDS -lt $deadline ]; do
    w=$(find_window || true)
    if [ -n "$w" ]; then echo "$w"; return 0; fi
    kill -0 "$setup_pid" 2>/dev/null || return 1
    sleep 1
  done
  return 1
}

# Sets X Y W H of a window.
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  X=$X Y=$Y W=$WIDTH H=$HEIGHT
}

wait_exit() {
  local deadline=$((SECONDS + $1))
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$setup_pid" 2>/dev/null || return 0
    sleep 0.5
  done
  return 1
}

temp_folder() {
  # The user's temporary folder of Windows 7 and later: local application
  # data + "Temp". Wine keeps its own temporary files elsewhere and does not
  # create this one; without it the program would fall back to the roomiest
  # other drive, which in Wine is the host's root (Z:).
  local f
  f=$(find "$WINEPREFIX/drive_c/users" -mindepth 3 -maxdepth 3 -type d -ipath '*/AppData/Local' 2>/dev/null \
      | grep -v -i public | head -n 1)
  [ -n "$f" ] || return 0
  mkdir -p "$f/Temp"
  echo "$f/Temp"
}

start_setup() {
  local exe=${1:-$artefacts/VadodeSetup.exe}
  cp "$setup" "$exe"
  say "starting $exe"
  "$root/scripts/wine-run" "$exe" >>"$log" 2>&1 &
  setup_pid=$!
  win=$(wait_window) || fail "no window captioned '$CAPTION' within ${START_TIMEOUT}s"
  sleep 2  # first paint
  say "window $win"
}

click() {  # screen x, y, button
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool click "$3"
}

drag() {  # from x, y by dx, dy with button
  local x=$1 y=$2 dx=$3 dy=$4 b=$5 i
  xdotool mousemove "$x" "$y"; sleep 0.3
  xdotool mousedown "$b"; sleep 0.5
  for i in 1 2 3 4 5; do
    xdotool mousemove "$((x + dx * i / 5))" "$((y + dy * i / 5))"; sleep 0.2
  done
  sleep 0.3
  xdotool mouseup "$b"; sleep 1
}

same_file() { cmp -s "$1" "$2"; }

"$root/scripts/setup" </dev/null || fail "could not install the tools of the run"
start_xvfb || fail "could not start Xvfb"
say "display $DISPLAY, prefix $WINEPREFIX"
# Boot the prefix first so that its boot time does not count against the window.
"$root/scripts/wine-run" cmd /c exit >>"$log" 2>&1 || true
if [ "$scenario" != fallback ]; then
  [ -n "$(temp_folder)" ] || fail "no local application data folder in the prefix"
fi

case "$scenario" in
frame)
  start_setup
  shot start
  geometry "$win"
  say "geometry ${W}x${H} at $X,$Y"
  [ "$W" -eq $WIN_W ] && [ "$H" -eq $WIN_H ] || fail "window is ${W}x${H}, expected ${WIN_W}x${WIN_H}"
  ex=$(( (SCREEN_W - WIN_W) / 2 )) ey=$(( (SCREEN_H - WIN_H) / 2 ))
  [ "$X" -eq $ex ] && [ "$Y" -eq $ey ] || fail "window at $X,$Y, expected centred at $ex,$ey"

  # Rounded corners: the four corner pixels show the (black) root window,
  # the pixels a little inside and along the edges show the skin.
  img="$artefacts/$scenario-start.png"
  for c in "$X,$Y" "$((X + W - 1)),$Y" "$X,$((Y + H - 1))" "$((X + W - 1)),$((Y + H - 1))"; do
    v=$(pixel "$img" "${c%,*}" "${c#*,}")
    say "corner $c: $v"
    [ "$v" = "0,0,0" ] || fail "corner pixel $c is $v, not cut away"
  done
  for c in "$((X + 3)),$((Y + 3))" "$((X + 200)),$Y" "$X,$((Y + 200))" "$((X + W - 4)),$((Y + H - 4))" \
           "$((X + 200)),$((Y + H - 1))" "$((X + W - 1)),$((Y + 200))"; do
    v=$(pixel "$img" "${c%,*}" "${c#*,}")
    [ "$v" != "0,0,0" ] || fail "pixel $c at the window's edge is not drawn"
  done

  # The skin is on: the title bar and the bottom bar show their bitmaps.
  skin="$slides/../skin"
  for c in "title.bmp 0 14 $((X + 300)) $((Y + 14))" "bottom.bmp 0 15 $((X + 200)) $((Y + 359 + 15))" \
           "page_wide.bmp 100 100 $((X + 1 + 100)) $((Y + 29 + 100))"; do
    set -- $c
    want=$(pixel "$skin/$1" "$2" "$3") got=$(pixel "$img" "$4" "$5")
    [ "$want" = "$got" ] || fail "$1 at $2,$3 is $want but the screen shows $got"
  done
  say "title bar, bottom bar and page 0 wear the skin"

  # Right-button drag on the title bar leaves the window in place.
  drag $((X + 300)) $((Y + 14)) 80 50 3
  geometry "$win"
  [ "$X" -eq $ex ] && [ "$Y" -eq $ey ] || fail "right-button drag moved the window to $X,$Y"
  # Left-button drag moves it by the drag distance.
  drag $((X + 300)) $((Y + 14)) 80 50 1
  geometry "$win"
  shot dragged
  say "after drag at $X,$Y"
  [ "$X" -eq $((ex + 80)) ] && [ "$Y" -eq $((ey + 50)) ] || fail "drag moved the window to $X,$Y, expected $((ex + 80)),$((ey + 50))"
  # The title text and the logo drag the window too.
  drag $((X + 60)) $((Y + 15)) -50 -30 1
  geometry "$win"
  [ "$X" -eq $((ex + 30)) ] && [ "$Y" -eq $((ey + 20)) ] || fail "drag on the title text moved the window to $X,$Y"
  drag $((X + 13)) $((Y + 14)) -30 -20 1
  geometry "$win"
  [ "$X" -eq $ex ] && [ "$Y" -eq $ey ] || fail "drag on the logo moved the window to $X,$Y"
  say "title text and logo drag the window"

  # Hover and pressed looks of Cancel, for the record.
  xdotool mousemove $((X + 486 + 30)) $((Y + 359 + 5 + 10)); sleep 1
  shot hover-cancel
  xdotool mousemove $((X + 300)) $((Y + 200)); sleep 0.5

  # The package and the slides are in the Wine user's temporary folder.
  tmp=$(temp_folder)
  say "temporary folder $tmp"
  [ -n "$tmp" ] || fail "no temporary folder in the prefix"
  [ -f "$tmp/vedaruv.bin" ] || fail "vedaruv.bin was not exported"
  same_file "$tmp/vedaruv.bin" "$package" || fail "exported vedaruv.bin differs from the packed package"
  for n in 1 2 3 4; do
    [ -f "$tmp/_mps$n.jpg" ] || fail "_mps$n.jpg was not exported"
    same_file "$tmp/_mps$n.jpg" "$slides/ipic$n.jpg" || fail "_mps$n.jpg differs from ipic$n.jpg"
  done
  if [ -n "$xpdb" ]; then
    "$xpdb" check "$tmp/vedaruv.bin" >>"$log" 2>&1 || fail "xpdb check failed on the exported package"
    say "xpdb check passed"
  fi

  # The close button in the title bar ends the program.
  click $((X + 515 + 17)) $((Y + 1 + 9)) 1
  wait_exit 30 || fail "the program still runs 30 s after Close"
  [ -z "$(find_window || true)" ] || fail "the window is still shown after Close"
  for f in vedaruv.bin _mps1.jpg _mps2.jpg _mps3.jpg _mps4.jpg; do
    [ ! -e "$tmp/$f" ] || fail "$f is left in the temporary folder after Close"
  done
  say "Close ended the program; the exported files went with it"
  ;;
cancel)
  # A stale package longer than the real one must be replaced, not patched.
  tmp=$(temp_folder)
  [ -n "$tmp" ] || fail "no temporary folder in the prefix"
  size=$(stat -c %s "$package")
  head -c $((size + 4096)) /dev/urandom >"$tmp/vedaruv.bin"
  start_setup
  shot start
  same_file "$tmp/vedaruv.bin" "$package" || fail "the stale vedaruv.bin was not replaced by the package"
  geometry "$win"
  # Next is disabled until the licence is accepted: clicking it does nothing.
  before=$(pixel "$artefacts/$scenario-start.png" $((X + 421 + 30)) $((Y + 359 + 5 + 10)))
  click $((X + 421 + 30)) $((Y + 359 + 5 + 10)) 1
  sleep 1
  shot next-disabled
  kill -0 "$setup_pid" 2>/dev/null || fail "clicking the disabled Next ended the program"
  [ -n "$(find_window || true)" ] || fail "clicking the disabled Next hid the window"
  after=$(pixel "$artefacts/$scenario-next-disabled.png" $((X + 421 + 30)) $((Y + 359 + 5 + 10)))
  [ "$before" = "$after" ] || fail "the disabled Next changed its look on a click ($before -> $after)"
  click $((X + 486 + 30)) $((Y + 359 + 5 + 10)) 1
  wait_exit 30 || fail "the program still runs 30 s after Cancel"
  say "Cancel ended the program"
  ;;
fallback)
  # No user temporary folder: the package and the slides go to
  # "VivEduriziDade\" on the roomiest fixed drive other than the Windows
  # drive. The host's root (Z:) is unmapped so that the only such drive is
  # D:, a folder of the artefacts.
  drive_d="$artefacts/drive_d"
  rm -rf "$drive_d"; mkdir -p "$drive_d"
  rm -f "$WINEPREFIX/dosdevices/z:"
  ln -sfn "$drive_d" "$WINEPREFIX/dosdevices/d:"
  local_data=$(find "$WINEPREFIX/drive_c/users" -mindepth 3 -maxdepth 3 -type d -ipath '*/AppData/Local' | grep -v -i public | head -n 1)
  rm -rf "$local_data/Temp" "$WINEPREFIX/drive_c/VivEduriziDade"
  # The drive list is read when Wine starts: restart it with the new drives.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  start_setup "$WINEPREFIX/drive_c/VadodeSetup.exe"
  shot start
  for f in vedaruv.bin _mps1.jpg _mps2.jpg _mps3.jpg _mps4.jpg; do
    [ -f "$drive_d/VivEduriziDade/$f" ] || fail "$f is not in D:\\VivEduriziDade\\"
  done
  same_file "$drive_d/VivEduriziDade/vedaruv.bin" "$package" || fail "the package in the fallback folder differs"
  [ ! -e "$local_data/Temp" ] || fail "the missing user temporary folder was created"
  [ ! -e "$WINEPREFIX/drive_c/VivEduriziDade" ] || fail "the fallback folder went to the Windows drive"
  geometry "$win"
  click $((X + 515 + 17)) $((Y + 1 + 9)) 1
  wait_exit 30 || fail "the program still runs 30 s after Close"
  # The fallback folder this run made goes again with its files.
  [ ! -e "$drive_d/VivEduriziDade" ] || fail "D:\\VivEduriziDade\\ is left after Close: $(ls "$drive_d/VivEduriziDade")"
  say "exports went to D:\\VivEduriziDade\\ and were removed with it on Close"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
say "PASS"
