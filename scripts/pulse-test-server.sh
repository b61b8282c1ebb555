#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a private PulseAudio daemon (its own runtime directory, one null sink,
# the native protocol socket, nothing that needs hardware), runs the given
# program with PULSE_SERVER pointing at it, and stops the daemon by its PID.
# The program's exit status is the script's.
#   scripts/pulse-test-server.sh PROGRAM [ARGS...]
set -eu
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM [ARGS...]" >&2; exit 2; }
command -v pulseaudio >/dev/null || { echo "$0: pulseaudio is not installed" >&2; exit 2; }

DIR=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-pulse.XXXXXX")
PID=""
cleanup() {
    if [ -n "$PID" ]; then
        kill "$PID" 2>/dev/null || true
        wait "$PID" 2>/dev/null || true
    fi
    rm -rf "$DIR"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$DIR/runtime" "$DIR/home"
# Everything the daemon and its clients look for stays in $DIR.
export XDG_RUNTIME_DIR="$DIR/runtime" PULSE_RUNTIME_PATH="$DIR/runtime/pulse"
export HOME="$DIR/home" XDG_CONFIG_HOME="$DIR/home/.config" PULSE_STATE_PATH="$DIR/home/state"
unset PULSE_SERVER DISPLAY DBUS_SESSION_BUS_ADDRESS 2>/dev/null || true
SOCKET="$DIR/runtime/native"
SINK=kalvo_null

# -n: no default script, only the modules named here. --system=no also lets
# it run as root (as in CI containers), with a warning.
pulseaudio --system=no --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no \
    --disallow-exit --log-target=file:"$DIR/daemon.log" \
    --load="module-null-sink sink_name=$SINK" \
    --load="module-native-protocol-unix socket=$SOCKET auth-anonymous=1" &
PID=$!

export PULSE_SERVER="unix:$SOCKET"
tries=0
until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    if ! kill -0 "$PID" 2>/dev/null || [ $tries -gt 100 ]; then
        echo "$0: the PulseAudio daemon did not come up" >&2
        cat "$DIR/daemon.log" >&2 2>/dev/null || true
        exit 1
    fi
    sleep 0.1
done

export KALVO_PULSE_SINK="$SINK" KALVO_PULSE_PID="$PID" TMPDIR="$DIR"
status=0
"$@" || status=$?
exit $status
