#!/usr/bin/env bash
# Drawing into a window someone else owns: xscreensaver's (XSCREENSAVER_WINDOW
# with -root) or one named with --window-id. The scene fills it, input is the
# owner's business, and the run ends on SIGTERM or within a second of the
# window's end, however it came (an owner killed outright sends no signal).
source "$(dirname "$0")/e2e_lib.sh"
start_x 1024x768
make_windows_dir

scene_fills_host() {  # scene_fills_host LABEL: the run $pid draws into $host (640x480)
    # No pixel of the host's own colour stays in view.
    local drawn=no colours=0 corner
    for _ in $(seq 60); do
        sleep 0.25
        screenshot "$WORK/host.png" "$host"
        colours=$(convert "$WORK/host.png" -format '%k' info:)
        corner=$(pixel "$WORK/host.png" 639 479)
        if [ "$colours" -gt 200 ] && [ "$corner" != "32,64,96" ]; then drawn=yes; break; fi
    done
    [ "$drawn" = yes ] || fail "$1: the scene was not drawn into the host window ($colours colours)"
    alive "$pid" || fail "$1: the run ended by itself"
}

ends_with_host() {  # ends_with_host LABEL SIGNAL: the host's keeper ends by SIGNAL
    kill "-$2" "$host_pid"
    wait_until 1 dead "$pid" || fail "$1: the run outlived its host window by more than a second"
    [ "$(status_of "$pid")" = 0 ] || fail "$1: the run ended with a non-zero status"
}

start_host 640 480
XSCREENSAVER_WINDOW=$(printf '0x%x' "$host") "$BLUVESSA" -root &
pid=$!
scene_fills_host xscreensaver
# Input belongs to xscreensaver: a click in our window does not end the run.
xdotool mousemove 320 240 click 1
sleep 0.5
alive "$pid" || fail "input ended a run that xscreensaver owns"
kill -TERM "$pid"
wait_until 1 dead "$pid" || fail "SIGTERM did not end the run within a second"
[ "$(status_of "$pid")" = 0 ] || fail "SIGTERM ended the run with a non-zero status"
kill "$host_pid"

# xscreensaver's settings killed while previewing: its window goes, no signal comes.
start_host 640 480
XSCREENSAVER_WINDOW=$(printf '0x%x' "$host") "$BLUVESSA" --root &
pid=$!
scene_fills_host "xscreensaver, host killed"
ends_with_host "xscreensaver, host killed" KILL

start_host 640 480
"$BLUVESSA" --window-id "$host" &
pid=$!
scene_fills_host "--window-id"
ends_with_host "--window-id" TERM
echo "xscreensaver: ok"
