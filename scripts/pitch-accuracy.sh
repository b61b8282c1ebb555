#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how well the tuner's two pitch methods and aubio's yin name the
# notes of a generated test set, clean and as a room hears it (high-pass,
# reverberation, pink noise), and writes docs/pitch-accuracy.md.
#
#   scripts/pitch-accuracy.sh [BUILD_DIR]     (default build/)
#
# Needs a built kalvo-analyze in BUILD_DIR/tools and the Debian packages
# fluidsynth fluid-soundfont-gm aubio-tools sox python3-numpy. Installs nothing.
# Environment: KALVO_ACCURACY_OUTPUT (another report file), KALVO_ACCURACY_KEEP=1
# (keep the rendered audio in the temporary directory), KALVO_ACCURACY_QUICK=1
# (skip the slow least-squares pitch of every block; its columns then hold the
# error against the note's own pitch).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
ANALYZER="$BUILD_DIR/tools/kalvo-analyze"
OUTPUT="${KALVO_ACCURACY_OUTPUT:-docs/pitch-accuracy.md}"
SOUNDFONT=/usr/share/sounds/sf2/FluidR3_GM.sf2

missing=""
command -v fluidsynth >/dev/null 2>&1 || missing="$missing fluidsynth"
[ -r "$SOUNDFONT" ] || missing="$missing fluid-soundfont-gm"
command -v aubiopitch >/dev/null 2>&1 || missing="$missing aubio-tools"
command -v sox >/dev/null 2>&1 || missing="$missing sox"
# Debian's own python3, where python3-numpy is installed, before any other.
PYTHON=python3
[ -x /usr/bin/python3 ] && PYTHON=/usr/bin/python3
"$PYTHON" -c "import numpy" >/dev/null 2>&1 || missing="$missing python3-numpy"
if [ -n "$missing" ]; then
    echo "pitch-accuracy: missing Debian packages:$missing" >&2
    echo "install them with: sudo apt-get install$missing" >&2
    exit 2
fi
if [ ! -x "$ANALYZER" ]; then
    echo "pitch-accuracy: no $ANALYZER; build it first (scripts/build.sh, or" >&2
    echo "  cmake --build $BUILD_DIR --target kalvo-analyze)" >&2
    exit 2
fi

COMMAND="scripts/pitch-accuracy.sh $BUILD_DIR"
[ "${KALVO_ACCURACY_QUICK:-0}" = 1 ] && COMMAND="KALVO_ACCURACY_QUICK=1 $COMMAND"
set -- --analyzer "$ANALYZER" --output "$OUTPUT" --command "$COMMAND"
[ "${KALVO_ACCURACY_KEEP:-0}" = 1 ] && set -- "$@" --keep
[ "${KALVO_ACCURACY_QUICK:-0}" = 1 ] && set -- "$@" --quick
exec "$PYTHON" scripts/pitch_accuracy.py "$@"
