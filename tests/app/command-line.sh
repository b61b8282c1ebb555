#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# kalvo's command line refused before any window opens: one line on standard
# error and status 2 (a window would keep the program running into the
# time-out). Run under scripts/pulse-test-server.sh, so that --source is
# checked against a real server.
#   scripts/pulse-test-server.sh tests/app/command-line.sh path/to/kalvo
set -eu
KALVO=$1
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-cl.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
mkdir -m 700 "$WORK/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config"
fail() { echo "command-line: $*" >&2; exit 1; }

refused() {  # expected text, then the arguments
    want=$1
    shift
    status=0
    timeout 20 "$KALVO" "$@" >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" -eq 2 ] || fail "kalvo $* ended with $status: $(cat "$WORK/err")"
    [ "$(wc -l <"$WORK/err")" -eq 1 ] || fail "kalvo $*: not one line: $(cat "$WORK/err")"
    LC_ALL=C grep -qF -- "$want" "$WORK/err" || fail "kalvo $*: $(cat "$WORK/err")"
    echo "ok: kalvo $* -> $(cat "$WORK/err")"
}

refused "kalvo: --input: cannot read '$WORK/none.wav': No such file or directory" \
    --input "$WORK/none.wav"
# A file that is there but holds no audio, under a name that is not UTF-8:
# told before any window, naming the file as it is.
notes="$WORK/$(printf 'notes\377.txt')"
echo "not audio" >"$notes"
refused "kalvo: --input: '$notes': not an audio file" --input "$notes"
refused "kalvo: --source: no capture source named 'nosuch' (there are: ${KALVO_PULSE_SINK}.monitor)" \
    --source nosuch
refused "kalvo: --record-dir: cannot write to '/proc'" --record-dir /proc
refused "kalvo: --record-dir: cannot write to '$WORK/none'" --record-dir "$WORK/none"
refused "kalvo: --a5: '481' is not a whole number of hertz from 380 to 480" --a5 481
refused "kalvo: --method: 'yin' is not a pitch method" --method yin
refused "kalvo: --temperament: 'werckmeister' is not a temperament" --temperament werckmeister
printf 'three degrees\n3\n100.0\n0/1\n2/1\n' >"$WORK/zero.scl"
refused "kalvo: --scale: $WORK/zero.scl:4: '0/1'" --scale "$WORK/zero.scl"

status=0
"$KALVO" --help >/dev/full 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "--help to a full standard output ended with $status"
"$KALVO" --help | grep -q -- "--record-dir DIR" || fail "--help does not tell --record-dir"
[ ! -e "$WORK/config/kalvo" ] || fail "a refused start wrote settings"
echo "command-line: ok"
