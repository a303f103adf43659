#!/usr/bin/env bash
# Whole-process start-up of the editor against a yardstick: a bare Qt window
# of the same size with one painted widget drawing 800 cells, each with a
# short label in the default font (bench/bare_window). Launches both RUNS
# times, alternating, each until its first painted frame, and prints the
# median and mean launch-to-first-paint time, the processor time used by then
# and the peak resident memory of each, and the ratios editor / yardstick. On
# a machine busy with other work the wall-clock time mostly measures the wait
# for a processor; the processor time stays steady.
#
#   bench/startup.sh BUILD_DIR [RUNS]      (RUNS defaults to 16)
#
# BUILD_DIR is a build with the GUI and the benchmarks (a Release build for
# figures worth comparing). Runs under Xvfb when no display is set and
# xvfb-run is installed (packages xvfb, xauth), on a 1920 x 1080 screen where
# the window keeps its designed size, that of the bare window; offscreen
# otherwise. Needs
# /usr/bin/time (package time). Both programs quit after their first frame
# through the ZGEDIT_EXIT_AFTER_FIRST_PAINT hook (src/ui/qt/exit_after_first_paint.h).
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [RUNS]" >&2
  exit 2
fi
build=$1
runs=${2:-16}
editor=$build/src/app/zgedit
bare=$build/bench/bare_window/zg_bare_window
for program in "$editor" "$bare"; do
  if [ ! -x "$program" ]; then
    echo "$0: $program not built (cmake --build $build --target zgedit zg_bare_window)" >&2
    exit 2
  fi
done
if [ ! -x /usr/bin/time ]; then
  echo "$0: /usr/bin/time is missing (apt-get install time)" >&2
  exit 2
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
  fi
  export QT_QPA_PLATFORM=offscreen
fi
echo "Platform: ${QT_QPA_PLATFORM:-xcb on $DISPLAY}; $runs launches each, alternating"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# launch PROGRAM: prints "<microseconds to first paint> <peak RSS in KiB>
# <processor microseconds to first paint>".
launch() {
  local start paint rss cpu
  start=${EPOCHREALTIME/[.,]/}
  ZGEDIT_EXIT_AFTER_FIRST_PAINT=1 /usr/bin/time -f "peak-rss-kib %M" -o "$work/time" \
    "$1" >/dev/null 2>"$work/err"
  paint=$(awk '$1 == "first-paint-us" { print $2 }' "$work/err")
  rss=$(awk '$1 == "peak-rss-kib" { print $2 }' "$work/time")
  cpu=$(awk '$1 == "first-paint-cpu-us" { print $2 }' "$work/err")
  if [ -z "$paint" ] || [ -z "$rss" ] || [ -z "$cpu" ]; then
    echo "$0: $1 did not report its first paint:" >&2
    cat "$work/err" >&2
    exit 1
  fi
  echo "$((paint - start)) $rss $cpu"
}

# One launch each first, unmeasured, so both start with warm file caches.
launch "$editor" >/dev/null
launch "$bare" >/dev/null
for ((i = 0; i < runs; ++i)); do
  launch "$editor" >>"$work/editor"
  launch "$bare" >>"$work/bare"
done

# stats FILE COLUMN: prints "<median> <mean>".
stats() {
  cut -d' ' -f"$2" "$1" | sort -n | awk '
    { v[NR] = $1; sum += $1 }
    END {
      median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%.1f %.1f\n", median, sum / NR
    }'
}

read -r et_med et_mean < <(stats "$work/editor" 1)
read -r bt_med bt_mean < <(stats "$work/bare" 1)
read -r em_med em_mean < <(stats "$work/editor" 2)
read -r bm_med bm_mean < <(stats "$work/bare" 2)
read -r ec_med ec_mean < <(stats "$work/editor" 3)
read -r bc_med bc_mean < <(stats "$work/bare" 3)
awk -v et_med="$et_med" -v et_mean="$et_mean" -v bt_med="$bt_med" -v bt_mean="$bt_mean" \
    -v em_med="$em_med" -v em_mean="$em_mean" -v bm_med="$bm_med" -v bm_mean="$bm_mean" \
    -v ec_med="$ec_med" -v ec_mean="$ec_mean" -v bc_med="$bc_med" -v bc_mean="$bc_mean" '
  BEGIN {
    printf "%-12s %22s %22s %24s\n", "", "first paint (ms)", "processor (ms)", "peak RSS (KiB)"
    printf "%-12s %11s %10s %11s %10s %12s %11s\n", "", "median", "mean", "median", "mean", "median", "mean"
    printf "%-12s %11.2f %10.2f %11.2f %10.2f %12.0f %11.0f\n", "zgedit", et_med / 1000, et_mean / 1000,
      ec_med / 1000, ec_mean / 1000, em_med, em_mean
    printf "%-12s %11.2f %10.2f %11.2f %10.2f %12.0f %11.0f\n", "yardstick", bt_med / 1000, bt_mean / 1000,
      bc_med / 1000, bc_mean / 1000, bm_med, bm_mean
    printf "%-12s %11.3f %10.3f %11.3f %10.3f %12.3f %11.3f\n", "ratio", et_med / bt_med, et_mean / bt_mean,
      ec_med / bc_med, ec_mean / bc_mean, em_med / bm_med, em_mean / bm_mean
  }'
