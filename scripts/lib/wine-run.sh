#!/usr/bin/env bash
# Runs one Windows test program under Wine for ctest:  wine-run.sh PROGRAM.exe [ARGS...]
# The program's output goes through a file: Wine's own helper processes (services, the desktop),
# which the first program of a prefix starts and which live as long as its Wine server, inherit
# the program's output; through a pipe they would hold ctest waiting until that server ended.
set -uo pipefail
out=$(mktemp)
wine "$@" >"$out" 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit $rc
