#!/usr/bin/env bash
# End-to-end runs of the setup program off the happy path, under Wine on a
# private Xvfb, clicked and typed as a person would; each scenario in its
# own prefix.
#   off_path_e2e.sh SCENARIO SETUP.exe ARTEFACT_DIR PAYLOAD_DIR
# Scenarios:
#   refused     - a relative folder, a missing drive and an empty folder are
#                 each refused on page 1 with a warning, the text stays as
#                 typed, nothing is written anywhere, the registry is
#                 untouched; the free-space label follows the typed folder;
#                 Cancel on page 1 leaves nothing in the temporary folder
#   full-retry  - a small drive (a tmpfs mapped as D:) fills up while the
#                 files are copied: the warning names the files, Retry after
#                 space is freed completes the install
#   full-go-on  - the same drive, and going on without the files: page 4 says
#                 the installation is incomplete, and nothing that points at
#                 the missing uninstaller or the player is registered
#   long        - a folder too long for the package's paths is refused; one
#                 that just fits installs whole; Cancel on page 3 leaves
#                 nothing in the temporary folder
#   cancel      - Cancel on page 0 and the close button on page 1 leave
#                 nothing in the temporary folder
#   uninstall-entry - the Programs and Features entry after a fresh install,
#                 gone after the uninstaller stand-in ran, back with the next
#                 install, and gone when a run over it removes the old version
# Screenshots: ARTEFACT_DIR/<scenario>-*.png. The tmpfs scenarios need root.
set -euo pipefail

scenario=$1 setup=$2 artefacts=$3 payload=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib/wizard_e2e.sh
. "$here/lib/wizard_e2e.sh"
e2e_begin "$scenario" "$artefacts"
# shellcheck source=lib/install_checks.sh
. "$here/lib/install_checks.sh"

# The install-folder box on page 1 (page at 1, 29; the box at 51, 155).
FOLDER_BOX="240 193"
# The free-space label on page 1 at window coordinates: left, top, width, height.
FREE_LABEL="51 238 200 14"
mnt=

