#!/usr/bin/env bash
# Builds Bluvessa with its generated media pack and starts the full-screen run.
# Extra arguments go to the program (for example /c for the settings dialog).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${BLUVESSA_BUILD_DIR:-$top/build}"

"$top/tools/install-packages.sh" run
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBLUVESSA_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target bluvessa media_pack

export BLUVESSA_WINDOWS_DIR="${BLUVESSA_WINDOWS_DIR:-$build/windows}"
exec "$build/bin/bluvessa" "${@:-/s}"
