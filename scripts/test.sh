#!/usr/bin/env bash
# Sets up, builds every flavour and runs every test:
#   1. the portable cores natively, under AddressSanitizer and UBSan;
#   2. the 32-bit Windows build, compiled and linked only (it cannot run here);
#   3. the 64-bit Windows build and its tests under Wine, in a fresh prefix
#      with a virtual desktop on a private Xvfb display, one test at a time.
# Ends with the CTest summaries and one line with the totals.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/setup.sh

echo "== native build (ASan + UBSan)"
bash scripts/build.sh native
echo "== win32 build (compile and link check)"
bash scripts/build.sh win32
echo "== win64 build"
bash scripts/build.sh win64

passed=0; failed=0; status=0
run_ctest() {
  local dir=$1; shift
  local log=$dir/ctest.log
  set +e
  (cd "$dir" && ctest --no-tests=error --output-on-failure "$@") 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  set -e
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -n "$line" ]; then
    local total f
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    failed=$((failed + f)); passed=$((passed + total - f))
  fi
  [ "$rc" -eq 0 ] || status=1
}

echo "== native tests"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build/native -j"$(nproc)"

echo "== Windows tests under Wine"
. scripts/wine-session.sh
rm -rf build/win64/wineprefix
wine_session_start "$top/build/win64/wineprefix" 1
run_ctest build/win64 -j1 --timeout 120
wine_session_stop

echo "total: $passed passed, $failed failed"
exit $status