# A DWORD value as a decimal number; status 1 when missing.
reg_dword() {
  local out
  out=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
  out=$(echo "$out" | sed -n 's/.*REG_DWORD[[:space:]]*0x\([0-9a-fA-F]*\).*/\1/p' | head -n 1)
  [ -n "$out" ] && echo $((16#$out))
}

box_shown() { [ -n "$(find_box "$1" || true)" ]; }

# Replaces the text of the install-folder box by typing, as a person would.
type_folder() {
  click_form $FOLDER_BOX
  xdotool key End shift+Home BackSpace
  [ -z "$1" ] || xdotool type --delay 15 -- "$1"
  sleep 0.3
}

# Press Install with a folder that must be refused: the warning, page 1
# again, nothing new in the prefix's C: drive, the current folder or the
# artefacts (the temporary folder aside).
expect_refused() {
  local name=$1 marker="$artefacts/.marker-$1" changed
  touch "$marker"
  sleep 1
  press $BTN_NEXT   # Install
  wait_warning "$name-warning"
  wait_page 1 10
  shot "$name-page1"
  changed=$( { find "$WINEPREFIX/drive_c" -newer "$marker" ! -path "$tmp*"
               find "$PWD" "$artefacts" -mindepth 1 -maxdepth 1 -newer "$marker" ! -name '.*' ! -name '*.log' ! -name '*.png'
             } 2>/dev/null | head -n 5)
  [ -z "$changed" ] || fail "the refused folder ($name) wrote: $changed"
  say "$name: refused on page 1, nothing written"
}

# A tmpfs of SIZE mounted for the run and mapped as drive D:; unmounted
# however the run ends.
mount_small_drive() {
  mnt="$artefacts/drive_d"
  mkdir -p "$mnt"
  mountpoint -q "$mnt" && umount "$mnt"
  mount -t tmpfs -o "size=$1" tmpfs "$mnt" || fail "cannot mount a tmpfs (the scenario needs root)"
  ln -sfn "$mnt" "$WINEPREFIX/dosdevices/d:"
  # The drive list is read when Wine starts: restart it with the new drive.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  install_dir="$mnt/ZarIrovid" win_install='D:\ZarIrovid\'
  win_player="${win_install}ZarIrovid.exe"
}
off_path_cleanup() {
  e2e_cleanup
  if [ -n "$mnt" ] && mountpoint -q "$mnt"; then umount "$mnt" || umount -l "$mnt" || true; fi
}
trap off_path_cleanup EXIT

# Install on D:, fill the drive as soon as the first file is there (the next
# ones follow after the first slide's 2 s), and wait for the warning about
# the files that did not fit.
install_until_disk_full() {
  start_setup "$setup"
  to_page1
  wait_page 1 10
  type_folder 'D:\ZarIrovid\'
  press $BTN_NEXT   # Install
  wait_until 20 test -e "$install_dir/ZarIrovid.exe" || fail "the first file did not reach D:"
  dd if=/dev/zero of="$mnt/filler" bs=64k 2>/dev/null || true
  say "D: is full: $(df -B1 --output=avail "$mnt" | tail -n 1) bytes left"
  wait_page 2 10
  shot page2-disk-full
}

case "$scenario" in
refused)
  start_setup "$setup"
  to_page1
  wait_page 1 10
  shot page1
  # The free space follows what is typed: a drive that is not there has none.
  crop() { convert "$1" -crop "$(echo $FREE_LABEL | awk '{print $3"x"$4"+"$1"+"$2}')" +repage "$2"; }
  crop "$artefacts/$scenario-page1.png" "$artefacts/.label-before.png"
  type_folder 'Q:\ZarIrovid\'
  sleep 1.5
  shot page1-typed-missing-drive
  crop "$artefacts/$scenario-page1-typed-missing-drive.png" "$artefacts/.label-after.png"
  [ "$(compare -metric AE "$artefacts/.label-before.png" "$artefacts/.label-after.png" null: 2>&1 || true)" != 0 ] \
    || fail "the free-space label did not follow the typed folder"
  expect_refused missing-drive
  type_folder 'Player'
  expect_refused relative
  [ ! -e "$PWD/Player" ] && [ ! -e "$artefacts/Player" ] && [ ! -e "$WINEPREFIX/drive_c/Player" ] \
    || fail "a folder Player was made"
  type_folder ''
  expect_refused empty
  check_nothing_registered refused
  press $BTN_CANCEL
  wait_exit 20 || fail "the program still runs 20 s after Cancel on page 1"
  check_temp_clean "Cancel on page 1"
  [ ! -e "$install_dir" ] || fail "the default install folder was made"
  ;;
full-retry)
  mount_small_drive 2m
  install_until_disk_full
  # Space is freed, then Retry (the box's default button).
  wait_until 60 box_shown 警告 || fail "no warning about the files that did not fit"
  rm -f "$mnt/filler"
  wait_warning disk-full-warning 警告 10 Return
  wait_page 3 60
  shot page3
  finish_from_page3
  check_default_install
  [ "$(reg_value "$UNINSTALL_KEY" InstallLocation)" = "$win_install" ] || fail "the entry does not name D:"
  say "Retry after freeing space completed the install on D:"
  ;;
full-go-on)
  mount_small_drive 2m
  install_until_disk_full
  wait_warning disk-full-warning 警告 60 Escape   # Cancel: go on without them
  wait_page 3 60
  shot page3
  finish_from_page3 page4-incomplete
  [ ! -e "$install_dir/UnInstall.exe" ] || fail "UnInstall.exe is on D: though the drive was full"
  # The files on C: are there; nothing names the player or its uninstaller.
  check_files ZarIrovid.exe VidOV.exe VezaZU.dll GdiPlus.dll UnInstall.exe
  check_nothing_registered go-on
  for link in "$user/Desktop/Vadode播放器.lnk" "$common_programs/Vadode播放器.lnk" "$programs/Vadode播放器"; do
    [ ! -e "$link" ] || fail "$link was made for a missing player"
  done
  [ ! -e "$install_dir/ZarIrovid.log" ] || fail "the player was started"
  check_temp_clean "after Finish"
  say "going on without the files: incomplete, nothing registered"
  ;;
