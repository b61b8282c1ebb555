#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A screenshot of the running tuner window, fed by a WAVE file of a plucked
# A (440 Hz, a few cents sharp), taken under a virtual X server:
#   tests/app/screenshot.sh [BUILD_DIR] [OUTPUT.png]
# At a scale (QT_SCALE_FACTOR=2) the virtual screen is made big enough.
# Needs xvfb-run, xdotool and python3; the build must have kalvo and
# kalvo-grab-screen.
set -eu
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
OUT="${2:-$ROOT/docs/screenshot-main.png}"
case "$OUT" in /*) ;; *) OUT="$(pwd)/$OUT" ;; esac

if [ -z "${KALVO_SCREENSHOT_X:-}" ]; then
    export KALVO_SCREENSHOT_X=1
    SCREEN=800x600x24
    [ "${QT_SCALE_FACTOR:-1}" = 1 ] || SCREEN=1600x1200x24
    exec xvfb-run -a -s "-screen 0 $SCREEN" "$0" "$BUILD" "$OUT"
fi

WORK="$(mktemp -d)"
PID=""
trap 'kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
python3 - "$WORK/tone.wav" <<'PY'
import math, struct, sys, wave
rate, seconds, f = 16000, 8, 440.0 * 2 ** (6 / 1200)
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(2); w.setsampwidth(2); w.setframerate(rate)
    frames = bytearray()
    for i in range(rate * seconds):
        t = i / rate
        s = sum(0.6 ** (h - 1) * math.sin(2 * math.pi * h * f * t) for h in range(1, 7))
        v = int(9000 * s * (0.35 + 0.65 * math.exp(-2 * (t % 2.0))))
        frames += struct.pack("<hh", v, v)
    w.writeframes(bytes(frames))
PY
"$BUILD/app/kalvo" --input "$WORK/tone.wav" &
PID=$!
WID="$(xdotool search --sync --name "^Kalvo - version")"
eval "$(xdotool getwindowgeometry --shell "$WID")"
mkdir -p "$(dirname "$OUT")"
# X and Y are screen pixels: the grabber itself runs unscaled.
env -u QT_SCALE_FACTOR "$BUILD/tests/app/kalvo-grab-screen" "$OUT" 2500 "$X" "$Y" "$WIDTH" "$HEIGHT"
echo "$OUT"
