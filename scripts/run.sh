#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the tuner. Arguments are passed
# to the program.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The program only: the test tools are scripts/test.sh's to install.
scripts/build.sh -DKALVO_BUILD_TESTS=OFF -DKALVO_BUILD_BENCH=OFF

# The window on the default capture source where there is a display; the
# terminal tuner where there is none; the built-in demo phrase where there is
# no sound server, so the command shows a working tuner on any machine.

# "no" only when pactl is there and no server answers it; without pactl the
# terminal tuner's exit status 3 tells instead.
sound_server() {
    if command -v pactl >/dev/null 2>&1 && ! pactl info >/dev/null 2>&1; then
        echo no
    else
        echo maybe
    fi
}

if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x build/app/kalvo ]; then
    if [ $# -eq 0 ] && [ "$(sound_server)" = no ]; then
        echo "run.sh: no sound server answers: the window plays the built-in demo (kalvo --demo)" >&2
        exec build/app/kalvo --demo
    fi
    exec build/app/kalvo "$@"
fi

why="no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"
[ -x build/app/kalvo ] || why="the window is not built"
if [ "$(sound_server)" = no ]; then
    echo "run.sh: $why and no sound server: starting the terminal tuner on the built-in demo (build/tools/kalvo-analyze --live --demo)" >&2
    exec build/tools/kalvo-analyze --live --demo "$@"
fi
echo "run.sh: $why: starting the terminal tuner instead (build/tools/kalvo-analyze --live)" >&2
status=0
build/tools/kalvo-analyze --live "$@" || status=$?
# 3: the capture could not start, as when no sound server runs.
if [ "$status" -ne 3 ]; then
    exit "$status"
fi
echo "run.sh: the sound server cannot be used: the terminal tuner plays the built-in demo (--live --demo)" >&2
exec build/tools/kalvo-analyze --live --demo "$@"
