#!/usr/bin/env python3
"""Pitch accuracy of kalvo-analyze's two pitch methods and of aubio's yin.

Renders single notes of General MIDI instruments with fluidsynth, makes pure
and noisy sine tones, silence and noise with sox, all at 16 kHz, into a
temporary directory; runs `kalvo-analyze --tsv --method dominant|fundamental`
and `aubiopitch -p yin` (same rate, same hop of 1333 samples) on every file and
writes a markdown report. Plain Python 3, no third-party modules.

Normally started by scripts/pitch-accuracy.sh, which checks the tools first.
"""

import argparse
import collections
import concurrent.futures
import datetime
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

RATE = 16000
HOP = 1333  # one kalvo block, and aubio's hop
AUBIO_BUF = 2048
NOTE_ON_S = 0.8
NOTE_OFF_S = 0.3
LEAD_S = 0.3  # silence before the first note
VELOCITY = 90
SKIP_ATTACK_S = 0.2  # the steady part starts this long after the note-on
SKIP_RELEASE_S = 0.0  # ... and ends this long before the note-off
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"

# (name, General MIDI program counted from 0, lowest and highest MIDI note).
# The ranges are each instrument's usual one, cut at 40 Hz (MIDI 28), the
# tuner's lowest frequency.
INSTRUMENTS = [
    ("Acoustic grand piano", 0, 28, 96),
    ("Nylon guitar", 24, 40, 83),
    ("Acoustic bass", 32, 28, 55),
    ("Violin", 40, 55, 96),
    ("Viola", 41, 48, 84),
    ("Cello", 42, 36, 76),
    ("Flute", 73, 60, 96),
    ("Oboe", 68, 58, 91),
    ("Clarinet", 71, 50, 91),
    ("Bassoon", 70, 34, 75),
    ("Trumpet", 56, 54, 82),
    ("Trombone", 57, 40, 72),
    ("Alto sax", 65, 49, 80),
    ("Choir aahs", 52, 40, 81),
    ("Church organ", 19, 36, 96),
]

SINE_LOW, SINE_HIGH = 28, 107  # 41.2 Hz ... 3951 Hz
SINE_AMPLITUDE = 0.5
NOISY_SNRS_DB = (20, 10)
NOTE_NAMES = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]

TRACKERS = ("fundamental", "dominant", "aubio yin")


def note_name(midi):
    """Name as the tuner shows it: A5 = 440 Hz = MIDI 69, C5 = MIDI 60."""
    return "%s%d" % (NOTE_NAMES[midi % 12], midi // 12)


def et_frequency(midi, cents=0.0):
    return 440.0 * 2.0 ** ((midi - 69 + cents / 100.0) / 12.0)


def nearest_midi(freq):
    return int(round(69 + 12 * math.log2(freq / 440.0)))


def cents_between(freq, ref):
    return 1200.0 * math.log2(freq / ref)


# ---------------------------------------------------------------- test set


def vlq(n):
    """A MIDI variable-length quantity."""
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def write_midi(path, program, notes):
    """One track, 1000 ticks per quarter at 1 s per quarter: a tick is 1 ms.
    Returns the note-on times in seconds."""
    on_ms, off_ms, lead_ms = int(NOTE_ON_S * 1000), int(NOTE_OFF_S * 1000), int(LEAD_S * 1000)
    ev = bytearray()
    ev += vlq(0) + b"\xff\x51\x03" + (1000000).to_bytes(3, "big")  # tempo
    ev += vlq(0) + bytes([0xC0, program])  # program change, channel 1
    ev += vlq(0) + bytes([0xB0, 91, 0]) + vlq(0) + bytes([0xB0, 93, 0])  # no reverb/chorus send
    starts = []
    t = lead_ms
    delta = lead_ms
    for n in notes:
        ev += vlq(delta) + bytes([0x90, n, VELOCITY])
        ev += vlq(on_ms) + bytes([0x80, n, 64])
        starts.append(t / 1000.0)
        t += on_ms + off_ms
        delta = off_ms
    ev += vlq(off_ms) + b"\xff\x2f\x00"  # end of track
    with open(path, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 1000))
        f.write(b"MTrk" + struct.pack(">I", len(ev)) + bytes(ev))
    return starts


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)


def render_instrument(tmp, name, program, lo, hi):
    base = os.path.join(tmp, "gm%03d" % program)
    notes = list(range(lo, hi + 1))
    starts = write_midi(base + ".mid", program, notes)
    run(["fluidsynth", "-ni", "-q", "-R", "0", "-C", "0", "-g", "0.8", "-r", str(RATE),
         "-O", "s16", "-T", "wav", "-F", base + ".wav", SOUNDFONT, base + ".mid"])
    return {"set": name, "kind": "instrument", "file": base + ".wav",
            "notes": [(n, et_frequency(n), s) for n, s in zip(notes, starts)]}


