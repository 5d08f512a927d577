#!/bin/bash
# Runs one Windows program of a MinGW build under Wine: the emulator ctest
# uses for the Windows tests (listing them and running each one). The
# session (tests/wine/session.sh) gives the display and a running server;
# without one the program still runs, on no display. The watchdog ends a
# program that hangs: LORIVEX_TEST_TIMEOUT seconds, default 600.
#
#   tests/wine/exec.sh BUILD_DIR PROGRAM [ARGUMENTS...]
set -u
if [ $# -lt 2 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
shift
. "$(dirname "$0")/env.sh"
"$(dirname "$0")/prefix.sh" "$build" >&2 || exit 1
if [ -f "$session" ]; then
    display=$(sed -n 's/^DISPLAY=//p' "$session")
    [ -n "$display" ] && export DISPLAY="$display"
fi
# The program runs in its own folder, where it finds what lies beside it.
folder=$(cd "$(dirname "$1")" && pwd) || exit 2
program="$folder/$(basename "$1")"
shift
cd "$folder" || exit 2
# Wine starts its own services with the first program and keeps them: they
# would hold whatever output pipe they inherit, and the reader (ctest) would
# wait for them. The program's output goes through files instead.
output=$(mktemp) errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
timeout --kill-after=10 "${LORIVEX_TEST_TIMEOUT:-600}" wine "$program" "$@" </dev/null >"$output" 2>"$errors"
status=$?
cat "$output"
cat "$errors" >&2
exit $status
