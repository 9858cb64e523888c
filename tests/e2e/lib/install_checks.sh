# Sourced after wizard_e2e.sh by the scenarios that install the player:
# where the player goes in the prefix, the steps through the pages that
# every install takes, and the read-back of an install (files, registry,
# shortcuts). Needs $payload (the packed folder) and $WINEPREFIX.
#
#   to_page1 / install_to_page3 [LAST_SHOT] [WARNING_KEY] / finish_and_exit
#   wait_extraction [LAST_SHOT] [WARNING_KEY] / wait_finished   the same after a key press
#   check_files [SKIPPED...]     every payload file installed as packed
#   check_default_install        what an install with the defaults leaves
#   check_temp_clean WHEN / check_nothing_registered WHEN   after a run that installed nothing

# --- Where the player goes (Wine reports Windows 7: the newer layout) ---
user=$(user_folder)
user_name=$(basename "$user")
win_user="C:\\users\\$user_name"
install_dir="$WINEPREFIX/drive_c/Program Files/ZarIrovid"
win_install="C:\\Program Files\\ZarIrovid\\"
win_player="${win_install}ZarIrovid.exe"
roaming="$user/AppData/Roaming/ZarIrovid"
win_userdata="$win_user\\AppData\\Roaming\\ZarIrovid\\userdata\\"
programs="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
common_programs="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
tmp=$(temp_folder)
[ -n "$tmp" ] || fail "no temporary folder in the prefix"
APP_PATH='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\ZarIrovid.exe'
CLASSES='HKEY_CLASSES_ROOT'
UNINSTALL_KEY='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZarIrovid'

# The folder of each packed file, from the package tables.
folder_of() {
  case $1 in
    ZarIrovid.exe|VidOV.exe|VezaZU.dll|GdiPlus.dll|UnInstall.exe) echo "$install_dir" ;;
    RiduZuzi.exe|VareDO.dll) echo "$roaming/profiles" ;;
    *.ico) echo "$roaming/userdata/ico" ;;
    default.skn) echo "$roaming/userdata/skin" ;;
    *) echo "$roaming/profiles/codecs" ;;
  esac
}

