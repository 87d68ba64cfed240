#!/usr/bin/env python3
"""Everything vandrell-cli writes over the starter airfoils and the test projects, to compare
two builds file by file (a change that must leave every output as it was).

    cli_outputs.py write CLI DIR     runs every command, keeps its files, standard output,
                                     standard error and exit status under DIR
    cli_outputs.py compare DIR1 DIR2 lists what differs; exit 1 when anything does

PDF files are compared without their creation date, which is the only part that changes
from one run to the next. Runs in a scratch home and with a settings file of its own, so
neither build's folder nor the user's settings take part.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.normpath(os.path.join(HERE, "..", ".."))
AIRFOILS = os.path.join(SOURCE, "airfoils")
PROJECTS = os.path.join(SOURCE, "tests", "data", "projects")


def runs():
    """(name, arguments, output files) of every run; paths are relative to the run's folder."""
    airfoils = sorted(f for f in os.listdir(AIRFOILS) if f.endswith(".dat"))
    projects = sorted(f for f in os.listdir(PROJECTS) if f.endswith(".vdl"))
    out = []
    rib = ["--chord", "250", "--sheeting", "1.5", "--le", "5", "--te", "10", "--marks", "10"]
    for a in airfoils:
        src = os.path.join("airfoils", a)
        n = a[:-4]
        out.append(("info-" + n, ["info", src, "--stations"], []))
        out.append(("dxf-" + n, ["dxf", src, "-o", n + ".dxf"] + rib, [n + ".dxf"]))
        out.append(("dxfinv-" + n, ["dxf", src, "-o", n + "-inv.dxf", "--inverted"], [n + "-inv.dxf"]))
        out.append(("cut-" + n, ["cut", src, "-o", n + "-cut.dxf", "--kerf", "0.15", "--engrave", "yes"] + rib,
                    [n + "-cut.dxf"]))
        out.append(("cut12-" + n, ["cut", src, "-o", n + "-cut12.dxf", "--dxf", "r12"], [n + "-cut12.dxf"]))
        out.append(("cutsvg-" + n, ["cut", src, "-o", n + "-cut.svg"], [n + "-cut.svg"]))
        out.append(("render-" + n, ["render", src, "-o", n + ".png", "--zoom", "0.5"] + rib, [n + ".png"]))
        out.append(("rendersvg-" + n, ["render", src, "-o", n + ".svg"], [n + ".svg"]))
        out.append(("print-" + n, ["print", src, "-o", n + ".pdf", "--chord", "400", "--paper", "0"], [n + ".pdf"]))
        out.append(("tc-" + n, ["thickness-camber", src, "--thickness", "80", "--camber", "120", "-o", n + "-tc.dat"],
                    [n + "-tc.dat"]))
        out.append(("incline-" + n, ["incline", src, "--angle", "6", "-o", n + "-inc.dat"], [n + "-inc.dat"]))
        out.append(("oblique-" + n, ["oblique", src, "--mode", "1", "--angle", "20", "--length", "200", "-o",
                                     n + "-obl.dat"], [n + "-obl.dat"]))
    out.append(("render-pdf", ["render", "airfoils/clarky.dat", "-o", "clarky-render.pdf"], ["clarky-render.pdf"]))
    out.append(("inch-dxf", ["--unit", "in", "dxf", "airfoils/clarky.dat", "--chord", "9.1/2", "-o", "in.dxf"],
                ["in.dxf"]))
    for p in projects:
        src = os.path.join("projects", p)
        n = p[:-4]
        out.append(("resave-" + n, ["resave", src, n + "-resaved.vdl", "--airfoil-dir", "airfoils"],
                    [n + "-resaved.vdl"]))
        out.append(("pdxf-" + n, ["dxf", src, "-o", n + ".dxf", "--airfoil-dir", "airfoils"], [n + ".dxf"]))
        out.append(("pcut-" + n, ["cut", src, "-o", n + "-cut.dxf", "--airfoil-dir", "airfoils"], [n + "-cut.dxf"]))
        out.append(("prender-" + n, ["render", src, "-o", n + ".png", "--airfoil-dir", "airfoils"], [n + ".png"]))
        out.append(("pprint-" + n, ["print", src, "-o", n + ".pdf", "--airfoil-dir", "airfoils"], [n + ".pdf"]))
    os_ = ["--root-chord", "240", "--tip-chord", "150"]
    out.append(("series", ["series", "airfoils/e387.dat", "airfoils/ag24.dat", "--ribs", "20", "-o", "series"] + os_,
                ["series"]))
    out.append(("series-in", ["series", "airfoils/clarky.dat", "airfoils/sd7037.dat", "--unit", "in", "--root-chord",
                              "9.1/2", "--tip-chord", "6", "--ribs", "5", "-o", "series-in"], ["series-in"]))
    out.append(("series2", ["series2", "airfoils/clarky.dat", "airfoils/naca0012.dat", "--root-tip-thickness", "12",
                            "--ribs", "2", "--gaps", "100,100,100", "-o", "series2"] + os_, ["series2"]))
    out.append(("kit", ["kit", "series/e387&ag24_240_150_22.txt", "--template", "projects/full_mm.vdl", "--kerf", "0.1",
                        "--engrave", "yes", "-o", "kit"], ["kit"]))
    out.append(("kit-svg", ["kit", "airfoils/clarky.dat", "airfoils/mh32.dat", "--chord", "200", "--format", "svg",
                            "-o", "kitsvg"], ["kitsvg"]))
    # What the user sees when something is wrong.
    out.append(("no-command", [], []))
    out.append(("help", ["--help"], []))
    out.append(("version", ["--version"], []))
    out.append(("unknown", ["frobnicate"], []))
    for c in ("info", "dxf", "render", "print", "cut", "kit", "resave", "series", "series2", "thickness-camber",
              "incline", "oblique"):
        out.append(("usage-" + c, [c], []))
        out.append(("help-" + c, [c, "--help"], []))
        out.append(("missing-" + c, [c, "nothing.dat", "nothing.dat", "-o", "x.out"], []))
    out.append(("bad-unit", ["--unit", "cm", "render", "airfoils/clarky.dat", "-o", "x.png"], []))
    out.append(("bad-zoom", ["render", "airfoils/clarky.dat", "-o", "x.png", "--zoom", "20"], []))
    out.append(("bad-paper", ["print", "airfoils/clarky.dat", "-o", "x.pdf", "--paper", "9"], []))
    out.append(("three", ["render", "three.dat", "-o", "three.png"], []))
    out.append(("folder-out", ["print", "airfoils/clarky.dat", "-o", "afolder.pdf"], []))
    out.append(("upside-down", ["dxf", "projects/upside_down_mm.vdl", "-o", "ud.dxf", "--airfoil-dir", "airfoils"],
                []))
    return out


