#!/bin/bash
# Runs the fuzz targets for a while each, under AddressSanitizer and
# UndefinedBehaviorSanitizer: ./tests/fuzz/run.sh [SECONDS] [BUILD]
# (default 300 seconds each, build folder build-fuzz). Needs clang and its
# libFuzzer runtime (Debian's clang). Seeds come from the build's sample
# document and from the program's own sources; what a target finds
# is kept in BUILD/fuzz/TARGET-crashes/, and its corpus grows in
# BUILD/fuzz/TARGET-corpus/ from one run to the next.
set -euo pipefail
seconds=${1:-300}
build=${2:-build-fuzz}
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORIVEX_FUZZ=ON \
  -DLORIVEX_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target lorivex_fuzz_docx lorivex_fuzz_rtf

work="$build/fuzz"
mkdir -p "$work/docx-seeds" "$work/rtf-seeds" "$work/docx-corpus" "$work/rtf-corpus" \
  "$work/docx-crashes" "$work/rtf-crashes"

# The sample's seed: its fuzzed parts joined as the docx target splits them.
seed="$work/docx-seeds/Sample"
: >"$seed"
separator=''
for part in word/document.xml word/styles.xml word/_rels/document.xml.rels docProps/custom.xml \
  word/header1.xml; do
  printf "$separator" >>"$seed"
  separator='\n\001\n'
  unzip -p "$build/bin/examples/Sample.docx" "$part" >>"$seed" 2>/dev/null || true
done
# Code seeds (first byte even: a language; the target writes them as RTF and
# reads that back) and one RTF seed (first byte odd).
i=0
for source in engine/rtf/RtfReader.cpp examples/help.css cli/main.cpp highlight/Highlighters.cpp; do
  i=$((i + 1))
  { printf "\\$(printf '%03o' $((i * 2)))"; head -c 4000 "$source"; } >"$work/rtf-seeds/code$i"
done
printf '\001{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Courier New;}}{\\colortbl;\\red0\\green0\\blue128;}'\
'\\f0\\fs20 {\\cf1\\b begin}\\par end;\\u8364?\\par}' >"$work/rtf-seeds/rtf1"

status=0
for target in docx rtf; do
  echo "Fuzzing $target for $seconds s"
  "$build/bin/lorivex_fuzz_$target" -max_total_time="$seconds" -max_len=40000 -timeout=10 \
    -rss_limit_mb=4096 -artifact_prefix="$work/$target-crashes/" -print_final_stats=1 \
    "$work/$target-corpus" "$work/$target-seeds" 2>"$work/$target.log" || status=$?
  grep -E "^stat::number_of_executed_units|^stat::peak_rss|ERROR|SUMMARY" "$work/$target.log" || true
done
exit $status
