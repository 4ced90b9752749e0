# Sourced by the run and test scripts: one Wine prefix with a virtual desktop,
# one Xvfb display and one persistent wineserver for a whole run. Only what
# this file started is stopped again.
#   wine_session_start <prefix-dir> [need-xvfb: 1|0]
#   wine_session_stop

wine_session_start() {
  local prefix=$1 need_xvfb=${2:-1}
  export WINEPREFIX=$prefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  VIGIL_XVFB_PID=
  if [ "$need_xvfb" = 1 ]; then
    local d
    for d in $(seq 90 140); do
      [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ] || break
    done
    Xvfb ":$d" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VIGIL_XVFB_PID=$!
    export DISPLAY=":$d"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$d" ] && break
      sleep 0.1
    done
  fi
  if [ ! -f "$WINEPREFIX/.vigil-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # The virtual desktop removes Wine's wait on every window destroy when no
    # window manager runs.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.vigil-ready"
  fi
  wineserver -p >/dev/null 2>&1
  trap wine_session_stop EXIT
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${VIGIL_XVFB_PID:-}" ]; then
    kill "$VIGIL_XVFB_PID" 2>/dev/null || true
    wait "$VIGIL_XVFB_PID" 2>/dev/null || true
    VIGIL_XVFB_PID=
  fi
}
