#!/usr/bin/env bash
# Runs a command on a private Xvfb screen of the size and depth given, and
# ends the screen with it.
# usage: on_private_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENT...]
set -euo pipefail
geometry=$1
shift
work=$(mktemp -d)
exec 7> "$work/displayfd"
Xvfb -displayfd 7 -screen 0 "$geometry" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
exec 7>&-
for _ in $(seq 100); do
    [ -s "$work/displayfd" ] && break
    sleep 0.1
done
[ -s "$work/displayfd" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/displayfd")" "$@"
