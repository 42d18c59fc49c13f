#!/usr/bin/env bash
# "/h" and "/w" hand the maker's pages to the browser opener and leave no process behind.
source "$(dirname "$0")/e2e_lib.sh"
start_x 800x600
make_windows_dir
export BLUVESSA_URL_RECORDER="$WORK/opened"

for switch in /h /w; do
    timeout 10 "$BLUVESSA" "$switch" || fail "$switch did not end by itself with status 0"
done
mapfile -t opened < "$BLUVESSA_URL_RECORDER"
[ "${#opened[@]}" = 2 ] || fail "expected two pages, got: ${opened[*]}"
[[ "${opened[0]}" == https://*/support.htm ]] || fail "/h opened ${opened[0]}"
[[ "${opened[1]}" == https://*/ ]] || fail "/w opened ${opened[1]}"
[ "${opened[1]%/}/support.htm" = "${opened[0]}" ] || fail "both pages should be on one site"
! xdotool search --onlyvisible --name "Error Code" >/dev/null || fail "a failure was reported"
echo "web pages: ok"
