#!/usr/bin/env bash
# Makes the Windows installer from a Windows build and the manual:
#
#   installer/make-installer.sh BIN_DIR HELP_FILE VERSION OUT_FILE
#
# BIN_DIR holds Lorivex.dll, templates/ and Symbols/ (build-win/bin);
# HELP_FILE is the compiled manual (the Linux build's bin/Lorivex2008.chm).
# The uninstaller's list of files is made here from what goes in, so that it
# removes exactly what the installation put there.
set -euo pipefail
if [ $# -ne 4 ]; then
    echo "usage: $0 BIN_DIR HELP_FILE VERSION OUT_FILE" >&2
    exit 2
fi
bin_dir=$(realpath "$1") help_file=$(realpath "$2") version=$3 out_file=$(realpath -m "$4")
here=$(cd "$(dirname "$0")" && pwd)
for f in "$bin_dir/Lorivex.dll" "$help_file"; do
    [ -f "$f" ] || { echo "make-installer: missing $f" >&2; exit 1; }
done
for d in templates Symbols; do
    [ -d "$bin_dir/$d" ] || { echo "make-installer: missing folder $bin_dir/$d" >&2; exit 1; }
done

list=$out_file.files.nsh
{
    for d in templates Symbols; do
        (cd "$bin_dir/$d" && find . -type f | LC_ALL=C sort) | while IFS= read -r f; do
            f=${f#./}
            echo "  Delete \"\$INSTDIR\\$d\\${f//\//\\}\""
        done
        (cd "$bin_dir/$d" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | while IFS= read -r f; do
            f=${f#./}
            echo "  RMDir \"\$INSTDIR\\$d\\${f//\//\\}\""
        done
    done
} > "$list"

makensis -V2 -INPUTCHARSET UTF8 \
    "-DBIN_DIR=$bin_dir" "-DHELP_FILE=$help_file" "-DVERSION=$version" "-DOUT_FILE=$out_file" \
    "$here/Lorivex.nsi"
echo "make-installer: $out_file"
