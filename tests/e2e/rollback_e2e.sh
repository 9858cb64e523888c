#!/usr/bin/env bash
# End-to-end runs of Cancel during the copy, under Wine on a private Xvfb,
# clicked as a person would; each scenario in its own prefix. The copy is
# undone and the machine read back from outside.
#   rollback_e2e.sh SCENARIO SETUP.exe ARTEFACT_DIR PAYLOAD_DIR LOCKER.exe
# Scenarios:
#   fresh     - Cancel a few seconds into a fresh install: the install folder,
#               the player's roaming folders and the temporary folder hold
#               nothing of ours, the registry no key of ours
#   reinstall - the close button during a run over a complete earlier
#               install (its App Paths entry removed, so no uninstaller
#               runs): every earlier file is back byte for byte, and a file
#               of the user's beside them stays
#   locked    - a file the copy wrote is held open by another program: one
#               warning names it, it stays, everything else is undone
# Screenshots: ARTEFACT_DIR/<scenario>-*.png.
set -euo pipefail

scenario=$1 setup=$2 artefacts=$3 payload=$4 locker=${5:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/wizard_e2e.sh
. "$here/lib/wizard_e2e.sh"
e2e_begin "$scenario" "$artefacts"
# shellcheck source=lib/install_checks.sh
. "$here/lib/install_checks.sh"
# The texts of the message boxes go to the log.
export WINEDEBUG=-all,+msgbox

# Every file below the player's folders with its checksum, one per line.
file_sums() {
  (cd "$WINEPREFIX/drive_c" && find "Program Files/ZarIrovid" "${roaming#"$WINEPREFIX/drive_c/"}" -type f \
     -exec md5sum {} + 2>/dev/null | sort -k 2) || true
}

# Install pressed on page 1; returns once $1 (a payload file) is written
# whole in its folder and at least $2 more seconds have passed.
copy_until() {
  press $BTN_NEXT   # Install
  wait_page 2 20
  wait_until 60 cmp -s "$payload/$1" "$(folder_of "$1")/$1" || fail "$1 was not written within 60 s"
  sleep "$2"
  shot page2-cancel
}

# The program ended within 20 s of the key or click, with no box left.
expect_ended() {
  wait_exit 20 || fail "the program still runs 20 s after $1 during the copy"
  wineserver -w 2>/dev/null || true
}

case "$scenario" in
fresh)
  start_setup "$setup"
  to_page1
  wait_page 1 10
  copy_until VareDO.dll 3
  press $BTN_CANCEL
  expect_ended Cancel
  grep -q "trace:msgbox" "$log" && fail "a message box showed: $(grep -m1 trace:msgbox "$log")"
  [ ! -e "$install_dir" ] || fail "the install folder is left: $(find "$install_dir" | head -n 5)"
  [ ! -e "$roaming" ] || fail "the roaming folder is left: $(find "$roaming" | head -n 5)"
  [ -z "$(find "$tmp" -name 'vdx*.tmp')" ] || fail "temporary files are left in the temporary folder"
  check_temp_clean "Cancel during the copy"
  check_nothing_registered "Cancel during the copy"
  say "Cancel during a fresh copy left nothing behind"
  ;;
reinstall)
  install_with_defaults "$setup"
  wait_player_gone
  wine reg delete "$APP_PATH" /f >>"$log" 2>&1 || fail "cannot remove the App Paths entry"
  # Each earlier file changed, so that only putting it back gives it again.
  while IFS= read -r f; do printf 'earlier' >>"$f"; done < <(find "$install_dir" "$roaming" -type f)
  echo "the user's" >"$install_dir/notes.txt"
  before=$(file_sums)
  [ "$(echo "$before" | wc -l)" -ge 61 ] || fail "the earlier install has not all its files"

  start_setup "$setup"
  to_page1
  wait_page 1 10
  no_warning_within 2
  copy_until drv1.dll 2
  press $BTN_CLOSE
  expect_ended "the close button"
  after=$(file_sums)
  [ "$after" = "$before" ] || fail "the earlier files are not as they were: $(diff <(echo "$before") <(echo "$after") | head -n 6)"
  check_temp_clean "close during the copy"
  say "every earlier file is back byte for byte"
  ;;
locked)
  start_setup "$setup"
  to_page1
  wait_page 1 10
  rm -f "$WINEPREFIX/drive_c/lock-ready" "$WINEPREFIX/drive_c/lock-release"
  copy_until ZarIrovid.exe 0
  "$E2E_ROOT/scripts/wine-run" "$locker" "C:\Program Files\ZarIrovid\ZarIrovid.exe" 'C:\lock-ready' 'C:\lock-release' \
    >>"$log" 2>&1 &
  wait_until 30 test -e "$WINEPREFIX/drive_c/lock-ready" || fail "the locker did not lock ZarIrovid.exe"
  wait_until 60 test -e "$(folder_of VareDO.dll)/VareDO.dll" || fail "VareDO.dll was not written"
  press $BTN_CANCEL
  wait_warning rollback-warning
  wait_exit 20 || fail "the program still runs 20 s after the warning"
  touch "$WINEPREFIX/drive_c/lock-release"
  wineserver -w 2>/dev/null || true
  text=$(grep -m1 "trace:msgbox" "$log") || fail "no message box text in the log"
  echo "$text" | grep -Fq 'C:\\Program Files\\ZarIrovid\\ZarIrovid.exe' || fail "the warning does not name ZarIrovid.exe: $text"
  # "有 1 个文件", as Wine writes it.
  echo "$text" | grep -Fq '\6709 1 \4e2a' || fail "the warning does not name one file: $text"
  [ "$(grep -c "trace:msgbox" "$log")" = 1 ] || fail "more than one message box showed"
  [ "$(cd "$install_dir" && ls -A)" = ZarIrovid.exe ] || fail "the install folder holds more than the locked file: $(ls -A "$install_dir")"
  cmp -s "$payload/ZarIrovid.exe" "$install_dir/ZarIrovid.exe" || fail "the locked ZarIrovid.exe changed"
  [ ! -e "$roaming" ] || fail "the roaming folder is left: $(find "$roaming" | head -n 5)"
  check_temp_clean "Cancel with a locked file"
  check_nothing_registered "Cancel with a locked file"
  say "the locked file was named and left, everything else undone"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
e2e_pass
