# Sourced by the end-to-end scripts that drive the setup wizard: a private
# Wine prefix and Xvfb per run, the wizard started and clicked through as a
# person would (xdotool), pages recognised on screen, screenshots of the
# window kept, and the registry, files and shortcuts read back.
#
#   e2e_begin SCENARIO ARTEFACT_DIR   log, prefix, display, clean-up
#   start_setup EXE                    runs it, waits for its window (X, Y)
#   click_form FX FY                   a left click at window coordinates
#   keys KEY...                        keys typed into the wizard's window
#   wait_page N / shot NAME / wait_warning NAME [CAPTION] [SECONDS] [KEY] / wait_exit SECONDS
#   reg_value KEY [NAME]               a string value read back ("" = default)
#   reg_has_key KEY
#
# The prefix is a copy of VD_E2E_TEMPLATE when that names a booted prefix
# (the tests share one), otherwise booted here.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
# shellcheck source=../../../scripts/lib/xvfb.sh
. "$E2E_ROOT/scripts/lib/xvfb.sh"

SCREEN_W=1024 SCREEN_H=768
# The main form's window carries the application title.
CAPTION="Vadode播放器安装程序"
START_TIMEOUT=${VD_E2E_START_TIMEOUT:-180}
# The wizard's buttons at window coordinates (the bottom bar is at 0, 359).
BTN_NEXT="451 374"     # Next and Install share a place
BTN_CANCEL="516 374"   # Cancel and Finish share a place
BTN_PREV="387 374"
BTN_CLOSE="532 10"
# Check boxes: the box of each (page at 1, 29; the box 1..12, 3..14 in it).
CHECK_AGREE="202 297"
CHECK_DESKTOP="216 117"
CHECK_TASK="216 148"
CHECK_RUNAPP="216 180"
CHECK_STARTPAGE="216 212"
# The skin's frame colour that the page inputs are drawn with.
FRAME_RGB="144,170,181"
# One frame pixel per page that no other page has there: the licence memo,
# the install-folder box, the progress bar, the association group box (its
# left edge; the tree covers its top) and the desktop check box.
PAGE_PIXELS=("296 115" "152 184" "158 122" "47 200" "216 112")

e2e_begin() {
  scenario=$1 artefacts=$2
  mkdir -p "$artefacts"
  artefacts=$(cd "$artefacts" && pwd)
  log="$artefacts/$scenario.log"
  : >"$log"
  export VD_WINEPREFIX=${VD_E2E_PREFIX:-$artefacts/prefix}
  export WINEPREFIX=$VD_WINEPREFIX WINEDEBUG=-all LC_ALL=C.UTF-8
  VD_XVFB_PID= setup_pid= win= X=0 Y=0
  trap e2e_cleanup EXIT
  "$E2E_ROOT/scripts/setup" </dev/null || fail "could not install the tools of the run"
  if [ -n "${VD_E2E_TEMPLATE:-}" ] && [ -f "$VD_E2E_TEMPLATE/.vadode-ready" ] && [ ! -e "$WINEPREFIX" ]; then
    cp -a "$VD_E2E_TEMPLATE" "$WINEPREFIX"
  fi
  vd_start_xvfb "${SCREEN_W}x${SCREEN_H}" || fail "could not start Xvfb"
  say "display $DISPLAY, prefix $WINEPREFIX"
  "$E2E_ROOT/scripts/wine-run" cmd /c exit >>"$log" 2>&1 || true
  # Shell folders that link into the host's home (a prefix booted before
  # wine-run kept them inside) would mix the runs' desktops.
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    [ -L "$link" ] && rm -f "$link" && mkdir -p "$link"
  done
  return 0
}

e2e_cleanup() {
  if [ -n "$setup_pid" ] && kill -0 "$setup_pid" 2>/dev/null; then kill "$setup_pid" 2>/dev/null || true; fi
  wineserver -k >/dev/null 2>&1 || true
  vd_stop_xvfb
}

# A passing run leaves its screenshots and log, not its prefix.
e2e_pass() {
  say "PASS"
  e2e_cleanup
  trap - EXIT
  [ -z "${VD_E2E_PREFIX:-}" ] && [ "${VD_E2E_KEEP_PREFIX:-0}" = 0 ] && rm -rf "$WINEPREFIX"
  return 0
}

say() { echo "[$scenario] $(date +%T) $*" | tee -a "$log"; }
fail() {
  say "FAIL: $*"
  shot failure || true
  exit 1
}

