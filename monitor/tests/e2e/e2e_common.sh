# Sourced by the end-to-end scripts; expects $bin (the folder of the
# programs). Skips (77) without a Wine session, and offers wincmd and a
# bounded wait for a program's end.

if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "no Wine session (WINEPREFIX and DISPLAY): skipped"
  exit 77
fi

# Wine's output goes through a file, never a pipe: background Wine processes
# started by any call may hold a pipe open long after the call has ended.
wincmd() {
  local out rc
  out=$(mktemp "${TMPDIR:-/tmp}/wincmd.XXXXXX")
  wine "$bin/wincmd.exe" "$@" >"$out" 2>&1 </dev/null
  rc=$?
  tr -d '\r' <"$out"
  rm -f "$out"
  return "$rc"
}

# Waits (bounded) for process $1 to end and sets exit_code to its exit code,
# or to "still-running" after ending it. Not to be called in a subshell: only
# this shell can wait for its own children.
wait_exit() {
  local pid=$1 i
  for i in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit_code=still-running
    return
  fi
  wait "$pid"
  exit_code=$?
}
