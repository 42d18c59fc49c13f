#!/usr/bin/env bash
# Help, the version and faulty options are answered at once, without a
# display; everything else still asks for one.
source "$(dirname "$0")/e2e_lib.sh"
version=$(sed -n 's/^project(Bluvessa VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
usage_head="Usage: bluvessa [OPTION]... [SWITCH]"

# run ARGS...: the exit status of a run with no display at all; its output
# lands in $WORK/out and $WORK/err.
run() {
    local status=0
    env -u DISPLAY -u QT_QPA_PLATFORM -u XSCREENSAVER_WINDOW "$BLUVESSA" "$@" \
        >"$WORK/out" 2>"$WORK/err" || status=$?
    echo "$status"
}

for help in --help -h; do
    [ "$(run "$help")" = 0 ] || fail "$help ended with status $(run "$help"): $(cat "$WORK/err")"
    [ "$(head -n1 "$WORK/out")" = "$usage_head" ] || fail "$help printed: $(cat "$WORK/out")"
    grep -q -- '--window-id ID' "$WORK/out" || fail "$help leaves out the options"
    [ ! -s "$WORK/err" ] || fail "$help wrote to standard error: $(cat "$WORK/err")"
done

[ "$(run --version)" = 0 ] || fail "--version failed: $(cat "$WORK/err")"
[ "$(cat "$WORK/out")" = "bluvessa $version" ] || fail "--version printed: $(cat "$WORK/out")"

for mistake in --frobnicate --delay=fast "--sound loud" --scale; do
    # shellcheck disable=SC2086 # "--sound loud" is two arguments
    status=$(run $mistake)
    [ "$status" = 2 ] || fail "$mistake ended with status $status"
    [ ! -s "$WORK/out" ] || fail "$mistake wrote to standard output"
    head -n1 "$WORK/err" | grep -q "^bluvessa: .*'--" || fail "$mistake: $(head -n1 "$WORK/err")"
    [ "$(sed -n 2p "$WORK/err")" = "$usage_head" ] || fail "$mistake: no usage after the message"
done
[ "$(run --frobnicate)" = 2 ] && [ "$(head -n1 "$WORK/err")" = "bluvessa: unrecognized option '--frobnicate'" ] ||
    fail "unknown option reported as: $(head -n1 "$WORK/err")"

# A run (with or without overrides) needs the display and says so.
[ "$(run --root --delay 40 /s)" = 1 ] && grep -q "cannot open the X display" "$WORK/err" ||
    fail "a run without a display: $(cat "$WORK/err")"
echo "command line: ok"
