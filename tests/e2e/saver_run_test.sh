#!/usr/bin/env bash
# The full-screen run: covers the screen, ignores the pointer moving, ends on a key or a click.
source "$(dirname "$0")/e2e_lib.sh"
start_x 1024x768
make_windows_dir

run_until_input() {  # run_until_input "key" | "click"
    "$BLUVESSA" /s 2>"$WORK/stderr" &
    local pid=$!
    wait_until 30 has_window_named Bluvessa || fail "no saver window"
    local id geometry
    id=$(window_named Bluvessa)
    wait_until 5 bash -c "xwininfo -id $id | grep -q 'Width: 1024'" || fail "saver does not cover the screen: $(xwininfo -id "$id")"
    xwininfo -id "$id" | grep -q 'Height: 768' || fail "saver height is wrong"
    xwininfo -id "$id" | grep -q 'Map State: IsViewable' || fail "saver window not shown"

    xdotool mousemove 100 100 mousemove 600 400 mousemove 10 700
    sleep 0.5
    alive "$pid" || fail "moving the pointer ended the run"

    if [ "$1" = key ]; then xdotool key space; else xdotool mousemove 500 500 click 1; fi
    wait_until 1.5 dead "$pid" || fail "$1 did not end the run within a second"
    [ "$(status_of "$pid")" = 0 ] || fail "run ended with a non-zero status after $1"
    ! grep -q "Error Code" "$WORK/stderr" || fail "run reported a failure: $(cat "$WORK/stderr")"
}

run_until_input key
run_until_input click

# A second full-screen run while one is running ends at once, with no window.
"$BLUVESSA" /s &
first=$!
wait_until 30 has_window_named Bluvessa || fail "no first saver window"
start=$SECONDS
"$BLUVESSA" /S
[ $((SECONDS - start)) -le 2 ] || fail "the second run did not end at once"
[ "$(xdotool search --onlyvisible --name '^Bluvessa$' | wc -l)" = 1 ] || fail "a second saver window appeared"
alive "$first" || fail "the first run ended"
xdotool key Escape
wait_until 2 dead "$first" || fail "first run did not end"
# In a session without a message bus the run does not start one of its own.
mkdir -p "$WORK/bin"
printf '#!/bin/sh\ntouch "%s/bus started"\nexit 1\n' "$WORK" > "$WORK/bin/dbus-launch"
chmod +x "$WORK/bin/dbus-launch"
env -u DBUS_SESSION_BUS_ADDRESS PATH="$WORK/bin:$PATH" "$BLUVESSA" /s &
busless=$!
wait_until 30 has_window_named Bluvessa || fail "no saver window without a bus"
sleep 1  # the clock's label has had its text
xdotool key Escape
wait_until 2 dead "$busless" || fail "the run without a bus did not end"
[ ! -e "$WORK/bus started" ] || fail "the run started a message bus of its own"
echo "saver run: ok"
