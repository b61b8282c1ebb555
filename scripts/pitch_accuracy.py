#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pitch accuracy of kalvo-analyze's two pitch methods and of aubio's yin.

Renders single notes of General MIDI instruments with fluidsynth, makes pure
and noisy sine tones, silence and noise with sox, all at 16 kHz, into a
temporary directory; runs `kalvo-analyze --tsv --method dominant|fundamental`
and `aubiopitch -p yin` (same rate, same hop of 1333 samples) on every file and
writes a markdown report. The instruments and the harmonic tones are measured
a second time as a room hears them (high-pass, reverberation, pink noise). Python 3 with numpy (Debian's python3-numpy).

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

import numpy

RATE = 16000
HOP = 1333  # one kalvo block, and aubio's hop
AUBIO_BUF = 2048
NOTE_ON_S = 0.8
NOTE_OFF_S = 0.3
LEAD_S = 0.3  # silence before the first note
VELOCITY = 90
SKIP_ATTACK_S = 0.2  # the steady part starts this long after the note-on
SKIP_RELEASE_S = 0.0  # ... and ends this long before the note-off
SILENT_NOTE_DB = -60  # notes rendered fainter than this are left out
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"

# (name, General MIDI program counted from 0, lowest and highest MIDI note).
# The ranges are each instrument's usual one, cut at 40 Hz (MIDI 28), the
# tuner's lowest frequency.
INSTRUMENTS = [
    ("Acoustic grand piano", 0, 28, 107),
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
    ("Church organ", 19, 36, 96),  # a mixture: see MIXTURES
    ("Reed organ", 20, 36, 96),
]

# Presets that sound several ranks at once, one of them a fifth above the key
# (a quint, 3/2 of its frequency): the waveform then repeats only an octave
# below the key. Reported, and pooled with the rest, but also left out of one
# pooled line, since no period tracker can name their key's octave.
MIXTURES = {"Church organ"}

SINE_LOW, SINE_HIGH = 28, 107  # 41.2 Hz ... 3951 Hz
SINE_AMPLITUDE = 0.5
NOISY_SNRS_DB = (20, 10)
NOTE_NAMES = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]

TRACKERS = ("fundamental", "dominant", "aubio yin")

# The room condition: what a laptop's microphone in a room hears of a note.
ROOM_HIGHPASS_HZ = 120
ROOM_REVERB = ("50", "50", "60")  # sox reverb: reverberance %, HF damping %, room scale %
ROOM_NOISE_DB = 25  # pink noise this far below the note's RMS
WRONG_CENTS = 50  # a reading further than this from the note's own pitch is a wrong note
IN_BAND = (40.0, 4000.0)  # the tuner's range


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
    run(["sox", "-D", "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", path, "trim", "0", "%g" % seconds])


def wav_rms(path):
    x = read_mono(path)
    return float(numpy.sqrt(numpy.mean(x * x))) if len(x) else 0.0


