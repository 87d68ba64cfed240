#!/usr/bin/env python3
"""Whole-process timings of the programs, each paired with an anchor run in the same loop.

usage: bench/process_times.py BUILD_BIN_DIR [--runs N] [--only NAME,...]

Each pair runs its command and its anchor alternately, N times each (21 by default), and
prints the minimum, median and maximum wall-clock time of both and the ratio of the
medians. Alternating keeps a busy machine from favouring one side. Nothing here is a test:
the figures go into bench/README.md by hand, with the machine they came from.

Pairs:
  floor    vandrell-cli --version                      against /bin/true
  dxf      vandrell-cli dxf, 250 mm rib, sheeting,     against python3 + ezdxf writing a
           edge pieces, 10 reference lines             rib-sized R12 drawing
  series   vandrell-cli series, 90 ribs e387 -> ag24   against the same blend in Python
           into one folder, each run replacing the files of the run before
  series-new  the same, each run into a new folder     (ext4 without a journal makes a new
           file wait on every inode freed in the last minute: the replacing loop slows
           itself down, which a user who runs a series now and then never meets)
  print    vandrell-cli print, 600 mm rib, 3 A4 sheets against vandrell-cli --version
  startup  the main window shown (startup_probe)       against a bare Qt main window
           (both need -DVANDRELL_BUILD_BENCH=ON); on a display of their own under Xvfb
           with openbox when both are installed, else offscreen

The load average before and after is printed too: on a shared machine it says how far the
figures can be trusted.
"""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
AIRFOILS = os.path.join(HERE, "..", "airfoils")

EZDXF_ANCHOR = r"""
import math, sys, ezdxf
doc = ezdxf.new("R12")
msp = doc.modelspace()
# A rib-sized drawing: two 200-point contours, sheeting lines, ten reference lines, text.
for offset in (0.0, 1.5):
    pts = [(250 * (1 - math.cos(math.pi * i / 199)) / 2,
            (18 - offset) * math.sin(math.pi * i / 199)) for i in range(200)]
    for a, b in zip(pts, pts[1:]):
        msp.add_line(a, b, dxfattribs={"layer": "PROFIL"})
        msp.add_line((a[0], -a[1] / 3), (b[0], -b[1] / 3), dxfattribs={"layer": "PROFIL"})
for k in range(10):
    x = 250 * (k + 1) / 11
    msp.add_line((x, -8), (x, 20), dxfattribs={"layer": "REPERE"})
msp.add_text("clarky Chord : 250", dxfattribs={"height": 3.5}).set_pos((10, -20))
doc.saveas(sys.argv[1])
"""

SERIES_ANCHOR = r"""
import bisect, os, sys
def read(path):
    pts = []
    for line in open(path, encoding="latin-1").read().splitlines()[1:]:
        parts = line.split()
        if len(parts) >= 2:
            try:
                pts.append((float(parts[0]), float(parts[1])))
            except ValueError:
                pass
    return pts
def surfaces(pts):
    nose = min(range(len(pts)), key=lambda i: pts[i][0])
    upper = pts[:nose + 1][::-1]
    lower = pts[nose:]
    return upper, lower
def at(surface, x, kept={}):
    xs = kept.get(id(surface))
    if xs is None:
        xs = kept[id(surface)] = [p[0] for p in surface]
    i = min(max(bisect.bisect_left(xs, x), 1), len(surface) - 1)
    (x0, y0), (x1, y1) = surface[i - 1], surface[i]
    return y0 if x1 == x0 else y0 + (y1 - y0) * (x - x0) / (x1 - x0)
root, tip, out = sys.argv[1], sys.argv[2], sys.argv[3]
ru, rl = surfaces(read(root))
tu, tl = surfaces(read(tip))
stations = [1 - j / 400 for j in range(401)]
ribs = 92
for k in range(ribs):
    f = k / (ribs - 1)
    chord = 240 + (150 - 240) * f
    lines = ["e387&ag24R%02d Chord : %.2f" % (k + 1, chord)]
    up = [(x, (1 - f) * at(ru, x) + f * at(tu, x)) for x in stations]
    lo = [(x, (1 - f) * at(rl, x) + f * at(tl, x)) for x in reversed(stations)]
    for x, y in up + lo[1:]:
        lines.append("%.6f %.6f" % (x, y))
    with open(os.path.join(out, "e387&ag24R%02d.dat" % (k + 1)), "w", newline="") as fh:
        fh.write("\r\n".join(lines) + "\r\n")
"""


def timed(cmd, env=None):
    start = time.perf_counter()
    done = subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env, check=False)
    elapsed = (time.perf_counter() - start) * 1000.0
    if done.returncode != 0:
        # A run that failed says nothing about speed.
        raise SystemExit("%s exited %d: %s" % (" ".join(cmd[:2]), done.returncode, done.stderr.decode()[-300:]))
    return elapsed


def summary(times):
    return min(times), statistics.median(times), max(times)


def run_pair(name, cmd, anchor, runs, env=None, prepare=None):
    ours, theirs = [], []
    for _ in range(runs):
        if prepare:
            prepare()
        ours.append(timed(cmd, env))
        if prepare:
            prepare()
        theirs.append(timed(anchor, env))
    a, b = summary(ours), summary(theirs)
    print("%-10s ours   min %7.1f  median %7.1f  max %7.1f ms" % (name, *a))
    print("%-10s anchor min %7.1f  median %7.1f  max %7.1f ms   ratio ours/anchor %.2f" % ("", *b, a[1] / b[1]))


