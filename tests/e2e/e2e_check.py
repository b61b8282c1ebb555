#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Helpers of the end-to-end test: the melody it plays, and the checks of what
the tuner recorded. Independent of the program's own code: the WAVE file, the
MIDI file and the screenshot are read here from their published formats."""
import glob
import math
import os
import struct
import subprocess
import sys
import wave
import zlib

# The melody: (system note name, MIDI number, frequency), one second each.
MELODY = [("C5", 60, 261.63), ("E5", 64, 329.63), ("G5", 67, 392.00), ("C6", 72, 523.25)]
NOTE_SECONDS = 1.2
RATE = 44100


def fail(message):
    print("e2e check failed: " + message)
    sys.exit(1)


def write_notes(path, notes):
    """A mono WAVE file of (hz, seconds) notes, each with a short fade that
    keeps the note changes clean."""
    frames = bytearray()
    for hz, seconds in notes:
        n = int(seconds * RATE)
        for i in range(n):
            env = min(1.0, i / 400.0, (n - i) / 400.0)
            frames += struct.pack("<h", int(12000 * env * math.sin(2 * math.pi * hz * i / RATE)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def write_melody(path):
    write_notes(path, [(hz, NOTE_SECONDS) for _, _, hz in MELODY])


def one(pattern):
    files = glob.glob(pattern)
    if len(files) != 1:
        fail("expected one file %s, found %s" % (pattern, files))
    return files[0]


def runs_of(notes):
    """Consecutive runs of the same value: [(value, count), ...]."""
    runs = []
    for n in notes:
        if runs and runs[-1][0] == n:
            runs[-1][1] += 1
        else:
            runs.append([n, 1])
    return runs


def is_subsequence(expected, seen):
    it = iter(seen)
    return all(any(e == s for s in it) for e in expected)


def check_log(path):
    data = open(path, "rb").read()
    if b"\r\n" not in data or data.replace(b"\r\n", b"").count(b"\n"):
        fail("log lines must end in CR LF")
    lines = data.decode("ascii").split("\r\n")
    if not lines[0].startswith("    Kalvo version ") or "INFO> start of logfile" not in lines[6]:
        fail("log header: %r" % lines[:7])
    if "INFO> end of logfile" not in [l for l in lines if l][-1]:
        fail("log has no end line")
    entries = []  # (seconds, note or None, cents)
    for line in lines[7:]:
        parts = [p.strip() for p in line.split("|")]
        if len(parts) < 2:
            continue
        h, m, sec, cs = (int(x) for x in parts[0].split(":"))
        t = h * 3600 + m * 60 + sec + cs / 100.0
        if len(parts) == 5 and parts[1].endswith("Hz"):
            entries.append((t, parts[2], int(parts[3])))
        else:
            entries.append((t, None, 0))
    readings = [e for e in entries if e[1] is not None]
    names = [n for _, n, _ in readings]
    expected = [n for n, _, _ in MELODY]
    if not is_subsequence(expected, names):
        fail("log notes %s do not contain the melody %s in order" % (names, expected))
    # The settled value of a note is the cent value shown longest while it
    # sounded (lines come only when something changes, so each one holds
    # until the next).
    for note, _, _ in MELODY:
        held = {}
        for i, (t, n, c) in enumerate(entries):
            if n == note and i + 1 < len(entries):
                held[c] = held.get(c, 0.0) + entries[i + 1][0] - t
        settled = max(held, key=held.get) if held else None
        if settled is None or abs(settled) > 5:
            fail("%s not within 5 cents once settled: %s" % (note, held))
    print("log ok: %d readings, notes %s" % (len(readings), [r[0] for r in runs_of(names)]))


def check_wave(path, times, analyze):
    with open(path, "rb") as f:
        header = f.read(44)
    riff, size, wave_id, fmt, fmt_size, tag, ch, rate, bps, align, bits, data, data_size = \
        struct.unpack("<4sI4s4sIHHIIHH4sI", header)
    file_size = os.path.getsize(path)
    if (riff, wave_id, fmt, data) != (b"RIFF", b"WAVE", b"fmt ", b"data"):
        fail("not a canonical WAVE header")
    if (tag, ch, rate, bits, align, bps) != (1, 2, 16000, 16, 4, 64000):
        fail("WAVE format %s" % ((tag, ch, rate, bits, align, bps),))
    if size != 36 + data_size or file_size != 44 + data_size:
        fail("WAVE sizes: riff %d data %d file %d" % (size, data_size, file_size))
    recorded = data_size / 64000.0
    wall = times["wave_off"] - times["wave_on"]
    # Blocks come whole (83.3 ms); a click reaches the program within a few
    # tens of milliseconds. The recording ends when the server is killed, so
    # the sound the server had buffered when the recording started is not
    # balanced by the same delay at the end. How much that is depends on the
    # server's scheduling (three blocks on some machines, up to half a second
    # on others); it can never be more than the capture ring holds (12 blocks).
    if not (wall - 0.0834 - 0.15 <= recorded <= wall + 12 * 0.0834 + 0.15):
        fail("WAVE holds %.3f s, recorded for %.3f s" % (recorded, wall))
    table = subprocess.run([analyze, "--tsv", path], capture_output=True, text=True, check=True).stdout
    found = set()
    for row in table.splitlines()[1:]:
        hz = float(row.split("\t")[3])
        for name, _, ref in MELODY:
            if hz > 0 and abs(1200 * math.log2(hz / ref)) < 10:
                found.add(name)
    if found != {n for n, _, _ in MELODY}:
        fail("kalvo-analyze finds only %s in the WAVE file" % sorted(found))
    print("wave ok: %.3f s for %.3f s, notes %s" % (recorded, wall, sorted(found)))


def read_vlq(data, i):
    value = 0
    while True:
        b = data[i]
        i += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, i


def midi_notes(path):
    data = open(path, "rb").read()
    if data[:4] != b"MThd":
        fail("MIDI file has no header")
    hlen, fmt, ntracks, division = struct.unpack(">IHHH", data[4:14])
    i = 8 + hlen
    notes = []
    for _ in range(ntracks):
        if data[i:i + 4] != b"MTrk":
            fail("MIDI track chunk missing")
        (length,) = struct.unpack(">I", data[i + 4:i + 8])
        j, end, status, t = i + 8, i + 8 + length, 0, 0
        while j < end:
            delta, j = read_vlq(data, j)
            t += delta
            if data[j] & 0x80:
                status = data[j]
                j += 1
            kind = status & 0xF0
            if status == 0xFF:
                j += 1
                length2, j = read_vlq(data, j)
                j += length2
            elif status in (0xF0, 0xF7):
                length2, j = read_vlq(data, j)
                j += length2
            elif kind in (0xC0, 0xD0):
                j += 1
            else:
                if kind == 0x90 and data[j + 1] > 0:
                    notes.append((t, data[j]))
                j += 2
        if j != end:
            fail("MIDI track length does not match its events")
        i = end
    return [n for _, n in sorted(notes)]


def check_midi(path):
    notes = midi_notes(path)
    expected = [m for _, m, _ in MELODY]
    if not is_subsequence(expected, notes):
        fail("MIDI notes %s do not contain the melody %s" % (notes, expected))
    print("midi ok: notes %s" % notes)


def write_tone(path, hz=440.0, seconds=3.0):
    write_notes(path, [(hz, seconds)])


def a5_reference(path):
    """The A5 the log's A5 reading was counted against: the measured
    frequency lowered by its cents (the tone's own pitch does not matter).
    Lines are written only when the reading changes, and the damped cents
    move for a while where the tone starts and ends, so the reading taken is
    the one that held longest: the settled one."""
    def seconds(stamp):
        h, m, s, cs = (int(v) for v in stamp.split(":"))
        return h * 3600 + m * 60 + s + cs / 100.0
    lines = []
    for line in open(path, "rb").read().decode("ascii").split("\r\n"):
        parts = [p.strip() for p in line.split("|")]
        if len(parts) >= 2 and parts[0].count(":") == 3:
            lines.append(parts)
    best = None
    for parts, following in zip(lines, lines[1:]):
        if len(parts) == 5 and parts[1].endswith("Hz") and parts[2] == "A5":
            held = seconds(following[0]) - seconds(parts[0])
            if best is None or held > best[0]:
                best = (held, float(parts[1][:-2]) / 2 ** (int(parts[3]) / 1200.0))
    if best is None:
        fail("no A5 reading in %s" % path)
    return best[1]


def check_settings(work):
    logs = sorted(glob.glob(os.path.join(work, "D", "kalvo_*.log")))
    if len(logs) != 2:
        fail("expected the logs of both runs in the recording folder, found %s" % logs)
    for run in ("run1", "run2"):
        if glob.glob(os.path.join(work, run, "kalvo_*")):
            fail("%s recorded into the working folder" % run)
        status = open(os.path.join(work, run, "status")).read().strip()
        if status != "0":
            fail("%s ended with status %s" % (run, status))
    refs = [a5_reference(log) for log in logs]
    for log, ref in zip(logs, refs):
        # Whole cents and the damping leave about a cent either way.
        if abs(ref - 442.0) > 0.6:
            fail("%s: the readings were counted against A5 = %.2f Hz, not 442" % (log, ref))
    conf = open(os.path.join(work, "config", "kalvo", "kalvo.conf")).read()
    if "a5=442" not in conf:
        fail("the remembered settings lack A5 = 442: %r" % conf)
    err = open(os.path.join(work, "run3", "kalvo.err"), errors="replace").read()
    for text in ("Cannot create direct sound capture object\nNo sound server answered (Connection refused"
                 "): is PulseAudio or pipewire-pulse running?",
                 "Start with --demo to try the tuner without a sound card"):
        if text not in err:
            fail("the box without a server lacks %r: %r" % (text, err))
    status = open(os.path.join(work, "run3", "status")).read().strip()
    if status != "4":
        fail("closing the idle window without a server ended with status %s" % status)
    print("settings ok: both logs counted against A5 = %.2f and %.2f Hz, no-server status 4"
          % tuple(refs))


def xwd_to_png(src, dst):
    data = open(src, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    ncolors = fields[19]
    if bits_per_pixel != 32:
        fail("screenshot has %d bits per pixel" % bits_per_pixel)
    start = header_size + 12 * ncolors
    rows = []
    for y in range(height):
        row = data[start + y * bytes_per_line: start + y * bytes_per_line + 4 * width]
        out = bytearray(b"\x00")
        for x in range(width):
            px = row[4 * x: 4 * x + 4]
            b, g, r = (px[0], px[1], px[2]) if byte_order == 0 else (px[3], px[2], px[1])
            out += bytes((r, g, b))
        rows.append(bytes(out))
    raw = b"".join(rows)

    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    open(dst, "wb").write(png)
    # The window is not blank: the views and the panel draw many colours.
    colours = len(set(raw[i:i + 3] for i in range(1, len(raw) - 3, 3 * 97)))
    if colours < 8:
        fail("screenshot looks blank (%d colours)" % colours)
    print("screenshot ok: %dx%d, %s" % (width, height, dst))


def main():
    mode = sys.argv[1]
    if mode == "melody":
        write_melody(sys.argv[2])
    elif mode == "recordings":
        work, analyze = sys.argv[2], sys.argv[3]
        times = {}
        for line in open(os.path.join(work, "times")):
            key, value = line.split()
            times[key] = float(value)
        err = open(os.path.join(work, "kalvo.err"), errors="replace").read()
        if "Sound capture has stopped: the sound server went away" not in err:
            fail("no message when the sound server went away: %r" % err)
        check_log(one(os.path.join(work, "kalvo_*.log")))
        check_wave(one(os.path.join(work, "kalvo_*.wav")), times, analyze)
        check_midi(one(os.path.join(work, "kalvo_*.mid")))
        shot = os.path.join(work, "window.png")
        xwd_to_png(os.path.join(work, "window.xwd"), shot)
    elif mode == "tone":
        write_tone(sys.argv[2])
    elif mode == "settings":
        check_settings(sys.argv[2])
    elif mode == "noserver":
        work = sys.argv[2]
        err = open(os.path.join(work, "kalvo.err"), errors="replace").read()
        if "Cannot create direct sound capture object" not in err:
            fail("no capture message without a server: %r" % err)
        log = open(one(os.path.join(work, "kalvo_*.log")), "rb").read().decode("ascii")
        if "INFO> start of logfile" not in log or "INFO> end of logfile" not in log:
            fail("the window did not record a log without a server")
        print("no server ok: %s" % err.strip().splitlines()[:2])
    else:
        fail("unknown mode " + mode)


if __name__ == "__main__":
    main()
