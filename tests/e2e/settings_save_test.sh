#!/usr/bin/env bash
# "&Apply" with a settings file that cannot be written: the user is told,
# the dialog stays open to try again or cancel, nothing ends silently.
source "$(dirname "$0")/e2e_lib.sh"
start_x 1024x768
make_windows_dir
# A folder where the settings file should be: no one, not even the
# super-user, can write it.
mkdir "$BLUVESSA_WINDOWS_DIR/zentrova.ini"

dialog_title="Bluvessa ScreenSaver"
message_title="Bluvessa: Settings Not Saved"
"$BLUVESSA" /c &
pid=$!
wait_until 30 has_window_named "$dialog_title" || fail "no settings dialog"
dialog=$(window_named "$dialog_title")
xdotool windowfocus --sync "$dialog" key alt+a
wait_until 5 has_window_named "$message_title" || fail "Apply said nothing about the failed save"
message=$(window_named "$message_title")
"$X_TEST_HELPER" front "$message" >/dev/null || fail "the message is not in front of the dialog"
alive "$pid" || fail "the dialog ended after a failed save"
has_window_named "$dialog_title" || fail "the dialog closed after a failed save"

# Read and dismissed: the dialog is still there, and cancelling ends the run.
"$X_TEST_HELPER" close "$message"
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^$message_title\$'" || fail "the message did not close"
alive "$pid" || fail "dismissing the message ended the run"
has_window_named "$dialog_title" || fail "the dialog closed with the message"
xdotool windowfocus --sync "$dialog" key alt+c
wait_until 5 dead "$pid" || fail "Cancel did not end the run"
[ "$(status_of "$pid")" = 0 ] || fail "Cancel ended the run with a non-zero status"
echo "settings save: ok"
