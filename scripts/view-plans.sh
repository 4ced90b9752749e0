#!/usr/bin/env bash
# Builds the query plan viewer, writes the demo query plan file and opens it
# in skyglass under Wine. With $DISPLAY it runs there until you close it.
# Without one it runs under a private Xvfb for a few seconds, saves a
# screenshot, closes the program and says where the screenshot is.
#   VIEWER_BUILD_DIR  build folder to use (default build/win64)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
build=${VIEWER_BUILD_DIR:-$top/build/win64}
# Only what the viewer needs: it shares nothing with the monitor.
VIGIL_BUILD_DIR=$build VIGIL_TARGETS="skyglass prismdsp qpfwrite wincmd" bash scripts/build.sh win64
bin=$build/bin
. scripts/wine-session.sh
own_display=${DISPLAY:-}
if [ -n "$own_display" ]; then
  wine_session_start "$build/wineprefix-view" 0
else
  wine_session_start "$build/wineprefix-view" 1
fi
demo=$(winepath -w "$bin/demo.qpf")
wine "$bin/qpfwrite.exe" --demo "$demo" >/dev/null 2>&1
echo "demo file: $bin/demo.qpf"
if [ -n "$own_display" ]; then
  (cd "$bin" && wine ./skyglass.exe "$demo")
  exit 0
fi
shot=$build/skyglass-screenshot.png
(cd "$bin" && wine ./skyglass.exe "$demo" >/dev/null 2>&1 &)
wine "$bin/wincmd.exe" wait "Query Plan Viewer (" 20000
sleep "${VIEWER_RUN_SECONDS:-3}"
import -window root "$shot"
wine "$bin/wincmd.exe" close skyglass 10000 || true
echo "screenshot: $shot"
