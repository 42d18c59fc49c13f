#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a bounded time from its
# seed corpus in fuzz/corpus/. Fails on the first crash, leak or broken check;
# the input that did it is left in the build folder's artifacts/.
# usage: tools/fuzz.sh [seconds per target, default 10] [target...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${BLUVESSA_FUZZ_BUILD_DIR:-$top/build-fuzz}"
seconds="${1:-10}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(bitmap_file profile_text profile_file wave midi command_line)

CXX="${CXX_FUZZ:-clang++-14}" cmake -S "$top/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    # New inputs go to the build folder; the seeds in the repo stay as they are.
    work="$build/corpus/$target"
    mkdir -p "$work"
    log="$build/$target.log"
    echo "fuzz_$target: ${seconds}s"
    if ! QT_QPA_PLATFORM=offscreen "$build/fuzz_$target" -max_total_time="$seconds" \
        -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$work" "$top/fuzz/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target FAILED (log: $log)"
        exit 1
    fi
    grep -E "^stat::number_of_executed_units|^Done" "$log" | tail -n 1 | sed "s/^/  /"
done
echo "fuzzing: no crashes in ${#targets[@]} targets"
