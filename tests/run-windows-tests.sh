#!/bin/bash
# Runs the Windows test program of a MinGW build under Wine, headless.
#
#   tests/run-windows-tests.sh BUILD_DIR [test program arguments...]
#
# The build gets a Wine prefix of its own (BUILD_DIR/wineprefix), made on the
# first run, so that the tests never see or change anybody's ~/.wine. The
# exit code is the test program's; 124 when the watchdog had to end it.
# Nothing of Wine is left running afterwards.
#
# LORIVEX_TEST_TIMEOUT (seconds, default 900) bounds the test run,
# LORIVEX_WINEBOOT_TIMEOUT (default 300) the making of the prefix.
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
for tool in wine wineboot wineserver timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "$0: $tool is missing (Debian: wine, coreutils)" >&2
        exit 2
    fi
done

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
# No .NET or Gecko installers popping up while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Wine wants a home folder; CI may run without one.
export HOME="${HOME:-$build}"
test_timeout="${LORIVEX_TEST_TIMEOUT:-900}"
boot_timeout="${LORIVEX_WINEBOOT_TIMEOUT:-300}"

# Everything below ends with the server gone, however the script ends.
stop_wine() {
    if ! timeout 30 wineserver -w; then
        wineserver -k 2>/dev/null
    fi
}
trap stop_wine EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

ready="$WINEPREFIX/.lorivex-prefix-ready"
if [ ! -f "$ready" ]; then
    echo "Making the Wine prefix $WINEPREFIX (once per build folder)..."
    rm -rf "$WINEPREFIX"
    log="$build/wineboot.log"
    if ! timeout --kill-after=10 "$boot_timeout" wineboot -u </dev/null >"$log" 2>&1 ||
        ! timeout --kill-after=10 "$boot_timeout" wineserver -w >>"$log" 2>&1; then
        cat "$log" >&2
        echo "$0: wineboot failed; the prefix is removed so that the next run tries again" >&2
        wineserver -k 2>/dev/null
        rm -rf "$WINEPREFIX"
        exit 1
    fi
    touch "$ready"
fi

# The virtual display has no window manager. Wine then draws frames and
# captions itself (Decorated), and keeps the windows unmanaged (Managed):
# hiding a managed window would wait two seconds for a window manager that
# never answers. Set once per prefix.
x11_settings="$WINEPREFIX/.lorivex-x11-settings"
if [ ! -f "$x11_settings" ]; then
    for value in Decorated Managed; do
        timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /d N /f </dev/null >/dev/null 2>&1 ||
            { echo "$0: could not set the X11 driver's $value" >&2; exit 1; }
    done
    timeout 30 wineserver -w
    touch "$x11_settings"
fi

# The tests run on a virtual display when there is none: console tests do
# not need it, but anything that makes a window would fail without one. The
# server is waited for inside, before the display goes away under Wine's
# own background programs.
run_tests='timeout --kill-after=10 "$0" wine "$@" </dev/null
status=$?
timeout 30 wineserver -w || wineserver -k
exit $status'
cd "$build/bin" || exit 2
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    timeout --kill-after=10 $((test_timeout + 60)) xvfb-run -a -s "-screen 0 1024x768x24" \
        bash -c "$run_tests" "$test_timeout" "$program" "$@" </dev/null
else
    bash -c "$run_tests" "$test_timeout" "$program" "$@" </dev/null
fi
status=$?
if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "$0: the tests did not finish within ${test_timeout} s and were ended" >&2
    wineserver -k 2>/dev/null
fi
exit $status
