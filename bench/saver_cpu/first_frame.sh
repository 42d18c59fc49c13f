#!/usr/bin/env bash
# The time from starting the program to its first composed frame on screen,
# on a private Xvfb screen, as the median of several starts, with the
# settings of saver_cpu.sh.
# usage: bench/saver_cpu/first_frame.sh BLUVESSA MEDIA_WINDOWS_DIR [WIDTHxHEIGHT] [RUNS] [OPTION...]
# (the options go to bluvessa, e.g. --scale 1)
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=bench_screen.sh
source "$(dirname "$0")/bench_screen.sh"
bluvessa=$1
media=$2
geometry=${3:-3840x2160}
runs=${4:-3}
shift $(( $# < 4 ? $# : 4 ))

start_bench_screen "$geometry" "$media"
export BLUVESSA_TIMING=1

# A fresh Xvfb has never written its framebuffer, and its first full-screen
# window pays for touching every page of it (160 ms at 3840 x 2160 here); a
# desktop's screen has long been drawn. So one start goes untimed first,
# unless BENCH_COLD_SERVER=1 asks for the fresh server's figure.
warm_up=$(( ${BENCH_COLD_SERVER:-0} == 1 ? 0 : 1 ))

times=()
for run in $(seq $(( runs + warm_up ))); do
    err="$work/err$run"
    : > "$err"
    start=$(date +%s.%N)
    "$bluvessa" /s "$@" 2> "$err" &
    pid=$!
    for _ in $(seq 200); do grep -q "first frame shown" "$err" && break; sleep 0.02; done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    sleep 0.5  # the server lets go of the last run before the next starts
    shown=$(sed -n 's/.*first frame shown at \([0-9.]*\).*/\1/p' "$err")
    [ -n "$shown" ] || { echo "run $run: no frame shown" >&2; cat "$err" >&2; exit 1; }
    (( run > warm_up )) || continue
    times+=("$(awk -v a="$start" -v b="$shown" 'BEGIN { printf "%.3f", b - a }')")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "bluvessa at $geometry: first frame after ${median} s (median of $runs: ${times[*]})"
