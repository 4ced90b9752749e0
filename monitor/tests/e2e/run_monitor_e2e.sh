#!/usr/bin/env bash
# End to end: starts the real vigilkit.exe against the simulated engine's
# built-in demo scenario, waits for the main window, opens Resource Usage by
# its menu command, waits for the dialog, saves a screenshot and closes the
# program. Needs a running Wine session with a display (the test scripts
# start one); without one it reports itself skipped (77).
#   run_monitor_e2e.sh <bin-dir> <screenshot> <resource-library .rc>
set -u
bin=$1
shot=$2
rc=$3

. "$(dirname "$0")/e2e_common.sh"

for f in vigilkit.exe wincmd.exe gantry32.dll VIGILKIT.DLL; do
  if [ ! -e "$bin/$f" ] && [ ! -e "$bin/${f,,}" ]; then
    echo "missing $bin/$f"
    exit 1
  fi
done

# The dialog is found by its caption, which starts with its title string.
title=$(sed -n 's/^ *IDS_TITLE_RESOURCE_USAGE, *"\(.*\)".*/\1/p' "$rc" | head -n 1)
if [ -z "$title" ]; then
  echo "no IDS_TITLE_RESOURCE_USAGE text in $rc"
  exit 1
fi

unset VIGIL_SCENARIO
log=$(mktemp "${TMPDIR:-/tmp}/vigilkit-e2e.XXXXXX")
(cd "$bin" && exec wine ./vigilkit.exe) >"$log" 2>&1 </dev/null &
pid=$!

fail() {
  echo "FAILED: $*"
  echo "--- program output"
  tr -d '\r' <"$log"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  rm -f "$log"
  exit 1
}

wincmd wait vigilkit 30000 || fail "the main window did not appear"
echo "main window up"
wincmd post vigilkit 2503 || fail "could not post command 2503"
wincmd wait "$title" 20000 || fail "the '$title' dialog did not appear"
echo "'$title' dialog up"

rm -f "$shot"
mkdir -p "$(dirname "$shot")"
import -window root "$shot" || fail "screenshot failed"
[ -s "$shot" ] || fail "empty screenshot"
echo "screenshot: $shot"

wincmd close vigilkit 20000 || fail "the program did not close its main window"
# The program ends once its main window is gone.
wait_exit "$pid"; rc_exit=$exit_code
rm -f "$log"
[ "$rc_exit" = 0 ] || { echo "FAILED: exit code $rc_exit"; exit 1; }
echo "closed, exit code 0"
exit 0
