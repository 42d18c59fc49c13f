#!/usr/bin/env bash
# Adds Bluvessa to the screen savers xscreensaver runs for this user, by
# putting "bluvessa -root" into the programs list of ~/.xscreensaver.
set -euo pipefail
config="${XSCREENSAVER_CONFIG:-$HOME/.xscreensaver}"

if [ -f "$config" ] && grep -q 'bluvessa -root' "$config"; then
  echo "Bluvessa is already in $config"
  exit 0
fi
if [ -f "$config" ] && grep -q '^programs:' "$config"; then
  # Entries of the list continue with a backslash; ours goes first.
  sed -i '/^programs:/a\  "Bluvessa"  bluvessa -root \\n\\' "$config"
else
  printf 'programs:\t\\\n  "Bluvessa"  bluvessa -root \\n\n' >> "$config"
fi
echo "Added Bluvessa to $config: choose it in xscreensaver-settings."
