#!/usr/bin/env bash
# "/p <id>": the miniature loops inside a host window and ends with it.
source "$(dirname "$0")/e2e_lib.sh"
start_x 800x600
make_windows_dir

start_host 152 112
# The handle as xwininfo prints it.
"$BLUVESSA" /p "$(printf '0x%x' "$host")" &
pid=$!
# The loop shows a new frame every 70 ms: two looks at the centre differ.
changed=no
for attempt in $(seq 40); do
    sleep 0.25
    screenshot "$WORK/a.png" "$host"
    sleep 0.15
    screenshot "$WORK/b.png" "$host"
    a=$(convert "$WORK/a.png" -crop 60x60+46+26 +repage -format '%#' info:)
    b=$(convert "$WORK/b.png" -crop 60x60+46+26 +repage -format '%#' info:)
    center=$(pixel "$WORK/b.png" 76 56)
    if [ "$a" != "$b" ] && [ "$center" != "32,64,96" ]; then changed=yes; break; fi
done
[ "$changed" = yes ] || fail "the host's centre shows no moving picture"
alive "$pid" || fail "the preview ended by itself"

# The settings program killed outright: its window goes, no signal comes.
kill -KILL "$host_pid"
wait_until 1 dead "$pid" || fail "the preview outlived its host window by more than a second"
[ "$(status_of "$pid")" = 0 ] || fail "the preview ended with a non-zero status"

# No handle: nothing shows, the process waits until it is asked to end.
"$BLUVESSA" /p &
pid=$!
sleep 1.5
alive "$pid" || fail "/p without a handle ended by itself"
[ -z "$(xdotool search --onlyvisible --name 'Preview|Bluvessa' 2>/dev/null)" ] || fail "/p without a handle showed a window"
kill -TERM "$pid"
wait_until 3 dead "$pid" || fail "/p without a handle ignored SIGTERM"
[ "$(status_of "$pid")" = 0 ] || fail "/p ended with a non-zero status"
echo "preview: ok"
