#!/usr/bin/env bash
# Builds Bluvessa and runs every test: unit, widget, media and end-to-end
# tests (under their own Xvfb servers; no display is needed), then fuzzes
# every reader of outside data for a bounded time (BLUVESSA_FUZZ_SECONDS per
# reader, 10 by default; 0 skips it).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${BLUVESSA_BUILD_DIR:-$top/build-test}"

"$top/tools/install-packages.sh" test
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBLUVESSA_TESTS=ON -DBLUVESSA_ONLY_TESTS="" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"

fuzz_seconds="${BLUVESSA_FUZZ_SECONDS:-10}"
if [ "$fuzz_seconds" -gt 0 ]; then
    "$top/tools/fuzz.sh" "$fuzz_seconds"
fi
