#!/usr/bin/env bash
# Times zgconv as a whole process: a 24 x 24 font source converted to a C
# header, RUNS times (default 200); prints the median and mean per run.
# Use a Release build:
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DZG_BUILD_TESTS=OFF
#   cmake --build build/rel --target zgconv
#   bench/zgconv_bench.sh build/rel 200
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [RUNS]" >&2
  exit 2
fi
ZGCONV=$1/src/cli/zgconv
RUNS=${2:-200}
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ -x "$ZGCONV" ] || { echo "$0: no $ZGCONV; build the zgconv target first" >&2; exit 2; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The largest cell, every glyph drawn, so the file is as long as they get.
"$ZGCONV" --from-font "$ROOT/tests/data/DejaVuSansMono.ttf" --cell 24x24 --size 24 \
  -o "$WORK/Font24x24vp.fnt"

times=()
for ((i = 0; i < RUNS; i++)); do
  start=$EPOCHREALTIME
  "$ZGCONV" "$WORK/Font24x24vp.fnt" -o "$WORK/font.h"
  end=$EPOCHREALTIME
  times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) * 1000 }')")
done

printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$RUNS" -v bytes="$(wc -c < "$WORK/Font24x24vp.fnt")" '
  { t[NR] = $1; sum += $1 }
  END {
    median = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "zgconv 24x24 font source (%d bytes) to C header, %d runs: median %.2f ms, mean %.2f ms, min %.2f ms, max %.2f ms\n",
      bytes, runs, median, sum / NR, t[1], t[NR]
  }'