# The whole screen and, when the wizard's window is known, the window alone.
shot() {
  local full="$artefacts/$scenario-$1-screen.png"
  import -display "$DISPLAY" -window root "$full" 2>>"$log" || return 1
  if [ -n "$win" ]; then
    convert "$full" -crop "558x390+$X+$Y" +repage "$artefacts/$scenario-$1.png" && rm -f "$full"
  fi
}

# Colour "r,g,b" of one pixel of a picture.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

# The user's temporary folder of Windows 7 and later (local data + "Temp").
temp_folder() {
  local f
  f=$(find "$WINEPREFIX/drive_c/users" -mindepth 3 -maxdepth 3 -type d -ipath '*/AppData/Local' 2>/dev/null \
      | grep -v -i public | head -n 1)
  [ -n "$f" ] && mkdir -p "$f/Temp" && echo "$f/Temp"
}
user_folder() {
  find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -iname public | head -n 1
}

start_setup() {
  local exe=$1 name
  name=$(basename "$exe")
  cp "$exe" "$artefacts/$name"
  say "starting $name"
  "$E2E_ROOT/scripts/wine-run" "$artefacts/$name" >>"$log" 2>&1 &
  setup_pid=$!
  local deadline=$((SECONDS + START_TIMEOUT))
  win=
  while [ $SECONDS -lt $deadline ]; do
    win=$(find_window "$CAPTION" || true)
    [ -n "$win" ] && break
    kill -0 "$setup_pid" 2>/dev/null || fail "the setup program ended before its window showed"
    sleep 0.5
  done
  [ -n "$win" ] || fail "no window captioned '$CAPTION' within ${START_TIMEOUT}s"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  say "window $win at $X,$Y"
  wait_page 0 60
}

click_form() {
  xdotool mousemove $((X + $1)) $((Y + $2))
  sleep 0.2
  xdotool click 1
  sleep 0.3
}
press() { click_form "$1" "$2"; }  # press $BTN_NEXT (word-split on purpose)

# Keys as xdotool names them (Tab, shift+Tab, space, Return, alt+F4, ...),
# one after the other, to the wizard's window.
keys() {
  local k
  for k in "$@"; do
    xdotool key --window "$win" "$k"
    sleep 0.4
  done
}

# Which page shows: 0..4, or "-" when none is recognised.
page_now() {
  local img="$artefacts/.page.png" i p
  import -display "$DISPLAY" -window root -crop "558x390+$X+$Y" +repage "$img" 2>/dev/null || { echo -; return; }
  for i in 0 1 2 3 4; do
    p=(${PAGE_PIXELS[$i]})
    if [ "$(pixel "$img" "${p[0]}" "${p[1]}")" = "$FRAME_RGB" ]; then echo "$i"; return; fi
  done
  echo -
}

wait_page() {
  local want=$1 deadline=$((SECONDS + ${2:-30})) now=-
  while [ $SECONDS -lt $deadline ]; do
    now=$(page_now)
    [ "$now" = "$want" ] && return 0
    kill -0 "$setup_pid" 2>/dev/null || fail "the program ended while page $want was awaited"
    sleep 0.5
  done
  fail "page $want did not show (page now: $now)"
}

# A shown window captioned $1 other than the wizard's own.
find_box() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${win:-none}" | head -n 1
}

# Waits for a message box captioned $2 (default "警告"; an error the
# application reports carries the application title), keeps its picture as
# NAME, and closes it with Enter, or with the key $4 (Escape: Cancel).
wait_warning() {
  local name=$1 caption=${2:-警告} deadline=$((SECONDS + ${3:-30})) key=${4:-Return} box=
  while [ $SECONDS -lt $deadline ]; do
    box=$(find_box "$caption" || true)
    [ -n "$box" ] && break
    sleep 0.3
  done
  [ -n "$box" ] || fail "no message box captioned '$caption'"
  sleep 0.5
  import -display "$DISPLAY" -window root "$artefacts/$scenario-$name.png" 2>>"$log"
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key --window "$box" "$key"
  # The box goes once the wizard's thread gets to it (a wait for an
  # uninstaller can hold it); a second key goes to the box alone, since
  # Enter on the wizard presses its forward button and Escape its Cancel.
  wait_until 5 not find_box "$caption" || { xdotool key --window "$box" "$key"; sleep 0.5; }
  say "message box '$caption' shown and closed"
}

no_warning_within() {
  local deadline=$((SECONDS + $1))
  while [ $SECONDS -lt $deadline ]; do
    [ -z "$(find_window 警告 || true)" ] || fail "an unexpected warning showed"
    sleep 0.3
  done
}

# wait_until SECONDS COMMAND...: polls the command until it succeeds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  while [ $SECONDS -lt $deadline ]; do
    "$@" 2>/dev/null && return 0
    sleep 0.3
  done
  return 1
}
not() { ! "$@"; }

