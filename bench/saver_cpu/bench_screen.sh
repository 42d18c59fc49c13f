# shellcheck shell=bash disable=SC2034 # $work and $xvfb_pid are for the script that sources this
# What both measurements run on, sourced: a private Xvfb screen and a Windows
# folder of their own with the media pack linked in and every creature on,
# the clock on, no sound, a frame interval of 70 ms.
# start_bench_screen WIDTHxHEIGHT MEDIA_WINDOWS_DIR sets $work (removed on
# exit), $xvfb_pid, DISPLAY and BLUVESSA_WINDOWS_DIR.
start_bench_screen() {
    local geometry=$1 media=$2 source_dir
    source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    work=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
    exec 7> "$work/displayfd"
    Xvfb -displayfd 7 -screen 0 "${geometry}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 7>&-
    for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
    DISPLAY=":$(head -n1 "$work/displayfd")"
    export DISPLAY
    export BLUVESSA_WINDOWS_DIR="$work/windows/" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy
    mkdir -p "$BLUVESSA_WINDOWS_DIR"
    ln -s "$media/Zentrova" "$BLUVESSA_WINDOWS_DIR/Zentrova"
    {
        echo "[Bluvessa]"
        printf '%s\n' firstrun=1 background=1 centerpiece=5 speed=70 sound=0 clock=1
        sed -n 's/.*\.key = "\([a-z]*\)".*/\1=1/p' "$source_dir/src/scene/creatures.cpp"
    } > "$BLUVESSA_WINDOWS_DIR/zentrova.ini"
}
