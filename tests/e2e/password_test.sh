#!/usr/bin/env bash
# "/a": the password change reads its window handle; a bad one is reported.
source "$(dirname "$0")/e2e_lib.sh"
start_x 800x600
make_windows_dir

expect_report() {  # expect_report "exact title" args...
    local title=$1
    shift
    "$BLUVESSA" "$@" &
    local pid=$!
    wait_until 30 has_window_named "$title" || fail "no window titled '$title' for: $*"
    sleep 0.3
    alive "$pid" || fail "process ended while the report is shown"
    close_until_dead "$title" "$pid" || fail "closing the report did not end the process"
    [ "$(status_of "$pid")" = 0 ] || fail "non-zero status after closing the report"
}

expect_report "Error Code: BV-5- Starter/Run_Password" /a
expect_report "Error Code: BV-13- Starter/Run_Password" /a xyz

# A proper handle raises no failure: the note about the desktop's password shows instead.
"$BLUVESSA" /a 1234 &
pid=$!
wait_until 30 has_window_named Bluvessa || fail "no password note for /a 1234"
! xdotool search --onlyvisible --name "Error Code" >/dev/null || fail "/a 1234 raised a failure"
close_until_dead Bluvessa "$pid" || fail "/a 1234 did not end after its note was closed"
[ "$(status_of "$pid")" = 0 ] || fail "/a 1234 ended with a non-zero status"
echo "password: ok"
