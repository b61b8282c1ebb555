#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Whether two builds of kalvo-analyze read the same notes.

Runs `kalvo-analyze --all --tsv --method METHOD` of both builds on every WAVE
file in the given folders (the accuracy set, kept with
KALVO_ACCURACY_KEEP=1 scripts/pitch-accuracy.sh) and counts the blocks where
both name the same note (or both none) and show the same cents, and where
the target and its tenth-of-a-cent offset agree too. Exits 1 when the files
differ in their number of blocks.
"""
import argparse
import os
import subprocess
import sys


def table(analyzer, method, path):
    out = subprocess.run([analyzer, "--all", "--tsv", "--method", method, path],
                         check=True, capture_output=True, text=True).stdout
    lines = out.splitlines()
    header = lines[0].split("\t")
    return header, [line.split("\t") for line in lines[1:]]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--old", required=True, help="the first build's kalvo-analyze")
    parser.add_argument("--new", required=True, help="the second build's kalvo-analyze")
    parser.add_argument("--method", default="fundamental")
    parser.add_argument("folders", nargs="+")
    args = parser.parse_args()

    files = sorted(os.path.join(folder, name) for folder in args.folders
                   for name in os.listdir(folder) if name.endswith(".wav"))
    blocks = same_note = same_shown = same_offset = 0
    for path in files:
        header, old = table(args.old, args.method, path)
        _, new = table(args.new, args.method, path)
        if len(old) != len(new):
            sys.exit("compare-readings: %s: %d blocks against %d" % (path, len(old), len(new)))
        col = {name: header.index(name) for name in
               ("note_name", "published_hz", "shown_cents", "target", "cents")}
        for a, b in zip(old, new):
            blocks += 1
            note = (a[col["note_name"]] == b[col["note_name"]] and
                    (a[col["published_hz"]] == "-1") == (b[col["published_hz"]] == "-1"))
            same_note += note
            same_shown += note and a[col["shown_cents"]] == b[col["shown_cents"]]
            same_offset += (a[col["target"]] == b[col["target"]] and
                            a[col["cents"]] == b[col["cents"]])
    if not blocks:
        sys.exit("compare-readings: no blocks in %s" % " ".join(args.folders))
    print("%d files, %d blocks, method %s" % (len(files), blocks, args.method))
    print("same note (or none): %.3f %%" % (100.0 * same_note / blocks))
    print("same note and shown cents: %.3f %%" % (100.0 * same_shown / blocks))
    print("same target and cents to a tenth: %.3f %%" % (100.0 * same_offset / blocks))


if __name__ == "__main__":
    main()
