#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh -DKALVO_BUILD_TESTS=ON -DKALVO_BUILD_BENCH=ON
cd "${KALVO_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2
