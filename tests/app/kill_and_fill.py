#!/usr/bin/env python3
"""Files whole or untouched, whatever happens to the run that writes them.

Series, kit and resave runs are killed at random moments (at least 50 each): every file
left is then the earlier run's or the new one's, whole, a kit folder is one kit or the
other, and once the next run has written into the folder nothing of ours stays hidden
there. A small disk is filled under a series and a kit: the folder keeps its earlier
set whole and the message says so. Two series are run into one folder at once: the
folder holds one of them whole and both say they are done.

usage: kill_and_fill.py CLI AIRFOIL_DIR PROJECT_DIR WORK_DIR
"""
import os
import random
import shutil
import subprocess
import sys
import time

TRIES = 50
WORDS = ("Rib", "Rippe")  # two series: the same file names (the first letter), other contents
CLI, AIRFOILS, PROJECTS, WORK = sys.argv[1:5]
ROOT, TIP = os.path.join(AIRFOILS, "clarky.dat"), os.path.join(AIRFOILS, "naca0012.dat")
failures = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text)


# Its own settings, in English: not whatever a run of the window left beside the program.
INI = os.path.join(WORK, "english.ini")


def run(args, check=True):
    r = subprocess.run([CLI, "--ini", INI] + args, capture_output=True, text=True)
    if check and r.returncode != 0:
        sys.exit("%s: exit %d\n%s%s" % (" ".join(args), r.returncode, r.stdout, r.stderr))
    return r


def series_args(rib_word, ribs, folder, root_chord=200):
    return ["--unit", "mm", "series", ROOT, TIP, "--root-chord", str(root_chord), "--tip-chord", "100",
            "--ribs", str(ribs), "--rib-word", rib_word, "-o", folder]


def kit_args(sheet, summary, folder):
    return ["kit", summary, "--sheet", sheet, "-o", folder]


def files_in(folder, skip_contents=()):
    """The visible files of a folder with their bytes (a name of `skip_contents`: None)."""
    found = {}
    for name in os.listdir(folder):
        path = os.path.join(folder, name)
        if not name.startswith(".") and os.path.isfile(path):
            found[name] = None if name in skip_contents else open(path, "rb").read()
    return found


def hidden_in(folder):
    return sorted(n for n in os.listdir(folder) if n.startswith("."))


