#!/usr/bin/env bash
# A long full-screen run under a private Xvfb: speed 1, every creature, the
# clock and a message. Samples the program's resident memory after the first
# minute and at the end, and fails when it grew beyond noise, when the run
# ended early or when a failure report ("Error Code") appeared.
# usage: tools/soak.sh [minutes, default 10]
# Uses the test build (tools/test.sh's folder, or BLUVESSA_BUILD_DIR) and
# builds the program and its media pack there if needed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${BLUVESSA_BUILD_DIR:-$top/build-test}"
minutes="${1:-10}"
[ "$minutes" -ge 2 ] || { echo "usage: tools/soak.sh [minutes, at least 2]" >&2; exit 2; }
allowed_growth_kb="${BLUVESSA_SOAK_GROWTH_KB:-8192}"

if [ ! -x "$build/bin/bluvessa" ]; then
    "$top/tools/install-packages.sh" test
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)" --target bluvessa media_pack
fi
media=$(sed -n 's/^BLUVESSA_MEDIA_WINDOWS_DIR:PATH=//p' "$build/CMakeCache.txt")
[ -d "$media/Zentrova" ] || { echo "no media pack in $media" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
saver_pid=""
cleanup() {
    [ -n "$saver_pid" ] && kill "$saver_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 7>"$work/displayfd"
Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 7>&-
for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/displayfd")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy BLUVESSA_SOUND=none
export BLUVESSA_WINDOWS_DIR="$work/windows/"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$BLUVESSA_WINDOWS_DIR"
ln -s "$media/Zentrova" "$BLUVESSA_WINDOWS_DIR/Zentrova"
unset XSCREENSAVER_WINDOW QT_QPA_PLATFORM

{
    printf '[Bluvessa]\nfirstrun=1\nbackground=1\ncenterpiece=5\nspeed=1\nsound=0\n'
    printf 'clock=1\nmessage=1\nmessagetext=A long run under the sea\n'
    for key in shark octopus whale orca manatee hammerhead tuna swimmaid tigershark dolphin \
        emperorfish redfish crab clam seahorse swimhorse blowfish yellowfish angelfish \
        bluedevil scubadiver anchor marinasign eyes bubble worm mofiasnitch diverhead \
        pillar bottle; do
        printf '%s=1\n' "$key"
    done
} >"$BLUVESSA_WINDOWS_DIR/zentrova.ini"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$saver_pid/status"; }
failure_shown() { xdotool search --name "Error Code" >/dev/null 2>&1; }
check_running() {
    kill -0 "$saver_pid" 2>/dev/null || { echo "FAIL: the run ended early" >&2; cat "$work/stderr" >&2; exit 1; }
    if failure_shown || grep -q "Error Code" "$work/stderr"; then
        echo "FAIL: a failure was reported" >&2; cat "$work/stderr" >&2; exit 1
    fi
}

"$build/bin/bluvessa" /s 2>"$work/stderr" &
saver_pid=$!
start=$SECONDS
first_kb=""
while [ $((SECONDS - start)) -lt $((minutes * 60)) ]; do
    sleep 1
    check_running
    if [ -z "$first_kb" ] && [ $((SECONDS - start)) -ge 60 ]; then
        first_kb=$(rss_kb)
        echo "resident memory after 1 minute: ${first_kb} kB"
    fi
done
last_kb=$(rss_kb)
echo "resident memory after ${minutes} minutes: ${last_kb} kB (growth $((last_kb - first_kb)) kB)"
if [ $((last_kb - first_kb)) -gt "$allowed_growth_kb" ]; then
    echo "FAIL: memory grew by more than ${allowed_growth_kb} kB" >&2
    exit 1
fi
echo "soak: ok"
