#!/usr/bin/env bash
# The README's install into a prefix chosen only at install time: the
# program finds its media there, the manual page reads cleanly, the
# xscreensaver page offers only options the program takes, and the helper
# script adds Bluvessa to a user's xscreensaver list once, whatever the
# spelling of an entry already there.
# usage: install_test.sh BUILD_DIR
source "$(dirname "$0")/packaging_lib.sh"
build=$1

prefix="$WORK/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/bluvessa bin/bluvessa-render share/bluvessa/add-to-xscreensaver.sh; do
    [ -x "$prefix/$file" ] || fail "$file not installed"
done
for file in share/bluvessa/Zentrova/Bluvessa/bv_palette.bmp share/bluvessa/Zentrova/Bluvessa/bv_song0.Mid \
    share/xscreensaver/config/bluvessa.xml share/applications/bluvessa-settings.desktop \
    share/man/man6/bluvessa.6.gz; do
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

# The manual page formats without a warning.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/bluvessa.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page warnings: $warnings"

# xscreensaver's page: valid XML, started with --root, every select's default
# (its first option) adds nothing, and every argument it can pass is one the
# program takes (a faulty one would end with status 2 before --version).
xml="$prefix/share/xscreensaver/config/bluvessa.xml"
xmllint --noout "$xml" || fail "bluvessa.xml is not well-formed"
xpath() { xmllint --xpath "$1" "$xml"; }
[ "$(xpath 'string(/screensaver/command/@arg)')" = --root ] || fail "the page does not pass --root"
[ "$(xpath 'count(//select/option[1][@arg-set])')" = 0 ] &&
    [ "$(xpath 'count(//select/option[not(@arg-set)])')" = "$(xpath 'count(//select)')" ] ||
    fail "a select's default adds an argument"
arguments=()
for ((i = 1; i <= $(xpath 'count(//option[@arg-set])'); i++)); do
    arguments+=("$(xpath "string((//option[@arg-set])[$i]/@arg-set)")")
done
for ((i = 1; i <= $(xpath 'count(//number)'); i++)); do
    for end in low high default; do
        value=$(xpath "string((//number)[$i]/@$end)")
        arguments+=("$(xpath "string((//number)[$i]/@arg)" | sed "s/%/$value/")")
    done
done
[ "${#arguments[@]}" -gt 10 ] || fail "the page offers only ${#arguments[@]} arguments"
for argument in "${arguments[@]}"; do
    # shellcheck disable=SC2086 # an argument such as "--sound none" is two words
    "$prefix/bin/bluvessa" --root $argument --version >/dev/null 2>"$WORK/err" ||
        fail "the page passes '$argument', which the program refuses: $(head -n1 "$WORK/err")"
done

# The helper script: an entry already in the list, in any of the spellings
# xscreensaver or a user gives it, is kept as it is and never doubled.
add() { XSCREENSAVER_CONFIG="$1" bash "$prefix/share/bluvessa/add-to-xscreensaver.sh" >/dev/null; }
entries=(
    '  "Bluvessa"  bluvessa -root \n\'
    $'\t\t\t\tbluvessa --root\t\t\t\t    \\n\\'
    $'-\t"Bluvessa"\tbluvessa   --root --delay 40 --clock \\n\\'
    '  /usr/bin/bluvessa -root \n\'
)
for entry in "${entries[@]}"; do
    config="$WORK/present"
    printf 'programs:\t\t\\\n  "Other" other -root \\n\\\n%s\n  last --root \\n\n\nlock:\tFalse\n' "$entry" >"$config"
    cp "$config" "$WORK/before"
    add "$config"
    cmp -s "$config" "$WORK/before" || fail "entry '$entry' was not recognised: $(cat "$config")"
done

# A user with a list: ours is added once, first, with --root; the others stay.
config="$WORK/xscreensaver"
printf 'timeout:\t0:10:00\nprograms:\t\\\n  "Other" other -root \\n\\\n  "Last" last -root \\n\n\nlock:\tFalse\n' > "$config"
add "$config"
add "$config"
[ "$(grep -c 'bluvessa' "$config")" = 1 ] || fail "entry added $(grep -c bluvessa "$config") times"
grep -q '^  "Bluvessa"  bluvessa --root \\n\\$' "$config" || fail "new entry wrong: $(cat "$config")"
grep -q '"Other" other -root' "$config" && grep -q '"Last" last -root' "$config" && grep -q '^lock:' "$config" ||
    fail "other settings were lost: $(cat "$config")"
# The list still reads as one continued value: every entry but the last ends in a backslash.
awk '/^programs:/{inlist=1; next} inlist && /\\n\\$/ {next} inlist {print; exit}' "$config" | grep -q '"Last"' ||
    fail "the programs list was broken: $(cat "$config")"

# A list on one line becomes a continued list with ours and the old entry.
config="$WORK/one-line"
printf 'programs: other -root\nlock:\tFalse\n' > "$config"
add "$config"
add "$config"
[ "$(awk '/^programs:/{on=1} on{print} on && !/\\$/{exit}' "$config" | grep -c -e 'bluvessa --root' -e 'other -root')" = 2 ] ||
    fail "one-line list wrong: $(cat "$config")"

# A user without a configuration gets a list with just Bluvessa.
fresh="$WORK/fresh"
add "$fresh"
grep -q '^programs:' "$fresh" && grep -q 'bluvessa --root \\n$' "$fresh" || fail "fresh list wrong: $(cat "$fresh")"
echo "packaging: ok"
