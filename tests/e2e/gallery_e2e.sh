#!/usr/bin/env bash
# End-to-end run of ControlGallery.exe under Wine on a private Xvfb.
#   gallery_e2e.sh SCENARIO GALLERY.exe ARTEFACT_DIR
# Scenarios:
#   overview - the gallery opens, every section paints; the screenshot of the
#              whole window is kept as gallery-overview.png
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
*)
  fail "unknown scenario $scenario"
  ;;
esac
say "PASS"
