#!/usr/bin/env python3
"""vandrell-cli print, measured on the PDF pages themselves.

The pages are rasterised by poppler's pdftoppm and measured here: the chord of a one-sheet
rib, where the trailing edge of a tiled 600 mm rib lands, whether the alignment crosses of
adjacent sheets mark the same point of the rib, and the length of the scale bar. The
expected values come from the page layout asked for on the command line (A4, start margin
10 mm, end margin 15 mm, overlap 20 mm: 252 mm of new rib per sheet).

usage: cli_print_pdf.py CLI AIRFOIL_DIR WORK_DIR
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
DARK = 128  # grey level below which a pixel is ink


def run(cmd, **kw):
    return subprocess.run(cmd, capture_output=True, text=True, **kw)


class Page:
    """One page region as grey pixels, with millimetre coordinates."""

    def __init__(self, pdf, page, dpi, x_mm=0.0, y_mm=0.0, w_mm=None, h_mm=None):
        self.dpi = dpi
        self.x_mm, self.y_mm = x_mm, y_mm
        px = lambda mm: int(round(mm * dpi / 25.4))
        out = tempfile.mktemp(dir=WORK)
        cmd = ["pdftoppm", "-gray", "-r", str(dpi), "-f", str(page), "-l", str(page), "-singlefile",
               "-x", str(px(x_mm)), "-y", str(px(y_mm))]
        if w_mm is not None:
            cmd += ["-W", str(px(w_mm)), "-H", str(px(h_mm))]
        subprocess.run(cmd + [pdf, out], check=True)
        with open(out + ".pgm", "rb") as f:
            data = f.read()
        os.remove(out + ".pgm")
        m = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.w, self.h = int(m.group(1)), int(m.group(2))
        self.pixels = data[m.end():]

    def mm_x(self, col):
        return self.x_mm + (col + 0.5) * 25.4 / self.dpi

    def mm_y(self, row):
        return self.y_mm + (row + 0.5) * 25.4 / self.dpi

    def col(self, x_mm):
        return int((x_mm - self.x_mm) * self.dpi / 25.4)

    def row(self, y_mm):
        return int((y_mm - self.y_mm) * self.dpi / 25.4)

    def ink(self, col, row):
        return self.pixels[row * self.w + col] < DARK

    def ink_columns(self, top_mm, bottom_mm):
        """Columns holding ink between two heights."""
        r0, r1 = max(0, self.row(top_mm)), min(self.h, self.row(bottom_mm))
        cols = set()
        for r in range(r0, r1):
            base = r * self.w
            line = self.pixels[base:base + self.w]
            for c, v in enumerate(line):
                if v < DARK:
                    cols.add(c)
        return sorted(cols)

    def runs(self, cols):
        """Consecutive columns grouped: [(first, last), ...]."""
        out = []
        for c in cols:
            if out and c == out[-1][1] + 1:
                out[-1][1] = c
            else:
                out.append([c, c])
        return out


def pages_of(pdf):
    info = run(["pdfinfo", pdf]).stdout
    count = int(re.search(r"Pages:\s+(\d+)", info).group(1))
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    return count, float(size.group(1)) * 25.4 / 72, float(size.group(2)) * 25.4 / 72


def pen_width_mm(pdf, page, bar_row_mm, bar_mid_x_mm):
    """Thickness of the scale bar's stroke, measured in the middle of the bar."""
    p = Page(pdf, page, 2400, bar_mid_x_mm - 0.5, bar_row_mm - 2, 1, 4)
    c = p.w // 2
    rows = [r for r in range(p.h) if p.ink(c, r)]
    return (rows[-1] - rows[0] + 1) * 25.4 / p.dpi


