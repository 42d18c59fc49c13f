#!/usr/bin/env bash
# A user's first hour with a strange settings file or a damaged media pack:
# values that cannot be used fall back one by one and are named on standard
# error; the dialog still opens and Apply mends the file without losing the
# other choices; missing or damaged pictures are named once and the run goes on,
# as it does when a picture's surface cannot be made.
source "$(dirname "$0")/e2e_lib.sh"
start_x 800x600
make_windows_dir
settings="$BLUVESSA_WINDOWS_DIR/zentrova.ini"

# 1. A speed of 0 no longer freezes the scene: it falls back to 70 ms and says so.
printf '[Bluvessa]\nfirstrun=1\nbackground=1\nshark=1\nbubble=1\nspeed=0\n' > "$settings"
"$BLUVESSA" /s 2>"$WORK/stderr" &
pid=$!
wait_until 30 has_window_named Bluvessa || fail "no saver window"
moving() {
    screenshot "$WORK/a.png"
    sleep 0.3
    screenshot "$WORK/b.png"
    [ "$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true)" != 0 ]
}
wait_until 10 moving || fail "the scene does not move with speed=0"
grep -q 'speed=0 cannot be used; using 70' "$WORK/stderr" || fail "speed=0 was not named: $(cat "$WORK/stderr")"
xdotool key space
wait_until 2 dead "$pid" || fail "the run did not end"

# 2. Values with no item in their lists, and a speed beyond 16 bits, still open
#    the dialog; Apply keeps the other choices and stores usable values.
printf '[Bluvessa]\nfirstrun=1\nbackground=99\ncenterpiece=99\nspeed=99999999999\nsound=1\nsong2=1\nmessage=1\nmessagetext=Hi\nclock=1\n' > "$settings"
"$BLUVESSA" /c 2>"$WORK/stderr" &
pid=$!
wait_until 30 has_window_named "Bluvessa ScreenSaver" || fail "the dialog did not open"
! xdotool search --onlyvisible --name "Error Code" >/dev/null || fail "a failure was reported"
for value in background=99 centerpiece=99 speed=99999999999; do
    grep -q "$value cannot be used" "$WORK/stderr" || fail "$value was not named: $(cat "$WORK/stderr")"
done
dialog=$(window_named "Bluvessa ScreenSaver")
xdotool windowfocus --sync "$dialog"
xdotool key alt+a  # "&Apply"
wait_until 5 dead "$pid" || fail "Apply did not end the dialog"
[ "$(status_of "$pid")" = 0 ] || fail "Apply ended with a non-zero status"
for line in background=1 centerpiece=5 speed=70 sound=1 song2=1 message=1 clock=1; do
    grep -qx "$line" "$settings" || fail "after Apply the file lacks $line: $(cat "$settings")"
done

# 3. Damaged and missing pictures are named once each; the run goes on.
export BLUVESSA_WINDOWS_DIR="$WORK/damaged/"
media="$BLUVESSA_WINDOWS_DIR/Zentrova/Bluvessa"
mkdir -p "$media"
cp "$MEDIA_WINDOWS_DIR"/Zentrova/Bluvessa/* "$media/"
head -c 60 "$MEDIA_WINDOWS_DIR/Zentrova/Bluvessa/bv_palette.bmp" > "$media/bv_palette.bmp"
head -c 100000 "$MEDIA_WINDOWS_DIR/Zentrova/Bluvessa/bv_background1.bmp" > "$media/bv_background1.bmp"
rm "$media/bv_shark.bmp"
printf '[Bluvessa]\nfirstrun=1\nbackground=1\nshark=1\nspeed=70\n' > "$BLUVESSA_WINDOWS_DIR/zentrova.ini"
"$BLUVESSA" /s 2>"$WORK/stderr" &
pid=$!
wait_until 30 has_window_named Bluvessa || fail "no saver window with a damaged pack"
for file in bv_palette.bmp bv_background1.bmp bv_shark.bmp; do
    [ "$(grep -c "$file" "$WORK/stderr")" = 1 ] || fail "$file not named once: $(cat "$WORK/stderr")"
done
grep -q "bv_background1.bmp is cut short" "$WORK/stderr" || fail "the background's fault is not said"
grep -q "bv_shark.bmp is missing" "$WORK/stderr" || fail "the missing shark is not said"
sleep 0.5
alive "$pid" || fail "the run ended over a damaged pack"
xdotool key space
wait_until 2 dead "$pid" || fail "the run did not end"

# 4. Without the media folder at all, one line says so.
export BLUVESSA_WINDOWS_DIR="$WORK/empty/" BLUVESSA_INSTALLED_MEDIA_DIR="$WORK/nowhere/"
mkdir -p "$BLUVESSA_WINDOWS_DIR"
"$BLUVESSA" /s 2>"$WORK/stderr" &
pid=$!
wait_until 30 has_window_named Bluvessa || fail "no saver window without media"
[ "$(grep -c "media folder .* is missing" "$WORK/stderr")" = 1 ] || fail "the missing media folder was not said once: $(cat "$WORK/stderr")"
xdotool key space
wait_until 2 dead "$pid" || fail "the run did not end"
# 5. A picture whose surface cannot be made at all is reported, and the scene
# is drawn on without it.
export BLUVESSA_WINDOWS_DIR="$WORK/windows/"
printf '[Bluvessa]\nfirstrun=1\nbackground=1\nspeed=70\n' > "$settings"
status=0
BLUVESSA_FAIL_AT=System/GenerateDC "$BLUVESSA_RENDER" --size 320x240 --ticks 3 \
    --out "$WORK/unmade.png" 2>"$WORK/stderr" || status=$?
[ "$status" = 1 ] || fail "the render ended with status $status when no surface could be made"
grep -q "BV-5- System/GenerateDC" "$WORK/stderr" || fail "the unmade surface was not reported: $(cat "$WORK/stderr")"
echo "settings and media: ok"
