#!/usr/bin/env bash
# Configures and builds one flavour into build/<flavour>.
#   scripts/build.sh win64|win32|native [extra cmake args]
#   VIGIL_BUILD_DIR  another build folder for the flavour
#   VIGIL_TARGETS    build only these targets (space-separated)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
flavour=$1; shift
dir=${VIGIL_BUILD_DIR:-$top/build/$flavour}
case $flavour in
  win64) args=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-x86_64-w64-mingw32.cmake") ;;
  win32) args=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-i686-w64-mingw32.cmake" -DVIGIL_TESTS=OFF) ;;
  native) args=(-DVIGIL_SANITIZE=ON) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" "$@" >/dev/null
fi
# Progress lines are dropped; warnings and errors stay.
targets=()
for t in ${VIGIL_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" "${targets[@]}" -j"$(nproc)" -- --no-print-directory 2>&1 \
  | sed -E '/^\[ *[0-9]+%\] (Building|Linking|Built|Generating)/d'
