#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs under scripts/pulse-test-server.sh: records the null sink's monitor
# while kalvo-analyze --tone plays, and measures the recorded frequency
# against the tuning's definition; then takes the sink away and expects one
# line and status 3.
#   reference-tone.sh KALVO_ANALYZE TONE_FREQUENCY_PY
set -u
ANALYZE=$1
MEASURE=$2
: "${KALVO_PULSE_SINK:?run me under scripts/pulse-test-server.sh}"
RATE=48000
failures=0

# CASE, then kalvo-analyze's tuning options.
play_and_measure() {
    case_name=$1
    shift
    rec="$TMPDIR/$case_name.raw"
    parec -d "$KALVO_PULSE_SINK.monitor" --raw --format=s16le --rate=$RATE --channels=1 >"$rec" &
    rec_pid=$!
    # The monitor's first data comes up to 1.6 s late: play long enough.
    if ! "$ANALYZE" "$@" --seconds 5 >"$TMPDIR/out" 2>"$TMPDIR/err"; then
        echo "$case_name: kalvo-analyze $*: status $?: $(cat "$TMPDIR/err")"
        failures=$((failures + 1))
    fi
    kill "$rec_pid"
    wait "$rec_pid" 2>/dev/null
    python3 "$MEASURE" "$rec" $RATE "$case_name" || failures=$((failures + 1))
}

play_and_measure a440 --tone A5
play_and_measure a442 --tone A5 --a5 442
play_and_measure meantone-e --tone E5 --temperament meantone4 --tonic C

# No output device: the server has no sink left.
pactl unload-module module-null-sink
"$ANALYZE" --tone A5 --seconds 1 >"$TMPDIR/out" 2>"$TMPDIR/err"
status=$?
lines=$(wc -l <"$TMPDIR/err")
if [ $status -ne 3 ] || [ "$lines" -ne 1 ] || ! grep -q "no output device" "$TMPDIR/err"; then
    echo "no output device: status $status, $lines lines: $(cat "$TMPDIR/err")"
    failures=$((failures + 1))
fi
# No server at all.
PULSE_SERVER="unix:$TMPDIR/nothing-here" "$ANALYZE" --tone A5 --seconds 1 >"$TMPDIR/out" 2>"$TMPDIR/err"
status=$?
lines=$(wc -l <"$TMPDIR/err")
if [ $status -ne 3 ] || [ "$lines" -ne 1 ] || ! grep -q "No sound server answered" "$TMPDIR/err"; then
    echo "no server: status $status, $lines lines: $(cat "$TMPDIR/err")"
    failures=$((failures + 1))
fi
[ $failures -eq 0 ]
