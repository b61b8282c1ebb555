#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings a player keeps, used as a person uses them: the real program
# under Xvfb on a private PulseAudio server. A first run started with
# --a5 442 --record-dir D checks Settings -> Remember Settings and records a
# log of a 440 Hz tone into D; a second run with no options records again,
# still at A5 = 442 and into D. A third run finds no sound server: its boxes
# name the server's reason, and closing the idle window ends with status 4.
#   scripts/pulse-test-server.sh tests/e2e/e2e-settings.sh BUILD_DIR
set -eu
BUILD_DIR=$(cd "$1" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
KALVO="$BUILD_DIR/app/kalvo"
for tool in xvfb-run xdotool paplay python3; do
    command -v $tool >/dev/null || { echo "e2e-settings: $tool is missing" >&2; exit 1; }
done
[ -n "${KALVO_PULSE_SINK:-}" ] || { echo "e2e-settings: run me under scripts/pulse-test-server.sh" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-e2e-settings.XXXXXX")
mkdir -p "$WORK/D" "$WORK/run1" "$WORK/run2" "$WORK/run3" "$WORK/config"
export XDG_CONFIG_HOME="$WORK/config" WORK KALVO
python3 "$HERE/e2e_check.py" tone "$WORK/tone.wav"

cat > "$WORK/session.sh" <<'SESSION'
#!/bin/sh
set -eu
window() {  # waits for the main window, dismissing message boxes meanwhile
    WID=""
    for i in $(seq 1 60); do
        WID=$(xdotool search --name "^Kalvo - version" 2>/dev/null | head -1 || true)
        [ -n "$WID" ] && return 0
        for box in $(xdotool search --onlyvisible --name "^Kalvo$" 2>/dev/null || true); do
            xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
        done
        sleep 0.5
    done
    echo "e2e-settings: no window"; cat kalvo.err; exit 1
}
log_button() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    MENU=$((HEIGHT - 330))
    xdotool mousemove --window "$WID" $(( (219 * 2 + 25) * 6 / 8 )) \
        $(( MENU + 205 + (45 * 2 + 25) * 13 / 16 )) click 1
}
close() {
    for i in 1 2 3; do
        kill -0 $KPID 2>/dev/null || break
        xdotool windowfocus --sync "$WID" key Escape 2>/dev/null || true
        sleep 1
    done
    status=0
    wait $KPID || status=$?
    echo "$status" >status
}
record_tone() {
    sleep 2                      # a fresh null sink's monitor is slow to deliver
    log_button
    sleep 0.3
    paplay --device="$KALVO_PULSE_SINK" "$WORK/tone.wav"
    sleep 0.3
    log_button
    sleep 0.5
}

cd "$WORK/run1"
"$KALVO" --a5 442 --record-dir "$WORK/D" >kalvo.out 2>kalvo.err &
KPID=$!
window
xdotool windowfocus --sync "$WID" key alt+s
sleep 0.3
xdotool key r                # &Remember Settings
sleep 0.5
record_tone
close

cd "$WORK/run2"
"$KALVO" >kalvo.out 2>kalvo.err &
KPID=$!
window
record_tone
close

cd "$WORK/run3"
PULSE_SERVER="unix:$WORK/no-such-socket" "$KALVO" >kalvo.out 2>kalvo.err &
KPID=$!
window
sleep 0.5
close
SESSION
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" sh "$WORK/session.sh"
python3 "$HERE/e2e_check.py" settings "$WORK"
rm -rf "$WORK"
echo "e2e-settings: ok"
