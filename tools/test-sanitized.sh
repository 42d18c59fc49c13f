#!/usr/bin/env bash
# Builds Bluvessa and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own, and runs the whole
# test suite there. Any sanitizer report fails the test that caused it.
# Leak checking is off: Qt, fontconfig and the X libraries keep allocations
# for the life of the process and would bury real findings.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${BLUVESSA_SANITIZE_BUILD_DIR:-$top/build-sanitized}"

"$top/tools/install-packages.sh" test
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBLUVESSA_TESTS=ON \
    -DBLUVESSA_SANITIZE=ON -DBLUVESSA_ONLY_TESTS="" >/dev/null
cmake --build "$build" -j"${BLUVESSA_JOBS:-$(nproc)}"
cd "$build"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
ctest --output-on-failure -j"${BLUVESSA_JOBS:-$(nproc)}" "$@"
