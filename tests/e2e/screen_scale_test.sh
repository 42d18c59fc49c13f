#!/usr/bin/env bash
# Every screen: a scene at pixel scale 2 is the same scene on a screen half as
# large, each pixel doubled; and on a desktop scaled by 2 the clock and the
# message sit where they do on an unscaled one.
source "$(dirname "$0")/e2e_lib.sh"
: "${BLUVESSA_RENDER:?path of bluvessa-render}"
[ "$(creature_settings 1 | wc -l)" = 30 ] || fail "cannot read the creature table"

# 1. Scale 2 on 3840 x 2160 shows the 1920 x 1080 scene doubled, pixel for pixel.
make_windows_dir
write_settings $(creature_settings 1) background=1 centerpiece=5 clock=0 message=0 sound=0
BLUVESSA_RANDOM_SEED=11 "$BLUVESSA_RENDER" --size 1920x1080 --scale 1 --ticks 300 --out "$WORK/hd.png"
BLUVESSA_RANDOM_SEED=11 "$BLUVESSA_RENDER" --size 3840x2160 --scale 2 --ticks 300 --out "$WORK/uhd.png"
convert "$WORK/hd.png" -scale 200% "$WORK/hd-doubled.png"
differing=$(compare -metric AE "$WORK/hd-doubled.png" "$WORK/uhd.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "the scene at scale 2 differs from the doubled one in $differing pixels"

# 2. Labels on a desktop scaled by 2: the clock centred at the top, the message
#    centred 40 scene pixels above the bottom. The scene is black but for them.
start_x 1920x1080
make_bare_windows_dir
write_settings $(creature_settings 0) background=0 centerpiece=0 clock=1 message=1 messagetext=Hello sound=0
QT_SCALE_FACTOR=2 "$BLUVESSA" /s 2>"$WORK/stderr" &
pid=$!
wait_until 30 has_window_named Bluvessa || fail "no saver window"
lit_box() {  # lit_box TOP HEIGHT: "width height left top" of what is not black in that band
    convert "$WORK/shot.png" -crop "1920x$2+0+$1" +repage -fuzz 8% -trim \
        -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+'
}
labels_shown() {
    screenshot "$WORK/shot.png"
    read -r _ clock_h _ _ <<<"$(lit_box 0 540)"
    read -r _ message_h _ _ <<<"$(lit_box 540 540)"
    [ "${clock_h:-1}" -gt 5 ] && [ "${message_h:-1}" -gt 5 ]
}
wait_until 10 labels_shown || fail "the labels did not show"
# The clock is centred by its previous caption's width: a tick after its
# caption first changes from "CLOCK" to the time, it stands centred.
clock_centred() {
    screenshot "$WORK/shot.png"
    read -r w h x y <<<"$(lit_box 0 540)"
    centre=$((x + w / 2))
    [ "$centre" -ge 952 ] && [ "$centre" -le 968 ]
}
wait_until 10 clock_centred || fail "clock centred at x $centre, not 960"
read -r w h x y <<<"$(lit_box 0 540)"
[ "$y" -ge 10 ] && [ "$y" -le 40 ] || fail "clock text starts at y $y, not just below 10"
read -r w h x y <<<"$(lit_box 540 540)"
centre=$((x + w / 2)) bottom=$((540 + y + h))
[ "$centre" -ge 952 ] && [ "$centre" -le 968 ] || fail "message centred at x $centre, not 960"
[ "$bottom" -ge 970 ] && [ "$bottom" -le 1000 ] || fail "message text ends at y $bottom, not just above 1000"
xdotool key space
wait_until 2 dead "$pid" || fail "the run did not end"
echo "screen scale: ok"
