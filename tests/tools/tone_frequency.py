# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the frequency of a recorded sine (raw s16le mono) and compares it
with what the tuning's definition gives for the case named.

    tone_frequency.py RECORDING RATE CASE

CASE: a440 (A5 with A5 = 440 Hz), a442 (A5 with A5 = 442 Hz), meantone-e (E5
in quarter-comma meantone on C, A5 = 440 Hz). Exit status 0 when the measured
frequency is within 0.01 Hz of the expected one.
"""
import array
import sys

TOLERANCE_HZ = 0.01


def expected_hz(case):
    if case == "a440":
        return 440.0
    if case == "a442":
        return 442.0
    if case == "meantone-e":
        # Quarter-comma meantone: every fifth 3/2 narrowed by a quarter of the
        # syntonic comma 81/80. E is a fifth above A (C-G-D-A-E), an octave
        # down to lie below A5.
        fifth = 1.5 * (80.0 / 81.0) ** 0.25
        return 440.0 * fifth / 2.0
    raise SystemExit("unknown case " + case)


def upward_crossings(samples):
    """Times (in samples) where the wave rises through zero, interpolated."""
    times = []
    for i in range(len(samples) - 1):
        a, b = samples[i], samples[i + 1]
        if a < 0 <= b:
            times.append(i + a / (a - b))
    return times


def steady_run(times):
    """The longest run of crossings a regular period apart: the tone without
    its fades, and without any gap a late write would leave."""
    periods = sorted(b - a for a, b in zip(times, times[1:]))
    median = periods[len(periods) // 2]
    best, start = (0, 0), 0
    for k in range(1, len(times)):
        if abs(times[k] - times[k - 1] - median) > 0.005 * median:
            start = k
        elif k - start > best[1] - best[0]:
            best = (start, k)
    return times[best[0]:best[1] + 1]


def fitted_period(times):
    """Least-squares slope of crossing time over crossing number."""
    n = len(times)
    mean_k = (n - 1) / 2.0
    mean_t = sum(times) / n
    num = sum((k - mean_k) * (t - mean_t) for k, t in enumerate(times))
    den = sum((k - mean_k) ** 2 for k in range(n))
    return num / den


def main():
    path, rate, case = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    samples = array.array("h")
    with open(path, "rb") as f:
        samples.frombytes(f.read())
    if sys.byteorder != "little":
        samples.byteswap()
    times = upward_crossings(samples)
    if len(times) < 100:
        print("%s: no tone recorded (%d crossings)" % (case, len(times)))
        return 1
    run = steady_run(times)
    seconds = (run[-1] - run[0]) / rate
    measured = rate / fitted_period(run)
    expected = expected_hz(case)
    ok = seconds >= 1.0 and abs(measured - expected) <= TOLERANCE_HZ
    print("%s: measured %.5f Hz over %.2f s, expected %.5f Hz: %s"
          % (case, measured, seconds, expected, "ok" if ok else "FAILED"))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