wait_exit() {
  local deadline=$((SECONDS + $1))
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$setup_pid" 2>/dev/null || { setup_pid=; return 0; }
    sleep 0.3
  done
  return 1
}

# Registry values through Wine's reg tool, once the wizard has ended. KEY
# is a full path (HKCR\.avi); NAME empty means the default value. Prints
# the string, or fails with status 1 when the value or key is missing.
reg_value() {
  local key=$1 name=${2:-} out
  if [ -z "$name" ]; then
    out=$(wine reg query "$key" /ve 2>/dev/null | tr -d '\r') || return 1
    echo "$out" | sed -n 's/^    ([^)]*)    REG_SZ    \{0,1\}//p' | head -n 1
    echo "$out" | grep -q "REG_SZ" || return 1
  else
    out=$(wine reg query "$key" /v "$name" 2>/dev/null | tr -d '\r') || return 1
    echo "$out" | grep -q "REG_SZ" || return 1
    echo "$out" | grep -m1 "REG_SZ" | sed 's/^    .*    REG_SZ    \{0,1\}//'
  fi
}
reg_has_key() { wine reg query "$1" >/dev/null 2>&1; }

# Expect a string value: reg_expect KEY NAME WANT.
reg_expect() {
  local got
  got=$(reg_value "$1" "$2") || fail "registry: $1 [${2:-default}] is missing"
  [ "$got" = "$3" ] || fail "registry: $1 [${2:-default}] is '$got', expected '$3'"
}

# A shortcut read back with lnkinfo: lnk_expect FILE TARGET DESCRIPTION.
lnk_expect() {
  local info
  [ -f "$1" ] || fail "shortcut $1 is missing"
  info=$(lnkinfo "$1" 2>>"$log") || fail "lnkinfo cannot read $1"
  echo "$info" | grep -q "Local path[[:space:]]*: $(printf '%s' "$2" | sed 's/\\/\\\\/g')\$" \
    || fail "$1 does not point at $2"
  echo "$info" | grep -q "Description[[:space:]]*: $3\$" || fail "$1 has not the description $3"
  echo "$info" | grep -q "Working directory[[:space:]]*: $(printf '%s' "${2%\\*}\\" | sed 's/\\/\\\\/g')\$" \
    || fail "$1 does not work in the target's folder"
}

# The string values below a registry key as "KEY<TAB>NAME<TAB>DATA" lines
# (default values with an empty NAME), from one export of the key:
#   reg_snapshot 'HKEY_CLASSES_ROOT' FILE
reg_snapshot() {
  local raw="$2.reg"
  rm -f "$raw"
  wine reg export "$1" "$raw" /y >>"$log" 2>&1 || { : >"$2"; return 0; }
  iconv -f UTF-16LE -t UTF-8 "$raw" | tr -d '\r' | awk '
    function unescape(s,   out, i, c) {
      out = ""
      for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\" && i < length(s)) { i++; c = substr(s, i, 1) }
        out = out c
      }
      return out
    }
    # Index of the quote that closes a string opening at position 1.
    function closing(s,   i, c) {
      for (i = 2; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\") { i++; continue }
        if (c == "\"") return i
      }
      return 0
    }
    /^\[/ { key = substr($0, 2, length($0) - 2); printf "%s\t*key*\t\n", key; next }
    {
      if (substr($0, 1, 2) == "@=") { name = ""; rest = substr($0, 3) }
      else if (substr($0, 1, 1) == "\"") {
        e = closing($0); if (!e) next
        name = unescape(substr($0, 2, e - 2)); rest = substr($0, e + 2)
      } else next
      if (substr(rest, 1, 1) != "\"") next
      e = closing(rest); if (!e) next
      printf "%s\t%s\t%s\n", key, name, unescape(substr(rest, 2, e - 2))
    }' >"$2"
  rm -f "$raw"
}

# From a snapshot: snap_value FILE KEY [NAME]; status 1 when missing.
snap_value() {
  awk -F'\t' -v k="$2" -v n="${3:-}" '$1 == k && $2 == n { print $3; found = 1; exit } END { exit !found }' "$1"
}
snap_has_key() { awk -F'\t' -v k="$2" '$1 == k { f = 1; exit } END { exit !f }' "$1"; }
snap_expect() {
  local got
  got=$(snap_value "$1" "$2" "${3:-}") || fail "registry: $2 [${3:-default}] is missing"
  [ "$got" = "$4" ] || fail "registry: $2 [${3:-default}] is '$got', expected '$4'"
}
