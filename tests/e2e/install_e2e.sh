#!/usr/bin/env bash
# End-to-end installs with the real setup program under Wine on a private
# Xvfb, clicked through as a person would; each scenario in its own prefix.
#   install_e2e.sh SCENARIO SETUP.exe ARTEFACT_DIR PAYLOAD_DIR XPDB PORTAL_SETUP.exe PORTAL_HOST LOCKER.exe
# Scenarios:
#   fresh   - an install with the defaults, read back whole (files, folders,
#             registry, shortcuts, player started); then a second run over
#             it: the old-version warning, its uninstaller run and waited
#             for, page 1 again, Back and Next without a second warning, and
#             an install with every type and no options
#   portal  - a build whose string table names another host: the record in
#             "RirAdaDE.dll"; a second run (its old version's uninstaller
#             gone) with "取消所有关联" removes every association of the first
#             and leaves another program's alone; a damaged "RirAdaDE.dll"
#             is reported and leaves page 4, Finish again replaces the record
#   skips   - a package without "wmv.ico", a locked target file and a folder
#             that cannot be made: named in one warning at the end and passed
#             by, the rest installed, the bar through all 59 steps
#   abort   - a running player ends the wizard on page 1; Cancel during the
#             extraction ends it with nothing in the registry and nothing left
#             in the temporary folder; a package that cannot be opened is
#             reported and leaves page 2 with Cancel
# Screenshots of every page: ARTEFACT_DIR/<scenario>-*.png.
set -euo pipefail

scenario=$1 setup=$2 artefacts=$3 payload=$4 xpdb=$5 portal_setup=$6 portal_host=$7 locker=$8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/wizard_e2e.sh
. "$here/lib/wizard_e2e.sh"
e2e_begin "$scenario" "$artefacts"

# shellcheck source=lib/install_checks.sh
. "$here/lib/install_checks.sh"

case "$scenario" in
fresh)
  start_setup "$setup"
  to_page1
  wait_page 1 10
  no_warning_within 2
  shot page1
  install_to_page3
  [ ! -e "$tmp/vedaruv.bin" ] || fail "the exported package is still there on page 3"
  for n in 1 2 3 4; do [ ! -e "$tmp/_mps$n.jpg" ] || fail "_mps$n.jpg is still there on page 3"; done
  finish_from_page3
  say "installed with the defaults"

  check_default_install
  wait_player_gone

  # --- Second run: the first install is the older version ---
  start_setup "$setup"
  to_page1
  wait_warning reinstall-warning
  # The old version's uninstaller ran (its log) and did its work; then the
  # entry is gone and the wizard is on page 1 again.
  wait_until 60 grep -q UnInstall.exe "$install_dir/UnInstall.log" || fail "the old version's uninstaller did not run"
  wait_until 60 test ! -e "$install_dir/VidOV.exe" || fail "the uninstaller did not remove the old files"
  wait_until 30 not reg_has_key "$APP_PATH" || fail "the App Paths entry survived the uninstall"
  wait_page 1 30
  shot page1-after-uninstall
  press $BTN_PREV
  wait_page 0 10
  press $BTN_NEXT
  wait_page 1 10
  no_warning_within 3
  say "Back and Next: no second warning"
  install_to_page3
  # Every type, none of the options.
  click_form 159 98
  sleep 1
  xdotool key Down
  sleep 0.3
  xdotool key Return
  sleep 1
  shot page3-all
  press $BTN_NEXT
  wait_page 4 20
  for c in "$CHECK_DESKTOP" "$CHECK_RUNAPP" "$CHECK_STARTPAGE"; do click_form $c; done
  shot page4-unchecked
  finish_and_exit
  check_files
  snap="$artefacts/.classes2.txt"
  reg_snapshot "$CLASSES" "$snap"
  while IFS= read -r item; do check_association "$snap" "$item"; done <<<"$RECOMMENDED
$OTHERS"
  reg_expect "$APP_PATH" "" "$win_player"
  [ ! -e "$user/Desktop/Vadode播放器.lnk" ] || fail "a desktop shortcut was made though unticked"
  lnk_expect "$programs/Vadode播放器/Vadode播放器.lnk" "$win_player" "Vadode播放器"
  [ "$(grep -c . "$install_dir/ZarIrovid.log")" = 1 ] || fail "the player was started though unticked"
  say "reinstalled with every type and no options"
  # The old uninstaller could not delete itself and left that to the next
  # start of Windows (of Wine here): the new UnInstall.exe survives it.
  wineserver -k 2>/dev/null || true
  "$E2E_ROOT/scripts/wine-run" cmd /c exit >>"$log" 2>&1 || true
  wineserver -w 2>/dev/null || true
  cmp -s "$payload/UnInstall.exe" "$install_dir/UnInstall.exe" || fail "the next start deleted the new UnInstall.exe"
  say "the new uninstaller outlived the old one's pending deletion"
  ;;