def fresh(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def duration(args):
    """The slowest of three whole runs: kills are spread over that."""
    times = []
    for _ in range(3):
        start = time.monotonic()
        run(args)
        times.append(time.monotonic() - start)
    return max(times)


def kill_at_random(name, make_args, check, hidden):
    """TRIES runs, each killed at a random moment of a whole run's time; `check` after each.
    Then a whole run (that of make_args(0)): nothing of ours, `hidden()`, may stay."""
    span = duration(make_args(0)) * 1.1
    left_hidden = 0
    for i in range(TRIES):
        p = subprocess.Popen([CLI, "--ini", INI] + make_args(i), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(random.uniform(0, span))
        p.kill()
        p.wait()
        check(i)
        left_hidden += len(hidden()) > 0
    run(make_args(0))
    if hidden():
        fail("%s: hidden files stay after a whole run: %s" % (name, hidden()[:5]))
    print("%s: %d runs killed over %.0f ms; hidden files there after %d of the kills, cleared by the next run"
          % (name, TRIES, span * 1000, left_hidden))


def kill_series():
    refs = {}
    for word in WORDS:
        ref = fresh(os.path.join(WORK, "ref" + word))
        run(series_args(word, 40, ref))
        refs[word] = files_in(ref)
    folder = fresh(os.path.join(WORK, "series"))
    run(series_args(WORDS[0], 40, folder))

    def check(i):
        now = files_in(folder)
        if set(now) != set(refs[WORDS[0]]):
            fail("series kill %d: the folder holds %d files, not %d" % (i, len(now), len(refs[WORDS[0]])))
        for name, data in now.items():
            if data not in (refs[WORDS[0]].get(name), refs[WORDS[1]].get(name)):
                fail("series kill %d: %s is neither run's" % (i, name))

    kill_at_random("series", lambda i: series_args(WORDS[i % 2], 40, folder), check, lambda: hidden_in(folder))


def kill_kit():
    # A kit of ten ribs: the run is short, so that the kills fall often in its writing.
    series_folder = fresh(os.path.join(WORK, "kitseries"))
    run(series_args(WORDS[0], 8, series_folder))
    summary = [os.path.join(series_folder, n) for n in os.listdir(series_folder) if n.endswith(".txt")][0]
    sheets = ("100x400", "140x1000")
    refs = []
    for sheet in sheets:
        folder = fresh(os.path.join(WORK, "refkit" + sheet))
        open(os.path.join(folder, "notes.txt"), "w").write("mine")
        run(kit_args(sheet, summary, folder))
        refs.append(files_in(folder, ("kit.pdf", "kit-check.pdf")))
    if refs[0] == refs[1]:
        sys.exit("the two kits are the same: the check would see nothing")
    folder = fresh(os.path.join(WORK, "kit"))
    open(os.path.join(folder, "notes.txt"), "w").write("mine")
    run(kit_args(sheets[0], summary, folder))

    def check(i):
        now = files_in(folder, ("kit.pdf", "kit-check.pdf"))
        if now not in refs:
            fail("kit kill %d: a mixed kit: %s" % (i, sorted(now)))

    kill_at_random("kit", lambda i: kit_args(sheets[i % 2], summary, folder), check,
                   lambda: hidden_in(WORK) + hidden_in(folder))


def kill_resave():
    projects = [os.path.join(PROJECTS, n) for n in ("full_mm.vdl", "upside_down_mm.vdl")]
    folder = fresh(os.path.join(WORK, "resave"))
    out = os.path.join(folder, "wing.vdl")
    refs = []
    for project in projects:
        run(["resave", project, out])
        refs.append(open(out, "rb").read())

    def check(i):
        if open(out, "rb").read() not in refs:
            fail("resave kill %d: wing.vdl is neither project" % i)

    kill_at_random("resave", lambda i: ["resave", projects[i % 2], out], check, lambda: hidden_in(folder))


def mount_small(at, size_kb):
    """A small file system at `at`: tmpfs, else a loop device; False where not allowed."""
    os.makedirs(at, exist_ok=True)
    if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=%dk" % size_kb, "tmpfs", at],
                      capture_output=True).returncode == 0:
        return True
    image = at + ".img"
    with open(image, "wb") as f:
        f.truncate(size_kb * 1024)
    return (subprocess.run(["mkfs.ext2", "-q", "-F", image], capture_output=True).returncode == 0 and
            subprocess.run(["mount", "-o", "loop", image, at], capture_output=True).returncode == 0)


def fill_up(disk, leave_kb):
    """A file taking all but `leave_kb` of the disk's free space."""
    st = os.statvfs(disk)
    filler = os.path.join(disk, "filler")
    with open(filler, "wb") as f:
        f.write(b"\0" * max(0, st.f_bavail * st.f_frsize - leave_kb * 1024))
    return filler


def fill_disk():
    small = os.path.join(WORK, "small")
    if not mount_small(small, 2048):
        print("full disk: skipped: this machine does not let a test mount a small file system (tmpfs or loop)")
        return
    try:
        folder = os.path.join(small, "series")
        os.makedirs(folder)
        run(series_args(WORDS[0], 4, folder))
        before = files_in(folder)
        filler = fill_up(small, 64)
        r = run(series_args(WORDS[1], 90, folder), check=False)
        if r.returncode != 1 or "# 61 " not in r.stderr or "the folder holds the files it held before" not in r.stderr:
            fail("full disk, series: exit %d, message:\n%s" % (r.returncode, r.stderr))
        if files_in(folder) != before or hidden_in(folder):
            fail("full disk, series: the earlier series is not whole: %s" % sorted(files_in(folder)))
        os.remove(filler)
        summary = [os.path.join(folder, n) for n in os.listdir(folder) if n.endswith(".txt")][0]
        kit = os.path.join(small, "kit")
        run(kit_args("100x600", summary, kit))
        before = files_in(kit, ("kit.pdf", "kit-check.pdf"))
        filler = fill_up(small, 32)
        r = run(kit_args("140x1000", summary, kit), check=False)
        if r.returncode != 1 or files_in(kit, ("kit.pdf", "kit-check.pdf")) != before or hidden_in(small) or hidden_in(kit):
            fail("full disk, kit: exit %d, %s, hidden %s" % (r.returncode, sorted(files_in(kit)), hidden_in(small)))
        os.remove(filler)
        run(kit_args("140x1000", summary, kit))
        # The disk's own folder, a mount point, cannot be exchanged: written in place.
        empty = os.path.join(small, "empty")
        os.makedirs(empty)
        subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", empty], capture_output=True)
        try:
            run(kit_args("100x600", summary, empty))
            run(kit_args("140x1000", summary, empty))
            if files_in(empty, ("kit.pdf", "kit-check.pdf")) != files_in(kit, ("kit.pdf", "kit-check.pdf")) or hidden_in(empty) or hidden_in(small):
                fail("a kit into a mount point: %s" % sorted(files_in(empty)))
        finally:
            subprocess.run(["umount", empty], capture_output=True)
        print("full disk: a series and a kit that did not fit left the earlier ones whole")
    finally:
        subprocess.run(["umount", small], capture_output=True)


def two_at_once():
    refs = [files_in(os.path.join(WORK, "ref" + word)) for word in WORDS]
    folder = fresh(os.path.join(WORK, "two"))
    for i in range(20):
        runs = [subprocess.Popen([CLI, "--ini", INI] + series_args(word, 40, folder), stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE) for word in WORDS]
        codes = [p.wait() for p in runs]
        if codes != [0, 0]:
            fail("two at once %d: exits %s" % (i, codes))
        now = files_in(folder)
        if now not in refs:
            fail("two at once %d: a mixed series" % i)
    if hidden_in(folder):
        fail("two at once: hidden files stay: %s" % hidden_in(folder))
    print("two at once: 20 pairs of series into one folder, each leaving one series whole")


def main():
    subprocess.run(["umount", os.path.join(WORK, "small")], capture_output=True)  # a run stopped halfway
    fresh(WORK)
    with open(INI, "w") as ini:
        ini.write("[Language]\nLangue=English\n")
    random.seed(int(os.environ.get("KILL_SEED", time.time())))
    kill_series()
    kill_kit()
    kill_resave()
    fill_disk()
    two_at_once()
    if failures:
        sys.exit("%d failures" % len(failures))


main()
