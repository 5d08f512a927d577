#!/bin/bash
# Makes the Wine prefix of a MinGW build folder, once: later calls return at
# once. LORIVEX_WINEBOOT_TIMEOUT (seconds, default 300) bounds the making.
#
#   tests/wine/prefix.sh BUILD_DIR
set -u
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
. "$(dirname "$0")/env.sh"
for tool in wine wineboot wineserver timeout flock; do
    if ! command -v "$tool" >/dev/null; then
        echo "$0: $tool is missing (Debian: wine, coreutils, util-linux)" >&2
        exit 2
    fi
done
ready="$WINEPREFIX/.lorivex-prefix-ready"
[ -f "$ready" ] && exit 0
exec 9>"$build/wineprefix.lock"
flock 9
[ -f "$ready" ] && exit 0
echo "Making the Wine prefix $WINEPREFIX (once per build folder)..."
rm -rf "$WINEPREFIX"
log="$build/wineboot.log"
timeout="${LORIVEX_WINEBOOT_TIMEOUT:-300}"
if ! timeout --kill-after=10 "$timeout" wineboot -u </dev/null >"$log" 2>&1 ||
    ! timeout --kill-after=10 "$timeout" wineserver -w >>"$log" 2>&1; then
    cat "$log" >&2
    echo "$0: wineboot failed; the prefix is removed so that the next run tries again" >&2
    wineserver -k 2>/dev/null
    rm -rf "$WINEPREFIX"
    exit 1
fi
# The virtual display has no window manager. Wine then draws frames and
# captions itself (Decorated), and keeps the windows unmanaged (Managed):
# hiding a managed window would wait two seconds for a window manager that
# never answers.
for value in Decorated Managed; do
    if ! timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /d N /f </dev/null >>"$log" 2>&1; then
        cat "$log" >&2
        echo "$0: could not set the X11 driver's $value" >&2
        wineserver -k 2>/dev/null
        rm -rf "$WINEPREFIX"
        exit 1
    fi
done
timeout 30 wineserver -w
touch "$ready"