long)
  # 250 characters: the longest file would not fit; 246 (with the final
  # backslash): "ZarIrovid.exe" just fits in 259.
  part=$(printf 'Z%.0s' $(seq 1 60))
  too_long="C:\\$part\\$part\\$part\\$part\\$(printf 'y%.0s' $(seq 1 1))"
  fits="C:\\$part\\$part\\$part\\$(printf 'w%.0s' $(seq 1 59))\\"
  [ ${#too_long} -gt 246 ] && [ ${#fits} = 246 ] || fail "the folder lengths are ${#too_long} and ${#fits}"
  start_setup "$setup"
  to_page1
  wait_page 1 10
  type_folder "$too_long"
  expect_refused too-long
  type_folder "$fits"
  install_dir="$WINEPREFIX/drive_c/$part/$part/$part/$(printf 'w%.0s' $(seq 1 59))"
  win_install=$fits win_player="${fits}ZarIrovid.exe"
  install_to_page3
  press $BTN_CANCEL
  wait_exit 20 || fail "the program still runs 20 s after Cancel on page 3"
  check_files
  check_temp_clean "Cancel on page 3"
  say "a folder of ${#fits} characters installed whole"
  ;;
cancel)
  start_setup "$setup"
  shot page0
  [ -e "$tmp/vedaruv.bin" ] && [ -e "$tmp/_mps4.jpg" ] || fail "the package and slides were not exported"
  press $BTN_CANCEL
  wait_exit 20 || fail "the program still runs 20 s after Cancel on page 0"
  check_temp_clean "Cancel on page 0"
  start_setup "$setup"
  to_page1
  wait_page 1 10
  press $BTN_CLOSE
  wait_exit 20 || fail "the program still runs 20 s after the close button on page 1"
  check_temp_clean "close on page 1"
  ;;
uninstall-entry)
  install_with_defaults "$setup"
  wait_player_gone
  # Exported, so that the Chinese name reads back whole.
  snap="$artefacts/.uninstall.txt"
  reg_snapshot "$UNINSTALL_KEY" "$snap"
  snap_expect "$snap" "$UNINSTALL_KEY" DisplayName "Vadode播放器"
  snap_expect "$snap" "$UNINSTALL_KEY" DisplayVersion "2010"
  snap_expect "$snap" "$UNINSTALL_KEY" DisplayIcon "$win_player"
  snap_expect "$snap" "$UNINSTALL_KEY" InstallLocation "$win_install"
  snap_expect "$snap" "$UNINSTALL_KEY" UninstallString "\"${win_install}UnInstall.exe\""
  size_kib=$(find "$payload" -type f ! -name order.txt -printf '%s\n' | awk '{ s += $1 } END { print int((s + 1023) / 1024) }')
  [ "$(reg_dword "$UNINSTALL_KEY" EstimatedSize)" = "$size_kib" ] || fail "EstimatedSize is not $size_kib KiB"
  [ "$(reg_dword "$UNINSTALL_KEY" NoModify)" = 1 ] && [ "$(reg_dword "$UNINSTALL_KEY" NoRepair)" = 1 ] \
    || fail "NoModify or NoRepair is not 1"
  check_temp_clean "after Finish"
  say "the Programs and Features entry after a fresh install"

  # The uninstaller, as Programs and Features starts it. (It cannot delete
  # itself while it runs and leaves that to the next start of Wine, so the
  # reinstall below runs after it, not before.)
  "$E2E_ROOT/scripts/wine-run" "$install_dir/UnInstall.exe" >>"$log" 2>&1 || fail "the uninstaller failed"
  wineserver -w 2>/dev/null || true
  ! reg_has_key "$UNINSTALL_KEY" || fail "the entry survived the uninstaller"
  ! reg_has_key "$APP_PATH" || fail "the App Paths entry survived the uninstaller"
  say "the uninstaller removed the entry"

  # Installed again, then a run over it removes the old version and its
  # entry on page 1.
  install_with_defaults "$setup"
  wait_player_gone
  reg_expect "$UNINSTALL_KEY" InstallLocation "$win_install"
  start_setup "$setup"
  to_page1
  wait_warning reinstall-warning
  wait_until 60 grep -q UnInstall.exe "$install_dir/UnInstall.log" || fail "the old version's uninstaller did not run"
  wait_page 1 60
  press $BTN_CANCEL
  wait_exit 20 || fail "the program still runs 20 s after Cancel on page 1"
  ! reg_has_key "$UNINSTALL_KEY" || fail "the entry survived the removal of the old version"
  say "the entry is gone with the old version"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
if [ -n "$mnt" ]; then
  wineserver -k >/dev/null 2>&1 || true
  rm -f "$WINEPREFIX/dosdevices/d:"
  umount "$mnt" || fail "cannot unmount $mnt"
  mnt=
fi
e2e_pass
