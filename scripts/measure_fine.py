#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How steady the tenth-of-a-cent value is on held instrument notes.

Renders notes of sustained General MIDI instruments, each held for 3 s, with
fluidsynth (the sound font of the accuracy test set), runs
`kalvo-analyze --all --tsv --fine` on them and, for each note, takes the
fine_cents values of the blocks of one second from 1 s after the note's start
(the value then rests on 0.9 to 1.9 s of the note). Prints their standard
deviation per note and a summary per instrument, as markdown.
"""
import argparse
import csv
import math
import os
import statistics
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pitch_accuracy as pa  # noqa: E402  the test set's sound font and helpers

HOLD_S = 3.0
GAP_S = 0.5
WINDOW = (1.0, 2.0)  # seconds after the note's start
# (name, program, notes): instruments that hold a note without vibrato or
# tremolo of their own; the notes span each one's range.
INSTRUMENTS = [
    ("Acoustic grand piano", 0, [33, 45, 57, 69, 81]),
    ("Clarinet", 71, [50, 62, 69, 81]),
    ("Flute", 73, [60, 69, 81, 93]),
    ("Oboe", 68, [60, 69, 81]),
    ("Trumpet", 56, [58, 66, 69, 77]),
    ("Reed organ", 20, [45, 57, 69, 81]),
    ("Cello", 42, [36, 48, 57, 69]),
]


def write_held_notes(path, program, notes):
    """One track of notes held HOLD_S each (a tick is 1 ms); their start times."""
    ev = bytearray()
    ev += pa.vlq(0) + b"\xff\x51\x03" + (1000000).to_bytes(3, "big")
    ev += pa.vlq(0) + bytes([0xC0, program])
    ev += pa.vlq(0) + bytes([0xB0, 91, 0]) + pa.vlq(0) + bytes([0xB0, 93, 0])
    starts, t, delta = [], int(GAP_S * 1000), int(GAP_S * 1000)
    for n in notes:
        ev += pa.vlq(delta) + bytes([0x90, n, pa.VELOCITY])
        ev += pa.vlq(int(HOLD_S * 1000)) + bytes([0x80, n, 64])
        starts.append(t / 1000.0)
        t += int((HOLD_S + GAP_S) * 1000)
        delta = int(GAP_S * 1000)
    ev += pa.vlq(delta) + b"\xff\x2f\x00"
    with open(path, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 1000))
        f.write(b"MTrk" + struct.pack(">I", len(ev)) + bytes(ev))
    return starts


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--analyzer", required=True)
    ap.add_argument("--command", default="scripts/measure-fine.sh")
    args = ap.parse_args()
    rows, summary = [], []
    with tempfile.TemporaryDirectory(prefix="kalvo-fine.") as tmp:
        for name, program, notes in INSTRUMENTS:
            base = os.path.join(tmp, "gm%03d" % program)
            starts = write_held_notes(base + ".mid", program, notes)
            pa.run(["fluidsynth", "-ni", "-q", "-R", "0", "-C", "0", "-g", "0.8", "-r",
                    str(pa.RATE), "-O", "s16", "-T", "wav", "-F", base + ".wav", pa.SOUNDFONT,
                    base + ".mid"])
            out = subprocess.run([args.analyzer, "--all", "--tsv", "--fine", "--method",
                                  "fundamental", base + ".wav"],
                                 check=True, stdout=subprocess.PIPE, text=True).stdout
            table = list(csv.DictReader(out.splitlines(), delimiter="\t"))
            sds = []
            for note, start in zip(notes, starts):
                # The blocks of the window that measure against the target
                # most of them have (the note's, or a harmonic's).
                window = [r for r in table
                          if start + WINDOW[0] <= float(r["time_s"]) < start + WINDOW[1]]
                targets = [r["target"] for r in window if r["fine_cents"]]
                target = max(set(targets), key=targets.count) if targets else None
                held = [r for r in window if r["fine_cents"] and r["target"] == target]
                if len(held) < 6:
                    rows.append((name, pa.note_name(note), len(held), None, None))
                    continue
                sd = statistics.pstdev(float(r["fine_cents"]) for r in held)
                # How much the note itself moves from block to block.
                moves = statistics.pstdev(float(r["cents"]) for r in held)
                sds.append(sd)
                rows.append((name, pa.note_name(note), len(held), sd, moves))
            summary.append((name, len(notes), len(sds), max(sds) if sds else math.nan,
                            statistics.median(sds) if sds else math.nan))
    print("| instrument | notes | measured | median SD (cents) | largest SD (cents) |")
    print("|---|---:|---:|---:|---:|")
    for name, n, m, largest, median in summary:
        print("| %s | %d | %d | %.3f | %.3f |" % (name, n, m, median, largest))
    print()
    print("| instrument | note | blocks | SD (cents) | SD of the block readings (cents) |")
    print("|---|---|---:|---:|---:|")
    for name, note, count, sd, moves in rows:
        print("| %s | %s | %d | %s | %s |" % (name, note, count, "-" if sd is None else "%.3f" % sd,
                                            "-" if moves is None else "%.2f" % moves))
    print()
    print("Standard deviation of `fine_cents` over the blocks from 1 s to 2 s after each "
          "note's start, and of the same blocks' undamped `cents` (how much the sound's own "
          "pitch moves: vibrato, beating strings); notes held 3 s, rendered by fluidsynth "
          "with %s, read with `--method fundamental`." % pa.SOUNDFONT)
    print("Command: `%s`" % args.command)


if __name__ == "__main__":
    main()