def sox_silence(path, seconds):
    run(["sox", "-n", "-r", str(RATE), "-b", "16", "-c", "1", path, "trim", "0", "%g" % seconds])


def wav_rms(path):
    with wave.open(path, "rb") as w:
        data = w.readframes(w.getnframes())
    samples = struct.unpack("<%dh" % (len(data) // 2), data)
    return math.sqrt(sum(s * s for s in samples) / max(1, len(samples))) / 32768.0


def make_sines(tmp):
    """Sine tones a little off the tempered notes (a deterministic -10 ...
    +10 cents), each judged against its own frequency; the same tones with
    white noise at two signal-to-noise ratios."""
    notes = []
    parts = []
    lead = os.path.join(tmp, "lead.wav")
    sox_silence(lead, LEAD_S)
    parts.append(lead)
    t = LEAD_S
    for i, m in enumerate(range(SINE_LOW, SINE_HIGH + 1)):
        cents = ((i * 37) % 41 - 20) / 2.0
        f = et_frequency(m, cents)
        p = os.path.join(tmp, "sine%03d.wav" % m)
        run(["sox", "-n", "-r", str(RATE), "-b", "16", "-c", "1", p, "synth", "%g" % NOTE_ON_S,
             "sine", "%.6f" % f, "vol", "%g" % SINE_AMPLITUDE, "fade", "q", "0.005",
             "%g" % NOTE_ON_S, "0.005", "pad", "0", "%g" % NOTE_OFF_S])
        parts.append(p)
        notes.append((m, f, t))
        t += NOTE_ON_S + NOTE_OFF_S
    clean = os.path.join(tmp, "sines.wav")
    run(["sox"] + parts + [clean])
    for p in parts:
        os.remove(p)
    sets = [{"set": "Sine", "kind": "sine", "file": clean, "notes": notes}]
    duration = t
    noise = os.path.join(tmp, "noise-for-sines.wav")
    run(["sox", "-n", "-r", str(RATE), "-b", "16", "-c", "1", noise, "synth", "%g" % duration,
         "whitenoise", "vol", "0.25"])
    noise_rms = wav_rms(noise)
    sine_rms = SINE_AMPLITUDE / math.sqrt(2)
    for snr in NOISY_SNRS_DB:
        gain = sine_rms / 10 ** (snr / 20.0) / noise_rms
        out = os.path.join(tmp, "sines-snr%d.wav" % snr)
        run(["sox", "-m", "-v", "1", clean, "-v", "%.6f" % gain, noise, out])
        sets.append({"set": "Sine + white noise, %d dB SNR" % snr, "kind": "sine", "file": out,
                     "notes": notes})
    os.remove(noise)
    return sets


def make_no_note_files(tmp):
    """Files that must give no note at all."""
    files = []
    p = os.path.join(tmp, "silence.wav")
    sox_silence(p, 3)
    files.append(("Silence", p))
    for level in (-10, -30, -50):
        # sox's white noise is uniform in [-1, 1]: RMS 1/sqrt(3) of its volume.
        vol = 10 ** (level / 20.0) * math.sqrt(3)
        p = os.path.join(tmp, "whitenoise%d.wav" % -level)
        run(["sox", "-n", "-r", str(RATE), "-b", "16", "-c", "1", p, "synth", "3", "whitenoise",
             "vol", "%.6f" % vol])
        files.append(("White noise, %d dBFS RMS" % level, p))
    p = os.path.join(tmp, "pinknoise.wav")
    run(["sox", "-n", "-r", str(RATE), "-b", "16", "-c", "1", p, "synth", "3", "pinknoise",
         "vol", "0.3"])
    files.append(("Pink noise", p))
    return files


# ---------------------------------------------------------------- trackers


def kalvo(analyzer, method, path):
    """(first sample, last sample + 1, Hz or 0) of every block."""
    out = run([analyzer, "--tsv", "--method", method, path]).stdout.decode()
    lines = out.splitlines()
    head = lines[0].split("\t")
    ib, ip = head.index("block"), head.index("published_hz")
    readings = []
    for line in lines[1:]:
        cols = line.split("\t")
        b, f = int(cols[ib]), float(cols[ip])
        readings.append((b * HOP, (b + 1) * HOP, f if f > 0 else 0.0))
    return readings


def aubio(path):
    """Reading k covers the 2048 samples that end with hop k."""
    out = run(["aubiopitch", "-i", path, "-r", str(RATE), "-H", str(HOP), "-B", str(AUBIO_BUF),
               "-p", "yin", "-u", "freq"]).stdout.decode()
    readings = []
    for k, line in enumerate(out.split("\n")):
        cols = line.split()
        if len(cols) < 2:
            continue
        f = float(cols[1])
        end = (k + 1) * HOP
        readings.append((end - AUBIO_BUF, end, f if f > 0 else 0.0))
    return readings


def run_trackers(analyzer, path):
    return {
        "fundamental": kalvo(analyzer, "fundamental", path),
        "dominant": kalvo(analyzer, "dominant", path),
        "aubio yin": aubio(path),
    }


# ---------------------------------------------------------------- scoring


def judge_note(readings, midi, ref, start):
    """The note's verdict from the readings that lie wholly in its steady
    part: the note most blocks name (no reading counts as a vote for no
    note; a tie goes to the lower candidate), and the cent errors of the blocks
    that name the right note."""
    a = int(round((start + SKIP_ATTACK_S) * RATE))
    b = int(round((start + NOTE_ON_S - SKIP_RELEASE_S) * RATE))
    freqs = [f for (s, e, f) in readings if s >= a and e <= b]
    votes = collections.Counter(nearest_midi(f) if f > 0 else None for f in freqs)
    if not votes:
        return None
    best = max(votes.values())
    winners = sorted(v for v in votes if votes[v] == best and v is not None)
    named = None if votes.get(None) == best or not winners else winners[0]
    errors = [cents_between(f, ref) for f in freqs if f > 0 and nearest_midi(f) == midi]
    return {
        "named": named,
        "class_ok": named is not None and (named - midi) % 12 == 0,
        "octave_ok": named == midi,
        "blocks": len(freqs),
        "blocks_ok": len(errors),
        "errors": errors,
    }


def percentile(values, q):
    """Linear interpolation between closest ranks."""
    if not values:
        return float("nan")
    v = sorted(values)
    pos = (len(v) - 1) * q
    lo = int(math.floor(pos))
    hi = min(lo + 1, len(v) - 1)
    return v[lo] + (v[hi] - v[lo]) * (pos - lo)


def summarise(verdicts):
    n = len(verdicts)
    errs = [abs(e) for v in verdicts for e in v["errors"]]
    signed = [e for v in verdicts for e in v["errors"]]
    blocks = sum(v["blocks"] for v in verdicts)
    return {
        "notes": n,
        "class": sum(v["class_ok"] for v in verdicts),
        "octave": sum(v["octave_ok"] for v in verdicts),
        "blocks": blocks,
        "blocks_ok": sum(v["blocks_ok"] for v in verdicts),
        "median": percentile(errs, 0.5),
        "p90": percentile(errs, 0.9),
        "signed": percentile(signed, 0.5),
    }


def pct(k, n):
    return "%.1f%%" % (100.0 * k / n) if n else "-"


def cents(x):
    return "-" if x != x else "%.2f" % x


def table_rows(label, stats):
    rows = []
    for t in TRACKERS:
        s = stats[t]
        rows.append("| %s | %s | %d | %s | %s | %s | %s | %s | %s |" % (
            label, t, s["notes"], pct(s["class"], s["notes"]), pct(s["octave"], s["notes"]),
            pct(s["blocks_ok"], s["blocks"]), cents(s["median"]), cents(s["p90"]),
            ("%+.2f" % s["signed"]) if s["signed"] == s["signed"] else "-"))
    return rows


TABLE_HEAD = [
    "| set | tracker | notes | pitch class right | octave right | steady blocks right "
    "| median error (cents) | 90th percentile (cents) | median signed error (cents) |",
    "|---|---|---:|---:|---:|---:|---:|---:|---:|",
]


def tool_version(cmd):
    try:
        r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=20)
        return r.stdout.decode(errors="replace").splitlines()[0].strip()
    except (OSError, IndexError, subprocess.SubprocessError):
        return "?"


def deb_version(pkg):
    return tool_version(["dpkg-query", "-W", "-f=${Version}", pkg])


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--analyzer", required=True, help="path of kalvo-analyze")
    ap.add_argument("--output", required=True, help="markdown report to write")
    ap.add_argument("--command", default=None, help="command line recorded in the report")
    ap.add_argument("--keep", action="store_true", help="keep the rendered audio")
    ap.add_argument("--jobs", type=int, default=2)
    args = ap.parse_args()

    tmp = tempfile.mkdtemp(prefix="kalvo-pitch-accuracy-")
    try:
        print("rendering into %s ..." % tmp, file=sys.stderr)
        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            jobs = [pool.submit(render_instrument, tmp, *i) for i in INSTRUMENTS]
            sines = pool.submit(make_sines, tmp)
            quiet = pool.submit(make_no_note_files, tmp)
            sets = [j.result() for j in jobs] + sines.result()
            no_note = quiet.result()
            print("analysing ...", file=sys.stderr)
            tracked = [pool.submit(run_trackers, args.analyzer, s["file"]) for s in sets]
            tracked_quiet = [pool.submit(run_trackers, args.analyzer, p) for _, p in no_note]
            for s, j in zip(sets, tracked):
                s["readings"] = j.result()
            quiet_readings = [j.result() for j in tracked_quiet]

        # Verdicts per set and tracker.
        for s in sets:
            s["verdicts"] = {}
            for t in TRACKERS:
                vs = []
                for midi, ref, start in s["notes"]:
                    v = judge_note(s["readings"][t], midi, ref, start)
                    if v is None:
                        raise SystemExit("note %d of %s has no steady block" % (midi, s["set"]))
                    v["midi"] = midi
                    vs.append(v)
                s["verdicts"][t] = vs

        def pooled(selected):
            return {t: summarise([v for s in selected for v in s["verdicts"][t]]) for t in TRACKERS}

        instruments = [s for s in sets if s["kind"] == "instrument"]
        sine_sets = [s for s in sets if s["kind"] == "sine"]

        out = []
        now = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
        out.append("# Pitch accuracy: dominant frequency, fundamental, aubio yin")
        out.append("")
        out.append("Measured on %s with" % now)
        out.append("")
        out.append("```sh")
        out.append(args.command or " ".join(sys.argv))
        out.append("```")
        out.append("")
        out.append(
            "Tools: fluidsynth %s with fluid-soundfont-gm %s (`%s`), aubio-tools %s, sox %s. "
            "Everything below was measured in that one run; the audio was generated into a "
            "temporary directory and is not kept." % (
                deb_version("fluidsynth"), deb_version("fluid-soundfont-gm"), SOUNDFONT,
                deb_version("aubio-tools"), deb_version("sox")))
        out.append("")
        out.append("## Overall")
        out.append("")
        out += TABLE_HEAD
        out += table_rows("all instruments", pooled(instruments))
        out += table_rows("all sines", pooled(sine_sets))
        out += table_rows("everything", pooled(sets))
        out.append("")
        out.append("## Per instrument and tone set")
        out.append("")
        out += TABLE_HEAD
        for s in sets:
            lo = min(m for m, _, _ in s["notes"])
            hi = max(m for m, _, _ in s["notes"])
            label = "%s (%s-%s)" % (s["set"], note_name(lo), note_name(hi))
            out += table_rows(label, pooled([s]))
        out.append("")
        out.append("## Silence and noise (no note expected)")
        out.append("")
        out.append("| file | readings per tracker | " + " | ".join(
            "%s: readings with a frequency" % t for t in TRACKERS) + " |")
        out.append("|---|---:|" + "---:|" * len(TRACKERS))
        for (label, _), r in zip(no_note, quiet_readings):
            out.append("| %s | %s | %s |" % (
                label, " / ".join(str(len(r[t])) for t in TRACKERS),
                " | ".join(str(sum(1 for x in r[t] if x[2] > 0)) for t in TRACKERS)))
        out.append("")
        out.append("## Notes named wrong")
        out.append("")
        out.append("The note most steady blocks name, where it is not the played one "
                   "(`-` for no note).")
        out.append("")
        out.append("| set | " + " | ".join(TRACKERS) + " |")
        out.append("|---|" + "---|" * len(TRACKERS))
        for s in sets:
            cells = []
            for t in TRACKERS:
                wrong = ["%s→%s" % (note_name(v["midi"]),
                                    "-" if v["named"] is None else note_name(v["named"]))
                         for v in s["verdicts"][t] if not v["octave_ok"]]
                cells.append(", ".join(wrong) if wrong else "none")
            out.append("| %s | %s |" % (s["set"], " | ".join(cells)))
        out.append("")
        with open(args.output + ".tmp", "w") as f:
            f.write("\n".join(out))
        os.replace(args.output + ".tmp", args.output)
        print("\n".join(out))
    finally:
        if args.keep:
            print("audio kept in %s" % tmp, file=sys.stderr)
        else:
            shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
