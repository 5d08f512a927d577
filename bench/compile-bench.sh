#!/usr/bin/env bash
# The compile of a large document beside other programs that turn the same
# .docx into HTML, all in one run on the same machine:
#   bench/compile-bench.sh BUILD_DIR [TOPICS...]     (default 1000 5000 20000)
# For each size it generates the document (lorivex_bench_generate), compiles
# it with lorivex leaving the help compiler out (--compiler /bin/true), then
# exports it with LibreOffice (soffice --headless --convert-to html) and
# pandoc when they are installed, and prints each one's wall time and peak
# resident memory with lorivex's share of them. pandoc needs minutes and
# gigabytes for a few thousand topics: it runs only up to PANDOC_MAX_TOPICS
# (default 5000). GNU time (/usr/bin/time) measures the memory.
#
# BENCH_TMP names the folder the runs' temporary files go to (default: the
# system's). On an ext4 file system without a journal, a new file skips over
# the inodes freed in the last minutes, so a compile soon after another one
# (which deleted its work folder) pays for the earlier run's pages too; a
# tmpfs folder such as /dev/shm shows the program's own cost.
set -euo pipefail
build=$(cd "${1:?usage: compile-bench.sh BUILD_DIR [TOPICS...]}" && pwd)
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 5000 20000)
pandoc_max=${PANDOC_MAX_TOPICS:-5000}
gnutime=/usr/bin/time
if ! "$gnutime" -f %M true >/dev/null 2>&1; then
  echo "GNU time is needed at $gnutime (Debian: apt-get install time)" >&2
  exit 2
fi
work=$(mktemp -d "${BENCH_TMP:-${TMPDIR:-/tmp}}/lorivex-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp
mkdir -p "$TMPDIR"

soffice=$(command -v soffice || true)
pandoc=$(command -v pandoc || true)
# LibreOffice in a profile of its own, made before the first measurement so
# that its creation is not counted.
lo_profile=file://$work/lo-profile
if [ -n "$soffice" ]; then
  "$build/bin/lorivex_bench_generate" "$work/warm.docx" 1 >/dev/null
  "$soffice" -env:UserInstallation="$lo_profile" --headless --convert-to html --outdir "$work/lo" \
    "$work/warm.docx" >/dev/null 2>&1 || true
fi

# Runs a command, prints "SECONDS KIB" (wall time, peak resident memory).
measure() {
  local out=$work/time.txt
  "$gnutime" -o "$out" -f '%e %M' "$@" >/dev/null 2>&1 || true
  tail -n 1 "$out"
}

ratio() { echo "scale=3; $1 / $2" | bc -l | sed 's/^\./0./'; }
mib() { echo "$(( $1 / 1024 ))"; }

printf '%7s %-10s %9s %9s %12s %12s\n' topics program seconds MiB "time ratio" "memory ratio"
for n in "${sizes[@]}"; do
  doc=$work/bench$n.docx
  "$build/bin/lorivex_bench_generate" "$doc" "$n" >/dev/null
  read -r lt lm < <(measure "$build/bin/lorivex" compile "$doc" --compiler /bin/true -o "$work/bench$n.chm" \
    --overwrite --no-open --toc --index --search)
  printf '%7d %-10s %9.2f %9d %12s %12s   (%.3f ms per topic)\n' "$n" lorivex "$lt" "$(mib "$lm")" "" "" \
    "$(echo "$lt * 1000 / $n" | bc -l)"
  if [ -n "$soffice" ]; then
    rm -rf "$work/lo"
    read -r st sm < <(measure "$soffice" -env:UserInstallation="$lo_profile" --headless --convert-to html \
      --outdir "$work/lo" "$doc")
    printf '%7d %-10s %9.2f %9d %12s %12s\n' "$n" LibreOffice "$st" "$(mib "$sm")" \
      "$(ratio "$lt" "$st")" "$(ratio "$lm" "$sm")"
  else
    printf '%7d %-10s (not installed)\n' "$n" LibreOffice
  fi
  if [ -z "$pandoc" ]; then
    printf '%7d %-10s (not installed)\n' "$n" pandoc
  elif [ "$n" -gt "$pandoc_max" ]; then
    printf '%7d %-10s (skipped above PANDOC_MAX_TOPICS=%d)\n' "$n" pandoc "$pandoc_max"
  else
    read -r pt pm < <(measure "$pandoc" -f docx -t html -o "$work/pandoc$n.html" "$doc")
    printf '%7d %-10s %9.2f %9d %12s %12s\n' "$n" pandoc "$pt" "$(mib "$pm")" \
      "$(ratio "$lt" "$pt")" "$(ratio "$lm" "$pm")"
  fi
done
echo "ratios: lorivex's time or memory divided by the other program's, from this run"
