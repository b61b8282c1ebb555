#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The tuner used as a person uses it: the real program in a real X display
# (Xvfb), listening to a private PulseAudio server's null sink into which paplay
# plays a short melody; the LOG, WAVE and MIDI buttons are clicked where they
# are on screen; after the melody the server is killed while all three
# record, and the buttons are clicked again. Then the three recordings, the
# message and a screenshot are checked. A second run without any sound server checks
# the messages and that the window still works.
#   scripts/pulse-test-server.sh tests/e2e/e2e.sh BUILD_DIR
set -eu
BUILD_DIR=$(cd "$1" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
KALVO="$BUILD_DIR/app/kalvo"
ANALYZE="$BUILD_DIR/tools/kalvo-analyze"
for tool in xvfb-run xdotool xwd paplay python3; do
    command -v $tool >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
done
[ -n "${KALVO_PULSE_SINK:-}" ] || { echo "e2e: run me under scripts/pulse-test-server.sh" >&2; exit 1; }

# The test suite runs Qt offscreen; this test needs the real X display.
export QT_QPA_PLATFORM=xcb
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-e2e.XXXXXX")
echo "e2e: working in $WORK"
python3 "$HERE/e2e_check.py" melody "$WORK/melody.wav"

# Everything that needs the display runs inside one xvfb-run.
cat > "$WORK/session.sh" <<'SESSION'
#!/bin/sh
set -eu
cd "$WORK"
"$KALVO" --source "$KALVO_PULSE_SINK.monitor" >kalvo.out 2>kalvo.err &
KPID=$!
trap 'kill $KPID 2>/dev/null || true' EXIT   # never leave the program behind
WID=$(timeout 20 xdotool search --sync --name "^Kalvo - version" | head -1)
[ -n "$WID" ] || { echo "e2e: no window"; cat kalvo.err; kill $KPID 2>/dev/null; exit 1; }
# Without a window manager the window has no frame: its height is the menu
# bar plus the 330-pixel client area.
eval "$(xdotool getwindowgeometry --shell "$WID")"
MENU=$((HEIGHT - 330))
# Button centres from the panel's template (dialog units: x * 6 / 4,
# y * 13 / 8); the panel's top is at 205 in the client area.
click() {  # left top width height in dialog units
    x=$(( ($1 * 2 + $3) * 6 / 8 ))
    y=$(( MENU + 205 + ($2 * 2 + $4) * 13 / 16 ))
    xdotool mousemove --window "$WID" "$x" "$y" click 1
}
now() { python3 -c 'import time; print(time.time())'; }
sleep 2                      # a fresh null sink's monitor is slow to deliver
click 219 45 25 25; sleep 0.3                        # LOG
click 189 45 25 25; echo "wave_on $(now)" >>times   # WAVE
sleep 0.3
click 160 45 25 25; sleep 0.3                        # MIDI
paplay --device="$KALVO_PULSE_SINK" melody.wav &
PLAYER=$!
sleep 3                      # the third note: the screenshot shows a reading
xwd -id "$WID" -silent >window.xwd
wait $PLAYER
sleep 0.5
# The sound server goes away while all three record: the window says so once,
# and the recordings still stop as usual and end whole.
echo "wave_off $(now)" >>times
kill -9 "$KALVO_PULSE_PID"
BOX=""
for i in $(seq 1 40); do
    BOX=$(xdotool search --onlyvisible --name "^Kalvo$" 2>/dev/null | head -1 || true)
    [ -n "$BOX" ] && break
    sleep 0.25
done
[ -n "$BOX" ] || { echo "e2e: no message when the server went away"; exit 1; }
xdotool windowfocus --sync "$BOX" key Return
sleep 0.5
click 160 45 25 25; sleep 0.3                        # MIDI off
click 189 45 25 25; sleep 0.3                        # WAVE off
click 219 45 25 25; sleep 0.3                        # LOG off
xdotool windowfocus --sync "$WID" key Escape
timeout 20 sh -c "while kill -0 $KPID 2>/dev/null; do sleep 0.2; done" || { kill $KPID; echo "e2e: did not close"; exit 1; }
SESSION
export WORK KALVO

# No sound server at all: the designed messages, and the window still records
# a log through its menu.
mkdir -p "$WORK/noserver"
cat > "$WORK/noserver.sh" <<'SESSION'
#!/bin/sh
set -eu
cd "$WORK/noserver"
PULSE_SERVER="unix:$WORK/no-such-socket" "$KALVO" >kalvo.out 2>kalvo.err &
KPID=$!
trap 'kill $KPID 2>/dev/null || true' EXIT
# The capture messages come while the window is being set up: dismiss each
# box (titled "Kalvo") until the main window appears.
WID=""
for i in $(seq 1 40); do
    WID=$(xdotool search --name "^Kalvo - version" 2>/dev/null | head -1 || true)
    [ -n "$WID" ] && break
    for box in $(xdotool search --onlyvisible --name "^Kalvo$" 2>/dev/null || true); do
        xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
    done
    sleep 0.5
done
[ -n "$WID" ] || { echo "e2e: no window without a server"; cat kalvo.err; kill $KPID 2>/dev/null; exit 1; }
sleep 0.5
# The log starts from the File menu and stops with the LOG button.
xdotool windowfocus --sync "$WID" key alt+f
sleep 0.3
xdotool key t                # Record to &Text File
sleep 1
eval "$(xdotool getwindowgeometry --shell "$WID")"
MENU=$((HEIGHT - 330))
xdotool mousemove --window "$WID" $(( (219 * 2 + 25) * 6 / 8 )) $(( MENU + 205 + (45 * 2 + 25) * 13 / 16 )) click 1
sleep 0.5
xwd -id "$WID" -silent >window.xwd
# Esc closes the window (a first one may only close a menu left open).
for i in 1 2 3; do
    kill -0 $KPID 2>/dev/null || break
    xdotool windowfocus --sync "$WID" key Escape 2>/dev/null || true
    sleep 1
done
timeout 20 sh -c "while kill -0 $KPID 2>/dev/null; do sleep 0.2; done" || { kill $KPID; echo "e2e: did not close"; cat kalvo.err; exit 1; }
SESSION
# One X server for both runs (a second xvfb-run right after the first can race
# the first server's shutdown for the display number), and no server reset
# when the first run's last client leaves (connections fail while it resets).
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" sh -c 'sh "$WORK/session.sh" && sh "$WORK/noserver.sh"'
python3 "$HERE/e2e_check.py" recordings "$WORK" "$ANALYZE"
python3 "$HERE/e2e_check.py" noserver "$WORK/noserver"
# Keep what the run produced where a person can look at it.
if [ -n "${KALVO_E2E_ARTEFACTS:-}" ]; then
    rm -rf "$KALVO_E2E_ARTEFACTS"
    mkdir -p "$KALVO_E2E_ARTEFACTS"
    cp "$WORK"/kalvo_* "$WORK"/window.png "$WORK"/kalvo.err "$KALVO_E2E_ARTEFACTS"/ 2>/dev/null || true
fi
rm -rf "$WORK"
echo "e2e: ok"
