#!/usr/bin/env bash
# The install puts the program, the media pack, the xscreensaver entry and the
# settings launcher where a Linux desktop looks; the helper script adds
# Bluvessa to a user's xscreensaver list without spoiling it.
set -euo pipefail
build=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root/usr"
[ -x "$root/bin/bluvessa" ] || fail "program not installed"
[ -f "$root/share/bluvessa/Zentrova/Bluvessa/bv_palette.bmp" ] || fail "media pack not installed"
[ -f "$root/share/bluvessa/Zentrova/Bluvessa/bv_song0.Mid" ] || fail "songs not installed"
grep -q '<command arg="-root"/>' "$root/share/xscreensaver/config/bluvessa.xml" || fail "xscreensaver entry missing"
grep -q '^Exec=bluvessa /c$' "$root/share/applications/bluvessa-settings.desktop" || fail "settings launcher missing"

# A user with an existing list: ours is added once, the others stay.
config="$work/xscreensaver"
printf 'timeout:\t0:10:00\nprograms:\t\\\n  "Other" other -root \\n\\\n  "Last" last -root \\n\n\nlock:\tFalse\n' > "$config"
XSCREENSAVER_CONFIG="$config" bash "$source_dir/tools/add-to-xscreensaver.sh" >/dev/null
XSCREENSAVER_CONFIG="$config" bash "$source_dir/tools/add-to-xscreensaver.sh" >/dev/null
[ "$(grep -c 'bluvessa -root' "$config")" = 1 ] || fail "entry added $(grep -c 'bluvessa -root' "$config") times"
grep -q '"Other" other -root' "$config" && grep -q '"Last" last -root' "$config" && grep -q '^lock:' "$config" ||
  fail "other settings were lost: $(cat "$config")"
# The list still reads as one continued value: every entry but the last ends in a backslash.
awk '/^programs:/{inlist=1; next} inlist && /\\n\\$/ {next} inlist {print; exit}' "$config" | grep -q '"Last"' ||
  fail "the programs list was broken: $(cat "$config")"

# A user without a configuration gets a list with just Bluvessa.
fresh="$work/fresh"
XSCREENSAVER_CONFIG="$fresh" bash "$source_dir/tools/add-to-xscreensaver.sh" >/dev/null
grep -q '^programs:' "$fresh" && grep -q 'bluvessa -root \\n$' "$fresh" || fail "fresh list wrong: $(cat "$fresh")"
echo "packaging: ok"
