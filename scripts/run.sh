#!/usr/bin/env bash
# Sets up, builds and runs the monitor against the simulated engine's demo
# scenario. With $DISPLAY it runs there until you close it. Without one it
# runs under a private Xvfb for a few seconds, saves a screenshot, closes the
# program and says where the screenshot is (with Resource Usage open).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
bash scripts/build.sh win64
bin=$top/build/win64/bin
. scripts/wine-session.sh

# The build tree stands in for the engine's install directory: the monitor
# finds the utilities library in its bin\ and the help file in its Docs\.
register_install_dir() {
  wine reg add 'HKLM\SOFTWARE\Orvanel Software\Products\Orvanel.SQL Client\InstallInfo' \
    /v InstallDir /d "$(winepath -w "$top/build/win64")" /f >/dev/null 2>&1
}

if [ -n "${DISPLAY:-}" ]; then
  wine_session_start "$top/build/win64/wineprefix-run" 0
  register_install_dir
  (cd "$bin" && wine ./vigilkit.exe)
  exit 0
fi
wine_session_start "$top/build/win64/wineprefix-run" 1
register_install_dir
shot=$top/build/win64/vigilkit-screenshot.png
(cd "$bin" && wine ./vigilkit.exe >/dev/null 2>&1 &)
wine "$bin/wincmd.exe" wait vigilkit 20000
# Open the first live view (Resource Usage) so the picture shows figures.
wine "$bin/wincmd.exe" post vigilkit 2503 || true
# Let the figures move for a few refresh ticks before the picture is taken.
sleep "${VIGIL_RUN_SECONDS:-5}"
import -window root "$shot"
wine "$bin/wincmd.exe" close vigilkit 10000 || true
echo "screenshot: $shot"
