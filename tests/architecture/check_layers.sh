#!/usr/bin/env bash
# The program's folders are layers: a file may include its own folder and the
# folders below it, never one above. Prints every include that runs back up
# and fails when there is one.
# usage: check_layers.sh SOURCE_FOLDER
set -euo pipefail
src=${1:?usage: check_layers.sh SOURCE_FOLDER}

# Bottom to top.
layers=(platform errors settings scene surfaces sound dialog startup)

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

status=0
cd "$src"
for folder in */; do
    folder=${folder%/}
    if [ -z "${rank[$folder]+set}" ]; then
        echo "$folder/: a folder that is no layer"
        status=1
    fi
done
while IFS=: read -r file _ line; do
    from=${file%%/*}
    to=$(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)/.*|\1|p' <<<"$line")
    [ -n "$to" ] || continue
    [ -n "${rank[$from]+set}" ] || continue
    if [ -z "${rank[$to]+set}" ]; then
        echo "$file: includes $to/, which is no layer"
        status=1
    elif [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
        echo "$file: $from/ includes $to/, a layer above it"
        status=1
    fi
done < <(grep -rn --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' -- */)
[ "$status" -eq 0 ] && echo "layers: every include runs down (${layers[*]})"
exit "$status"
