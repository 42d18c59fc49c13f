#!/usr/bin/env bash
# The time from starting the program to its first composed frame on screen,
# on a private Xvfb screen, as the median of several starts, with the
# settings of saver_cpu.sh.
# usage: bench/saver_cpu/first_frame.sh BLUVESSA MEDIA_WINDOWS_DIR [WIDTHxHEIGHT] [RUNS] [OPTION...]
# (the options go to bluvessa, e.g. --scale 1)
set -euo pipefail
source "$(dirname "$0")/bench_settings.sh"
bluvessa=$1
media=$2
geometry=${3:-3840x2160}
runs=${4:-3}
shift $(( $# < 4 ? $# : 4 ))

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
exec 7> "$work/displayfd"
Xvfb -displayfd 7 -screen 0 "${geometry}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
exec 7>&-
for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/displayfd")"
export BLUVESSA_WINDOWS_DIR="$work/windows/" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy
export BLUVESSA_TIMING=1
mkdir -p "$BLUVESSA_WINDOWS_DIR"
ln -s "$media/Zentrova" "$BLUVESSA_WINDOWS_DIR/Zentrova"
write_bench_settings "$BLUVESSA_WINDOWS_DIR"

times=()
for run in $(seq "$runs"); do
    err="$work/err$run"
    : > "$err"
    start=$(date +%s.%N)
    "$bluvessa" /s "$@" 2> "$err" &
    pid=$!
    for _ in $(seq 200); do grep -q "first frame shown" "$err" && break; sleep 0.02; done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    shown=$(sed -n 's/.*first frame shown at \([0-9.]*\).*/\1/p' "$err")
    [ -n "$shown" ] || { echo "run $run: no frame shown" >&2; cat "$err" >&2; exit 1; }
    times+=("$(awk -v a="$start" -v b="$shown" 'BEGIN { printf "%.3f", b - a }')")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "bluvessa at $geometry: first frame after ${median} s (median of $runs: ${times[*]})"
