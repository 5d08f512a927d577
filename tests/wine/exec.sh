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
cd "$(dirname "$1")" || exit 2
exec timeout --kill-after=10 "${LORIVEX_TEST_TIMEOUT:-600}" wine "$@" </dev/null
