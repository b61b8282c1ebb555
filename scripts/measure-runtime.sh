#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the running tuner's CPU and memory at each refresh rate (High,
# Normal, Low), with the strobe shown, and the terminal tuner's for
# comparison, and prints a markdown table.
#
#   scripts/measure-runtime.sh [BUILD_DIR]     (default build/)
#
# The window runs under Xvfb and plays a generated 440 Hz tone (16000 Hz
# stereo, --input) in real time; the refresh rate is chosen through the View
# menu with the keyboard, as a user would. After a few seconds to settle, the
# CPU time (utime + stime in /proc/PID/stat) of the tuner and of the X server
# is read at the start and the end of a window of wall-clock time, which gives
# the percentage of one core; VmRSS and VmHWM come from /proc/PID/status at the
# end of the window. The strobe is measured at High on a tone 0.2 Hz sharp of
# A5 with three harmonics, so that all four of its rows move every frame. Then
# `kalvo-analyze --live --input TONE --seconds N` is measured the same way.
#
# Needs xvfb-run, xdotool, xwd and python3 (Debian packages xvfb, xdotool,
# x11-apps). Environment: KALVO_MEASURE_SECONDS (the window, default 30),
# KALVO_MEASURE_SETTLE (seconds before it, default 5), KALVO_MEASURE_KEEP=1
# (keep the working directory, with a screenshot of the Refresh Rate menu
# taken just before each choice is made, readable with xwud -in FILE).
# Exit status 1 when Low does not use clearly less CPU than High (the choice
# did not take effect).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
KALVO="$(cd "$BUILD_DIR" && pwd)/app/kalvo"
ANALYZE="$(cd "$BUILD_DIR" && pwd)/tools/kalvo-analyze"
WINDOW="${KALVO_MEASURE_SECONDS:-30}"
SETTLE="${KALVO_MEASURE_SETTLE:-5}"
for tool in xvfb-run xdotool xwd python3; do
    command -v $tool >/dev/null 2>&1 || { echo "measure-runtime: $tool is missing" >&2; exit 2; }
