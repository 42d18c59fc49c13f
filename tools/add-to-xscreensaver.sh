#!/usr/bin/env bash
# Adds Bluvessa to the screen savers xscreensaver runs for this user, by
# putting "bluvessa --root" into the programs list of ~/.xscreensaver
# ($XSCREENSAVER_CONFIG when set). Run it again at any time: an entry that is
# already there, in whatever spelling xscreensaver or the user gave it
# ("bluvessa -root", "bluvessa --root --delay 40", with or without a label,
# switched off or not), is left alone.
set -euo pipefail
config="${XSCREENSAVER_CONFIG:-$HOME/.xscreensaver}"
entry='"Bluvessa"  bluvessa --root'

# The programs list: its first line and every line continued by a backslash.
programs_list() { awk '/^programs:/ { on = 1 } on { print } on && !/\\$/ { exit }' "$config"; }

if [ -f "$config" ] && programs_list | grep -Eq '(^|[[:space:]"/])bluvessa([[:space:]]|\\|$)'; then
  echo "Bluvessa is already in $config"
  exit 0
fi
if [ -f "$config" ] && grep -q '^programs:' "$config"; then
  if grep -q '^programs:.*\\$' "$config"; then
    # Entries of the list continue with a backslash; ours goes first.
    sed -i "/^programs:/a\\  $entry \\\\n\\\\" "$config"
  else
    # A list on one line: it becomes a continued list starting with ours.
    sed -i "s/^programs:[[:space:]]*\(.*\)\$/programs:\t\\\\\n  $entry \\\\n\\\\\n  \1/" "$config"
  fi
else
  printf 'programs:\t\\\n  %s \\n\n' "$entry" >> "$config"
fi
echo "Added Bluvessa to $config: choose it in xscreensaver-settings."
