#!/usr/bin/env bash
# The compile of a large document, by hand: lorivex's own work (load, topic
# mapping, one page per topic, project files) timed apart from chmcmd's.
#   bench/compile-bench.sh BUILD_DIR [TOPICS...]     (default 5000 10000 20000)
set -euo pipefail
build=$(cd "${1:?usage: compile-bench.sh BUILD_DIR [TOPICS...]}" && pwd)
shift
sizes=("${@:-5000 10000 20000}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp
mkdir -p "$TMPDIR"

# A stand-in compiler that keeps the run's work folder, so that chmcmd can be
# timed on exactly the files lorivex wrote.
cat > "$work/keep" <<'SH'
#!/bin/sh
cp -r "$(dirname "$1")" "$KEEP"
SH
chmod +x "$work/keep"

for n in ${sizes[@]}; do
  doc=$work/bench$n.docx
  "$build/bin/lorivex_bench_generate" "$doc" "$n" >/dev/null
  export KEEP=$work/kept$n
  start=$(date +%s.%N)
  "$build/bin/lorivex" compile "$doc" --compiler "$work/keep" -o "$work/bench$n.chm" \
    --overwrite --no-open --toc --index --search >/dev/null 2>&1 || true
  mid=$(date +%s.%N)
  (cd "$KEEP" && chmcmd HtmlHelpProject.hhp >/dev/null 2>&1) || true
  end=$(date +%s.%N)
  printf '%6d topics: lorivex %.2f s (%.3f ms/topic), chmcmd %.2f s, pages %d\n' "$n" \
    "$(echo "$mid - $start" | bc)" "$(echo "($mid - $start) * 1000 / $n" | bc -l)" \
    "$(echo "$end - $mid" | bc)" "$(ls "$KEEP"/*.html | wc -l)"
done
