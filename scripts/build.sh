#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Kalvo into build/ (or $KALVO_BUILD_DIR). Extra
# arguments go to the CMake configure step.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${KALVO_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${KALVO_BUILD_TYPE:-Release}" "$@" >/dev/null
cmake --build "$BUILD_DIR" --parallel