done
for prog in "$KALVO" "$ANALYZE"; do
    [ -x "$prog" ] || { echo "measure-runtime: no $prog; build it first" >&2; exit 2; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalvo-measure.XXXXXX")
cleanup() {
    if [ "${KALVO_MEASURE_KEEP:-0}" = 1 ]; then
        echo "measure-runtime: kept $WORK" >&2
    else
        rm -rf "$WORK"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The tone: long enough for the start, the settling and the window, with room
# to spare (after its end the file capture delivers silence).
TONE_SECONDS=$((SETTLE + WINDOW + 20))
python3 - "$WORK/tone.wav" "$TONE_SECONDS" <<'PY'
import math, struct, sys, wave
path, seconds = sys.argv[1], int(sys.argv[2])
rate = 16000
out = wave.open(path, "wb")
out.setnchannels(2)
out.setsampwidth(2)
out.setframerate(rate)
step = 2 * math.pi * 440 / rate
for second in range(seconds):
    frames = bytearray()
    for n in range(second * rate, (second + 1) * rate):
        v = int(12000 * math.sin(step * n))
        frames += struct.pack("<hh", v, v)
    out.writeframes(bytes(frames))
out.close()
PY

python3 - "$WORK/strobe.wav" "$TONE_SECONDS" <<'PY'
import math, struct, sys, wave
path, seconds = sys.argv[1], int(sys.argv[2])
rate, hz = 16000, 440.2
out = wave.open(path, "wb")
out.setnchannels(2)
out.setsampwidth(2)
out.setframerate(rate)
partials = ((1, 6000), (2, 4000), (3, 2400), (4, 1600))
for second in range(seconds):
    frames = bytearray()
    for n in range(second * rate, (second + 1) * rate):
        v = int(sum(a * math.sin(2 * math.pi * h * hz * n / rate) for h, a in partials))
        frames += struct.pack("<hh", v, v)
    out.writeframes(bytes(frames))
out.close()
PY

# sample PID SECONDS [XPID]: prints "cpu_percent rss_kb hwm_kb" for the process over
# SECONDS of wall-clock time, then the CPU percentage of XPID (the X server)
# over the same time, or 0.
cat > "$WORK/sample.py" <<'PY'
import os, sys, time
pid, seconds = sys.argv[1], float(sys.argv[2])
tick = os.sysconf("SC_CLK_TCK")

def cpu(pid):
    fields = open("/proc/%s/stat" % pid).read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime (fields 14, 15)

xpid = sys.argv[3] if len(sys.argv) > 3 else None
t0, c0 = time.monotonic(), cpu(pid)
x0 = cpu(xpid) if xpid else 0
time.sleep(seconds)
t1, c1 = time.monotonic(), cpu(pid)
x1 = cpu(xpid) if xpid else 0
status = {}
for line in open("/proc/%s/status" % pid):
    key, _, value = line.partition(":")
    status[key] = value.split()[0] if value.split() else ""
print("%.2f %s %s %.2f" % (100.0 * (c1 - c0) / tick / (t1 - t0), status["VmRSS"], status["VmHWM"],
                         100.0 * (x1 - x0) / tick / (t1 - t0)))
PY

cat > "$WORK/session.sh" <<'SESSION'
#!/bin/sh
set -eu
cd "$WORK"
export QT_QPA_PLATFORM=xcb
# The X server this session runs on (xvfb-run starts it with its display).
XPID=""
for p in /proc/[0-9]*; do
    [ "$(cat "$p/comm" 2>/dev/null)" = Xvfb ] || continue
    tr '\0' ' ' <"$p/cmdline" | grep -q "Xvfb $DISPLAY " && XPID=${p#/proc/}
done
[ -n "$XPID" ] || echo "measure-runtime: the X server's CPU is not measured (no Xvfb for $DISPLAY)" >&2
for run in High:0:tone.wav Normal:1:tone.wav Low:2:tone.wav Strobe:0:strobe.wav; do
    rate=${run%%:*}
    index=${run#*:}
    index=${index%%:*}
    input=${run##*:}
    strobe=""
    [ "$rate" = Strobe ] && strobe=--strobe
    "$KALVO" --input "$input" $strobe >kalvo-$rate.out 2>kalvo-$rate.err &
    KPID=$!
    WID=$(timeout 20 xdotool search --sync --name "^Kalvo - version" | head -1)
    [ -n "$WID" ] || { echo "measure-runtime: no window" >&2; cat kalvo-$rate.err >&2; kill $KPID; exit 1; }
    sleep 2
    # View menu (its first item is highlighted), down to Refresh Rate, right
    # into the submenu (High highlighted), down to the rate, Return. Qt ignores
    # keys sent to a window directly; these go through XTEST to the focus.
    xdotool windowfocus --sync "$WID" key alt+v
    sleep 0.5
    xdotool key Down
    sleep 0.3
    xdotool key Right
    sleep 0.5
    i=0
    while [ $i -lt $index ]; do xdotool key Down; sleep 0.2; i=$((i + 1)); done
    sleep 0.3
    if [ "${KALVO_MEASURE_KEEP:-0}" = 1 ]; then
        n=0
        for w in $(xdotool search --onlyvisible --pid $KPID --name "" 2>/dev/null); do
            n=$((n + 1))
            xwd -id "$w" -silent >menu-$rate-$n.xwd || true
        done
    fi
    xdotool key Return
    sleep "$SETTLE"
    echo "$rate $(python3 sample.py $KPID "$WINDOW" $XPID)" >>results
    # Esc closes the window (a first one may only close a menu left open).
    for i in 1 2 3; do
        kill -0 $KPID 2>/dev/null || break
        xdotool windowfocus --sync "$WID" key Escape 2>/dev/null || true
        sleep 1
    done
    timeout 20 sh -c "while kill -0 $KPID 2>/dev/null; do sleep 0.2; done" ||
        { kill $KPID; echo "measure-runtime: kalvo did not close" >&2; exit 1; }
    wait $KPID || { echo "measure-runtime: kalvo exited with an error" >&2; cat kalvo-$rate.err >&2; exit 1; }
done
SESSION
# A runtime folder of its own: the window's one-instance lock lives there, so a
# Kalvo already open (or another measurement) does not stop this one.
mkdir -m 700 "$WORK/runtime"
export WORK KALVO WINDOW SETTLE XDG_RUNTIME_DIR="$WORK/runtime"
: >"$WORK/results"
xvfb-run -a -s "-screen 0 1024x768x24" sh "$WORK/session.sh"

# The terminal tuner, fed the same way.
"$ANALYZE" --live --input "$WORK/tone.wav" --seconds $((SETTLE + WINDOW + 3)) >"$WORK/analyze.out" 2>"$WORK/analyze.err" &
APID=$!
sleep "$SETTLE"
echo "analyze $(python3 "$WORK/sample.py" $APID "$WINDOW")" >>"$WORK/results"
wait $APID || { echo "measure-runtime: kalvo-analyze failed" >&2; cat "$WORK/analyze.err" >&2; exit 1; }

python3 - "$WORK/results" "$WINDOW" "$SETTLE" "$BUILD_DIR" <<'PY'
import sys
rows = {}
for line in open(sys.argv[1]):
    name, cpu, rss, hwm, xcpu = line.split()
    rows[name] = (float(cpu), int(rss), int(hwm), float(xcpu))
window, settle, build = sys.argv[2], sys.argv[3], sys.argv[4]
names = [("High", "kalvo, refresh rate High"), ("Normal", "kalvo, refresh rate Normal"),
         ("Low", "kalvo, refresh rate Low"),
         ("Strobe", "kalvo --strobe, refresh rate High, all rows moving"),
         ("analyze", "kalvo-analyze --live --input (terminal)")]
print("| Program | CPU (% of one core) | X server (%) | with the X server (%) | VmRSS (MB) | VmHWM (MB) |")
print("|---|---:|---:|---:|---:|---:|")
for key, label in names:
    cpu, rss, hwm, xcpu = rows[key]
    x = "%.2f" % xcpu if key != "analyze" else "-"
    print("| %s | %.2f | %s | %.2f | %.1f | %.1f |" % (label, cpu, x, cpu + xcpu, rss / 1024.0,
                                                     hwm / 1024.0))
print()
print("CPU over %s s after %s s of settling, 440 Hz tone at 16000 Hz stereo; "
      "MB = 1024 kB." % (window, settle))
print("Command: `scripts/measure-runtime.sh %s`" % build)
high, low = rows["High"][0], rows["Low"][0]
if not low < 0.8 * high:
    print("measure-runtime: Low (%.2f%%) is not clearly below High (%.2f%%): "
          "the refresh rate choice did not take effect" % (low, high), file=sys.stderr)
    sys.exit(1)
PY
