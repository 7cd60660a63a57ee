#!/usr/bin/env bash
# Runs one fuzz target for longer than the tests do:
#   scripts/fuzz.sh TARGET MINUTES     e.g. scripts/fuzz.sh ini_round_trip 30
# Targets: the files of tests/fuzz/. What it finds stays in
# build-native/fuzz/TARGET (inputs that grow the coverage) and a crashing
# input in build-native/fuzz/crash-*.
source "$(dirname "$0")/setup.sh"
target="${1:?which target? (see tests/fuzz/)}"
minutes="${2:-10}"
reelmark_build_native --target "fuzz_$target"
mkdir -p "$REELMARK_NATIVE_BUILD/fuzz/$target"
cd "$REELMARK_NATIVE_BUILD/fuzz"
exec "$REELMARK_NATIVE_BUILD/fuzz_$target" -max_total_time=$((minutes * 60)) -print_final_stats=1 \
    -jobs="$(nproc)" -workers="$(nproc)" "$REELMARK_NATIVE_BUILD/fuzz/$target"
