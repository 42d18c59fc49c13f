#!/usr/bin/env bash
# The README's install into a prefix chosen only at install time: the
# program finds its media there, and the helper script adds Bluvessa to a
# user's xscreensaver list without spoiling it.
# usage: install_test.sh BUILD_DIR SOURCE_DIR
source "$(dirname "$0")/packaging_lib.sh"
build=$1
source_dir=$2

prefix="$WORK/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/bluvessa bin/bluvessa-render share/bluvessa/add-to-xscreensaver.sh; do
    [ -x "$prefix/$file" ] || fail "$file not installed"
done
for file in share/bluvessa/Zentrova/Bluvessa/bv_palette.bmp share/bluvessa/Zentrova/Bluvessa/bv_song0.Mid \
    share/xscreensaver/config/bluvessa.xml share/applications/bluvessa-settings.desktop; do
    [ -f "$prefix/$file" ] || fail "$file not installed"
done
[ "$(readlink "$prefix/libexec/xscreensaver/bluvessa")" = ../../bin/bluvessa ] ||
    fail "xscreensaver's link: $(readlink "$prefix/libexec/xscreensaver/bluvessa")"
"$prefix/libexec/xscreensaver/bluvessa" --version >/dev/null || fail "the link does not start the program"
grep -q '^Exec=bluvessa /c$' "$prefix/share/applications/bluvessa-settings.desktop" || fail "settings launcher wrong"

# The media pack is found beside the program; BLUVESSA_INSTALLED_MEDIA_DIR moves it.
renders_scene "$prefix/bin" installed
mv "$prefix/share/bluvessa/Zentrova" "$WORK/moved"
renders_scene "$prefix/bin" moved "$WORK/moved/Bluvessa"

add() { XSCREENSAVER_CONFIG="$1" bash "$prefix/share/bluvessa/add-to-xscreensaver.sh" >/dev/null; }

# A user with a list: ours is added once, first; the others stay.
config="$WORK/xscreensaver"
printf 'timeout:\t0:10:00\nprograms:\t\\\n  "Other" other -root \\n\\\n  "Last" last -root \\n\n\nlock:\tFalse\n' > "$config"
add "$config"
add "$config"
[ "$(grep -c 'bluvessa' "$config")" = 1 ] || fail "entry added $(grep -c bluvessa "$config") times"
grep -q '^  "Bluvessa"  bluvessa -root \\n\\$' "$config" || fail "new entry wrong: $(cat "$config")"
grep -q '"Other" other -root' "$config" && grep -q '"Last" last -root' "$config" && grep -q '^lock:' "$config" ||
    fail "other settings were lost: $(cat "$config")"
# The list still reads as one continued value: every entry but the last ends in a backslash.
awk '/^programs:/{inlist=1; next} inlist && /\\n\\$/ {next} inlist {print; exit}' "$config" | grep -q '"Last"' ||
    fail "the programs list was broken: $(cat "$config")"

# A user without a configuration gets a list with just Bluvessa.
fresh="$WORK/fresh"
add "$fresh"
grep -q '^programs:' "$fresh" && grep -q 'bluvessa -root \\n$' "$fresh" || fail "fresh list wrong: $(cat "$fresh")"
echo "packaging: ok"
