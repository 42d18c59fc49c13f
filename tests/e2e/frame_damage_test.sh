#!/usr/bin/env bash
# Frames that cost only what changed look exactly like frames composed whole:
# the window's pixels agree on every tick (2000 by default, and at least the
# 1100 that cross a wrap of LongTick), with every creature, the clock and the
# message, at scale 1 and at scale 2.
source "$(dirname "$0")/e2e_lib.sh"
: "${BLUVESSA_RENDER:?path of bluvessa-render}"
ticks="${FRAME_DAMAGE_TICKS:-2000}"
make_windows_dir
write_settings $(creature_settings 1) background=2 centerpiece=7 clock=1 message=1 \
    messagetext=Hello sound=0

for run in "1024x768 1" "3840x2160 2"; do
    read -r size scale <<<"$run"
    # The two ways side by side: one on each processor.
    BLUVESSA_RANDOM_SEED=5 "$BLUVESSA_RENDER" --size "$size" --scale "$scale" --ticks "$ticks" \
        --hashes > "$WORK/changed.txt" &
    changed=$!
    BLUVESSA_RANDOM_SEED=5 "$BLUVESSA_RENDER" --size "$size" --scale "$scale" --ticks "$ticks" \
        --hashes --full-redraw > "$WORK/whole.txt"
    wait "$changed" || fail "$size: the renderer failed"
    [ "$(wc -l < "$WORK/changed.txt")" = "$ticks" ] || fail "$size: not every tick was hashed"
    first=$(diff "$WORK/changed.txt" "$WORK/whole.txt" | sed -n 's/^< \([0-9]*\) .*/\1/p' | head -n1)
    [ -z "$first" ] || fail "$size at scale $scale: the frames first differ after tick $first"
done
echo "frame damage: ok"
