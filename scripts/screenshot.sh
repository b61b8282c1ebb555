#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot-main.png: the running tuner window under a virtual X
# server, listening to the monitor of a private PulseAudio server's null sink
# into which paplay plays a plucked A a few cents sharp.
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT.png]
# The window speaks the caller's language: docs/screenshot-de.png is
#   LANGUAGE=de LANG=de_DE.UTF-8 scripts/screenshot.sh build docs/screenshot-de.png
# Needs pulseaudio (with pactl and paplay), xvfb-run, xdotool, xwd and python3;
# BUILD_DIR (default build/) must hold a built kalvo.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
OUT=${2:-$ROOT/docs/screenshot-main.png}
case "$OUT" in /*) ;; *) OUT="$(pwd)/$OUT" ;; esac
for tool in pulseaudio paplay xvfb-run xdotool xwd python3; do
    command -v $tool >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done
[ -x "$BUILD/app/kalvo" ] || { echo "screenshot: $BUILD/app/kalvo is not built" >&2; exit 1; }

# First pass: start the private sound server and come back under it.
if [ -z "${KALVO_PULSE_SINK:-}" ]; then
    exec "$ROOT/scripts/pulse-test-server.sh" "$0" "$BUILD" "$OUT"
fi

WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-shot.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
# A plucked string: partials falling off with their number, plucked again
# every two seconds, 8 cents sharp so the cent meter leaves the middle.
python3 - "$WORK/tone.wav" <<'PY'
import math, struct, sys, wave
rate, seconds, f = 44100, 8, 440.0 * 2 ** (8 / 1200)
frames = bytearray()
for i in range(rate * seconds):
    t = i / rate
    tp = t % 2.0
    s = sum(math.exp(-tp * (1.0 + 0.5 * (k - 1))) / k * math.sin(2 * math.pi * k * f * t)
            for k in range(1, 9))
    env = min(1.0, tp / 0.004)
    frames += struct.pack("<h", int(9000 * env * s))
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1)
    w.setsampwidth(2)
    w.setframerate(rate)
    w.writeframes(bytes(frames))
PY

# The window needs the real X display, whatever the caller set for Qt.
export QT_QPA_PLATFORM=xcb WORK KALVO="$BUILD/app/kalvo"
cat > "$WORK/session.sh" <<'SESSION'
#!/bin/sh
set -eu
cd "$WORK"
"$KALVO" --source "$KALVO_PULSE_SINK.monitor" >kalvo.out 2>kalvo.err &
KPID=$!
WID=$(timeout 20 xdotool search --sync --name "^Kalvo - " | head -1 || true)
[ -n "$WID" ] || { echo "screenshot: no window" >&2; cat kalvo.err >&2; kill $KPID 2>/dev/null; exit 1; }
sleep 2                      # a fresh null sink's monitor is slow to deliver
paplay --device="$KALVO_PULSE_SINK" tone.wav &
PLAYER=$!
sleep 3.5                    # the second pluck has settled on the meter
xwd -id "$WID" -silent >window.xwd
wait $PLAYER
xdotool windowfocus --sync "$WID" key Escape 2>/dev/null || true
timeout 10 sh -c "while kill -0 $KPID 2>/dev/null; do sleep 0.2; done" || kill $KPID 2>/dev/null || true
SESSION
xvfb-run -a -s "-screen 0 1024x768x24" sh "$WORK/session.sh"
# The test suite's converter: plain Python, no ImageMagick needed.
python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import e2e_check; e2e_check.xwd_to_png(sys.argv[2], sys.argv[3])' \
    "$ROOT/tests/e2e" "$WORK/window.xwd" "$OUT"
