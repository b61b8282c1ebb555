#!/bin/sh
# Builds the Qt-free core, kalvo-analyze and the plug-ins twice more, under
# AddressSanitizer + UndefinedBehaviorSanitizer and under ThreadSanitizer, and
# runs their tests; any report fails the run. (The desktop half is tested in
# the normal build; under the sanitizers its Qt libraries would need
# instrumented builds of their own.)
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
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
