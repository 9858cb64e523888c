#!/usr/bin/env bash
# The wizard driven by the keyboard alone (xdotool key), and its dialogs
# modal to it; each scenario in its own prefix.
#   keyboard_e2e.sh SCENARIO SETUP.exe ARTEFACT_DIR PAYLOAD_DIR
# Scenarios:
#   defaults - a whole install with the keys, defaults kept: the same files,
#              registry and shortcuts as the install with the mouse
#   changes  - the desktop shortcut unticked, "关联所有格式" chosen in the
#              closed list and "取消所有关联" in the dropped one (Enter closes
#              the list, not the page), one group ticked with Space
#   memo     - the licence text: typed into, Escape, scrolled with the keys,
#              left with Tab (the agree box takes the focus); Escape cancels
#   browser  - the folder browser open: Install and a second Browse do
#              nothing; Alt+F4 ends the wizard once it is closed
# Screenshots with the keyboard's focus shown: ARTEFACT_DIR/<scenario>-*.png.
set -euo pipefail

scenario=$1 setup=$2 artefacts=$3 payload=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/wizard_e2e.sh
. "$here/lib/wizard_e2e.sh"
e2e_begin "$scenario" "$artefacts"
# shellcheck source=lib/install_checks.sh
. "$here/lib/install_checks.sh"

# Parts of the window, as crop geometries of a window picture: the licence
# memo's scroll bar and the Next button.
MEMO_BAR="16x163+531+115"
NEXT_FACE="60x21+421+364"
part() {  # part NAME GEOMETRY: that part of the window now, as a file
  import -display "$DISPLAY" -window root -crop "558x390+$X+$Y" +repage "$artefacts/.whole.png" 2>/dev/null
  convert "$artefacts/.whole.png" -crop "$2" +repage "$artefacts/.part-$1.png"
  echo "$artefacts/.part-$1.png"
}
same() { cmp -s <(convert "$1" rgb:-) <(convert "$2" rgb:-); }

# Page 0 with the keys: the memo, the agree box (ticked with Space), Enter.
licence_by_keys() {
  keys Tab Tab
  shot page0-agree-focused
  keys space
  shot page0-agreed
  keys Return
  wait_page 1 10
}

case "$scenario" in
defaults)
  start_setup "$setup"
  licence_by_keys
  no_warning_within 2
  shot page1
  keys Tab Tab Tab
  shot page1-install-focused   # the edit, Browse, Back, then Install
  keys Return
  wait_extraction
  shot page3-focused
  keys Tab Tab   # the tree, then Next (Back is disabled)
  shot page3-next-focused
  keys space
  wait_page 4 20
  shot page4-focused
  keys Return   # Finish
  wait_finished
  say "installed with the keys alone"
  check_default_install
  ;;
changes)
  start_setup "$setup"
  licence_by_keys
  keys Return   # Install: Enter in the folder box
  wait_extraction
  # The mode list has the focus; Down chooses in the closed list.
  keys Down
  shot page3-all
  # Dropped, the list takes Enter itself: it closes on the choice, and the
  # page stays.
  keys alt+Down Down
  shot page3-dropped
  keys Return
  sleep 1
  [ "$(page_now)" = 3 ] || fail "Enter in the dropped list left the page"
  shot page3-none
  # Into the tree (on its first group), two groups down: 手机媒体, ticked.
  keys Tab Down Down space
  shot page3-one-group
  keys Return
  wait_page 4 20
  keys space   # the desktop box, focused on entering the page
  shot page4-no-desktop
  keys Return
  wait_finished
  check_files
  snap="$artefacts/.classes.txt"
  reg_snapshot "$CLASSES" "$snap"
  while IFS= read -r item; do
    case $item in
      *"|手机媒体|"*) check_association "$snap" "$item" ;;
      *) check_no_association "$snap" "$item" ;;
    esac
  done <<<"$RECOMMENDED
$OTHERS"
  say "only 手机媒体's five types are associated"
  [ ! -e "$user/Desktop/Vadode播放器.lnk" ] || fail "a desktop shortcut was made though unticked"
  lnk_expect "$programs/Vadode播放器/Vadode播放器.lnk" "$win_player" "Vadode播放器"
  reg_expect "$APP_PATH" "" "$win_player"
  ;;
memo)
  start_setup "$setup"
  bar0=$(part bar0 "$MEMO_BAR")
  next0=$(part next0 "$NEXT_FACE")
  keys Tab
  shot page0-memo-focused
  keys x y z Escape
  sleep 1
  [ "$(page_now)" = 0 ] || fail "the licence page went away after Escape in the memo"
  kill -0 "$setup_pid" 2>/dev/null || fail "Escape in the memo ended the wizard"
  keys ctrl+End
  shot page0-memo-end
  same "$bar0" "$(part bar1 "$MEMO_BAR")" && fail "Ctrl+End did not scroll the licence"
  keys ctrl+Home
  same "$bar0" "$(part bar2 "$MEMO_BAR")" || fail "Ctrl+Home did not scroll back to the top"
  keys Page_Down
  same "$bar0" "$(part bar3 "$MEMO_BAR")" && fail "PageDown did not scroll the licence"
  say "the memo stays on Escape and scrolls with the keys"
  keys Tab
  shot page0-agree-focused
  keys space
  same "$next0" "$(part next1 "$NEXT_FACE")" && fail "Tab from the memo did not reach the agree box"
  say "Tab left the memo for the agree box"
  keys Escape
  wait_exit 20 || fail "Escape did not cancel the wizard"
  say "Escape cancelled the wizard"
  ;;
browser)
  start_setup "$setup"
  to_page1
  wait_page 1 10
  BTN_BROWSE="482 193"
  click_form $BTN_BROWSE
  browser=
  wait_until 20 find_box "Browse for Folder" >/dev/null || fail "the folder browser did not open"
  browser=$(find_box "Browse for Folder")
  shot browser-open   # over the wizard, which it owns
  press $BTN_NEXT   # Install, behind the browser
  click_form $BTN_BROWSE
  sleep 2
  [ "$(xdotool search --onlyvisible --name '^Browse for Folder$' | wc -l)" = 1 ] \
    || fail "a second folder browser opened"
  [ ! -e "$install_dir" ] || fail "Install ran while the browser was open"
  xdotool key --window "$browser" Escape
  wait_until 10 not find_box "Browse for Folder" || fail "the browser did not close on Escape"
  wait_page 1 10
  [ ! -e "$install_dir" ] || fail "Install ran while the browser was open"
  say "while the browser was open the wizard took no click"
  keys alt+F4
  wait_exit 20 || fail "Alt+F4 did not close the wizard"
  say "Alt+F4 closed the wizard"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
e2e_pass
