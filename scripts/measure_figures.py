# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the measurements behind the README's and docs/' figures and writes
their tables in place (see scripts/measure-figures.sh, which builds first and
calls this)."""

import argparse
import array
import datetime
import json
import math
import os
import re
import statistics
import struct
import subprocess
import sys
import tempfile
import time
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The regions this script owns: (file, name).
README = os.path.join(ROOT, "README.md")
TOOL_DOC = os.path.join(ROOT, "docs", "measurements-tool.md")
RUNTIME_DOC = os.path.join(ROOT, "docs", "measurements-runtime.md")

# The bench's window arguments (analysis/Fft.h).
WINDOW_GAUSSIAN, WINDOW_HANNING = 1, 3


def run(args, **kw):
    return subprocess.run(args, check=True, stdout=subprocess.PIPE, text=True, **kw).stdout


def load_average():
    return float(open("/proc/loadavg").read().split()[0])


def machine(build):
    cpu = "unknown CPU"
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    mem_kb = 0
    for line in open("/proc/meminfo"):
        if line.startswith("MemTotal:"):
            mem_kb = int(line.split()[1])
    system = "Linux"
    if os.path.exists("/etc/os-release"):
        for line in open("/etc/os-release"):
            if line.startswith("PRETTY_NAME="):
                system = line.split("=", 1)[1].strip().strip('"')
    compiler = "unknown compiler"
    for line in open(os.path.join(build, "CMakeCache.txt")):
        if line.startswith("CMAKE_CXX_COMPILER:"):
            path = line.split("=", 1)[1].strip()
            try:
                compiler = run([path, "--version"]).splitlines()[0]
            except (OSError, subprocess.CalledProcessError):
                compiler = path
    return "%s, %d cores, %.0f GiB, %s, %s" % (cpu, os.cpu_count(), mem_kb / 1048576.0,
                                              system, compiler)


def commit():
    try:
        head = run(["git", "-C", ROOT, "rev-parse", "--short", "HEAD"]).strip()
        dirty = run(["git", "-C", ROOT, "status", "--porcelain", "--untracked-files=no"]).strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown commit"
    return head + (" with uncommitted changes" if dirty else "")


def to_us(bench, key="cpu_time"):
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[bench["time_unit"]]
    return bench[key] * scale


def benchmarks(exe, reps, quick):
    """Median CPU times by run name (and the fastest repetition's under
    "NAME min"), and the command line as the table shows it."""
    args = [exe, "--benchmark_format=json"]
    shown = [os.path.relpath(exe, ROOT)]
    if reps > 1:
        args += ["--benchmark_repetitions=%d" % reps]
        shown += ["--benchmark_repetitions=%d" % reps]
    if quick:
        args += ["--benchmark_min_time=0.05"]
        shown += ["--benchmark_min_time=0.05"]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    print("measure-figures: " + " ".join(shown), file=sys.stderr)
    data = json.loads(run(args, env=env))
    out = {}
    for b in data["benchmarks"]:
        # "BM_AnalyzeLog/min_time:2.000" is BM_AnalyzeLog here.
        name = re.sub(r"/min_time:[0-9.]+", "", b.get("run_name", b["name"]))
        if b.get("run_type") == "iteration" and "error_occurred" not in b:
            fastest = out.get(name + " min")
            if fastest is None or b["cpu_time"] < fastest["cpu_time"]:
                out[name + " min"] = b
        if reps > 1 and b.get("aggregate_name") != "median":
            continue
        out[name] = b
    return out, "`%s`" % " ".join(shown)


def write_tone_44k_mono(path, seconds=60):
    """A played line at 44.1 kHz mono: a new note every half second over two
    octaves around A, with a harmonic (as bench_analyze's 16 kHz file)."""
    rate = 44100
    out = wave.open(path, "wb")
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(rate)
    phase = 0.0
    for half in range(2 * seconds):
        hz = 440.0 * 2 ** (((half % 25) - 12) / 12.0)
        frames = bytearray()
        for _ in range(rate // 2):
            phase += 2 * math.pi * hz / rate
            v = 9000 * math.sin(phase) + 3000 * math.sin(2 * phase)
            frames += struct.pack("<h", int(v))
        out.writeframes(bytes(frames))
    out.close()


def analyze_44k(build, reps, work):
    """Seconds of 44.1 kHz mono audio per CPU second of the program itself."""
    path = os.path.join(work, "line44k.wav")
    write_tone_44k_mono(path)
    exe = os.path.join(build, "tools", "kalvo-analyze")
    rates = []
    for _ in range(reps):
        with open(os.devnull, "w") as null:
            proc = subprocess.Popen([exe, path], stdout=null)
            _, status, usage = os.wait4(proc.pid, 0)
        if status != 0:
            sys.exit("measure-figures: kalvo-analyze failed on %s" % path)
        rates.append(60.0 / (usage.ru_utime + usage.ru_stime))
    return statistics.median(rates)


def write_line_16k_stereo(path, seconds):
    """A played line at 16 kHz stereo: a new note every half second over two
    octaves around A, each with four partials and a little noise (the right
    channel 0.9 of the left)."""
    rate = 16000
    out = wave.open(path, "wb")
    out.setnchannels(2)
    out.setsampwidth(2)
    out.setframerate(rate)
    phase, noise = 0.0, 12345
    for half in range(2 * seconds):
        hz = 440.0 * 2 ** (((half * 7) % 25 - 12) / 12.0)
        frames = array.array("h")
        for _ in range(rate // 2):
            phase += 2 * math.pi * hz / rate
            noise = (noise * 1664525 + 1013904223) & 0xFFFFFFFF
            v = (6000 * math.sin(phase) + 3000 * math.sin(2 * phase) +
                 1500 * math.sin(3 * phase) + 800 * math.sin(4 * phase) +
                 ((noise >> 16) / 65536.0 - 0.5) * 400)
            frames.append(int(v))
            frames.append(int(0.9 * v))
        out.writeframes(frames.tobytes())
    out.close()


GNU_TIME = "/usr/bin/time"


def process_cost(args, work):
    """CPU seconds (user + system), wall seconds and peak resident MB of one
    run. GNU time starts it: a child of this script would count the script's
    own memory (copied at the fork) in its peak. The times are taken here, to
    the microsecond (GNU time gives hundredths, too coarse for a ratio of two
    runs of a tenth of a second); they include GNU time's own, well under a
    millisecond."""
    report = os.path.join(work, "time.txt")
    with open(os.devnull, "w") as null:
        start = time.perf_counter()
        proc = subprocess.Popen([GNU_TIME, "-o", report, "-f", "%M"] + args, stdout=null)
        _, status, usage = os.wait4(proc.pid, 0)
        wall = time.perf_counter() - start
    if status != 0:
        sys.exit("measure-figures: %s failed" % " ".join(args))
    kb = open(report).read().split()[-1]
    return usage.ru_utime + usage.ru_stime, wall, int(kb) / 1024.0


# kalvo-analyze and aubio on one long file, the runs taken in turn so that
# they share whatever load the machine has: (name, command after the program).
LONG_SECONDS = 600
HOP = 1333  # one kalvo block, and aubio's hop
AUBIO_BUF = 2048


def long_file_runs(build, reps, work, seconds):
    if not os.access(GNU_TIME, os.X_OK):
        sys.exit("measure-figures: %s (Debian time) is needed for the peak memory" % GNU_TIME)
    path = os.path.join(work, "line16k.wav")
    write_line_16k_stereo(path, seconds)
    exe = os.path.join(build, "tools", "kalvo-analyze")
    aubio = ["aubiopitch", "-i", path, "-r", "16000", "-H", str(HOP), "-B", str(AUBIO_BUF),
             "-u", "freq"]
    runs = [
        ("dominant", [exe, "--all", "--tsv", "--jobs", "1", path]),
        ("dominant jobs 2", [exe, "--all", "--tsv", "--jobs", "2", path]),
        ("fundamental", [exe, "--all", "--tsv", "--method", "fundamental", "--jobs", "1", path]),
        ("yinfft", aubio + ["-p", "yinfft"]),
        ("yin", aubio + ["-p", "yin"]),
    ]
    have_aubio = any(os.access(os.path.join(d, "aubiopitch"), os.X_OK)
                     for d in os.environ.get("PATH", "").split(os.pathsep))
    if not have_aubio:
        print("measure-figures: no aubiopitch (Debian aubio-tools): aubio's rows are left out",
              file=sys.stderr)
        runs = [r for r in runs if not r[1][0] == "aubiopitch"]
    costs = {name: [] for name, _ in runs}
    for _ in range(reps):
        for name, args in runs:
            costs[name].append(process_cost(args, work))
    out = {}
    for name, values in costs.items():
        out[name] = (statistics.median(v[0] for v in values),
                     statistics.median(v[1] for v in values),
                     max(v[2] for v in values))
    return out


def analysis_rows(analysis, cmd_analysis, long_runs, seconds, build_shown, about):
    """The analysis against its targets and against aubio, from one run."""
    def us(name):
        b = analysis.get(name)
        return to_us(b) if b and "error_occurred" not in b else None

    def met(ok):
        return "met" if ok else "**not met**"

    def both(name):  # median (fastest repetition)
        median, fastest = us(name), us(name + " min")
        if median is None:
            return None, "(no AVX2)"
        return median, "%s (%s)" % (fmt(median), fmt(fastest))

    dom, dom_text = both("BM_AnalyseBlock/size8192:1/window:%d/fundamental:0" % WINDOW_HANNING)
    fun, fun_text = both("BM_AnalyseBlock/size8192:1/window:%d/fundamental:1" % WINDOW_HANNING)
    rows = [
        "| what | figure | target | |",
        "|---|---|---|---|",
        "| the analysis's 8192-point transform, plain C++ / AVX2 | %s / %s µs | | |"
        % (both("BM_FftKernel/avx2:0")[1], both("BM_FftKernel/avx2:1")[1]),
        "| the fundamental method's single-precision transform, plain C++ / AVX2 with FMA "
        "| %s / %s µs | | |"
        % (both("BM_QuickMagnitudes/vector:0")[1], both("BM_QuickMagnitudes/vector:1")[1]),
        "| `AnalyseBlock`, 8192 points, dominant frequency | %s µs CPU per block | ≤ 30 µs | %s |"
        % (dom_text, met(dom <= 30)),
        "| `AnalyseBlock`, 8192 points, fundamental | %s µs CPU per block | ≤ 45 µs | %s |"
        % (fun_text, met(fun <= 45)),
    ]
    k1, f1 = long_runs["dominant"], long_runs["fundamental"]
    yinfft, yin = long_runs.get("yinfft"), long_runs.get("yin")
    if yinfft:
        rows.append("| kalvo-analyze dominant, one thread, against aubio yinfft (CPU) | %s s / %s s "
                    "| at most aubio's | %s |" % (fmt(k1[0]), fmt(yinfft[0]),
                                                met(k1[0] <= yinfft[0])))
    if yin:
        rows.append("| kalvo-analyze fundamental, one thread, against aubio yin (CPU) | %s s / "
                    "%s s | at most half of aubio's | %s |" % (fmt(f1[0]), fmt(yin[0]),
                                                             met(f1[0] <= yin[0] / 2)))
    j2 = long_runs["dominant jobs 2"]
    rows.append("| kalvo-analyze dominant, `--jobs 1` / `--jobs 2`, wall time | %s s / %s s "
                "(%.2f times faster) | at least 1.8 times faster on two cores | %s |"
                % (fmt(k1[1]), fmt(j2[1]), k1[1] / j2[1], met(k1[1] / j2[1] >= 1.8)))
    rows += ["", "| program, on a %d s 16 kHz stereo file | CPU s | times real time | wall s "
             "| peak memory |" % seconds, "|---|---:|---:|---:|---:|"]
    names = [("dominant", "`kalvo-analyze --all --tsv --jobs 1` (dominant, bit-exact)"),
             ("dominant jobs 2", "`kalvo-analyze --all --tsv --jobs 2`"),
             ("yinfft", "`aubiopitch -p yinfft -H %d -B %d`" % (HOP, AUBIO_BUF)),
             ("fundamental", "`kalvo-analyze --all --tsv --method fundamental --jobs 1`"),
             ("yin", "`aubiopitch -p yin -H %d -B %d`" % (HOP, AUBIO_BUF))]
    for key, label in names:
        if key in long_runs:
            cpu, wall, mem = long_runs[key]
            rows.append("| %s | %s | %s | %s | %s MB |"
                        % (label, fmt(cpu), fmt(seconds / cpu), fmt(wall), fmt(mem)))
    rows += ["", "`AnalyseBlock` and the transform: %s, median CPU time (the fastest "
             "repetition's in brackets). The file: a played line "
             "(a note every half second, four partials, a little noise), written by the script; "
             "`%s/tools/kalvo-analyze`, user + system time of the process and its peak "
             "resident memory, the five programs run in turn." % (cmd_analysis, build_shown),
             "", about]
    return rows


def runtime(build, quick):
    env = dict(os.environ)
    if quick:
        env.update(KALVO_MEASURE_SECONDS="10", KALVO_MEASURE_SETTLE="2")
    command = "scripts/measure-runtime.sh %s" % build
    print("measure-figures: " + command, file=sys.stderr)
    proc = subprocess.run(["sh", os.path.join(ROOT, "scripts", "measure-runtime.sh"), build],
                          env=env, cwd=ROOT, stdout=subprocess.PIPE, text=True)
    text = proc.stdout
    # Its check that Low uses clearly less CPU than High needs the full window:
    # a quick run goes on without it.
    if proc.returncode != 0 and not (quick and "|" in text):
        sys.exit("measure-figures: measure-runtime.sh failed (exit status %d)" % proc.returncode)
    table = [line for line in text.splitlines() if line.startswith("|")]
    notes = [line for line in text.splitlines()
             if line and not line.startswith("|") and not line.startswith("Command:")]
    # Each program's CPU with the X server, and its VmRSS and VmHWM.
    head = [c.strip() for c in table[0].strip("|").split("|")]
    cpu, rss, hwm = (head.index(name) for name in
                     ("with the X server (%)", "VmRSS (MB)", "VmHWM (MB)"))
    rows = {}
    for line in table[2:]:
        cells = [c.strip() for c in line.strip("|").split("|")]
        rows[cells[0]] = (float(cells[cpu]), float(cells[rss]), float(cells[hwm]))
    return table, notes, rows, "`%s`" % command


def fmt(x):
    """Three significant figures, no trailing noise."""
    if x >= 100:
        return "%.0f" % x
    if x >= 10:
        return "%.1f" % x
    if x >= 1:
        return "%.2f" % x
    return "%.3g" % x


def replace_region(path, name, body, print_only):
    text = open(path, encoding="utf-8").read()
    pattern = re.compile(r"(<!-- figures:%s begin[^>]*-->\n).*?(<!-- figures:%s end -->)"
                         % (name, name), re.S)
    if not pattern.search(text):
        sys.exit("measure-figures: no figures:%s markers in %s" % (name, path))
    if print_only:
        print("== %s (%s)\n%s" % (os.path.relpath(path, ROOT), name, body))
        return
    text = pattern.sub(lambda m: m.group(1) + body.rstrip("\n") + "\n" + m.group(2), text,
                       count=1)
    open(path, "w", encoding="utf-8").write(text)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--quick", type=int, default=0)
    parser.add_argument("--print", type=int, default=0)
    parser.add_argument("--analysis", type=int, default=0)
    a = parser.parse_args()
    build = os.path.abspath(a.build)
    build_shown = os.path.relpath(build, ROOT)
    quick = bool(a.quick)

    stamp = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    where = machine(build)
    tree = commit()
    load_start = load_average()
    if load_start > 1.0:
        print("measure-figures: load average %.1f: other work is running, the figures will "
              "be slower than on an idle machine" % load_start, file=sys.stderr)
    reps_bench = 1 if quick else 5
    reps_tool = 1 if quick else 3

    analysis, cmd_analysis = benchmarks(os.path.join(build, "bench", "bench_analysis"),
                                        reps_bench, quick)
    seconds = 60 if quick else LONG_SECONDS
    reps_long = 1 if quick else 5
    print("measure-figures: kalvo-analyze and aubiopitch on a %d s file, %d runs each"
          % (seconds, reps_long), file=sys.stderr)
    with tempfile.TemporaryDirectory(prefix="kalvo-figures.") as work:
        long_runs = long_file_runs(build, reps_long, work, seconds)
    if a.analysis:
        load_end = load_average()
        kind = "quick run (one repetition, short runs): not for quoting" if quick else \
            "medians of %d runs (the long file: %d, taken in turn)" % (reps_bench, reps_long)
        about = ("Written by `scripts/measure-figures.sh --analysis %s` on %s, commit %s; %s; "
                 "Release build in `%s`; load average %.1f at the start, %.1f at the end; %s."
                 % (build_shown, stamp, tree, where, build_shown, load_start, load_end, kind))
        replace_region(README, "analysis",
                       "\n".join(analysis_rows(analysis, cmd_analysis, long_runs, seconds,
                                               build_shown, about)), a.print)
        return
    tool, cmd_tool = benchmarks(os.path.join(build, "bench", "bench_analyze"), reps_tool, quick)
    views, cmd_views = benchmarks(os.path.join(build, "bench", "bench_views"), reps_bench, quick)
    with tempfile.TemporaryDirectory(prefix="kalvo-figures.") as work:
        rate44 = analyze_44k(build, reps_tool, work)
    rt_table, rt_notes, rt, cmd_runtime = runtime(build_shown, quick)
    load_end = load_average()

    def block(size, window, fundamental=0):
        return analysis["BM_AnalyseBlock/size8192:%d/window:%d/fundamental:%d"
                        % (size, window, fundamental)]

    def per_cpu_s(b):  # seconds of audio (60 s files) per CPU second
        return 60.0 / (to_us(b) / 1e6)

    b8h, b8g = block(1, WINDOW_HANNING), block(1, WINDOW_GAUSSIAN)
    b4h, b4g = block(0, WINDOW_HANNING), block(0, WINDOW_GAUSSIAN)
    b8f = block(1, WINDOW_HANNING, 1)
    kind = "quick run (one repetition, short windows): not for quoting" if quick else \
        "medians of %d runs (kalvo-analyze: %d; the long file: %d, taken in turn)" % (
            reps_bench, reps_tool, reps_long)
    about = ("Written by `scripts/measure-figures.sh %s` on %s, commit %s; %s; Release build "
             "in `%s`; load average %.1f at the start, %.1f at the end; %s." %
             (build_shown, stamp, tree, where, build_shown, load_start, load_end, kind))
    ms = "%s MB"

    def runtime_row(key):
        cpu, rss, _ = rt[key]
        return cpu, rss

    high, normal, low = (runtime_row("kalvo, refresh rate %s" % r) for r in ("High", "Normal", "Low"))
    term = runtime_row("kalvo-analyze --live --input (terminal)")
    summary = [
        "| what | figure | command |",
        "|---|---|---|",
        "| `AnalyseBlock`, 8192 points, Hanning / Gaussian | %s / %s µs per block (%s times real time) | %s |"
        % (fmt(to_us(b8h)), fmt(to_us(b8g)), fmt(b8h["x_realtime"]), cmd_analysis),
        "| `AnalyseBlock`, 4096 points, Hanning / Gaussian | %s / %s µs per block | same |"
        % (fmt(to_us(b4h)), fmt(to_us(b4g))),
        "| `AnalyseBlock`, 8192 points, fundamental method | %s µs per block | same |"
        % fmt(to_us(b8f)),
        "| `ComputeFft` 8192 / 4096 points | %s / %s µs | same |"
        % (fmt(to_us(analysis["BM_ComputeFft/8192"])), fmt(to_us(analysis["BM_ComputeFft/4096"]))),
        "| the analysis's 8192-point transform, plain C++ / AVX2 | %s / %s µs | same |"
        % (fmt(to_us(analysis["BM_FftKernel/avx2:0"])),
           fmt(to_us(analysis["BM_FftKernel/avx2:1"])) if "BM_FftKernel/avx2:1" in analysis
           and "error_occurred" not in analysis["BM_FftKernel/avx2:1"] else "(no AVX2)"),
        "| kalvo-analyze on a 60 s 16 kHz stereo file (session log / `--tsv`) | %s / %s s of audio per CPU second | %s |"
        % (fmt(per_cpu_s(tool["BM_AnalyzeLog"])), fmt(per_cpu_s(tool["BM_AnalyzeTsv"])), cmd_tool),
        "| kalvo-analyze `--tsv` on a 60 s file, `--jobs 1` / `--jobs 2`, wall time | %s / %s ms (%.2f times faster) | same |"
        % (fmt(to_us(tool["BM_AnalyzeJobs/jobs:1/real_time"], "real_time") / 1000.0),
           fmt(to_us(tool["BM_AnalyzeJobs/jobs:2/real_time"], "real_time") / 1000.0),
           to_us(tool["BM_AnalyzeJobs/jobs:1/real_time"], "real_time")
           / to_us(tool["BM_AnalyzeJobs/jobs:2/real_time"], "real_time")),
        "| kalvo-analyze on a 60 s 44.1 kHz mono file (resampled) | %s s of audio per CPU second | `%s/tools/kalvo-analyze FILE`, user + system time |"
        % (fmt(rate44), build_shown),
        "| repaint of each view | cent meter %s µs, note area %s µs, frequency display %s µs, spectrum %s µs (%s µs logarithmic, %s µs at the largest window) | %s |"
        % (fmt(to_us(views["BM_CentMeter"])), fmt(to_us(views["BM_NoteArea/0"])),
           fmt(to_us(views["BM_FrequencyDisplay"])), fmt(to_us(views["BM_SpectrumArea/362/193/0"])),
           fmt(to_us(views["BM_SpectrumArea/362/193/1"])),
           fmt(to_us(views["BM_SpectrumArea/620/455/0"])), cmd_views),
        "| the running window, refresh High / Normal / Low, X server included | %.2f %% / %.2f %% / %.2f %% of one core, %s resident | %s |"
        % (high[0], normal[0], low[0], ms % fmt(high[1]), cmd_runtime),
        "| the window with the strobe, all rows moving, X server included | %.2f %% of one core | same |"
        % rt["kalvo --strobe, refresh rate High, all rows moving"][0],
        "| the terminal tuner (`kalvo-analyze --live`) | %.2f %% of one core, %s resident | same |"
        % (term[0], ms % fmt(term[1])),
        "",
        about,
    ]

    tool_rows = [
        "| benchmark | CPU per 60 s file | audio s per CPU s |",
        "|---|---:|---:|",
    ]
    for name, label in [("BM_AnalyzeLog", "`BM_AnalyzeLog` (default output)"),
                        ("BM_AnalyzeAll", "`BM_AnalyzeAll` (`--all`)"),
                        ("BM_AnalyzeTsv", "`BM_AnalyzeTsv` (`--tsv`)"),
                        ("BM_ReadOnly16kStereo", "`BM_ReadOnly16kStereo` (reading alone, no resampling)"),
                        ("BM_ReadOnly44kMono", "`BM_ReadOnly44kMono` (reading alone, 44.1 kHz mono resampled)")]:
        b = tool[name]
        tool_rows.append("| %s | %s ms | %s |" % (label, fmt(to_us(b) / 1000.0), fmt(per_cpu_s(b))))
    tool_rows.append("| the program on a 60 s 44.1 kHz mono file (resampled) | %s ms | %s |"
                     % (fmt(60000.0 / rate44), fmt(rate44)))
    tool_rows += ["", "Benchmarks: %s. The last row: `%s/tools/kalvo-analyze FILE`, user + system "
                  "time of the process." % (cmd_tool, build_shown), "", about]

    runtime_rows = rt_table + [""] + rt_notes + ["", about]

    replace_region(README, "summary", "\n".join(summary), a.print)
    replace_region(README, "analysis",
                   "\n".join(analysis_rows(analysis, cmd_analysis, long_runs, seconds,
                                           build_shown, about)), a.print)
    replace_region(TOOL_DOC, "tool", "\n".join(tool_rows), a.print)
    replace_region(RUNTIME_DOC, "runtime", "\n".join(runtime_rows), a.print)
    if not a.print:
        print("measure-figures: wrote README.md, docs/measurements-tool.md and "
              "docs/measurements-runtime.md", file=sys.stderr)


if __name__ == "__main__":
    main()
