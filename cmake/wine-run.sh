#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest. Wine's output goes to a file
# first: background Wine processes would otherwise hold CTest's pipe open and
# make it wait seconds after every test. Carriage returns are dropped.
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
WINEDEBUG=${WINEDEBUG:--all} wine "$@" >"$out" 2>&1
rc=$?
tr -d '\r' <"$out"
rm -f "$out"
exit $rc