def find_scale_bar(pdf, page, sheet_h):
    """The scale bar in the band at the bottom of the sheet: (left tick, right tick, row)."""
    coarse = Page(pdf, page, 300, 0, sheet_h - 20, 120, 20)
    # The bar's stroke: the row with the longest run of ink.
    best = (0, 0, 0)
    for r in range(coarse.h):
        cols = [c for c in range(coarse.w) if coarse.ink(c, r)]
        for a, b in coarse.runs(cols):
            if b - a > best[1] - best[0]:
                best = (a, b, r)
    a, b, r = best
    y_bar = coarse.mm_y(r)
    # The ticks stand 1.5 mm above and below the stroke: measure them 1 mm above it, where
    # only the two ticks have ink.
    fine = Page(pdf, page, 2400, coarse.mm_x(a) - 2, y_bar - 1.2, coarse.mm_x(b) - coarse.mm_x(a) + 4, 0.4)
    cols = [c for c in range(fine.w) if fine.ink(c, fine.h // 2)]
    ticks = fine.runs(cols)
    assert len(ticks) == 2, "expected two ticks above the bar, found %d" % len(ticks)
    centres = [fine.mm_x((t[0] + t[1]) / 2) for t in ticks]
    return centres[0], centres[1], y_bar


def edge_columns(pdf, page, chordline, x_from, x_to):
    """Leftmost and rightmost ink near the chord line (±4 mm), at 2400 dpi, in mm."""
    coarse = Page(pdf, page, 200, x_from, chordline - 4, x_to - x_from, 8)
    cols = coarse.ink_columns(chordline - 4, chordline + 4)
    assert cols, "no ink near the chord line on page %d" % page
    left, right = coarse.mm_x(cols[0]), coarse.mm_x(cols[-1])
    fl = Page(pdf, page, 2400, left - 0.5, chordline - 4, 1, 8)
    fr = Page(pdf, page, 2400, right - 0.5, chordline - 4, 1, 8)
    lc = fl.ink_columns(chordline - 4, chordline + 4)
    rc = fr.ink_columns(chordline - 4, chordline + 4)
    return fl.mm_x(lc[0]) - 0.5 * 25.4 / 2400, fr.mm_x(rc[-1]) + 0.5 * 25.4 / 2400


def cross_centres(pdf, page, top_mm, bottom_mm, sheet_w):
    """Centres along the sheet of the crosses in a band free of the rib."""
    coarse = Page(pdf, page, 300, 0, top_mm, sheet_w, bottom_mm - top_mm)
    groups = coarse.runs(coarse.ink_columns(top_mm, bottom_mm))
    centres = []
    for a, b in groups:
        # Each cross's horizontal stroke spans 10 mm; its centre is the cross's.
        if 9 < (b - a + 1) * 25.4 / coarse.dpi < 11:
            x0, x1 = coarse.mm_x(a) - 1, coarse.mm_x(b) + 1
            fine = Page(pdf, page, 1200, x0, top_mm, x1 - x0, bottom_mm - top_mm)
            cols = fine.ink_columns(top_mm, bottom_mm)
            centres.append((fine.mm_x(cols[0]) + fine.mm_x(cols[-1])) / 2)
    return centres


def reference_lines(pdf, page, y_mm, sheet_w):
    """Where the rib's reference lines cross a height (column centres, mm)."""
    p = Page(pdf, page, 1200, 0, y_mm - 0.5, sheet_w, 1)
    runs = p.runs(p.ink_columns(y_mm - 0.5, y_mm + 0.5))
    return [p.mm_x((a + b) / 2) for a, b in runs]


failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def main():
    global WORK
    if len(sys.argv) != 4:
        print(__doc__)
        return 64
    cli, airfoils, WORK = sys.argv[1:]
    for tool in ("pdftoppm", "pdfinfo"):
        if not shutil.which(tool):
            print("skipped: %s (poppler-utils) is not installed" % tool)
            return SKIP
    # Each run starts clean: a file left by an earlier run must not decide this one.
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    ini = os.path.join(WORK, "print.ini")
    open(ini, "w").close()
    airfoil = os.path.join(airfoils, "sd7037.dat")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    common = [cli, "--unit", "mm", "--ini", ini, "print", airfoil, "--start", "10", "--end", "15"]
    base = common + ["--paper", "0", "--overlap", "20"]

    # One sheet: a 200 mm rib, chord line 50 mm down.
    one = os.path.join(WORK, "one.pdf")
    r = run(base + ["-o", one, "--chord", "200", "--chordline", "50"], env=env)
    check(r.returncode == 0, "one-sheet print exits 0 (%d: %s)" % (r.returncode, r.stderr.strip()))
    count, w, h = pages_of(one)
    check(count == 1, "a 200 mm rib on A4 takes one sheet (%d)" % count)
    check(abs(w - 297) < 0.5 and abs(h - 210) < 0.5, "A4 landscape: %.1f x %.1f mm" % (w, h))
    left_tick, right_tick, bar_y = find_scale_bar(one, 1, h)
    pen = pen_width_mm(one, 1, bar_y, (left_tick + right_tick) / 2)
    check(abs(right_tick - left_tick - 50) < 0.1, "scale bar %.3f mm between its ticks" % (right_tick - left_tick))
    le, te = edge_columns(one, 1, 50, 0, 297)
    # The nose is round: its stroke reaches half a pen width ahead of the leading edge. The
    # strokes meeting at the sharp trailing edge end square on it.
    chord = te - (le + pen / 2)
    check(abs(chord - 200) < 0.1, "one-sheet chord %.3f mm (pen %.3f mm)" % (chord, pen))
    check(abs(le + pen / 2 - 10) < 0.2, "leading edge %.3f mm from the sheet's edge" % (le + pen / 2))

    # Three sheets: a 600 mm rib, then the same with reference lines every 50 mm, which tie
    # the sheets together (a line at 250 mm and one at 500 mm fall in the overlaps).
    chordline = 100
    tiled = os.path.join(WORK, "tiled.pdf")
    marked = os.path.join(WORK, "marked.pdf")
    r = run(base + ["-o", tiled, "--chord", "600", "--chordline", str(chordline)], env=env)
    check(r.returncode == 0, "tiled print exits 0 (%d: %s)" % (r.returncode, r.stderr.strip()))
    count, w, h = pages_of(tiled)
    check(count == 3, "a 600 mm rib takes 3 sheets (%d)" % count)
    le1, _ = edge_columns(tiled, 1, chordline, 0, w)
    _, te3 = edge_columns(tiled, 3, chordline, 0, w)
    span = te3 - (le1 + pen / 2)
    check(abs(span - (600 - 2 * 252)) < 0.1, "trailing edge on sheet 3 lies %.3f mm from the leading edge on sheet 1" % span)
    r = run(base + ["-o", marked, "--chord", "600", "--chordline", str(chordline), "--marks", "11"], env=env)
    check(r.returncode == 0, "tiled print with reference lines exits 0 (%d)" % r.returncode)

    # Crosses below the rib (the lower crosses); the shift between sheets from the
    # reference lines, which are the same rib on both.
    lines = [reference_lines(marked, p, chordline - 5, w) for p in (1, 2, 3)]
    crosses = [cross_centres(marked, p, chordline + 40, h - 22, w) for p in (1, 2, 3)]
    for p in (0, 1):
        shift = None
        for a in lines[p]:
            for b in lines[p + 1]:
                d = a - b
                if 227 < d < 277 and all(any(abs(x - d - y) < 0.3 for y in lines[p + 1])
                                         for x in lines[p] if 0 <= x - d <= w):
                    shift = d
        check(shift is not None, "sheets %d and %d show the same reference lines" % (p + 1, p + 2))
        if shift is None or len(crosses[p]) < 2 or len(crosses[p + 1]) < 2:
            check(False, "crosses found on sheets %d and %d: %s %s" % (p + 1, p + 2, crosses[p], crosses[p + 1]))
            continue
        far, near = max(crosses[p]), min(crosses[p + 1])
        check(abs((far - shift) - near) < 0.2,
              "far cross of sheet %d (%.2f) and near cross of sheet %d (%.2f) mark one point of the rib "
              "(sheet shift %.2f mm)" % (p + 1, far, p + 2, near, shift))
    # A rib taller than the room above the chord line is printed but said to be cut off;
    # "auto" places the chord line at the rib's height (from the airfoil file, rounded up)
    # plus 5 mm, where the top of the outline then lies 5 mm or so below the sheet's edge.
    ymax = 0.0
    with open(airfoil) as f:
        for line in f.readlines()[1:]:
            parts = line.split()
            if len(parts) == 2:
                ymax = max(ymax, float(parts[1]))
    cut = os.path.join(WORK, "cut.pdf")
    r = run(base + ["-o", cut, "--chord", "600", "--chordline", "20"], env=env)
    check(r.returncode == 0 and "warning: cut-off" in r.stderr, "a rib 20 mm below the top is cut off (%d: %s)"
          % (r.returncode, r.stderr.strip()))
    fitted = os.path.join(WORK, "fitted.pdf")
    r = run(base + ["-o", fitted, "--chord", "600", "--chordline", "auto"], env=env)
    check(r.returncode == 0 and "cut-off" not in r.stderr, "--chordline auto fits (%d: %s)" % (r.returncode, r.stderr.strip()))
    if r.returncode == 0:
        place = math.ceil(600 * ymax) + 5
        page = Page(fitted, 1, 300, 20, 0, 230, place + 2)  # clear of the crosses at 10 and 262 mm
        rows = [row for row in range(page.h) if any(page.ink(c, row) for c in range(page.w))]
        top = page.mm_y(rows[0]) if rows else -1
        check(abs(top - (place - 600 * ymax)) < 0.5, "top of the fitted rib %.2f mm below the sheet's edge (%.2f expected)"
              % (top, place - 600 * ymax))

    # Entry 8, the platform's default paper: one sheet whatever the length, still landscape.
    own = os.path.join(WORK, "own.pdf")
    r = run(common + ["-o", own, "--chord", "600", "--paper", "8", "--overlap", "0"], env=env)
    count, w, h = pages_of(own) if r.returncode == 0 else (0, 0, 0)
    check(count == 1 and w > h, "entry 8 prints 600 mm on one landscape sheet (%d pages, %.0f x %.0f mm)" % (count, w, h))

    # Refusals write nothing: no room left on the paper, several sheets without overlap,
    # and a length typed with a character the boxes refuse.
    refused = os.path.join(WORK, "refused.pdf")
    for extra, code, key in ((["--overlap", "300"], 2, "refused: no-room"), (["--overlap", "0"], 2, "refused: needs-overlap"),
                             (["--overlap", "2O"], 64, "")):
        r = run(common + ["--paper", "0", "-o", refused, "--chord", "600"] + extra, env=env)
        check(r.returncode == code and r.stdout.strip() == key and not os.path.exists(refused),
              "%s gives exit %d and %r (got %d, %r)" % (" ".join(extra), code, key, r.returncode, r.stdout.strip()))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