def read_mono(path):
    """The samples of a 16-bit file, channels averaged, full scale 1."""
    with wave.open(path, "rb") as w:
        channels = w.getnchannels()
        data = w.readframes(w.getnframes())
    x = numpy.frombuffer(data, dtype="<i2").astype(float) / 32768.0
    if channels > 1:
        x = x[:len(x) // channels * channels].reshape(-1, channels).mean(axis=1)
    return x


def write_mono(path, x):
    peak = float(numpy.max(numpy.abs(x))) if len(x) else 0.0
    if peak > 0.99:
        x = x * (0.99 / peak)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(numpy.round(x * 32767).astype("<i2").tobytes())


def steady_span(start):
    """First and last + 1 sample of the steady part of the note that starts
    at start (seconds)."""
    return (int(round((start + SKIP_ATTACK_S) * RATE)),
            int(round((start + NOTE_ON_S - SKIP_RELEASE_S) * RATE)))


def steady_level_db(mono, start):
    a, b = steady_span(start)
    part = numpy.asarray(mono[a:b])
    if not len(part):
        return -999.0
    rms = math.sqrt(float(numpy.mean(part * part)))
    return 20 * math.log10(rms) if rms > 0 else -999.0


REFERENCE_FFT = 16384
REFERENCE_HARMONICS = 8


def note_reference(mono, start, nominal):
    """The pitch the rendered note itself has, independent of the trackers:
    one Hann-windowed transform of its whole steady part (0.6 s, zero-padded
    to 16384 points), the peak near each of its first harmonics interpolated
    on the log magnitude, and the harmonics' frequencies divided by their
    order averaged, weighed by magnitude (those within 20 dB of the strongest).
    None when no harmonic peak is found."""
    a, b = steady_span(start)
    part = numpy.asarray(mono[a:b])
    n = len(part)
    if n < 2 or n > REFERENCE_FFT:
        return None
    hann = 0.5 - 0.5 * numpy.cos(2 * math.pi * numpy.arange(n) / (n - 1))
    spectrum = numpy.fft.rfft(numpy.asarray(part) * hann, REFERENCE_FFT)
    mag = numpy.abs(spectrum)[:REFERENCE_FFT // 2]
    w = float(RATE) / REFERENCE_FFT
    peaks = []
    for h in range(1, REFERENCE_HARMONICS + 1):
        centre = h * nominal / w
        radius = max(3.0, min(0.03 * centre, 0.4 * nominal / w))
        lo, hi = max(1, int(centre - radius)), min(len(mag) - 2, int(centre + radius) + 1)
        if hi - lo < 2:
            break
        k = max(range(lo, hi + 1), key=lambda i: mag[i])
        if k in (lo, hi) or not (mag[k - 1] > 0 and mag[k + 1] > 0):
            continue
        la, lb, lc = (math.log(mag[i]) for i in (k - 1, k, k + 1))
        den = la - 2 * lb + lc
        offset = 0.5 * (la - lc) / den if den < 0 else 0.0
        peaks.append(((k + offset) * w / h, mag[k]))
    if not peaks:
        return None
    loudest = max(m for _, m in peaks)
    used = [(f, m) for f, m in peaks if m >= 0.1 * loudest]
    return sum(f * m for f, m in used) / sum(m for _, m in used)


BLOCK_HARMONICS = 10
BLOCK_SPAN_CENTS = 50


def block_reference(samples, around):
    """The pitch of the few samples one reading measured, independent of the
    trackers: the fundamental f of the harmonic model (the first harmonics
    below 7.8 kHz, each of free amplitude and phase) that explains most of the
    samples' energy by least squares, the usual maximum-likelihood estimate
    for a harmonic sound. f is searched within 50 cents of `around` (the
    note's own pitch), on a one-cent grid and then by golden section to a
    thousandth of a cent."""
    x = numpy.asarray(samples, dtype=float)
    t = numpy.arange(len(x)) / float(RATE)

    def explained(c):
        f = around * 2.0 ** (c / 1200.0)
        h = numpy.arange(1, max(1, min(BLOCK_HARMONICS, int(7800 / f))) + 1)
        phase = 2 * math.pi * f * numpy.outer(t, h)
        z = numpy.hstack([numpy.cos(phase), numpy.sin(phase)])
        coef = numpy.linalg.lstsq(z, x, rcond=None)[0]
        fit = z @ coef
        return float(fit @ fit)

    grid = list(range(-BLOCK_SPAN_CENTS, BLOCK_SPAN_CENTS + 1))
    scores = [explained(c) for c in grid]
    i = max(range(len(grid)), key=lambda k: scores[k])
    a, b = grid[max(0, i - 1)], grid[min(len(grid) - 1, i + 1)]
    g = (math.sqrt(5) - 1) / 2
    c1, c2 = b - g * (b - a), a + g * (b - a)
    s1, s2 = explained(c1), explained(c2)
    while b - a > 0.001:
        if s1 > s2:
            b, c2, s2 = c2, c1, s1
            c1 = b - g * (b - a)
            s1 = explained(c1)
        else:
            a, c1, s1 = c1, c2, s2
            c2 = a + g * (b - a)
            s2 = explained(c2)
    return around * 2.0 ** ((a + b) / 2 / 1200.0)


def block_reference_job(job):
    return block_reference(*job)


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
        run(["sox", "-D", "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", p, "synth", "%g" % NOTE_ON_S,
             "sine", "%.6f" % f, "vol", "%g" % SINE_AMPLITUDE, "fade", "q", "0.005",
             "%g" % NOTE_ON_S, "0.005", "pad", "0", "%g" % NOTE_OFF_S])
        parts.append(p)
        notes.append((m, f, t))
        t += NOTE_ON_S + NOTE_OFF_S
    clean = os.path.join(tmp, "sines.wav")
    run(["sox", "-D"] + parts + [clean])
    for p in parts:
        os.remove(p)
    sets = [{"set": "Sine", "kind": "sine", "file": clean, "notes": notes}]
    duration = t
    noise = os.path.join(tmp, "noise-for-sines.wav")
    run(["sox", "-D", "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", noise, "synth", "%g" % duration,
         "whitenoise", "vol", "0.25"])
    noise_rms = wav_rms(noise)
    sine_rms = SINE_AMPLITUDE / math.sqrt(2)
    for snr in NOISY_SNRS_DB:
        gain = sine_rms / 10 ** (snr / 20.0) / noise_rms
        out = os.path.join(tmp, "sines-snr%d.wav" % snr)
        run(["sox", "-D", "-R", "-m", "-v", "1", clean, "-v", "%.6f" % gain, noise, out])
        sets.append({"set": "Sine + white noise, %d dB SNR" % snr, "kind": "sine", "file": out,
                     "notes": notes})
    os.remove(noise)
    return sets


# Partial amplitudes of the made harmonic tones (partial 1 is the fundamental),
# after instruments whose strongest partial is not the fundamental.
HARMONIC_SPECTRA = [
    ("faint fundamental", [0.08, 1.0, 0.8, 0.6, 0.5, 0.4, 0.3, 0.2]),  # bassoon, low voice
    ("strong second", [0.35, 1.0, 0.5, 0.3, 0.15, 0.1]),  # oboe
    ("strong third", [0.2, 0.5, 1.0, 0.4, 0.25, 0.12, 0.06]),  # low brass
    ("odd partials", [1.0, 0.03, 0.6, 0.03, 0.35, 0.03, 0.2, 0.02, 0.1]),  # clarinet
]
HARMONIC_LOW, HARMONIC_HIGH = 28, 107  # 41.2 Hz ... 3951 Hz, the top of the range


def make_harmonic_tones(tmp):
    """Tones of several partials at known frequencies (like the sines, a
    deterministic -10 ... +10 cents off the tempered notes), the four spectra
    taken in turn; partials are left out above 7.8 kHz."""
    notes = []
    t = LEAD_S
    on, off, lead = int(NOTE_ON_S * RATE), int(NOTE_OFF_S * RATE), int(LEAD_S * RATE)
    chunks = [numpy.zeros(lead)]
    ramp = int(0.005 * RATE)
    envelope = numpy.ones(on)
    envelope[:ramp] = numpy.linspace(0, 1, ramp)
    envelope[-ramp:] = numpy.linspace(1, 0, ramp)
    n = numpy.arange(on) / float(RATE)
    for i, m in enumerate(range(HARMONIC_LOW, HARMONIC_HIGH + 1)):
        cents = ((i * 29) % 41 - 20) / 2.0
        f = et_frequency(m, cents)
        partials = HARMONIC_SPECTRA[i % len(HARMONIC_SPECTRA)][1]
        tone = numpy.zeros(on)
        for h, a in enumerate(partials, start=1):
            if h * f < 7800:
                tone += a * numpy.sin(2 * math.pi * h * f * n + 0.7 * h)
        chunks.append(SINE_AMPLITUDE * tone / numpy.max(numpy.abs(tone)) * envelope)
        chunks.append(numpy.zeros(off))
        notes.append((m, f, t))
        t += NOTE_ON_S + NOTE_OFF_S
    samples = numpy.round(numpy.concatenate(chunks) * 32767).astype("<i2")
    path = os.path.join(tmp, "harmonic.wav")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())
    return {"set": "Harmonic tones", "kind": "tone", "file": path, "notes": notes}


def make_room(tmp, s):
    """The set as heard in a room: a high-pass and a room reverberation (sox),
    then pink noise ROOM_NOISE_DB below each note's RMS (over the note's span
    from its note-on to the next one; the lead takes the first note's level)."""
    base = os.path.splitext(s["file"])[0]
    wet = base + "-room-wet.wav"
    frames = len(read_mono(s["file"]))
    run(["sox", "-D", "-R", "-G", s["file"], "-c", "1", wet, "highpass", str(ROOM_HIGHPASS_HZ),
         "reverb"] + list(ROOM_REVERB) + ["trim", "0", "%ds" % frames])
    x = numpy.asarray(read_mono(wet))
    os.remove(wet)
    noise_path = base + "-room-noise.wav"
    run(["sox", "-D", "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", noise_path, "synth",
         "%.4f" % (len(x) / float(RATE) + 0.01), "pinknoise", "vol", "0.3"])
    noise = numpy.asarray(read_mono(noise_path))[:len(x)]
    assert len(noise) == len(x)
    os.remove(noise_path)
    noise = noise / math.sqrt(float(numpy.mean(noise * noise)))
    starts = [int(round(start * RATE)) for _, _, start in s["notes"]]
    bounds = [0] + starts[1:] + [len(x)]
    out = x.copy()
    for i, (a, b) in enumerate(zip(bounds[:-1], bounds[1:])):
        sa, sb = steady_span(s["notes"][i][2])
        part = x[sa:sb]
        rms = math.sqrt(float(numpy.mean(part * part))) if len(part) else 0.0
        out[a:b] += noise[a:b] * rms * 10 ** (-ROOM_NOISE_DB / 20.0)
    path = base + "-room.wav"
    write_mono(path, out)
    room = dict(s)
    room.update({"set": s["set"] + " (room)", "file": path, "condition": "room"})
    return room


# Mains hum as a cheap interface or an electric instrument's pickup hears it:
# the mains frequency a little off its nominal value and its harmonics
# (amplitudes relative to the first, odd ones stronger, as from a
# transformer's field, with fixed phases), steady in level while a note sounds.
HUM_CONDITIONS = (("hum 50 Hz", 50.0 * 1.004), ("hum 60 Hz", 60.0 * 0.995))
HUM_HARMONICS = [1.0, 0.45, 0.7, 0.2, 0.45, 0.12, 0.3, 0.08, 0.2, 0.05, 0.12, 0.04, 0.08, 0.03,
                 0.05, 0.02]
HUM_DB = 20  # this far below the RMS of each note's steady part
CONDITIONS = ("clean", "room") + tuple(c for c, _ in HUM_CONDITIONS)
PHASES = (0, 333, 667, 1000)  # shifts of the notes against the block grid, in samples


def hum_wave(frequency, frames):
    """Unit-RMS hum of frames samples."""
    t = numpy.arange(frames) / float(RATE)
    x = numpy.zeros(frames)
    for h, a in enumerate(HUM_HARMONICS, start=1):
        x += a * numpy.sin(2 * math.pi * h * frequency * t + 1.3 * h * h)
    return x / math.sqrt(float(numpy.mean(x * x)))


def make_hum(tmp, s, condition, frequency, x):
    """x (the set's clean samples) with hum HUM_DB below each note's steady
    RMS. The hum is stationary while a note sounds: its level moves to the
    next note's only between the note-off and the next note-on, smoothly."""
    hum = hum_wave(frequency, len(x))
    levels = []
    for _, _, start in s["notes"]:
        sa, sb = steady_span(start)
        part = x[sa:sb]
        levels.append(math.sqrt(float(numpy.mean(part * part))) if len(part) else 0.0)
    gain = numpy.full(len(x), levels[0])
    for i in range(1, len(levels)):
        a = int(round((s["notes"][i - 1][2] + NOTE_ON_S) * RATE))
        b = int(round(s["notes"][i][2] * RATE))
        ramp = 0.5 - 0.5 * numpy.cos(math.pi * numpy.arange(b - a) / max(1, b - a))
        gain[a:b] = levels[i - 1] + (levels[i] - levels[i - 1]) * ramp
        gain[b:] = levels[i]
    path = os.path.splitext(s["file"])[0] + "-%s.wav" % condition.replace(" ", "")
    write_mono(path, x + hum * gain * 10 ** (-HUM_DB / 20.0))
    out = dict(s)
    out.update({"set": "%s (%s)" % (s["set"], condition), "file": path, "condition": condition})
    return out


def make_variants(tmp, s, phase):
    """The set shifted by phase samples against the block grid, in every
    condition: clean, in a room, over each hum."""
    x = numpy.concatenate([numpy.zeros(phase), read_mono(s["file"])])
    base = os.path.join(tmp, "%s-p%d" % (os.path.splitext(os.path.basename(s["file"]))[0], phase))
    clean = dict(s)
    clean.update({"file": base + ".wav", "phase": phase, "condition": "clean",
                  "notes": [(m, f, t + phase / float(RATE)) for m, f, t in s["notes"]]})
    write_mono(clean["file"], x)
    out = [clean, make_room(tmp, clean)]
    out += [make_hum(tmp, clean, c, f, x) for c, f in HUM_CONDITIONS]
    return out


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
        run(["sox", "-D", "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", p, "synth", "3", "whitenoise",
             "vol", "%.6f" % vol])
        files.append(("White noise, %d dBFS RMS" % level, p))
    p = os.path.join(tmp, "pinknoise.wav")
    run(["sox", "-D", "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", p, "synth", "3", "pinknoise",
         "vol", "0.3"])
    files.append(("Pink noise", p))
    for condition, frequency in HUM_CONDITIONS:
        for level in (-40, -20):
            p = os.path.join(tmp, "%s%d.wav" % (condition.replace(" ", ""), -level))
            write_mono(p, hum_wave(frequency, 3 * RATE) * 10 ** (level / 20.0))
            files.append(("Mains hum alone, %.1f Hz, %d dBFS RMS" % (frequency, level), p))
    return files


# ---------------------------------------------------------------- trackers


def kalvo(analyzer, method, path):
    """(first sample, last sample + 1, Hz or 0, the samples it measured as
    (first, last + 1)) of every block."""
    out = run([analyzer, "--tsv", "--method", method, path]).stdout.decode()
    lines = out.splitlines()
    head = lines[0].split("\t")
    ib, ip = head.index("block"), head.index("published_hz")
    readings = []
    for line in lines[1:]:
        cols = line.split("\t")
        b, f = int(cols[ib]), float(cols[ip])
        readings.append((b * HOP, (b + 1) * HOP, f if f > 0 else 0.0, (b * HOP, (b + 1) * HOP)))
    return readings


def aubio(path):
    """Reading k covers the 2048 samples that end with hop k+1. Its yin
    compares the first half of them with the same length one period later, so
    the samples it measures are the first half and one period."""
    out = run(["aubiopitch", "-i", path, "-r", str(RATE), "-H", str(HOP), "-B", str(AUBIO_BUF),
               "-p", "yin", "-u", "freq"]).stdout.decode()
    readings = []
    for k, line in enumerate(out.split("\n")):
        cols = line.split()
        if len(cols) < 2:
            continue
        f = float(cols[1])
        end = (k + 1) * HOP
        period = int(round(RATE / f)) if f > 0 else 0
        measured = (end - AUBIO_BUF, min(end, end - AUBIO_BUF // 2 + period))
        readings.append((end - AUBIO_BUF, end, f if f > 0 else 0.0, measured))
    return readings


def run_trackers(analyzer, path):
    return {
        "fundamental": kalvo(analyzer, "fundamental", path),
        "dominant": kalvo(analyzer, "dominant", path),
        "aubio yin": aubio(path),
    }


# ---------------------------------------------------------------- scoring


def steady_readings(readings, start):
    """The readings that lie wholly in the steady part of the note that
    starts at start."""
    a, b = steady_span(start)
    return [r for r in readings if r[0] >= a and r[1] <= b]


def judge_note(readings, midi, ref, start, own, block_pitch):
    """The note's verdict from the readings that lie wholly in its steady
    part: the note most blocks name (no reading counts as a vote for no
    note; a tie with no note is no note, a tie between notes goes to the lower
    one), and the cent errors of the blocks that name the right note.
    block_pitch(measured) is the pitch of the samples a reading measured."""
    steady = steady_readings(readings, start)
    freqs = [r[2] for r in steady]
    votes = collections.Counter(nearest_midi(f) if f > 0 else None for f in freqs)
    if not votes:
        return None
    best = max(votes.values())
    winners = sorted(v for v in votes if votes[v] == best and v is not None)
    named = None if votes.get(None) == best or not winners else winners[0]
    right = [f for f in freqs if f > 0 and nearest_midi(f) == midi]
    errors = [cents_between(f, ref) for f in right]
    own_errors = [cents_between(f, own) for f in right] if own else []
    named_right = [r for r in steady if r[2] > 0 and nearest_midi(r[2]) == midi]
    block_errors = [cents_between(r[2], block_pitch(r[3])) for r in named_right]
    # What a tracker that read every block's own pitch exactly would be off
    # the reference frequency: the floor under the error against it.
    block_floor = [cents_between(block_pitch(r[3]), ref) for r in named_right]
    # Over the whole note, attack and release included: every reading that
    # lies wholly between the note-on and the next note's.
    a, b = int(round(start * RATE)), int(round((start + NOTE_ON_S + NOTE_OFF_S) * RATE))
    pitch = own or ref
    voiced = [r[2] for r in readings if r[0] >= a and r[1] <= b and r[2] > 0]
    wrong = [f for f in voiced if abs(cents_between(f, pitch)) > WRONG_CENTS]
    return {
        "voiced": len(voiced),
        "wrong": len(wrong),
        "first_wrong": bool(voiced) and abs(cents_between(voiced[0], pitch)) > WRONG_CENTS,
        "in_band": IN_BAND[0] <= pitch <= IN_BAND[1],
        "named": named,
        "class_ok": named is not None and (named - midi) % 12 == 0,
        "octave_ok": named == midi,
        "blocks": len(freqs),
        "blocks_ok": len(errors),
        "errors": errors,
        "own_errors": own_errors,
        "block_errors": block_errors,
        "block_floor": block_floor,
        # The note's median reading against its own pitch: what is left when
        # the readings' swing (vibrato, beating) is averaged out.
        "note_own_error": (cents_between(percentile(right, 0.5), own)
                           if own and right else None),
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
    own = [abs(e) for v in verdicts for e in v["own_errors"]]
    block = [abs(e) for v in verdicts for e in v["block_errors"]]
    floor = [abs(e) for v in verdicts for e in v["block_floor"]]
    blocks = sum(v["blocks"] for v in verdicts)
    return {
        "detected": sum(v["named"] is not None for v in verdicts),
        "voiced": sum(v["voiced"] for v in verdicts),
        "wrong": sum(v["wrong"] for v in verdicts),
        "with_reading": sum(v["voiced"] > 0 for v in verdicts),
        "first_wrong": sum(v["first_wrong"] for v in verdicts),
        "notes": n,
        "class": sum(v["class_ok"] for v in verdicts),
        "octave": sum(v["octave_ok"] for v in verdicts),
        "blocks": blocks,
        "blocks_ok": sum(v["blocks_ok"] for v in verdicts),
        "median": percentile(errs, 0.5),
        "p90": percentile(errs, 0.9),
        "signed": percentile(signed, 0.5),
        "own_median": percentile(own, 0.5),
        "note_own_median": percentile([abs(v["note_own_error"]) for v in verdicts
                                       if v["note_own_error"] is not None], 0.5),
        "own_p90": percentile(own, 0.9),
        "block_median": percentile(block, 0.5),
        "block_p90": percentile(block, 0.9),
        "floor_median": percentile(floor, 0.5),
    }


def share(k, n):
    return float(k) / n if n else float("nan")


def pct(k, n):
    return "%.1f%%" % (100.0 * k / n) if n else "-"


def cents(x, fmt="%.2f"):
    return "-" if x != x else fmt % x


def table_rows(label, stats):
    rows = []
    for t in TRACKERS:
        s = stats[t]
        rows.append("| %s | %s | %d | %s | %s | %s | %s | %s | %s | %s | %s | %s | %s |" % (
            label, t, s["notes"], pct(s["class"], s["notes"]), pct(s["octave"], s["notes"]),
            pct(s["blocks_ok"], s["blocks"]), cents(s["median"]), cents(s["p90"]),
            cents(s["signed"], "%+.2f"), cents(s["own_median"]), cents(s["own_p90"]),
            cents(s["block_median"]), cents(s["block_p90"])))
    return rows


TABLE_HEAD = [
    "| set | tracker | notes | pitch class right | octave right | steady blocks right "
    "| median error (cents) | 90th percentile (cents) | median signed error (cents) "
    "| median error, note's own pitch (cents) | 90th percentile, note's own pitch (cents) "
    "| median error, block's own pitch (cents) | 90th percentile, block's own pitch (cents) |",
    "|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|",
]


def pct2(k, n):
    return "%.2f%%" % (100.0 * k / n) if n else "-"


PHASE_HEAD = [
    "| notes | condition | tracker | notes | named right | detected (a note named) "
    "| wrong readings, of voiced blocks over the whole note | first reading wrong, of notes "
    "with a reading | first reading wrong, each phase |",
    "|---|---|---|---:|---:|---:|---:|---:|---|",
]


def phase_values(stats, key, over):
    return [share(s[key], s[over]) for s in stats]


def mean_worst(values, worst, fmt="%.1f%%"):
    mean = sum(values) / len(values) if values else float("nan")
    return (fmt + " / " + fmt) % (100 * mean, 100 * worst(values)) if values else "-"


def phase_row(label, tracker, condition, stats):
    return "| %s | %s | %s | %d | %s | %s | %s | %s | %s |" % (
        label, condition, tracker, stats[0]["notes"],
        mean_worst(phase_values(stats, "octave", "notes"), min),
        mean_worst(phase_values(stats, "detected", "notes"), min),
        mean_worst(phase_values(stats, "wrong", "voiced"), max, "%.2f%%"),
        mean_worst(phase_values(stats, "first_wrong", "with_reading"), max),
        ", ".join("%.1f%%" % (100 * v) for v in phase_values(stats, "first_wrong",
                                                            "with_reading")))


def phase_targets(condition, stats):
    """The fundamental method's targets in one condition, on the mean of the
    phases."""
    hum = condition.startswith("hum")
    named = 0.99 if hum else 0.995
    wrong = 0.006 if condition == "clean" else 0.01
    first = 0.04 if hum else 0.03
    checks = [
        ("named right in at least %.1f%% of notes" % (100 * named), "octave", "notes", min,
         lambda v: v >= named, "%.1f%%"),
        ("detected (a note named) in at least %.1f%% of notes" % (100 * named), "detected",
         "notes", min, lambda v: v >= named, "%.1f%%"),
        ("wrong readings at most %.1f%% of voiced blocks over the whole note" % (100 * wrong),
         "wrong", "voiced", max, lambda v: v <= wrong, "%.2f%%"),
        ("first reading wrong in at most %.0f%% of notes with a reading" % (100 * first),
         "first_wrong", "with_reading", max, lambda v: v <= first, "%.1f%%"),
    ]
    rows = []
    for what, key, over, worst, ok, fmt in checks:
        values = phase_values(stats, key, over)
        mean = sum(values) / len(values)
        rows.append("| %s | %s | %s | %s |" % (condition, what, mean_worst(values, worst, fmt),
                                             "yes" if ok(mean) else "**no**"))
    return rows


def tool_version(cmd):
    try:
        r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=20)
        return r.stdout.decode(errors="replace").splitlines()[0].strip()
    except (OSError, IndexError, subprocess.SubprocessError):
        return "?"


def deb_version(pkg):
    return tool_version(["dpkg-query", "-W", "-f=${Version}", pkg])


def targets(label, stats, quiet_ok):
    """The fundamental method's targets, judged on what was measured."""
    f, a = stats["fundamental"], stats["aubio yin"]
    checks = [
        ("pitch class right in at least 99% of notes", pct(f["class"], f["notes"]),
         share(f["class"], f["notes"]) >= 0.99),
        ("octave right in at least 98% of notes", pct(f["octave"], f["notes"]),
         share(f["octave"], f["notes"]) >= 0.98),
        ("median error at most 1 cent", cents(f["median"]), f["median"] <= 1.0),
        ("(limit) the same for the blocks' own pitch itself, read without error, on the same "
         "blocks", cents(f["floor_median"]), f["floor_median"] <= 1.0),
        ("pitch class: better than aubio yin (%s)" % pct(a["class"], a["notes"]),
         pct(f["class"], f["notes"]), f["class"] > a["class"]),
        ("octave: better than aubio yin (%s)" % pct(a["octave"], a["notes"]),
         pct(f["octave"], f["notes"]), f["octave"] > a["octave"]),
        ("median error: better than aubio yin (%s)" % cents(a["median"]),
         cents(f["median"]), f["median"] < a["median"]),
        ("median error against the note's own pitch at most 1 cent", cents(f["own_median"]),
         f["own_median"] <= 1.0),
        ("median error against the note's own pitch: better than aubio yin (%s)"
         % cents(a["own_median"]), cents(f["own_median"]), f["own_median"] < a["own_median"]),
        ("median error against the block's own pitch at most 1 cent", cents(f["block_median"]),
         f["block_median"] <= 1.0),
        ("median error against the block's own pitch: better than aubio yin (%s)"
         % cents(a["block_median"]), cents(f["block_median"]),
         f["block_median"] < a["block_median"]),
        ("(also) a note's median reading against its own pitch, median over notes, at most "
         "1 cent", cents(f["note_own_median"]), f["note_own_median"] <= 1.0),
        ("(also) the same: better than aubio yin (%s)" % cents(a["note_own_median"]),
         cents(f["note_own_median"]), f["note_own_median"] < a["note_own_median"]),
    ]
    rows = ["| %s | %s | %s | %s |" % (label, what, value,
                                      "yes" if ok else "no" if what.startswith("(") else "**no**")
            for what, value, ok in checks]
    if quiet_ok is not None:
        rows.append("| %s | silence and white noise give no note | %s | %s |" % (
            label, "no reading" if quiet_ok else "readings", "yes" if quiet_ok else "**no**"))
    return rows


def describe():
    lines = [
        "## What is measured",
        "",
        "- **Instruments.** For each General MIDI program of the per-instrument table (numbered "
        "from 1 there), a Standard MIDI file with one "
        "track, a program change and one note at a time over the instrument's usual range "
        "(every semitone, cut at 40 Hz, the tuner's lowest frequency): %.1f s on, %.1f s off, "
        "velocity %d, reverb and chorus sends 0. Rendered by `fluidsynth -ni -R 0 -C 0 -g 0.8 "
        "-r %d` with FluidR3_GM.sf2, directly at %d Hz (stereo, 16 bit)."
        % (NOTE_ON_S, NOTE_OFF_S, VELOCITY, RATE, RATE),
        "- **Sines.** Every semitone from MIDI %d to %d (%.1f to %.0f Hz), each a deterministic "
        "-10 to +10 cents off the tempered note, amplitude %.1f, by `sox synth`; the same "
        "sequence with white noise mixed in at %s dB signal-to-noise ratio. Each tone is judged "
        "against the frequency it was made with." % (
            SINE_LOW, SINE_HIGH, et_frequency(SINE_LOW), et_frequency(SINE_HIGH),
            SINE_AMPLITUDE, " and ".join(str(x) for x in NOISY_SNRS_DB)),
        "- **No note.** 3 s of digital silence, of white noise at three levels, of pink "
        "noise, and of mains hum alone at two levels.",
        "- **Hum.** The instruments and the harmonic tones once more with mains hum added: "
        "%s, each with %d harmonics (amplitudes %s, odd ones stronger), %d dB below the RMS of "
        "each note's steady part; its level moves to the next note's only between a note-off "
        "and the next note-on, smoothly, so that it is steady while a note sounds." % (
            " and ".join("%.1f Hz" % f for _, f in HUM_CONDITIONS), len(HUM_HARMONICS),
            "/".join("%g" % a for a in HUM_HARMONICS), HUM_DB),
        "- **Onset phases.** Every condition of the instruments and harmonic tones is run with "
        "the whole file shifted by %s samples (silence put in front), so that the notes start "
        "at four places in the tuner's block of %d samples; the rendering is made once." % (
            ", ".join(str(p) for p in PHASES), HOP),
        "- **Room.** The instruments and the harmonic tones once more, as a laptop's microphone "
        "in a room hears them: `sox ... -c 1 ... highpass %d reverb %s` (a %d Hz high-pass and "
        "sox's room reverberation, reverberance %s %%, HF damping %s %%, room scale %s %%), "
        "then pink noise (`sox synth pinknoise`) mixed in %d dB below the RMS of each note's "
        "steady part, over the note's span from its note-on to the next one. The sets marked "
        "*(room)*." % ((ROOM_HIGHPASS_HZ, " ".join(ROOM_REVERB), ROOM_HIGHPASS_HZ)
                        + ROOM_REVERB + (ROOM_NOISE_DB,)),
        "- **Over the whole note**: every reading that lies wholly between a note's note-on "
        "and the next note's (attack, steady part, release and the reverberation's tail). "
        "*Wrong readings*: readings more than %d cents from the note's own pitch, as a share of "
        "the readings with a frequency (voiced blocks). *First reading wrong*: the first "
        "reading with a frequency is such a reading, as a share of the notes that have one. "
        "*Detected*: the steady part names some note (not no note). *In band*: the note's own "
        "pitch lies from %g to %g Hz, the tuner's range." % ((WRONG_CENTS,) + IN_BAND),
        "- **Trackers**, all on the same files: `kalvo-analyze --tsv --method fundamental` and "
        "`--method dominant` (the `published_hz` column; -1 is no reading), and `aubiopitch -p "
        "yin -r %d -H %d -B %d` with its default tolerance and silence threshold (0 Hz is no "
        "reading). A kalvo reading covers its block of %d samples; aubio's reading number k "
        "covers the %d samples that end with hop k+1." % (RATE, HOP, AUBIO_BUF, HOP, AUBIO_BUF),
        "- **Steady part** of a note: from %.2f s after the note-on to the note-off. Only "
        "readings whose samples all lie inside it count (about 6 kalvo blocks and 5 aubio "
        "readings a note)." % SKIP_ATTACK_S,
        "- **Note named**: the MIDI note nearest to most of those readings (no reading is a vote "
        "for no note; a tie with no note is no note, a tie between notes goes to the lower). *Pitch class right*: that note is the played one in some octave; "
        "*octave right*: it is the played note. *Steady blocks right*: readings that name the "
        "played note, over all steady readings.",
        "- **Harmonic tones.** Every semitone from MIDI %d to %d, made of several partials at "
        "exactly the harmonic frequencies, each a deterministic -10 to +10 cents off the "
        "tempered note; four spectra in turn: %s (amplitudes of partials 1, 2, 3, ...: %s). "
        "Partials above 7.8 kHz are left out, so the tones above 2 kHz have two partials or "
        "one. Judged against the frequency they were made with." % (
            HARMONIC_LOW, HARMONIC_HIGH, ", ".join(n for n, _ in HARMONIC_SPECTRA),
            "; ".join("/".join("%g" % a for a in p) for _, p in HARMONIC_SPECTRA)),
        "- **Cent errors** per reading that names the played note, against three references; "
        "median and 90th percentile of their size, and the median of their sign against the "
        "first. For made tones all three are the frequency they were made with.",
        "  - *Nominal*: the note's equal-tempered frequency (A = 440 Hz). This holds how far "
        "the sample itself is from the tempered note and how its pitch moves (vibrato).",
        "  - *Note's own pitch*: the pitch the rendered note has over its whole steady part, "
        "which leaves out the sample's tuning but not its movement: one Hann-windowed %d-point "
        "transform of the steady part, the peaks near its first %d harmonics interpolated on "
        "the log magnitude, their frequencies over their order averaged, weighed by magnitude "
        "(those within 20 dB of the strongest)." % (REFERENCE_FFT, REFERENCE_HARMONICS),
        "  - *Block's own pitch*: the pitch of the very samples the reading measured, which "
        "leaves out both: the fundamental of the harmonic model (the first %d harmonics below "
        "7.8 kHz, each of free amplitude and phase) that explains most of those samples' "
        "energy by least squares, the usual maximum-likelihood estimate for a harmonic sound, "
        "searched within %d cents of the note's own pitch to a thousandth of a cent. It is none "
        "of the three trackers' methods. A kalvo reading measured its block of %d samples; "
        "aubio's yin compares the first half of its %d samples with the same length one period "
        "later, so that half and one period are what its reading measured." % (
            BLOCK_HARMONICS, BLOCK_SPAN_CENTS, HOP, AUBIO_BUF),
        "  - *(limit)* in the targets: the blocks' own pitch itself, as if read without error, "
        "against the nominal frequency, on the blocks the fundamental method named right: no "
        "tracker reading a block's pitch can be nearer the tempered note than that.",
        "- Note names are the tuner's: A5 = 440 Hz (MIDI 69), C5 = MIDI 60.",
        "",
    ]
    return lines


NOTES = [
    "## Remarks",
    "",
    "- The sampled instruments are not tuned exactly to equal temperament, and many of them "
    "move in pitch while they sound (vibrato on the strings, flute and saxophone, several "
    "voices in the choir). An instrument's median signed error is about the same for the "
    "three trackers: it is the samples' tuning (the choir's samples, for instance, lie well "
    "below the tempered notes), not the trackers' error. Against the nominal frequency no "
    "tracker can come near 1 cent on these samples: the *(limit)* line of the targets shows "
    "how far the blocks' own pitch, read without any error, already lies from it. The error "
    "against the note's own pitch leaves the tuning out but still holds the pitch's swing "
    "from block to block. The error against the block's own pitch is the tracker's own; on "
    "the made tones, whose frequency is known exactly, it is the error against that "
    "frequency.",
    "- The piano's strings are stiff, so its upper partials lie above the harmonic series; "
    "that is probably why the methods that use the period of the waveform or several "
    "partials (the fundamental method, aubio's yin) read it sharper than the dominant "
    "method, which follows a single partial.",
    "- FluidR3's *Church Organ* is a mixture: from about C6 up its notes have a partial a fifth "
    "above the key (3/2 of its frequency) about as strong as the key's own, so the waveform "
    "repeats only an octave below the key. Period trackers see that octave. The fundamental "
    "method checks it on the spectrum: measured on the longer period, the key's partials are "
    "the even harmonics and the fifth's the third, ninth ..., so the first, fifth and seventh "
    "are all missing, and it takes the octave above. The line without this preset shows the "
    "rest.",
    "- **Mains hum** (the fundamental method's rule; the tracker's header comment has it in "
    "full): a block whose period lies within 1 % of 50 or 60 Hz, with no onset, "
    "steady in level over the last four blocks (or as loud as the hum already learned there, "
    "not louder by 12 dB), is a hum block, and the spectrum below 1 kHz is learned from it as "
    "the hum profile, which falls back towards what is there in every other block. When the "
    "period and the spectrum are judged, a peak below 1 kHz counts as a partial only 6 dB "
    "above that profile, and a candidate whose first three partials are all the hum's gives "
    "no reading. A note has an onset and its period lies off the mains frequencies (G1 and B1 "
    "are 2 % away), so it is never learned; what stands above the hum keeps the note. In a "
    "note's release (its energy 10 dB below one of the last four blocks) the note's remains "
    "can pull the hum's period a few percent aside: there a period within 5 % of the mains "
    "frequency is a hum block too, under the same test of its line.",
    "- **A note's start, change and release** (the fundamental method, from the energies of "
    "the last blocks and its last reading; nothing ahead of the block is used). At a start "
    "(the energy 10 dB above one of the two blocks before), a pluck or strike can sound a "
    "knock below the note, and the period then repeats only after two or more of the note's "
    "periods: a candidate whose own partials outside the series of k times it (k up to 7) "
    "are all 9 dB fainter than that series' first partial gives that partial when at most "
    "one of them sounds at all, and no reading otherwise; nor is a start read an octave "
    "above its period for want of the fifth and seventh harmonics (the organ mixture's "
    "sign), which a weak fundamental's note has not built up yet, and a start with partials "
    "at half and 3/2 of the candidate (the first and third of the note an octave below, "
    "whose odd partials speak later) gives no reading. A block whose two halves repeat "
    "after periods more than half a semitone apart, the block's period following the first "
    "half, holds a change of note (a legato step, a scoop) and gives no reading. In a "
    "release (the energy 10 dB below one of the last four blocks), a candidate two to five "
    "times above or below the last reading is the note's remains and gives no reading. A "
    "period below 150 Hz with none of its first four partials gives no reading (a low piano "
    "string's stretched upper partials, loudest at the strike, repeat after a period several "
    "percent short).",
    "- The dominant method reads noise as a frequency: it has no test of periodicity (its "
    "behaviour is the tuner's classic one and is left as it is). aubio's yin, as run here, "
    "reports a frequency on noise too; only its silence threshold keeps quiet input out.",
    "",
]


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--analyzer", required=True, help="path of kalvo-analyze")
    ap.add_argument("--output", required=True, help="markdown report to write")
    ap.add_argument("--command", default=None, help="command line recorded in the report")
    ap.add_argument("--keep", action="store_true", help="keep the rendered audio")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--only", default=None,
                    help="comma-separated words: measure only the instruments whose name holds "
                         "one of them (and the made tones when 'tones' is one), for a quick look")
    ap.add_argument("--quick", action="store_true",
                    help="skip the blocks' own pitch (its errors are then against the note's)")
    ap.add_argument("--details", default=None,
                    help="write every wrong reading of the fundamental method to this file")
    ap.add_argument("--phases", default=",".join(str(p) for p in PHASES),
                    help="comma-separated shifts of the notes against the block grid (samples)")
    args = ap.parse_args()
    phases = [int(p) for p in args.phases.split(",")]
    words = [w.strip().lower() for w in args.only.split(",")] if args.only else None
    instruments_run = [i for i in INSTRUMENTS
                       if words is None or any(w in i[0].lower() for w in words)]
    tones_run = words is None or "tones" in words

    tmp = tempfile.mkdtemp(prefix="kalvo-pitch-accuracy-")
    try:
        print("rendering into %s ..." % tmp, file=sys.stderr)
        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            jobs = [pool.submit(render_instrument, tmp, *i) for i in instruments_run]
            sines = pool.submit(make_sines, tmp) if tones_run else None
            quiet = pool.submit(make_no_note_files, tmp)
            bases = [j.result() for j in jobs]
            sine_sets = sines.result() if tones_run else []
            if tones_run:
                bases.append(make_harmonic_tones(tmp))
        # A note the sound font leaves (nearly) silent is no test of a
        # tracker. Each note's own pitch is measured once, on the clean
        # rendering, and holds in every condition and phase.
        silent_notes = []
        reference_check = []
        for s in bases + sine_sets:
            mono = read_mono(s["file"])
            kept = []
            for midi, ref, start in s["notes"]:
                level = steady_level_db(mono, start)
                if level < SILENT_NOTE_DB:
                    if s["kind"] != "sine" or s["set"] == "Sine":
                        silent_notes.append((s["set"], midi, level))
                    continue
                # A made tone's own pitch is the one it was made with; the
                # clean sines check the reference measurement itself.
                if s["kind"] != "instrument":
                    own = ref
                    if s["set"] == "Sine":
                        measured = note_reference(mono, start, et_frequency(midi))
                        reference_check.append(abs(cents_between(measured, ref)))
                else:
                    own = note_reference(mono, start, ref)
                kept.append((midi, ref, start, own))
            s["own"] = {m: (ref, own) for m, ref, _, own in kept}
        for s in sine_sets:
            s.update({"phase": 0, "condition": "clean"})
        # Every condition at every phase, rendered from the one rendering.
        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            jobs = [(s, pool.submit(make_variants, tmp, s, phase)) for phase in phases
                    for s in bases]
            sets = []
            for base, j in jobs:
                for v in j.result():
                    v["own"] = base["own"]
                    sets.append(v)
            sets += sine_sets
            for s in sets:
                s["notes"] = [(m, f, t, s["own"][m][1]) for m, f, t in s["notes"] if m in s["own"]]
            no_note = quiet.result()
            print("analysing %d files ..." % len(sets), file=sys.stderr)
            tracked = [pool.submit(run_trackers, args.analyzer, s["file"]) for s in sets]
            tracked_quiet = [pool.submit(run_trackers, args.analyzer, p) for _, p in no_note]
            for s, j in zip(sets, tracked):
                s["readings"] = j.result()
            quiet_readings = [j.result() for j in tracked_quiet]

        # The pitch of the samples each reading measured that names its note
        # (the same blocks serve both kalvo methods): instruments only, a
        # made tone's is the one it was made with, on the first phase clean
        # and in a room. The clean made tones check that measurement itself,
        # started from the tempered note.
        print("measuring the blocks' own pitch ...", file=sys.stderr)
        block_jobs = {}
        for s in sets:
            if s["phase"] != phases[0] or s["condition"] not in ("clean", "room"):
                continue
            mono = None
            if s["set"] in ("Sine", "Harmonic tones") or s["kind"] == "instrument":
                mono = read_mono(s["file"])
            if s["set"] in ("Sine", "Harmonic tones"):
                for midi, ref, start, own in s["notes"]:
                    for r in steady_readings(s["readings"]["fundamental"], start):
                        m = r[3]
                        block_jobs[("check", s["file"], m, ref)] = (mono[m[0]:m[1]],
                                                                    et_frequency(midi))
            if s["kind"] != "instrument" or args.quick:
                continue
            for midi, ref, start, own in s["notes"]:
                for t in TRACKERS:
                    for r in steady_readings(s["readings"][t], start):
                        if r[2] > 0 and nearest_midi(r[2]) == midi:
                            m = r[3]
                            block_jobs[(s["file"], m, midi)] = (mono[m[0]:m[1]], own or ref)
        keys = list(block_jobs)
        with concurrent.futures.ProcessPoolExecutor(args.jobs) as pool:
            pitches = dict(zip(keys, pool.map(block_reference_job, [block_jobs[k] for k in keys],
                                              chunksize=16)))
        block_check = [abs(cents_between(f, k[3])) for k, f in pitches.items() if k[0] == "check"]

        for s in sets:
            s["verdicts"] = {}
            for t in TRACKERS:
                vs = []
                for midi, ref, start, own in s["notes"]:
                    if s["kind"] == "instrument":
                        block_pitch = lambda m, f=s["file"], n=midi, o=own or ref: pitches.get(
                            (f, m, n), o)
                    else:
                        block_pitch = lambda m, f=ref: f
                    v = judge_note(s["readings"][t], midi, ref, start, own, block_pitch)
                    if v is None:
                        raise SystemExit("note %d of %s has no steady block" % (midi, s["set"]))
                    v["midi"] = midi
                    vs.append(v)
                s["verdicts"][t] = vs
        if args.details:
            with open(args.details, "w") as f:
                for s in sets:
                    for midi, ref, start, own in s["notes"]:
                        a, b = int(round(start * RATE)), int(round((start + NOTE_ON_S + NOTE_OFF_S) * RATE))
                        pitch = own or ref
                        voiced = [r for r in s["readings"]["fundamental"]
                                  if r[0] >= a and r[1] <= b and r[2] > 0]
                        for i, r in enumerate(voiced):
                            if abs(cents_between(r[2], pitch)) > WRONG_CENTS:
                                f.write("%s\t%s\t%d\t%s\t%.1f\t%d\t%d\t%.1f\t%d\n" % (
                                    s["set"], s["condition"], s["phase"], note_name(midi), pitch,
                                    i, r[0] // HOP, r[2], (r[0] - a) // HOP))
        measured_all = [s for s in sets if s["phase"] == phases[0] or s["kind"] == "sine"]
        all_phases = sets
        sets = [s for s in measured_all if s["condition"] in ("clean", "room")]

        def pooled(selected):
            return {t: summarise([v for s in selected for v in s["verdicts"][t]]) for t in TRACKERS}

        clean = [s for s in sets if s["condition"] == "clean"]
        instruments = [s for s in clean if s["kind"] == "instrument"]
        single = [s for s in instruments if s["set"] not in MIXTURES]
        sine_sets = [s for s in clean if s["kind"] == "sine"]
        tone_sets = [s for s in clean if s["kind"] == "tone"]
        room = [s for s in sets if s["condition"] == "room"]

        quiet_counts = [{t: sum(1 for x in r[t] if x[2] > 0) for t in TRACKERS}
                        for r in quiet_readings]
        fundamental_quiet_ok = all(c["fundamental"] == 0 for c in quiet_counts)
        mixtures = " and ".join(sorted(MIXTURES))

        out = []
        now = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
        out.append("# Pitch accuracy: fundamental, dominant frequency, aubio yin")
        out.append("")
        out.append("How well the tuner's two pitch methods name the notes of single instrument "
                   "notes and tones, next to a widely used YIN tracker (how: see *What is "
                   "measured* below). Measured on %s with" % now)
        out.append("")
        out.append("```sh")
        out.append(args.command or " ".join(sys.argv))
        out.append("```")
        out.append("")
        out.append(
            "Tools: fluidsynth %s with fluid-soundfont-gm %s (`%s`), aubio-tools %s, sox %s. "
            "All figures come from that one run; the audio was generated into a temporary "
            "directory and is not kept. The script needs these Debian packages: fluidsynth "
            "fluid-soundfont-gm aubio-tools sox." % (
                deb_version("fluidsynth"), deb_version("fluid-soundfont-gm"), SOUNDFONT,
                deb_version("aubio-tools"), deb_version("sox")))
        out.append("")
        if args.quick:
            out.append("Run with `--quick`: the blocks' own pitch was not measured, and the "
                       "columns and targets named after it hold the error against the note's "
                       "own pitch instead.")
            out.append("")
        out.append("## Overall")
        out.append("")
        out += TABLE_HEAD
        out += table_rows("all instruments", pooled(instruments))
        out += table_rows("instruments without %s" % mixtures, pooled(single))
        out += table_rows("all sines", pooled(sine_sets))
        out += table_rows("harmonic tones", pooled(tone_sets))
        out += table_rows("everything", pooled(clean))
        out += table_rows("all instruments, room", pooled([s for s in room
                                                           if s["kind"] == "instrument"]))
        out += table_rows("harmonic tones, room", pooled([s for s in room if s["kind"] == "tone"]))
        out.append("")
        out.append("## Every condition and onset phase, over the whole note")
        out.append("")
        out.append("In-band notes (own pitch %g to %g Hz) of the instruments and the harmonic "
                   "tones, clean, as a room hears them and over mains hum (how: see *What is "
                   "measured*), each run with the notes shifted by %s samples against the "
                   "tuner's block grid: the mean of the %d runs, and after the slash the worst "
                   "of them. *Wrong readings* and *first reading wrong* count every reading from "
                   "the note-on to the next note's, attack and release included; *named right* "
                   "and *detected* the steady part." % (IN_BAND + (
                       ", ".join(str(p) for p in phases), len(phases))))
        out.append("")

        def phase_stats(condition, kinds, tracker):
            return [summarise([v for s in all_phases if s["condition"] == condition
                               and s["phase"] == ph and s["kind"] in kinds
                               for v in s["verdicts"][tracker] if v["in_band"]])
                    for ph in phases]

        out += PHASE_HEAD
        for label, kinds in (("instruments and harmonic tones", ("instrument", "tone")),
                             ("instruments", ("instrument",))):
            for condition in CONDITIONS:
                for t in TRACKERS:
                    out.append(phase_row(label, t, condition, phase_stats(condition, kinds, t)))
        out.append("")
        out.append("Targets of the fundamental method on these notes (instruments and harmonic "
                   "tones, in band; the mean of the phases, the worst after the slash):")
        out.append("")
        out.append("| condition | target | measured | reached |")
        out.append("|---|---|---:|---|")
        for condition in CONDITIONS:
            out += phase_targets(condition, phase_stats(condition, ("instrument", "tone"),
                                                        "fundamental"))
        out.append("| - | silence, noise and hum alone give no reading | %s | %s |" % (
            "no reading" if fundamental_quiet_ok else "readings",
            "yes" if fundamental_quiet_ok else "**no**"))
        out.append("")
        out.append("## Targets of the fundamental method")
        out.append("")
        out.append("| pool | target | measured | reached |")
        out.append("|---|---|---:|---|")
        out += targets("all instruments", pooled(instruments), fundamental_quiet_ok)
        out += targets("instruments without %s" % mixtures, pooled(single), None)
        out += targets("all sines", pooled(sine_sets), None)
        out += targets("harmonic tones", pooled(tone_sets), None)
        out.append("")
        out.append("## Per instrument and tone set")
        out.append("")
        out += TABLE_HEAD
        for s in sets:
            lo = min(n[0] for n in s["notes"])
            hi = max(n[0] for n in s["notes"])
            label = "%s (%s-%s)" % (s["set"], note_name(lo), note_name(hi))
            if s["kind"] == "instrument":
                program = [i[1] for i in INSTRUMENTS if s["set"].startswith(i[0])][0]
                label = "%s, GM %d (%s-%s)" % (s["set"], program + 1, note_name(lo), note_name(hi))
            out += table_rows(label, pooled([s]))
        out.append("")
        if silent_notes:
            out.append("Left out, because the rendering is silent there (steady part below %d "
                       "dBFS RMS): %s." % (SILENT_NOTE_DB, ", ".join(
                           "%s %s (%s dBFS)" % (name, note_name(m),
                                                "digital silence" if lv < -900 else "%.0f" % lv)
                           for name, m, lv in silent_notes)))
            out.append("")
        out.append("## Silence and noise (no note expected)")
        out.append("")
        out.append("Readings with a frequency, of all readings of the file.")
        out.append("")
        out.append("| file | " + " | ".join(TRACKERS) + " |")
        out.append("|---|" + "---:|" * len(TRACKERS))
        for (label, _), r, c in zip(no_note, quiet_readings, quiet_counts):
            out.append("| %s | %s |" % (label, " | ".join(
                "%d of %d" % (c[t], len(r[t])) for t in TRACKERS)))
        out.append("")
        out.append("## Notes named wrong")
        out.append("")
        out.append("Played note → the note most steady readings name (`-`: no note).")
        out.append("")
        out.append("| set | " + " | ".join(TRACKERS) + " |")
        out.append("|---|" + "---|" * len(TRACKERS))
        for s in measured_all:
            cells = []
            for t in TRACKERS:
                wrong = ["%s→%s" % (note_name(v["midi"]),
                                    "-" if v["named"] is None else note_name(v["named"]))
                         for v in s["verdicts"][t] if not v["octave_ok"]]
                cells.append(", ".join(wrong) if wrong else "none")
            out.append("| %s | %s |" % (s["set"], " | ".join(cells)))
        out.append("")
        out += describe()
        if reference_check:
            out.append("The own-pitch measurement, run on the clean sines, is %.3f cents off their "
                       "generated frequency in the median, %.3f cents at most." % (
                           percentile(reference_check, 0.5), max(reference_check)))
            out.append("")
        if block_check:
            out.append("The block's-own-pitch measurement, run on every steady block of the clean "
                       "sines and the harmonic tones (%d blocks) and started from the tempered "
                       "note, is %.4f cents off their generated frequency in the median, %.4f "
                       "cents at most." % (len(block_check), percentile(block_check, 0.5),
                                           max(block_check)))
            out.append("")
        out += NOTES
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