def write(cli, dest):
    cli = os.path.abspath(cli)
    dest = os.path.abspath(dest)
    shutil.rmtree(dest, ignore_errors=True)
    os.makedirs(dest)
    scratch = tempfile.mkdtemp(prefix="vandrell-outputs-")
    try:
        home = os.path.join(scratch, "home")
        os.makedirs(home)
        work = os.path.join(scratch, "work")
        os.makedirs(work)
        shutil.copytree(AIRFOILS, os.path.join(work, "airfoils"))
        shutil.copytree(PROJECTS, os.path.join(work, "projects"))
        os.makedirs(os.path.join(work, "afolder.pdf"))
        with open(os.path.join(work, "three.dat"), "w") as f:
            f.write("Three points\n1 0\n0 0\n1 0.01\n")
        ini = os.path.join(scratch, "vandrell.ini")
        with open(ini, "w") as f:
            f.write("[Language]\nLangue=English\n")
        for d in ("series", "series-in", "series2"):
            os.makedirs(os.path.join(work, d))
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, "LC_ALL": "C.UTF-8",
               "QT_QPA_PLATFORM": "offscreen"}
        for name, args, files in runs():
            shutil.copy(ini, os.path.join(scratch, "run.ini"))
            done = subprocess.run([cli, "--ini", os.path.join(scratch, "run.ini")] + args, cwd=work, env=env,
                                  capture_output=True)
            with open(os.path.join(dest, name + ".run"), "wb") as f:
                f.write(b"exit %d\n--- stdout\n" % done.returncode + done.stdout + b"--- stderr\n" + done.stderr)
            for item in files:
                source = os.path.join(work, item)
                target = os.path.join(dest, name + "." + item.replace("/", "_"))
                if os.path.isdir(source):
                    shutil.copytree(source, target)
                elif os.path.exists(source):
                    shutil.copy(source, target)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def contents(path):
    with open(path, "rb") as f:
        data = f.read()
    if path.lower().endswith(".pdf"):
        data = re.sub(rb"/CreationDate \([^)]*\)", b"", data)
    return data


def compare(a, b):
    differ = []
    for root, _, names in os.walk(a):
        for name in names:
            left = os.path.join(root, name)
            right = os.path.join(b, os.path.relpath(left, a))
            if not os.path.exists(right) or contents(left) != contents(right):
                differ.append(os.path.relpath(left, a))
    for root, _, names in os.walk(b):
        for name in names:
            if not os.path.exists(os.path.join(a, os.path.relpath(os.path.join(root, name), b))):
                differ.append(os.path.relpath(os.path.join(root, name), b) + " (only in the second)")
    for d in sorted(differ):
        print("differs:", d)
    count = sum(len(n) for _, _, n in os.walk(a))
    print("%d files compared, %d differ" % (count, len(differ)))
    return 1 if differ else 0


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "write":
        write(sys.argv[2], sys.argv[3])
        sys.exit(0)
    if len(sys.argv) == 4 and sys.argv[1] == "compare":
        sys.exit(compare(sys.argv[2], sys.argv[3]))
    print(__doc__)
    sys.exit(64)
