#!/bin/bash
# Installs the add-in with its installer, silently, in the Windows build's
# Wine prefix, checks what the installation left, uninstalls it silently and
# checks that nothing is left behind: no file, no folder, no registry entry.
#
#   tests/installer/install-uninstall.sh BUILD_DIR SETUP_EXE BIN_DIR
#
# BIN_DIR is what the installer was made from (build-win/bin): every file of
# its templates and symbols must arrive.
set -u
if [ $# -ne 3 ]; then
    echo "usage: $0 BUILD_DIR SETUP_EXE BIN_DIR" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
setup=$2
bin_dir=$3
wine_dir=$(cd "$(dirname "$0")/../wine" && pwd)
. "$wine_dir/env.sh"
"$wine_dir/prefix.sh" "$build" || exit 1
if [ -f "$session" ]; then
    display=$(sed -n 's/^DISPLAY=//p' "$session")
    [ -n "$display" ] && export DISPLAY="$display"
fi

clsid='{DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}'
libid='{0F0AAF11-3581-46DA-8815-0E5BA6AE52F5}'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lorivex2008'
# The default folder: its path has spaces. (Another one cannot be given
# through wine, which quotes an argument with spaces, and the installer
# takes /D= only unquoted.)
windows_folder='C:\Program Files\Vantrell\Lorivex 2008'
vendor="$WINEPREFIX/drive_c/Program Files/Vantrell"
folder="$vendor/Lorivex 2008"
keys=("HKCR\\CLSID\\$clsid" 'HKCR\Lorivex.OfficeAddin' "HKCR\\TypeLib\\$libid"
      'HKCR\Interface\{1C83EA75-034A-43DD-A262-52F9735BE044}' "$uninstall_key")

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
run() { timeout --kill-after=10 120 wine "$@" </dev/null; }
# The data of a registry value, or nothing; reg prints CR LF line ends.
value() { # KEY [NAME]
    local args=(query "$1")
    if [ -n "${2:-}" ]; then args+=(/v "$2"); else args+=(/ve); fi
    run reg "${args[@]}" 2>/dev/null | tr -d '\r' | sed -n 's/^ *[^ ].*REG_[A-Z_]* *//p' | head -1
}
has_key() { run reg query "$1" >/dev/null 2>&1; }

[ -e "$vendor" ] && fail "$vendor is there before the installation"
# A class registration another test left in the shared prefix is not the
# installer's: cleared first.
run reg delete "${keys[0]}" /f >/dev/null 2>&1
for key in "${keys[@]}"; do
    has_key "$key" && fail "$key is there before the installation"
done

# Installing.
run "$setup" /S
status=$?
[ $status -eq 0 ] || fail "the installer exited with $status"
for f in Lorivex.dll Lorivex2008.chm Uninstall.exe; do
    [ -f "$folder/$f" ] || fail "$f is not installed"
done
for d in templates Symbols; do
    while IFS= read -r f; do
        cmp -s "$bin_dir/$d/$f" "$folder/$d/$f" || fail "$d/$f is not installed as built"
    done < <(cd "$bin_dir/$d" && find . -type f -printf '%P\n')
done

# The DLL registered itself where it lies; the path has spaces, so the
# class names the short form of it.
server=$(value "HKCR\\CLSID\\$clsid\\InprocServer32")
case "$server" in
    *' '*|'') fail "InprocServer32 is \"$server\", not a short path without spaces" ;;
    *\\LORIVEX.DLL|*\\Lorivex.dll) ;;
    *) fail "InprocServer32 is \"$server\", not the installed DLL" ;;
esac
[ "$(value "HKCR\\CLSID\\$clsid\\InprocServer32" ThreadingModel)" = Apartment ] ||
    fail "ThreadingModel is not Apartment"
[ "$(value 'HKCR\Lorivex.OfficeAddin\Clsid')" = "$clsid" ] || fail "the ProgID does not name the class"
has_key "HKCR\\TypeLib\\$libid" && has_key "${keys[3]}" || fail "the type library is not registered"
[ "$(value "$uninstall_key" UninstallString)" = "\"$windows_folder\\Uninstall.exe\"" ] ||
    fail "Windows' list of programs has no uninstaller for it"

# Uninstalling. The uninstaller copies itself away and runs from there, so
# that it can remove itself: wait until its work is done.
run "$folder/Uninstall.exe" /S
for _ in $(seq 120); do
    [ -e "$folder" ] || break
    sleep 0.5
done
[ -e "$vendor" ] && fail "left behind: $(find "$vendor" | tr '\n' ' ')"
for key in "${keys[@]}"; do
    has_key "$key" && fail "$key is left behind"
done

[ $failures -eq 0 ] || exit 1
echo "installed, registered, unregistered and removed"
