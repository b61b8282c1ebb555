#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# How steady kalvo-analyze --fine is on held instrument notes: prints, as
# markdown, the standard deviation of the tenth-of-a-cent value over one
# second of each note.
#
#   scripts/measure-fine.sh [BUILD_DIR]     (default build/)
#
# Needs a built kalvo-analyze and the Debian packages fluidsynth
# fluid-soundfont-gm python3-numpy (those of scripts/pitch-accuracy.sh).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
ANALYZER="$BUILD_DIR/tools/kalvo-analyze"
command -v fluidsynth >/dev/null 2>&1 && [ -r /usr/share/sounds/sf2/FluidR3_GM.sf2 ] || {
    echo "measure-fine: needs the Debian packages fluidsynth fluid-soundfont-gm" >&2
    exit 2
}
[ -x "$ANALYZER" ] || { echo "measure-fine: no $ANALYZER; build it first" >&2; exit 2; }
PYTHON=python3
[ -x /usr/bin/python3 ] && PYTHON=/usr/bin/python3
exec "$PYTHON" scripts/measure_fine.py --analyzer "$ANALYZER" --command "scripts/measure-fine.sh $BUILD_DIR"
