#!/usr/bin/env bash
# Started by xscreensaver: draws into the window named by XSCREENSAVER_WINDOW
# and ends cleanly on SIGTERM.
source "$(dirname "$0")/e2e_lib.sh"
start_x 1024x768
make_windows_dir

"$X_TEST_HELPER" host 640 480 > "$WORK/host_id" &
wait_until 5 test -s "$WORK/host_id" || fail "no host window"
host=$(cat "$WORK/host_id")

XSCREENSAVER_WINDOW=$(printf '0x%x' "$host") "$BLUVESSA" -root &
pid=$!
# The scene fills the host: no pixel of the host's own colour stays in view.
drawn=no
for attempt in $(seq 60); do
    sleep 0.25
    screenshot "$WORK/host.png" "$host"
    colours=$(convert "$WORK/host.png" -format '%k' info:)
    corner=$(pixel "$WORK/host.png" 639 479)
    if [ "$colours" -gt 200 ] && [ "$corner" != "32,64,96" ]; then drawn=yes; break; fi
done
[ "$drawn" = yes ] || fail "the scene was not drawn into the host window ($colours colours)"
alive "$pid" || fail "the saver ended by itself"
# Input belongs to xscreensaver: a key in our window does not end the run.
xdotool mousemove 320 240 click 1
sleep 0.5
alive "$pid" || fail "input ended a run that xscreensaver owns"

kill -TERM "$pid"
wait_until 1 dead "$pid" || fail "SIGTERM did not end the run within a second"
[ "$(status_of "$pid")" = 0 ] || fail "SIGTERM ended the run with a non-zero status"
echo "xscreensaver: ok"