# Every payload file byte-identical in its folder, except those named.
check_files() {
  local n=0 f name skip=" $* "
  for f in "$payload"/*; do
    name=$(basename "$f")
    [ "$name" = order.txt ] && continue
    n=$((n + 1))
    case $skip in *" $name "*) continue ;; esac
    cmp -s "$f" "$(folder_of "$name")/$name" || fail "$name is not installed as packed"
  done
  [ $n -eq 59 ] || fail "the payload holds $n files, not 59"
  [ -z "$(find "$install_dir" "$roaming" -name 'vdx*.tmp' 2>/dev/null)" ] || fail "temporary files were left"
}

# The 25 extensions of the recommended preset and the nine others, one per
# line: extension|group|icon.
RECOMMENDED=".avi|常规视频|avi
.mkv|高清视频|mkv
.tp|高清视频|mpg
.ts|高清视频|mpg
.mp4|手机媒体|mp4
.3gp|手机媒体|mpg
.3gp2|手机媒体|mpg
.cda|常规音频格式|cd
.wav|常规音频格式|audio
.mp3|常规音频格式|audio
.asf|Windows 媒体文件|wmv
.wmv|Windows 媒体文件|wmv
.wma|Windows 媒体文件|wmv
.ra|Real 媒体文件|real
.rm|Real 媒体文件|real
.rmvb|Real 媒体文件|real
.mov|QuickTime 影片|quicktime
.qt|QuickTime 影片|quicktime
.dat|MPEG/DVD/VCD|mpg
.mpg|MPEG/DVD/VCD|mpg
.mpeg|MPEG/DVD/VCD|mpg
.divx|其它视频格式|avi
.flv|其它视频格式|swf
.vp6|其它视频格式|mpg
.vp7|其它视频格式|mpg"
OTHERS=".ogm|常规视频|mpg
.3gpp|手机媒体|mpg
.3g2|手机媒体|mpg
.ape|常规音频格式|audio
.ogg|常规音频格式|audio
.amr|QuickTime 影片|quicktime
.vob|MPEG/DVD/VCD|dvd
.d2v|其它视频格式|dvd
.pmp|其它视频格式|mpg"

# One association as the player writes it.
check_association() {
  local snap=$1 ext group icon
  IFS='|' read -r ext group icon <<<"$2"
  local prog="ZarIrovid$ext"
  snap_expect "$snap" "$CLASSES\\$ext" "" "$prog"
  snap_expect "$snap" "$CLASSES\\$prog" "" "$group"
  snap_expect "$snap" "$CLASSES\\$prog\\DefaultIcon" "" "${win_userdata}Ico\\$icon.ico"
  snap_expect "$snap" "$CLASSES\\$prog\\shell" "" "Open"
  snap_expect "$snap" "$CLASSES\\$prog\\shell\\Open" "" "用 Vadode播放器 播放"
  snap_expect "$snap" "$CLASSES\\$prog\\shell\\Open\\Command" "" "\"$win_player\" \"%1\""
}
check_no_association() {
  local snap=$1 ext
  ext=${2%%|*}
  ! snap_has_key "$snap" "$CLASSES\\ZarIrovid$ext" || fail "ZarIrovid$ext is registered"
  [ "$(snap_value "$snap" "$CLASSES\\$ext" "" || true)" != "ZarIrovid$ext" ] || fail "$ext points at the player"
}

check_url_protocol() {
  snap_expect "$1" "$CLASSES\\davuroz" "URL Protocol" "Vadode播放器"
  ! snap_value "$1" "$CLASSES\\davuroz" "" >/dev/null || fail "davuroz has a default value"
  snap_has_key "$1" "$CLASSES\\davuroz\\shell" || fail "davuroz\\shell is missing"
  snap_expect "$1" "$CLASSES\\davuroz\\shell\\open" "" ""
  snap_expect "$1" "$CLASSES\\davuroz\\shell\\open\\command" "" "\"$win_player\" \"%1\""
}

# Ticks the licence, goes to page 1 (the caller handles what it shows).
to_page1() {
  shot page0
  click_form $CHECK_AGREE
  shot page0-agreed
  press $BTN_NEXT
}

# Install on page 1 and wait for page 3, keeping pictures of the progress
# page on the way; $1 names the last one (the bar near its end). With $2
# the extraction ends with the warning about the files it could not write,
# closed with the key $2 (Return: Retry, Escape: go on without them).
install_to_page3() {
  press $BTN_NEXT   # Install
  wait_extraction "$@"
}

# From Install (however pressed) to page 3; $1 and $2 as for install_to_page3.
wait_extraction() {
  wait_page 2 20
  local t0=$SECONDS n=0
  while [ "$(page_now)" = 2 ] && [ -z "$(find_box 警告 || true)" ]; do
    n=$((n + 1))
    [ $((n % 4)) = 1 ] && shot "page2-$n"
    cp "$artefacts/.page.png" "$artefacts/$scenario-${1:-page2-last}.png"
    [ $((SECONDS - t0)) -lt 120 ] || fail "the extraction did not end within 120 s"
    sleep 0.4
  done
  [ -z "${2:-}" ] || wait_warning failed-entries-warning 警告 30 "$2"
  wait_page 3 10
  say "extraction took about $((SECONDS - t0)) s"
  shot page3
}

# After the run: the process ended and its window is gone.
finish_and_exit() {
  press $BTN_CANCEL   # Finish
  wait_finished
}

# After Finish (however pressed): the process ended and its window is gone.
wait_finished() {
  wait_exit 30 || fail "the program still runs 30 s after Finish"
  [ -z "$(find_window "$CAPTION" || true)" ] || fail "the window is still shown"
  wineserver -w 2>/dev/null || true
}

# A whole install with the mouse and the defaults, over no older version.
install_with_defaults() {
  start_setup "$1"
  to_page1
  wait_page 1 10
  install_to_page3
  finish_from_page3
}

# From page 3 as it is: Next, a picture of page 4 (NAME, default page4),
# Finish, the end of the program.
finish_from_page3() {
  press $BTN_NEXT
  wait_page 4 20
  shot "${1:-page4}"
  finish_and_exit
}

# The player's stand-in closes itself after 5 s; a running player would end
# the next run.
wait_player_gone() {
  for _ in $(seq 1 40); do [ -z "$(find_window Vadode播放器 || true)" ] && break; sleep 0.5; done
}

# What an install with the defaults leaves: every file, the recommended
# types and no others, the URL protocol, App Paths, the start page, the
# shortcuts and the player started.
check_default_install() {
  check_files
  [ ! -e "$install_dir/userdata" ] && [ ! -e "$install_dir/profiles" ] \
    || fail "userdata or profiles went below the install folder"
  [ ! -e "$roaming/profiles/RirAdaDE.dll" ] || fail "plain mode wrote RirAdaDE.dll"
  local snap="$artefacts/.classes.txt" item
  reg_snapshot "$CLASSES" "$snap"
  while IFS= read -r item; do check_association "$snap" "$item"; done <<<"$RECOMMENDED"
  say "the recommended types are associated"
  while IFS= read -r item; do check_no_association "$snap" "$item"; done <<<"$OTHERS"
  say "the other nine are not"
  check_url_protocol "$snap"
  reg_expect "$APP_PATH" "" "$win_player"
  reg_expect 'HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main' "Start Page" "http://www.vadode.com/"
  lnk_expect "$user/Desktop/Vadode播放器.lnk" "$win_player" "Vadode播放器"
  lnk_expect "$common_programs/Vadode播放器.lnk" "$win_player" "Vadode播放器"
  lnk_expect "$programs/Vadode播放器/Vadode播放器.lnk" "$win_player" "Vadode播放器"
  lnk_expect "$programs/Vadode播放器/卸载Vadode播放器.lnk" "${win_install}UnInstall.exe" "卸载Vadode播放器"
  [ ! -e "$user/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch/Vadode播放器.lnk" ] \
    || fail "a Quick Launch shortcut was made on the newer layout"
  grep -Fqx "\"$win_player\"" <(tr -d '\r' <"$install_dir/ZarIrovid.log") || fail "the player was not started"
  say "registry, shortcuts and the player's start read back"
}

# Nothing of the exported package or the slides is left in the temporary folder.
check_temp_clean() {
  local f
  for f in vedaruv.bin _mps1.jpg _mps2.jpg _mps3.jpg _mps4.jpg; do
    [ ! -e "$tmp/$f" ] || fail "$f is left in the temporary folder ($1)"
  done
  say "the temporary folder is clean ($1)"
}

# Nothing of the player is registered: App Paths, Programs and Features,
# associations, URL protocol.
check_nothing_registered() {
  local snap="$artefacts/.classes-$1.txt"
  ! reg_has_key "$APP_PATH" || fail "the App Paths entry was written ($1)"
  ! reg_has_key "$UNINSTALL_KEY" || fail "the Programs and Features entry was written ($1)"
  reg_snapshot "$CLASSES" "$snap"
  ! grep -q "^HKEY_CLASSES_ROOT\\\\ZarIrovid\.\|^HKEY_CLASSES_ROOT\\\\davuroz" "$snap" \
    || fail "HKEY_CLASSES_ROOT names the player ($1): $(grep -m1 'ZarIrovid\.\|davuroz' "$snap")"
  ! awk -F'\t' '$2 == "" && $3 ~ /^ZarIrovid\./' "$snap" | grep -q . || fail "an extension points at the player ($1)"
}
