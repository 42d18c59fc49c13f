#!/usr/bin/env bash
# The options xscreensaver's page passes override the settings file for one
# run: the clock on or off, the frame delay; the file itself is untouched.
source "$(dirname "$0")/e2e_lib.sh"
start_x 800x600
make_bare_windows_dir
settings() { write_settings background=0 centerpiece=0 sound=0 "$@" $(creature_settings 0); }
clock_shown() {  # the top band of the screen has lit pixels
    screenshot "$WORK/shot.png"
    local lit
    lit=$(convert "$WORK/shot.png" -crop 800x60+0+0 +repage -fuzz 8% -trim -format '%h' info: 2>/dev/null)
    [ "${lit:-1}" -gt 5 ]
}
run_with() {  # run_with OPTION...: starts the saver, leaves its pid in $pid
    "$BLUVESSA" /s "$@" 2>"$WORK/stderr" &
    pid=$!
    wait_until 30 has_window_named Bluvessa || fail "no saver window for $*"
}
end_run() {
    xdotool key space
    wait_until 2 dead "$pid" || fail "the run did not end"
}

settings clock=0 speed=70
before=$(cat "$BLUVESSA_WINDOWS_DIR/zentrova.ini")
run_with --clock
wait_until 5 clock_shown || fail "--clock did not show the clock"
end_run
[ "$(cat "$BLUVESSA_WINDOWS_DIR/zentrova.ini")" = "$before" ] || fail "an option changed the settings file"

settings clock=1 speed=70
run_with --no-clock --delay=30
sleep 1
! clock_shown || fail "--no-clock left the clock showing"
end_run

# "--delay 0" is xscreensaver's slider at its default: the settings' speed stays.
settings clock=1 speed=70
run_with --delay 0
wait_until 5 clock_shown || fail "the clock of the settings file is gone"
end_run
echo "run options: ok"
