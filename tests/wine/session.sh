#!/bin/bash
# Starts or stops what the Windows tests of one build run in: a virtual
# display (when there is no display) and a Wine server kept alive between
# the test programs, so that each of them starts in a fraction of a second.
# ctest runs "start" before the first Windows test and "stop" after the last.
#
#   tests/wine/session.sh start|stop BUILD_DIR
set -u
if [ $# -ne 2 ] || [ ! -d "$2" ]; then
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
fi
build=$(cd "$2" && pwd)
. "$(dirname "$0")/env.sh"
case "$1" in
start)
    "$(dirname "$0")/prefix.sh" "$build" || exit 1
    rm -f "$session"
    # ctest lists the tests by running the programs before this script, with
    # no display: the server and the desktop those runs started must end, or
    # the tests would join them and find no display to make windows on.
    timeout 30 wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
    display="${DISPLAY:-}"
    if [ -z "$display" ] && command -v Xvfb >/dev/null; then
        numberFile="$build/wine-display"
        rm -f "$numberFile"
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 </dev/null &
        echo "XVFB_PID=$!" >>"$session"
        for _ in $(seq 100); do
            [ -s "$numberFile" ] && break
            sleep 0.1
        done
        display=":$(cat "$numberFile")"
    fi
    echo "DISPLAY=$display" >>"$session"
    # The server goes to the background by itself; its output must not hold
    # the pipe ctest reads this script through.
    DISPLAY="$display" wineserver -p </dev/null >/dev/null 2>&1
    ;;
stop)
    if ! timeout 30 wineserver -k; then
        :
    fi
    timeout 30 wineserver -w 2>/dev/null
    if [ -f "$session" ]; then
        pid=$(sed -n 's/^XVFB_PID=//p' "$session")
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
        rm -f "$session"
    fi
    ;;
*)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
exit 0
