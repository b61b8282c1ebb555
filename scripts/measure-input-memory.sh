#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures what `kalvo-analyze --input FILE` costs in memory and how soon it
# analyses its first block, for a one-hour and a ten-second 44.1 kHz file:
# the file is read and converted piece by piece as it plays, so resident
# memory must not grow with its length.
#
#   scripts/measure-input-memory.sh [BUILD_DIR]     (default build/)
#
# The files are 16-bit stereo 440 Hz tones at 44100 Hz, made with sox (or
# python3's wave module without it). Each run plays its file for
# KALVO_MEASURE_SECONDS (default 10) seconds; the peak resident memory
# (VmHWM in /proc/PID/status, read just before the run ends) and the time
# from the start to the first reading line on standard output are printed as
# a markdown table. Needs about 640 MB in the temporary folder.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
ANALYZE="$(cd "$BUILD_DIR" && pwd)/tools/kalvo-analyze"
SECONDS_PLAYED="${KALVO_MEASURE_SECONDS:-10}"
[ -x "$ANALYZE" ] || { echo "measure-input-memory: no $ANALYZE; build it first" >&2; exit 2; }
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-input-memory.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
trap 'exit 130' INT TERM

make_tone() {  # PATH SECONDS
    if command -v sox >/dev/null 2>&1; then
        sox -q -n -r 44100 -c 2 -b 16 "$1" synth "$2" sine 440 vol 0.25
    else
        python3 - "$1" "$2" <<'PY'
import math, struct, sys, wave
path, seconds = sys.argv[1], int(sys.argv[2])
rate = 44100
second = b"".join(struct.pack("<hh", v, v) for v in
                  (int(8000 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(rate)))
with wave.open(path, "wb") as out:
    out.setnchannels(2); out.setsampwidth(2); out.setframerate(rate)
    for _ in range(seconds):
        out.writeframes(second)
PY
    fi
}
make_tone "$WORK/hour.wav" 3600
make_tone "$WORK/short.wav" 10

python3 - "$ANALYZE" "$SECONDS_PLAYED" "$WORK/hour.wav" "$WORK/short.wav" <<'PY'
import os, subprocess, sys, threading, time
analyze, seconds, files = sys.argv[1], sys.argv[2], sys.argv[3:]
print("| File | Size (MB) | Peak RSS, VmHWM (MB) | First reading line after (s) |")
print("|---|---:|---:|---:|")
for path in files:
    start = time.monotonic()
    p = subprocess.Popen([analyze, "--input", path, "--seconds", seconds],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    first = [None]
    def read():
        for line in p.stdout:
            # The six header lines go out with the first reading line.
            if first[0] is None and b"|" in line and line[:2].isdigit():
                first[0] = time.monotonic() - start
    t = threading.Thread(target=read); t.start()
    hwm = 0
    while p.poll() is None:
        try:
            with open(f"/proc/{p.pid}/status") as f:
                for line in f:
                    if line.startswith("VmHWM:"):
                        hwm = max(hwm, int(line.split()[1]))
        except OSError:
            pass
        time.sleep(0.05)
    t.join()
    size = os.path.getsize(path) / 1e6
    print(f"| {os.path.basename(path)} | {size:.0f} | {hwm / 1024:.1f} | "
          f"{first[0]:.2f} |" if first[0] is not None else f"| {path} | {size:.0f} | {hwm/1024:.1f} | none |")
PY
