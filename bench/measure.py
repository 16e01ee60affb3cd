#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times `tembusa translate` on the corpus and prints one table.

usage: measure.py APPDIR CORPUSDIR WORKDIR [--runs N] [--quick]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time


def words_in(path):
    with open(path, "rb") as f:
        return len(f.read().split())


def timed(cmd, stdin_path=None, env=None):
    """Runs cmd under /usr/bin/time; returns (seconds to the first output byte,
    seconds in all, peak memory in KiB, output bytes, processor seconds)."""
    full = ["/usr/bin/time", "-f", "%M %U %S"] + cmd
    stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
    start = time.monotonic()
    proc = subprocess.Popen(full, stdin=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
    first = None
    size = 0
    while True:
        chunk = proc.stdout.read1(1 << 16)
        if not chunk:
            break
        if first is None:
            first = time.monotonic() - start
        size += len(chunk)
    err = proc.stderr.read().decode(errors="replace")
    proc.wait()
    total = time.monotonic() - start
    if proc.returncode != 0:
        sys.exit("failed (%d): %s\n%s" % (proc.returncode, " ".join(cmd), err))
    peak, user, system = err.strip().splitlines()[-1].split()
    return first if first is not None else total, total, int(peak), size, float(user) + float(system)


def load():
    return os.getloadavg()[0]


def summary(values):
    med = statistics.median(values)
    return med, min(values), max(values)


def fmt_spread(values, unit="s", scale=1.0):
    med, lo, hi = summary([v * scale for v in values])
    return "%.3f %s (%.3f-%.3f)" % (med, unit, lo, hi)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("appdir")
    ap.add_argument("corpus")
    ap.add_argument("work")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--quick", action="store_true", help="leave out the 100 MB text")
    args = ap.parse_args()

    tembusa = os.path.join(args.appdir, "tembusa")
    os.makedirs(args.work, exist_ok=True)
    master = os.path.join(args.work, "default-kamus.mdb")
    if os.path.exists(master):
        os.remove(master)
    subprocess.run([tembusa, "dict", "build", "--db", master], check=True, stdout=subprocess.DEVNULL)
    db = os.path.join(args.work, "kamus.mdb")

    def translate(text, runs):
        rows = []
        for _ in range(runs):
            shutil.copyfile(master, db)
            rows.append(timed([tembusa, "translate", "--db", db, text]))
        return rows

    rows = []
    loads = [load()]
    one = os.path.join(args.corpus, "corpus-1mb.txt")
    ten = os.path.join(args.corpus, "corpus-10mb.txt")
    short = os.path.join(args.work, "short.txt")
    with open(short, "w") as f:
        f.write("The old man reads a good book in his house.\n")

    w1 = words_in(one)
    r1 = translate(one, args.runs)
    t1 = [r[1] for r in r1]
    c1 = [r[4] for r in r1]
    m1 = max(r[2] for r in r1)
    rate1 = [w1 / t for t in t1]
    cpurate1 = [w1 / max(c, 0.005) for c in c1]
    rows.append(("translate 1 MB (%d words)" % w1, fmt_spread(t1), fmt_spread(c1),
                 "%.0f words/s (%.0f-%.0f); per processor second %.0f" %
                 (summary(rate1) + (statistics.median(cpurate1),)),
                 "%.1f MiB" % (m1 / 1024), ">= 250,000 words/s, <= 64 MiB",
                 statistics.median(cpurate1) >= 250000 and m1 <= 64 * 1024))
    loads.append(load())

    r10 = translate(ten, max(3, args.runs // 2))
    t10 = [r[1] for r in r10]
    c10 = [r[4] for r in r10]
    m10 = max(r[2] for r in r10)
    ratio_t = statistics.median(c10) / statistics.median(c1)
    ratio_m = m10 / m1
    rows.append(("translate 10 MB (%d words)" % words_in(ten), fmt_spread(t10), fmt_spread(c10),
                 "processor time %.1f x, memory %.2f x the 1 MB run" % (ratio_t, ratio_m),
                 "%.1f MiB" % (m10 / 1024), "<= 11 x time, <= 2 x memory",
                 ratio_t <= 11 and ratio_m <= 2))
    loads.append(load())

    rs = translate(short, max(10, args.runs * 2))
    ts = [r[1] for r in rs]
    cs = [r[4] for r in rs]
    rows.append(("translate one short sentence", fmt_spread(ts, "ms", 1000),
                 fmt_spread(cs, "ms", 1000), "", "%.1f MiB" % (max(r[2] for r in rs) / 1024),
                 "<= 30 ms", statistics.median(ts) <= 0.030))
    loads.append(load())

    if not args.quick:
        hundred = os.path.join(args.corpus, "corpus-100mb.txt")
        size = os.path.getsize(hundred)
        shutil.copyfile(master, db)
        first, total, peak, _, cpu = timed([tembusa, "translate", "--db", db, hundred])
        ratio = cpu / statistics.median(c10)
        rows.append(("translate 100 MB (%d MB)" % (size // 1000000), "%.1f s" % total,
                     "%.1f s" % cpu, "first output after %.2f s; processor time %.1f x the 10 MB run"
                     % (first, ratio), "%.0f MiB" % (peak / 1024),
                     "output within 1 s, linear, <= 4 x text (%d MiB)" % (4 * size // (1 << 20)),
                     first <= 1.0 and peak * 1024 <= 4 * size and ratio <= 11))
        loads.append(load())

    apertium = shutil.which("apertium")
    if apertium:
        ra = []
        for _ in range(max(3, args.runs // 2)):
            ra.append(timed([apertium, "eng-spa"], stdin_path=one))
        ta = [r[1] for r in ra]
        ca = [r[4] for r in ra]
        ratea = [w1 / t for t in ta]
        cpuratea = [w1 / c for c in ca]
        times = statistics.median(cpurate1) / statistics.median(cpuratea)
        rows.append(("yardstick: apertium eng-spa, 1 MB", fmt_spread(ta), fmt_spread(ca),
                     "%.0f words/s (%.0f-%.0f); per processor second %.0f" %
                     (summary(ratea) + (statistics.median(cpuratea),)),
                     "%.1f MiB" % (max(r[2] for r in ra) / 1024),
                     "tembusa >= 15 x: %.1f x (wall %.1f x)" %
                     (times, statistics.median(rate1) / statistics.median(ratea)), times >= 15))
        loads.append(load())
    else:
        rows.append(("yardstick: apertium eng-spa", "not installed", "", "", "", "", None))

    print()
    print("| figure | wall time: median (min-max) | processor time (user+sys) | rate / ratio "
          "| peak memory | target | met |")
    print("|---|---|---|---|---|---|---|")
    for name, t, cpu, rate, mem, target, met in rows:
        print("| %s | %s | %s | %s | %s | %s | %s |" %
              (name, t, cpu, rate, mem, target, "-" if met is None else ("yes" if met else "NO")))
    print()
    print("machine: %d cores, 1-minute load %s during the runs. Rates are judged per processor "
          "second, which other work on the machine does not stretch; the short sentence by wall "
          "time." % (os.cpu_count(), ", ".join("%.1f" % l for l in loads)))


if __name__ == "__main__":
    main()
