#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the figures the README and docs/ quote and writes them in place,
# between their marker comments, with the date, the commit and the machine:
#
#   scripts/measure-figures.sh [--quick] [--print] [--analysis] [BUILD_DIR]
#                                                             (default build/)
#
# Runs the benchmarks in bench/ (bench_analysis, bench_analyze, bench_views),
# kalvo-analyze and aubio's aubiopitch (yinfft and yin, Debian aubio-tools) in
# turn on a 600 s file (their CPU and peak memory through /usr/bin/time), kalvo-analyze on a 44.1 kHz mono file (resampled),
# and scripts/measure-runtime.sh (the running window and the terminal tuner).
# BUILD_DIR must be a Release build; the targets needed are built first.
# Takes about ten minutes. Run it on an otherwise idle machine: it says so
# when the load average is above 1 at the start.
#
#   --quick  one repetition each and a 5 s runtime window, to try the script
#            (the figures are marked as quick ones)
#   --print  print the regions instead of rewriting the files
#   --analysis  only the analysis against its targets and aubio (the
#            "figures:analysis" region; about five minutes)
#
# The regions it owns: "figures:summary" and "figures:analysis" in
# README.md, "figures:tool" in
# docs/measurements-tool.md and "figures:runtime" in
# docs/measurements-runtime.md, each between
#   <!-- figures:NAME begin ... -->  and  <!-- figures:NAME end -->
set -eu
cd "$(dirname "$0")/.."
QUICK=0
PRINT=0
ANALYSIS=0
BUILD_DIR=build
for arg in "$@"; do
    case "$arg" in
        --quick) QUICK=1 ;;
        --print) PRINT=1 ;;
        --analysis) ANALYSIS=1 ;;
        -*) echo "measure-figures: unknown option $arg" >&2; exit 2 ;;
        *) BUILD_DIR="$arg" ;;
    esac
done
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
grep -q "^CMAKE_BUILD_TYPE:STRING=Release$" "$BUILD_DIR/CMakeCache.txt" ||
    { echo "measure-figures: $BUILD_DIR is not a Release build" >&2; exit 2; }
if [ "$ANALYSIS" = 1 ]; then
    cmake --build "$BUILD_DIR" --target bench_analysis kalvo-analyze
else
    cmake --build "$BUILD_DIR" --target bench_analysis bench_analyze bench_views kalvo \
        kalvo-analyze kvmidi kvdisplay
fi
exec python3 scripts/measure_figures.py --build "$BUILD_DIR" --quick "$QUICK" --print "$PRINT" \
    --analysis "$ANALYSIS"
