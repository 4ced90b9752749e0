#!/usr/bin/env bash
# Builds and runs the viewer's load benchmark under Wine: a file of 16000
# plans of realistic size, loaded with LoadPlanFile and every plan read with
# ReadPlan, beside one plain sequential read of the same file.
#   scripts/bench-viewer.sh [plans] [runs]
#   VIEWER_BUILD_DIR  build folder to use (default build/win64)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh
build=${VIEWER_BUILD_DIR:-$top/build/win64}
VIGIL_BUILD_DIR=$build VIGIL_TARGETS="skyglass_bench prismdsp" bash scripts/build.sh win64
. scripts/wine-session.sh
wine_session_start "$build/wineprefix-bench" 1
bash cmake/wine-run.sh "$build/bin/skyglass_bench.exe" "$@"
