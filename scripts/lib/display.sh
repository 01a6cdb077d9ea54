# Starts and stops the virtual X display and the one wineserver that Windows programs run in.
# Wine programs must run inside the display their wineserver was started with, so both are started
# together and stopped together. Source this file, then call the two functions.

start_display_and_wineserver() {
  local build=$1
  export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Pick a free display number; a stale lock from a killed run is not "free".
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  RANK_ABACUS_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  wineserver --persistent=30
}

stop_display_and_wineserver() {
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  if [ -n "${RANK_ABACUS_XVFB_PID:-}" ]; then
    kill "$RANK_ABACUS_XVFB_PID" 2>/dev/null || true
    wait "$RANK_ABACUS_XVFB_PID" 2>/dev/null || true
  fi
}
