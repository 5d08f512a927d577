#!/bin/bash
# Runs the whole Windows unit test program of a MinGW build under Wine at
# once, headless (ctest runs its cases one by one instead):
#
#   tests/run-windows-tests.sh BUILD_DIR [test program arguments...]
#
# The exit code is the test program's; 124 when the watchdog had to end it.
# Nothing of Wine is left running afterwards.
set -u
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR [test program arguments...]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
shift
program="$build/bin/lorivex_tests.exe"
if [ ! -f "$program" ]; then
    echo "$0: $program is missing; build with the MinGW toolchain first" >&2
    exit 2
fi
here=$(dirname "$0")/wine
"$here/session.sh" start "$build" || exit 1
trap '"$here/session.sh" stop "$build"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
"$here/exec.sh" "$build" "$program" "$@"
