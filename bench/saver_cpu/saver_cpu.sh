#!/usr/bin/env bash
# The full-screen run's processor use: the real program on a private Xvfb
# screen with every creature on, the clock on, no sound and a frame interval
# of 70 ms, measured over a span of seconds after it has settled; the X
# server's share is measured beside it.
# usage: bench/saver_cpu/saver_cpu.sh BLUVESSA MEDIA_WINDOWS_DIR [WIDTHxHEIGHT] [SECONDS] [OPTION...]
# (the options go to bluvessa, e.g. --scale 1)
set -euo pipefail
bluvessa=$1
media=$2
geometry=${3:-1920x1080}
seconds=${4:-30}
shift $(( $# < 4 ? $# : 4 ))
# shellcheck source-path=SCRIPTDIR source=bench_screen.sh
source "$(dirname "$0")/bench_screen.sh"

start_bench_screen "$geometry" "$media"

"$bluvessa" /s "$@" 2>/dev/null &
pid=$!
sleep 3
# Time on a processor in nanoseconds, summed over the process's threads: the
# scheduler's own count, finer than the clock ticks of /proc/PID/stat, which
# at 1.5% over 30 s are only about 45 ticks.
cpu_ns() { awk '{sum += $1} END {print sum}' /proc/"$1"/task/*/schedstat; }
start=$(cpu_ns "$pid"); xstart=$(cpu_ns "$xvfb_pid"); wall_start=$(date +%s%N)
sleep "$seconds"
end=$(cpu_ns "$pid"); xend=$(cpu_ns "$xvfb_pid"); wall_end=$(date +%s%N)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
awk -v s="$start" -v e="$end" -v xs="$xstart" -v xe="$xend" -v w="$((wall_end - wall_start))" \
    -v t="$seconds" -v rss="$rss" -v g="$geometry" 'BEGIN {
  printf "bluvessa at %s over %d s: %.2f%% of one core (X server %.2f%%), resident %d MiB\n",
         g, t, 100 * (e - s) / w, 100 * (xe - xs) / w, rss / 1024 }'
