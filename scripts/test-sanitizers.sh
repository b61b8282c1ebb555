#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt-free core, kalvo-analyze and the plug-ins twice more, under
# AddressSanitizer + UndefinedBehaviorSanitizer and under ThreadSanitizer, and
# runs their tests; any report fails the run. Then the MIDI plug-in's fuzz
# target runs for a minute. (The desktop half is tested in
# the normal build; under the sanitizers its Qt libraries would need
# instrumented builds of their own.)
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizers/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
for kind in address thread; do
    dir="build-$kind"
    echo "== $kind sanitizer build in $dir"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALVO_SANITIZE="$kind" \
        -DKALVO_BUILD_GUI=OFF -DKALVO_BUILD_BENCH=OFF >/dev/null
    cmake --build "$dir" --parallel
    (cd "$dir" && ctest --output-on-failure --timeout 600 -j2)
done
# The MIDI plug-in's line parser and log conversion under libFuzzer (with
# ASan and UBSan), for a bounded time; the run's figures are printed at the end.
echo "== kvmidi fuzz target, ${KALVO_FUZZ_SECONDS:-60} s"
cmake -S tests/plugins/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz
mkdir -p build-fuzz/corpus
status=0
build-fuzz/kvmidi_fuzz -max_total_time="${KALVO_FUZZ_SECONDS:-60}" -max_len=4096 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ build-fuzz/corpus \
    >build-fuzz/fuzz.log 2>&1 || status=$?
grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done)" build-fuzz/fuzz.log || true
[ $status -eq 0 ] || { tail -40 build-fuzz/fuzz.log; exit 1; }
