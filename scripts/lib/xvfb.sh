# Sourced by the scripts: starts a private Xvfb and exports DISPLAY.
#   vd_start_xvfb [WxH]  sets VD_XVFB_PID and DISPLAY (screen 1280x1024 by default)
#   vd_stop_xvfb       stops it again (no-op when none was started)
vd_start_xvfb() {
  local size=${1:-1280x1024} numfile n
  # Xvfb picks a free display number itself and writes it once it listens:
  # runs that start at the same moment never share a display.
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -br -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  VD_XVFB_PID=$!
  for _ in $(seq 1 100); do
    n=$(head -n 1 "$numfile" 2>/dev/null || true)
    if [ -n "$n" ]; then
      rm -f "$numfile"
      export DISPLAY=":$n"
      return 0
    fi
    kill -0 "$VD_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numfile"
  vd_stop_xvfb
  echo "could not start Xvfb" >&2
  return 1
}

vd_stop_xvfb() {
  if [ -n "${VD_XVFB_PID:-}" ]; then
    kill "$VD_XVFB_PID" 2>/dev/null || true
    wait "$VD_XVFB_PID" 2>/dev/null || true
    VD_XVFB_PID=
  fi
}
