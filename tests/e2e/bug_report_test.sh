#!/usr/bin/env bash
# A failure reported in a full-screen run: the report stands in front of
# every window of the program, the saver gets out of its way, and closing
# the report ends the run.
source "$(dirname "$0")/e2e_lib.sh"
start_x 1024x768
make_windows_dir
# A failure while the scene is being prepared, before the saver's window is up.
BLUVESSA_FAIL_AT=ScreenSaver/Form_Initialize "$BLUVESSA" /s &
pid=$!
title="Error Code: BV-5- ScreenSaver/Form_Initialize"
wait_until 30 has_window_named "$title" || fail "no bug report"
report=$(window_named "$title")
# The saver would come up right after the report: the report must stay in
# front all the while, not only at first.
for _ in $(seq 10); do
    "$X_TEST_HELPER" front "$report" >"$WORK/cover" || fail "the report is covered: $(cat "$WORK/cover")"
    sleep 0.1
done
[ -z "$(xdotool search --onlyvisible --name '^Bluvessa$' 2>/dev/null)" ] || fail "the saver window is still shown"
alive "$pid" || fail "the run ended with the report up"
close_until_dead "$title" "$pid" || fail "closing the report did not end the run"
[ "$(status_of "$pid")" = 0 ] || fail "the run ended with a non-zero status"

# A failure while the settings dialog is open: the report comes in front of it.
BLUVESSA_FAIL_AT=Configuration/RunScenery "$BLUVESSA" /c &
pid=$!
title="Error Code: BV-5- Configuration/RunScenery"
wait_until 30 has_window_named "$title" || fail "no bug report over the dialog"
report=$(window_named "$title")
wait_until 5 "$X_TEST_HELPER" front "$report" || fail "the report is behind the dialog"
close_until_dead "$title" "$pid" || fail "closing the report did not end the dialog"
echo "bug report: ok"