portal)
  # The record the portal build writes: two magic numbers, the flag, the
  # host zero-terminated, zeros up to 272 bytes.
  record="$artefacts/.record.bin" want="$artefacts/.record-want.bin"
  { printf '\xc4\xb3\xa2\x01\x88\x67\x45\x03\x01%s' "$portal_host"; head -c $((263 - ${#portal_host})) /dev/zero; } >"$want"
  [ "$(stat -c %s "$want")" = 272 ] || fail "the expected record is not 272 bytes"
  database="$roaming/profiles/RirAdaDE.dll"
  check_record() {
    "$xpdb" cat "$database" boxspvalue --mark b_special >"$record" || fail "no boxspvalue record in RirAdaDE.dll"
    cmp -s "$record" "$want" || fail "the record differs: $(od -An -tx1 -N24 "$record")"
    [ "$("$xpdb" list "$database" | wc -l)" = 1 ] || fail "RirAdaDE.dll holds more than the one record"
    "$xpdb" check "$database" >>"$log" 2>&1 || fail "xpdb check failed on RirAdaDE.dll"
  }
  install_with_defaults "$portal_setup"
  check_record
  snap="$artefacts/.classes.txt"
  reg_snapshot "$CLASSES" "$snap"
  check_association "$snap" ".mp3|常规音频格式|audio"
  say "portal mode wrote the record for $portal_host"

  # Before the second run: the old version's uninstaller is gone (the
  # warning shows, its start fails, the App Paths entry goes all the same,
  # so this install's associations are still there on page 3); another
  # program owns ".ogg" and took ".mp3" over; the settings database is
  # damaged, and a good copy (whose record is stale) is kept aside.
  wait_player_gone
  rm -f "$install_dir/UnInstall.exe"
  for ext in .ogg .mp3; do
    wine reg add "HKCR\\$ext" /ve /d "OtherPlayer$ext" /f >>"$log" 2>&1
    wine reg add "HKCR\\OtherPlayer$ext\\shell\\open\\command" /ve /d 'C:\Other\other.exe "%1"' /f >>"$log" 2>&1
  done
  good="$artefacts/.good.dll"
  cp "$database" "$good"
  head -c 272 /dev/zero | tr '\0' x >"$artefacts/.stale.bin"
  "$xpdb" put "$good" boxspvalue "$artefacts/.stale.bin" --mark b_special >>"$log" 2>&1 || fail "cannot stale the record"
  head -c 4096 /dev/urandom >"$database"
  wineserver -w 2>/dev/null || true

  start_setup "$portal_setup"
  to_page1
  wait_warning oldversion-warning
  wait_until 30 not reg_has_key "$APP_PATH" || fail "the App Paths entry survived an uninstaller that could not start"
  wait_page 1 30
  install_to_page3
  click_form 159 98
  sleep 1
  xdotool key Down
  sleep 0.3
  xdotool key Down
  sleep 0.3
  xdotool key Return
  sleep 1
  shot page3-none
  press $BTN_NEXT
  wait_page 4 20
  press $BTN_CANCEL   # Finish: the damaged database is reported
  wait_warning finish-error "$CAPTION"
  wait_page 4 10
  kill -0 "$setup_pid" 2>/dev/null || fail "the program ended on a damaged RirAdaDE.dll"
  shot page4-after-error
  say "a damaged RirAdaDE.dll is reported and page 4 stays"
  cp "$good" "$database"
  finish_and_exit
  check_record
  say "Finish again replaced the stale record"
  snap="$artefacts/.classes2.txt"
  reg_snapshot "$CLASSES" "$snap"
  ! grep -q "^HKEY_CLASSES_ROOT\\ZarIrovid\." "$snap" || fail "a ZarIrovid ProgID is left: $(grep -m1 "^HKEY_CLASSES_ROOT\\ZarIrovid\." "$snap")"
  ! awk -F'\t' '$2 == "" && $3 ~ /^ZarIrovid\./' "$snap" | grep -q . || fail "an extension still points at the player"
  for ext in .ogg .mp3; do
    snap_expect "$snap" "$CLASSES\\$ext" "" "OtherPlayer$ext"
    snap_has_key "$snap" "$CLASSES\\OtherPlayer$ext\\shell\\open\\command" || fail "OtherPlayer$ext was removed"
  done
  say "取消所有关联 removed every association of the first install, another program's stay"
  ;;
skips)
  # A locked older VezaZU.dll, and a file where the skin folder belongs.
  mkdir -p "$install_dir" "$roaming/userdata"
  echo "older, locked" >"$install_dir/VezaZU.dll"
  echo "in the way" >"$roaming/userdata/skin"
  rm -f "$WINEPREFIX/drive_c/lock-ready" "$WINEPREFIX/drive_c/lock-release"
  "$E2E_ROOT/scripts/wine-run" "$locker" "C:\Program Files\ZarIrovid\VezaZU.dll" 'C:\lock-ready' 'C:\lock-release' \
    >>"$log" 2>&1 &
  for _ in $(seq 1 100); do [ -e "$WINEPREFIX/drive_c/lock-ready" ] && break; sleep 0.3; done
  [ -e "$WINEPREFIX/drive_c/lock-ready" ] || fail "the locker did not lock VezaZU.dll"
  start_setup "$setup"
  # The exported package loses "wmv.ico" before Install opens it.
  "$xpdb" rm "$tmp/vedaruv.bin" wmv.ico --mark m_install >>"$log" 2>&1 || fail "cannot remove wmv.ico"
  to_page1
  wait_page 1 10
  install_to_page3 page2-end Escape
  touch "$WINEPREFIX/drive_c/lock-release"
  # The bar went on to its last step (98 %): lit at 97 % of its width,
  # where the first picture of the page shows it empty.
  bar_x=$((1 + 57 + 1 + 439 * 97 / 100)) bar_y=$((29 + 93 + 8))
  [ "$(pixel "$artefacts/$scenario-page2-end.png" $bar_x $bar_y)" != \
    "$(pixel "$artefacts/$scenario-page2-1.png" $bar_x $bar_y)" ] || fail "the bar did not reach its end"
  press $BTN_CANCEL
  wait_exit 30 || fail "the program still runs 30 s after Cancel"
  check_files wmv.ico VezaZU.dll default.skn
  [ ! -e "$roaming/userdata/ico/wmv.ico" ] || fail "wmv.ico was written"
  [ "$(cat "$install_dir/VezaZU.dll")" = "older, locked" ] || fail "the locked VezaZU.dll changed"
  [ "$(cat "$roaming/userdata/skin")" = "in the way" ] || fail "the file in the skin folder's place changed"
  say "the missing, locked and unplaceable entries were told and passed by, the rest installed"
  ;;
abort)
  # A running player: the warning, and the program ends on page 1.
  mkdir -p "$WINEPREFIX/drive_c/Player"
  cp "$payload/ZarIrovid.exe" "$WINEPREFIX/drive_c/Player/ZarIrovid.exe"
  "$E2E_ROOT/scripts/wine-run" "$WINEPREFIX/drive_c/Player/ZarIrovid.exe" /stay:20 >>"$log" 2>&1 &
  for _ in $(seq 1 60); do [ -n "$(find_window Vadode播放器 || true)" ] && break; sleep 0.5; done
  [ -n "$(find_window Vadode播放器 || true)" ] || fail "the player stand-in did not start"
  start_setup "$setup"
  to_page1
  wait_warning running-warning
  wait_exit 20 || fail "the program still runs after the running-player warning"
  say "a running player ended the wizard"
  for _ in $(seq 1 60); do [ -z "$(find_window Vadode播放器 || true)" ] && break; sleep 0.5; done

  # Cancel during the extraction.
  start_setup "$setup"
  to_page1
  wait_page 1 10
  press $BTN_NEXT   # Install
  wait_page 2 20
  sleep 4
  shot page2-cancel
  press $BTN_CANCEL
  wait_exit 20 || fail "the program still runs 20 s after Cancel during the extraction"
  wineserver -w 2>/dev/null || true
  for f in vedaruv.bin _mps1.jpg _mps2.jpg _mps3.jpg _mps4.jpg; do
    [ ! -e "$tmp/$f" ] || fail "$f is left in the temporary folder after Cancel during the extraction"
  done
  snap="$artefacts/.classes.txt"
  reg_snapshot "$CLASSES" "$snap"
  ! grep -q "ZarIrovid\|^HKEY_CLASSES_ROOT\\davuroz" "$snap" || fail "the cancelled install wrote to HKEY_CLASSES_ROOT"
  ! reg_has_key "$APP_PATH" || fail "the cancelled install wrote the App Paths entry"
  [ "$(reg_value 'HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main' 'Start Page' || true)" != \
    "http://www.vadode.com/" ] || fail "the cancelled install set the start page"
  say "Cancel during the extraction ended the program, nothing in the registry"

  # A package that cannot be opened: the error, page 2 with Cancel only.
  start_setup "$setup"
  head -c 4096 /dev/urandom >"$tmp/vedaruv.bin"
  to_page1
  wait_page 1 10
  press $BTN_NEXT   # Install
  wait_warning package-error "$CAPTION"
  wait_page 2 10
  shot page2-after-error
  press $BTN_PREV
  press $BTN_NEXT
  sleep 1
  [ "$(page_now)" = 2 ] || fail "Back or Install left page 2 after the error"
  press $BTN_CANCEL
  wait_exit 20 || fail "Cancel did not end the program after the error"
  say "a package that cannot be opened is reported; Cancel ends the program"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
e2e_pass
