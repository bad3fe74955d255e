#!/usr/bin/env bash
# Builds every fuzz target with clang in build/fuzz and runs each for SECONDS
# seconds (default 60) under ASan and UBSan, starting from the seeds in
# fuzz/corpus/<target>. New inputs go to build/fuzz/corpus/<target>, crashes
# to build/fuzz/crashes/. Fails when any target found a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

# A folder that an older run set up with Makefiles is set up afresh for Ninja.
if [ -f build/fuzz/CMakeCache.txt ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' build/fuzz/CMakeCache.txt; then
    rm -rf build/fuzz
fi
cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The targets that fuzz/CMakeLists.txt declares, one name a line.
mapfile -t targets <build/fuzz/targets.txt
cmake --build build/fuzz -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for target in "${targets[@]}"; do
    found=build/fuzz/corpus/$target
    # The settings target writes files with fsync: keep them in memory.
    KVARO_FUZZ_SCRATCH=$(mktemp -d "$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/kvaro-fuzz.XXXXXX")
    export KVARO_FUZZ_SCRATCH
    mkdir -p "$found" build/fuzz/crashes
    echo "== $target: $seconds s"
    if ! build/fuzz/"$target" -max_total_time="$seconds" -max_len=50000 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/crashes/"$target"- "$found" fuzz/corpus/"$target" \
        2> >(grep -E '^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY|fuzz check)|runtime error|Test unit written' >&2); then
        failed+=("$target")
    fi
    rm -rf "$KVARO_FUZZ_SCRATCH"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Crashes in: ${failed[*]} (see build/fuzz/crashes/)" >&2
    exit 1
fi
