#!/usr/bin/env bash
# End-to-end run of ControlGallery.exe under Wine on a private Xvfb.
#   gallery_e2e.sh SCENARIO GALLERY.exe ARTEFACT_DIR
# Scenarios:
#   overview - the gallery opens, every section paints; the screenshot of the
#              whole window is kept as gallery-overview.png
#   check-tree - the wizard-look check tree driven by mouse and keyboard: a
#              click on a check box toggles it and its group follows, a press
#              on a box dragged away toggles nothing, Space toggles back
#   slideshow - the slideshow brings in the four slides one after the other:
#              a screenshot of a transition in mid-flight (a frame that is
#              none of the slides) and one at its end (a slide exactly) are
#              kept as slideshow-midflight.png and slideshow-end.png
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
  convert "$1" -crop "$4x$5+$2+$3" +repage -format "%k" info:
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
slideshow)
  start_gallery
  # The slideshow wears a frame line of #3A6EA5 (2 px) around its 503 x 186
  # slides; find it on the screen.
  MARK="#3A6EA5" SW=503 SH=186
  deadline=$((SECONDS + 30)) box=
  while [ $SECONDS -lt $deadline ]; do
    shot find
    box=$(convert "$artefacts/$scenario-find.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage \
          -fill black +opaque "$MARK" -fill white -opaque "$MARK" -trim -format "%w %h %X %Y" info: 2>>"$log" || true)
    [ "${box%% *}" = "$((SW + 4))" ] && break
    sleep 1
  done
  read -r bw bh bx by <<<"$box"
  [ "$bw" = $((SW + 4)) ] && [ "$bh" = $((SH + 4)) ] || fail "no slideshow frame of $((SW + 4))x$((SH + 4)) found (found '$box')"
  sx=$((X + bx + 2)) sy=$((Y + by + 2))
  say "slides shown at $sx,$sy"
  # The slides as the screen should show them at the end of a transition.
  for n in 1 2 3 4; do convert "$root/res/slides/ipic$n.jpg" "$artefacts/ref$n.png"; done
  pixels=$((SW * SH))
  # "D N": the smallest number of pixels (more than 6 % apart) by which the
  # slideshow differs from one of the four slides, and that slide.
  nearest() {
    local best=$pixels slide=0 n ae
    for n in 1 2 3 4; do
      ae=$(compare -metric AE -fuzz 6% "$1" "$artefacts/ref$n.png" null: 2>&1 || true)
      ae=${ae%%.*}; ae=${ae%% *}
      if [ -n "$ae" ] && [ "$ae" -lt "$best" ]; then best=$ae slide=$n; fi
    done
    echo "$best $slide"
  }
  mid= end= deadline=$((SECONDS + 60)) i=0
  while [ $SECONDS -lt $deadline ] && [ -z "$end" ]; do
    i=$((i + 1))
    shot "sample"
    convert "$artefacts/$scenario-sample.png" -crop "${SW}x${SH}+$sx+$sy" +repage "$artefacts/crop.png"
    read -r d NEAREST <<<"$(nearest "$artefacts/crop.png")"
    if [ -z "$mid" ] && [ "$d" -gt $((pixels / 5)) ]; then
      # None of the slides: a frame of a transition in flight.
      mv "$artefacts/$scenario-sample.png" "$artefacts/$scenario-midflight.png"
      cp "$artefacts/crop.png" "$artefacts/$scenario-midflight-slides.png"
      mid=$i
      say "sample $i: mid-flight ($d of $pixels pixels differ from the nearest slide)"
    elif [ -n "$mid" ] && [ "$d" -lt $((pixels / 100)) ]; then
      mv "$artefacts/$scenario-sample.png" "$artefacts/$scenario-end.png"
      cp "$artefacts/crop.png" "$artefacts/$scenario-end-slides.png"
      end=$i
      say "sample $i: at the end, slide $NEAREST ($d pixels differ)"
    fi
  done
  rm -f "$artefacts/$scenario-sample.png" "$artefacts/$scenario-find.png" "$artefacts/crop.png" "$artefacts"/ref?.png
  [ -n "$mid" ] || fail "no transition caught in mid-flight in 60 s"
  [ -n "$end" ] || fail "the transition caught in mid-flight never ended on a slide"
  kill -0 "$pid" 2>/dev/null || fail "the gallery ended by itself"
  ;;
check-tree)
  start_gallery
  sleep 5
  # The combo section drops a list down once the form shows; a dropped list
  # takes the next click for itself, so close it first.
  xdotool key Escape
  sleep 1
  shot start
  # The partially checked groups show a 7 x 7 block of the wizard's tick
  # colour inside a one-pixel ring of the window colour; the wizard tree's
  # groups are the column holding at least three such blocks (rows 0, 8, 9:
  # the first group, then 手机媒体 and 常规音频格式).
  blocks=$(convert "$artefacts/$scenario-start.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage txt:- | awk -F'[,: ]+' '
    /#43B605/ { g[$1 "," $2] = 1 } /#FFFFFF/ { w[$1 "," $2] = 1 }
    END {
      for (k in g) {
        split(k, p, ","); x = p[1]; y = p[2]; ok = 1
        for (i = 0; i < 7 && ok; i++) for (j = 0; j < 7 && ok; j++) if (!((x + i) "," (y + j) in g)) ok = 0
        for (i = -1; i <= 7 && ok; i++) {
          if (!((x + i) "," (y - 1) in w) || !((x + i) "," (y + 7) in w)) ok = 0
          if (!((x - 1) "," (y + i) in w) || !((x + 7) "," (y + i) in w)) ok = 0
        }
        if (ok) print x, y
      }
    }' | sort -n -k1,1 -k2,2)
  say "partial boxes (window x y): $(echo "$blocks" | tr '\n' ';')"
  column=$(echo "$blocks" | awk '{ n[$1]++ } END { for (x in n) if (n[x] >= 3) print x }' | head -n 1)
  [ -n "$column" ] || fail "no column of partially checked groups"
  read -r gy ay < <(echo "$blocks" | awk -v c="$column" '$1 == c { print $2 }' | sort -n | awk 'NR == 1 { a = $1 } NR == 3 { b = $1 } NR == 2 { m = $1 } END { print a, b - m }')
  gx=$((X + column)); gy=$((Y + gy)); row=$ay
  say "first group's fill at $gx,$gy; rows $row pixels apart"
  [ "$row" -ge 14 ] && [ "$row" -le 24 ] || fail "implausible row height $row"
  px() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
  green="srgb(67,182,5)" white="srgb(255,255,255)"
  # .ogm (row 3) is unchecked; its box's interior starts 20 pixels right.
  ox=$((gx + 20)) oy=$((gy + 3 * row))
  xdotool mousemove $((ox + 3)) $((oy + 3)) click 1
  sleep 1; shot ogm-checked
  [ "$(px "$artefacts/$scenario-ogm-checked.png" $((ox + 6)) "$oy")" = "$green" ] || fail ".ogm not checked by the click"
  [ "$(px "$artefacts/$scenario-ogm-checked.png" "$gx" "$gy")" = "$white" ] &&
    [ "$(px "$artefacts/$scenario-ogm-checked.png" "$gx" $((gy + 2)))" = "$green" ] || fail "the group did not become checked"
  # Press on .mpg's box (row 2), drag away, release: nothing toggles.
  mx=$((gx + 20)) my=$((gy + 2 * row))
  xdotool mousemove $((mx + 3)) $((my + 3)) mousedown 1
  sleep 0.3; xdotool mousemove $((mx + 40)) $((my + 60)); sleep 0.3
  xdotool mousemove $((mx + 80)) $((my + 90)) mouseup 1
  sleep 1; shot mpg-dragged
  [ "$(px "$artefacts/$scenario-mpg-dragged.png" $((mx + 6)) "$my")" = "$green" ] || fail ".mpg toggled by a press dragged away"
  # Space on the selected .ogm: unchecked again, the group partial again.
  xdotool key space
  sleep 1; shot space
  [ "$(px "$artefacts/$scenario-space.png" $((ox + 6)) "$oy")" = "$white" ] || fail "Space did not uncheck .ogm"
  [ "$(px "$artefacts/$scenario-space.png" "$gx" "$gy")" = "$green" ] || fail "the group is not partial again"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
say "PASS"
