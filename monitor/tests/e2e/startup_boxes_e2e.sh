#!/usr/bin/env bash
# End to end: the real vigilkit.exe with a resource or UI-strings library of a
# refused version, or against scenarios whose start-up check fails, shows one
# box with the right text and caption and exits without a main window;
# one whose record engine is refused shows its box and still comes up.
#   startup_boxes_e2e.sh <bin-dir>
set -u
bin=$1

. "$(dirname "$0")/e2e_common.sh"

failures=0
fail() { echo "FAILED ($scenario $override): $*"; failures=$((failures + 1)); }

# scenario file | library version override (or -) | text the box must
# contain | its caption | what follows the box
cases=(
  "server.json|VIGIL_RESDLL_VERSION=1.10.29|Incorrect version of the Monitor resource DLL: VIGILKIT.DLL loaded.|Orvanel Software Monitor Utility|exit"
  "server.json|VIGIL_LEXICORD_VERSION=1.6.9.9|LEXICORD.DLL is not of the version|Monitor|exit"
  "utils_refused.json|-|utilities library is not supported|Monitor|exit"
  "start_fails.json|-|utilities library could not be started|Monitor|exit"
  "record_6_99.json|-|record engine is not supported|Monitor|main-window"
)

for c in "${cases[@]}"; do
  IFS='|' read -r scenario override expected caption after <<<"$c"
  VIGIL_SCENARIO=$(winepath -w "$bin/scenarios/$scenario" 2>/dev/null)
  export VIGIL_SCENARIO
  unset VIGIL_RESDLL_VERSION VIGIL_LEXICORD_VERSION
  [ "$override" = - ] || export "$override"
  log=$(mktemp "${TMPDIR:-/tmp}/vigilkit-e2e.XXXXXX")
  (cd "$bin" && exec wine ./vigilkit.exe) >"$log" 2>&1 </dev/null &
  pid=$!
  if ! wincmd wait '#32770' 30000 >/dev/null; then
    fail "no message box"
  else
    box=$(wincmd text '#32770' 0)
    grep -qF "$expected" <<<"$box" || fail "box text: $box"
    grep -qxF "title: $caption" <<<"$box" || fail "box caption: $box"
    wincmd close '#32770' 10000 >/dev/null || fail "the box did not close"
  fi
  if [ "$after" = exit ]; then
    wait_exit "$pid"; code=$exit_code
    [ "$code" = 1 ] || fail "exit code $code, expected 1"
    if wincmd wait vigilkit 1 >/dev/null 2>&1; then fail "a main window appeared"; fi
  else
    wincmd wait vigilkit 30000 >/dev/null || fail "the main window did not appear after the box"
    wincmd close vigilkit 20000 >/dev/null || fail "the main window did not close"
    wait_exit "$pid"; code=$exit_code
    [ "$code" = 0 ] || fail "exit code $code, expected 0"
  fi
  rm -f "$log"
  echo "$scenario $override: checked"
done
unset VIGIL_SCENARIO VIGIL_RESDLL_VERSION VIGIL_LEXICORD_VERSION

[ "$failures" -eq 0 ] || exit 1
echo "all start-up boxes as expected"
