# Shared steps of the end-to-end tests: a private X server, the program under
# test with its own Windows folder, and waiting for windows without guessing
# at timing (every wait polls with a deadline).
set -euo pipefail

: "${BLUVESSA:?path of the bluvessa executable}"
: "${X_TEST_HELPER:?path of x_test_helper}"
: "${MEDIA_WINDOWS_DIR:?Windows folder of the generated media pack}"

WORK=$(mktemp -d)
# A private runtime folder: the single-instance lock of this test's runs is
# not shared with any other saver on the machine.
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
XVFB_PID=""
cleanup() {
    local pids
    pids=$(jobs -p) || true
    [ -n "$pids" ] && kill $pids 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_x() {  # start_x WIDTHxHEIGHT
    local geometry=${1:-1024x768}
    exec 7> "$WORK/displayfd"
    # -noreset: between two runs no client is connected, and a server that
    # resets then refuses the next connection for a moment.
    Xvfb -displayfd 7 -screen 0 "${geometry}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 7>&-
    for _ in $(seq 100); do
        [ -s "$WORK/displayfd" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$WORK/displayfd")"
    unset XSCREENSAVER_WINDOW QT_QPA_PLATFORM
}

# A Windows folder of our own: the media pack linked in, settings private.
make_windows_dir() {
    export BLUVESSA_WINDOWS_DIR="$WORK/windows/"
    mkdir -p "$BLUVESSA_WINDOWS_DIR"
    ln -s "$MEDIA_WINDOWS_DIR/Zentrova" "$BLUVESSA_WINDOWS_DIR/Zentrova"
}

# The same without the reef: with no background, centre piece or creature the
# scene is black but for the clock and the message.
make_bare_windows_dir() {
    export BLUVESSA_WINDOWS_DIR="$WORK/bare/"
    mkdir -p "$BLUVESSA_WINDOWS_DIR/Zentrova/Bluvessa"
    for file in "$MEDIA_WINDOWS_DIR"/Zentrova/Bluvessa/*; do
        case "$(basename "$file")" in bv_foreground*) continue ;; esac
        ln -s "$file" "$BLUVESSA_WINDOWS_DIR/Zentrova/Bluvessa/"
    done
}

# Every creature key of the program's table as KEY=VALUE (creature_settings 0).
creature_settings() {
    sed -n "s/.*\.key = \"\([a-z]*\)\".*/\1=$1/p" "$(dirname "${BASH_SOURCE[0]}")/../../src/scene/creatures.cpp"
}

write_settings() {  # write_settings KEY=VALUE...: the settings file of this Windows folder
    { echo "[Bluvessa]"; printf '%s\n' firstrun=1 "$@"; } > "$BLUVESSA_WINDOWS_DIR/zentrova.ini"
}

wait_until() {  # wait_until SECONDS command...: true once the command succeeds (SECONDS may be 1.5)
    local tries
    tries=$(awk -v s="$1" 'BEGIN { printf "%d", s * 10 }')
    shift
    for ((i = 0; i < tries; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    "$@" >/dev/null 2>&1
}

start_host() {  # start_host WIDTH HEIGHT: a plain window $host, kept by the process $host_pid
    "$X_TEST_HELPER" host "$1" "$2" > "$WORK/host_id" &
    host_pid=$!
    wait_until 5 test -s "$WORK/host_id" || fail "no host window"
    host=$(cat "$WORK/host_id")
    rm "$WORK/host_id"
}

window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
has_window_named() { [ -n "$(window_named "$1")" ]; }
alive() { kill -0 "$1" 2>/dev/null; }
dead() { ! kill -0 "$1" 2>/dev/null; }

# Asks the window titled $1 to close, as its title bar would, until the
# process $2 has ended (a window may be remade while it is being shown).
close_until_dead() {
    for _ in $(seq 100); do
        local id
        id=$(window_named "$1")
        [ -n "$id" ] && "$X_TEST_HELPER" close "$id" 2>/dev/null || true
        sleep 0.1
        dead "$2" && return 0
    done
    return 1
}

# The exit status of a finished background job.
status_of() { local s=0; wait "$1" || s=$?; echo "$s"; }

screenshot() {  # screenshot FILE.png [window-id]
    if [ -n "${2:-}" ]; then
        xwd -silent -id "$2" | convert xwd:- "$1"
    else
        xwd -silent -root | convert xwd:- "$1"
    fi
}

# The colour of one pixel of a PNG, as "r,g,b".
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
