#!/bin/bash
# The two faces of Lorivex compile one document into the same files: the
# Linux lorivex compile (the engine, chmcmd) and, under Wine, the compile
# through Word over IDispatch (the SamePages test of the Windows unit tests,
# the engine behind the Word stand-in, the test compiler in place of
# hhc.exe). Both compile the sample document of the Windows build; the
# Linux run keeps its work files (--keep-work-folder) and the Windows test
# compares its own run with them after normalising topic identifiers, the
# work folder and the compiled file's path (tests/faces/WorkFiles.h).
#
#   tests/faces/compare-faces.sh LINUX_BUILD WINDOWS_BUILD
#
# Exits non-zero when a file differs, when either run fails, or when the
# Windows test did not compare (skipped).
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 LINUX_BUILD WINDOWS_BUILD" >&2
    exit 2
fi
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/temp" "$scratch/config"

# Settings of its own, and a temporary folder where the work folder is lx0.
echo "== Linux: lorivex compile, keeping the work files"
XDG_CONFIG_HOME="$scratch/config" TMPDIR="$scratch/temp" \
    "$linux/bin/lorivex" compile "$windows/bin/examples/Sample.docx" -o "$scratch/out/Sample.chm" \
    --keep-work-folder "$scratch/work" --no-open --overwrite --toc --index --search --no-headers

# Wine sees the machine's root as drive Z:.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
echo "== Windows: the compile through the binding, compared with the Linux run"
output=$(LORIVEX_FACES_LINUX_FILES=$(windows_path "$scratch/work") \
         LORIVEX_FACES_LINUX_WORK_FOLDER="$scratch/temp/lx0" \
         LORIVEX_FACES_LINUX_OUTPUT="$scratch/out/Sample.chm" \
         "$here/tests/wine/exec.sh" "$windows" "$windows/bin/lorivex_tests.exe" \
         --gtest_filter='SamePages.TheLinuxRunGaveTheSameFiles' 2>&1) || { echo "$output"; exit 1; }
echo "$output"
if ! grep -q '^\[       OK \] SamePages.TheLinuxRunGaveTheSameFiles' <<<"$output"; then
    echo "compare-faces.sh: the Windows test did not compare the runs" >&2
    exit 1
fi
