# Sourced by the scripts: starts a private Xvfb and exports DISPLAY.
#   vd_start_xvfb [WxH]  sets VD_XVFB_PID and DISPLAY (screen 1280x1024 by default)
#   vd_stop_xvfb       stops it again (no-op when none was started)
vd_start_xvfb() {
  local n size=${1:-1280x1024}
  for n in $(seq 90 160); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 "${size}x24" -br -nolisten tcp >/dev/null 2>&1 &
      VD_XVFB_PID=$!
      for _ in $(seq 1 50); do
        if [ -e "/tmp/.X11-unix/X$n" ]; then
          # Two runs that chose the same free number at once both see the
          # socket; only the Xvfb that took the display's lock keeps running.
          sleep 0.3
          kill -0 "$VD_XVFB_PID" 2>/dev/null || break
          export DISPLAY=":$n"
          return 0
        fi
        kill -0 "$VD_XVFB_PID" 2>/dev/null || break
        sleep 0.1
      done
    fi
  done
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