def python_with_ezdxf():
    """This Python, or the system's where only that has the Debian package python3-ezdxf."""
    for python in (sys.executable, "/usr/bin/python3"):
        if os.path.exists(python) and subprocess.run([python, "-c", "import ezdxf"], stdout=subprocess.DEVNULL,
                                                     stderr=subprocess.DEVNULL).returncode == 0:
            return python
    return None


class Display:
    """An Xvfb server with openbox on a free display number, for the window pair."""

    def __init__(self):
        self.procs = []
        self.env = None
        if not (shutil.which("Xvfb") and shutil.which("openbox")):
            return
        number = next(n for n in range(150, 400) if not os.path.exists("/tmp/.X%d-lock" % n))
        xvfb = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(xvfb)
        for _ in range(100):
            if os.path.exists("/tmp/.X11-unix/X%d" % number):
                break
            time.sleep(0.05)
        else:
            return
        self.env = dict(os.environ, DISPLAY=":%d" % number)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.procs.append(subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
        time.sleep(1)

    def close(self):
        for p in reversed(self.procs):
            p.send_signal(signal.SIGTERM)
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 64
    bindir = os.path.abspath(sys.argv[1])
    runs = 21
    only = None
    args = sys.argv[2:]
    while args:
        if args[0] == "--runs":
            runs = int(args[1])
            args = args[2:]
        elif args[0] == "--only":
            only = set(args[1].split(","))
            args = args[2:]
        else:
            print(__doc__)
            return 64
    cli = os.path.join(bindir, "vandrell-cli")
    work = tempfile.mkdtemp(prefix="vandrell-bench-")
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    clarky = os.path.join(AIRFOILS, "clarky.dat")
    print("load average before: %.2f %.2f %.2f" % os.getloadavg())
    try:
        def want(name):
            return only is None or name in only

        if want("floor"):
            run_pair("floor", [cli, "--version"], ["/bin/true"], runs, env)
        anchor_python = python_with_ezdxf() if want("dxf") else None
        if want("dxf") and not anchor_python:
            print("dxf      skipped: python3-ezdxf, the anchor, is not installed")
        elif want("dxf"):
            run_pair("dxf", [cli, "dxf", clarky, "--chord", "250", "--sheeting", "1.5", "--le", "5", "--te", "10",
                             "--marks", "10", "-o", os.path.join(work, "rib.dxf")],
                     [anchor_python, "-c", EZDXF_ANCHOR, os.path.join(work, "anchor.dxf")], runs, env)
        # Before the replacing loop, whose freed inodes would slow the new folders' files.
        if want("series-new"):
            folders = iter(range(1_000_000))
            ours_cmd = [cli, "series", os.path.join(AIRFOILS, "e387.dat"), os.path.join(AIRFOILS, "ag24.dat"),
                        "--root-chord", "240", "--tip-chord", "150", "--ribs", "90", "-o", ""]
            anchor_cmd = [sys.executable, "-c", SERIES_ANCHOR, os.path.join(AIRFOILS, "e387.dat"),
                          os.path.join(AIRFOILS, "ag24.dat"), ""]

            def new_folders():
                folder = os.path.join(work, "new-%d" % next(folders))
                os.makedirs(folder)
                ours_cmd[-1] = anchor_cmd[-1] = folder

            run_pair("series-new", ours_cmd, anchor_cmd, runs, env, prepare=new_folders)
        if want("series"):
            ours_dir = os.path.join(work, "series")
            theirs_dir = os.path.join(work, "anchor-series")
            for d in (ours_dir, theirs_dir):
                os.makedirs(d, exist_ok=True)
            run_pair("series", [cli, "series", os.path.join(AIRFOILS, "e387.dat"), os.path.join(AIRFOILS, "ag24.dat"),
                                "--root-chord", "240", "--tip-chord", "150", "--ribs", "90", "-o", ours_dir],
                     [sys.executable, "-c", SERIES_ANCHOR, os.path.join(AIRFOILS, "e387.dat"),
                      os.path.join(AIRFOILS, "ag24.dat"), theirs_dir], runs, env)
        if want("print"):
            run_pair("print", [cli, "print", clarky, "--chord", "600", "--paper", "0", "-o", os.path.join(work, "p.pdf")],
                     [cli, "--version"], runs, env)
        probe = os.path.join(bindir, "startup_probe")
        bare = os.path.join(bindir, "bare_window_probe")
        if want("startup") and os.path.exists(probe) and os.path.exists(bare):
            display = Display()
            try:
                print("startup  on %s" % ("Xvfb with openbox, DISPLAY=" + display.env["DISPLAY"] if display.env
                                          else "the offscreen platform"))
                run_pair("startup", [probe], [bare], runs, display.env or env)
            finally:
                display.close()
        elif want("startup"):
            print("startup  skipped: build with -DVANDRELL_BUILD_BENCH=ON for startup_probe and bare_window_probe")
        print("load average after:  %.2f %.2f %.2f" % os.getloadavg())
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
