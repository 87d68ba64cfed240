"""Reads files written for cutting with the readers cutting software is built on, and fails
on anything a laser or router program would stumble over.

    check_cut_files.py FILE.dxf|FILE.svg ...

Every file:  each part a valid polygon (shapely), outer loops with their holes inside.
DXF:         ezdxf reads it, its audit finds no error and fixes nothing, every entity on
             the layer CUT is closed (closed POLYLINE or LWPOLYLINE, or a CIRCLE), the
             units are millimetres; LibreCAD prints it (dxf2pdf), where installed.
A kit's sheet: its outline the one closed rectangle on the layer (group) SHEET, from the
             origin, and every part inside it.
SVG:         width and height in mm matching the viewBox, one closed loop or circle to a
             path, no fill.
Inkscape, where installed, reads the SVGs and imports the R2000 DXFs (its own DXF reader);
the drawing must come out at the size written.
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf
from shapely.geometry import Point, Polygon
from shapely.validation import explain_validity

failures = []
RUNTIME_DIR = tempfile.mkdtemp(prefix="check_cut_")
SVG_NS = "http://www.w3.org/2000/svg"
INKSCAPE_LABEL = "{http://www.inkscape.org/namespaces/inkscape}label"
# What Inkscape's measure and the parts' own box may differ by: rounding to whole micrometres.
SIZE_TOLERANCE_MM = 0.01


def fail(path, text):
    failures.append(f"{os.path.basename(path)}: {text}")


def check_parts(path, loops, circles):
    """Sorts closed loops (lists of points) and circles ((x, y, r)) into parts by nesting
    and checks each part is a valid polygon. Returns the parts' overall box."""
    shapes = []
    for loop in loops:
        if len(loop) < 3:
            fail(path, f"a loop of {len(loop)} corners")
            continue
        poly = Polygon(loop)
        if not poly.is_valid:
            fail(path, f"a loop that is not simple: {explain_validity(poly)}")
            continue
        shapes.append(poly)
    for x, y, r in circles:
        if r <= 0:
            fail(path, "a circle without radius")
            continue
        shapes.append(Point(x, y).buffer(r, 64))
    # Depth of nesting decides: even depth an outer loop, odd a hole of the loop around it.
    shapes.sort(key=lambda s: -s.area)
    depth = []
    parent = []
    for i, s in enumerate(shapes):
        p = -1
        for j in range(i - 1, -1, -1):
            if shapes[j].contains(s.representative_point()) and shapes[j].area > s.area:
                p = j
                break
        parent.append(p)
        depth.append(0 if p < 0 else depth[p] + 1)
    if not shapes:
        fail(path, "no part")
        return None
    for i, s in enumerate(shapes):
        if depth[i] % 2:
            continue
        holes = [shapes[k] for k in range(len(shapes)) if parent[k] == i]
        part = s
        for h in holes:
            if not s.contains(h):
                fail(path, "a hole that crosses its part's outline")
            part = part.difference(h)
        if not part.is_valid or part.is_empty:
            fail(path, f"a part that is not a valid polygon: {explain_validity(part)}")
    xs = [b for s in shapes for b in (s.bounds[0], s.bounds[2])]
    ys = [b for s in shapes for b in (s.bounds[1], s.bounds[3])]
    return min(xs), min(ys), max(xs), max(ys)


def check_dxf(path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as e:  # noqa: BLE001 - any reading failure fails the file
        fail(path, f"ezdxf cannot read it: {e}")
        return None
    auditor = doc.audit()
    for e in auditor.errors:
        fail(path, f"audit error: {e.message}")
    for f in auditor.fixes:
        fail(path, f"audit fix: {f.message}")
    version = doc.dxfversion
    if version not in ("AC1009", "AC1015"):
        fail(path, f"version {version}")
    if version == "AC1015" and doc.header.get("$INSUNITS") != 4:
        fail(path, "$INSUNITS is not millimetres")
    if doc.header.get("$MEASUREMENT") != 1:
        fail(path, "$MEASUREMENT is not metric")
    colours = {"CUT": 1, "MARK": 5}
    for name, colour in colours.items():
        if name not in doc.layers or doc.layers.get(name).color != colour:
            fail(path, f"layer {name} missing or not colour {colour}")
    handles = [e.dxf.handle for e in doc.entitydb.values() if e.dxf.hasattr("handle")]
    if len(handles) != len(set(handles)):
        fail(path, "repeated handles")
    loops, circles = [], []
    jig_loops, sheets = [], []
    for e in doc.modelspace():
        layer = e.dxf.layer
        kind = e.dxftype()
        if layer == "SHEET" and kind == "LWPOLYLINE" and e.closed:
            sheets.append([(p[0], p[1]) for p in e.get_points("xy")])
        elif layer == "SHEET" and kind == "POLYLINE" and e.is_closed:
            sheets.append([(v.dxf.location.x, v.dxf.location.y) for v in e.vertices])
        elif layer in ("CUT", "JIG"):
            target = loops if layer == "CUT" else jig_loops
            if kind == "LWPOLYLINE":
                if not e.closed:
                    fail(path, "an open LWPOLYLINE on " + layer)
                target.append([(p[0], p[1]) for p in e.get_points("xy")])
            elif kind == "POLYLINE":
                if not e.is_closed:
                    fail(path, "an open POLYLINE on " + layer)
                target.append([(v.dxf.location.x, v.dxf.location.y) for v in e.vertices])
            elif kind == "CIRCLE" and layer == "CUT":
                circles.append((e.dxf.center.x, e.dxf.center.y, e.dxf.radius))
            else:
                fail(path, f"a {kind} on {layer}")
        elif layer != "MARK":
            fail(path, f"an entity on the layer {layer}")
    box = check_parts(path, loops, circles)
    if jig_loops:
        check_parts(path + " (jig)", jig_loops, [])
    check_sheet(path, sheets, loops + jig_loops)
    librecad(path)
    if version == "AC1015" and box:
        inkscape_dxf(path, box)
    return box


def svg_loops(path, d):
    """Splits path data written as M/L/A/Z into closed loops and circles."""
    loops, circles = [], []
    for sub in re.split(r"(?=M)", d.strip()):
        sub = sub.strip()
        if not sub:
            continue
        if not sub.endswith("Z"):
            fail(path, "a subpath that is not closed")
        tokens = re.findall(r"[MLAZ]|-?\d+(?:\.\d+)?", sub)
        if "A" in tokens:
            # Two half arcs: the circle through the start and the end of the first.
            i = tokens.index("M")
            x0, y0 = float(tokens[i + 1]), float(tokens[i + 2])
            a = tokens.index("A")
            r = float(tokens[a + 1])
            x1, y1 = float(tokens[a + 6]), float(tokens[a + 7])
            if abs(math.hypot(x1 - x0, y1 - y0) - 2 * r) > 0.002:
                fail(path, "an arc pair that is not a circle")
            circles.append(((x0 + x1) / 2, -(y0 + y1) / 2, r))
            continue
        points, i = [], 0
        while i < len(tokens):
            if tokens[i] in ("M", "L"):
                points.append((float(tokens[i + 1]), -float(tokens[i + 2])))
                i += 3
            else:
                i += 1
        loops.append(points)
    return loops, circles


def check_sheet(path, sheets, parts):
    """No frame, or one rectangle from the origin that holds every part."""
    if not sheets:
        return
    xs = sorted({round(x, 6) for x, _ in sheets[0]})
    ys = sorted({round(y, 6) for _, y in sheets[0]})
    if len(sheets) != 1 or len(sheets[0]) != 4 or len(xs) != 2 or len(ys) != 2 or xs[0] != 0 or ys[0] != 0:
        fail(path, "the sheet is not one rectangle from the origin")
        return
    for loop in parts:
        if any(x < 0 or y < 0 or x > xs[1] or y > ys[1] for x, y in loop):
            fail(path, "a part beyond the sheet")
            return


def check_svg(path):
    ns = {"s": SVG_NS}
    root = ET.parse(path).getroot()
    w, h = root.get("width", ""), root.get("height", "")
    box = None
    if not (w.endswith("mm") and h.endswith("mm")):
        fail(path, "width and height are not in mm")
    else:
        vb = [float(v) for v in root.get("viewBox", "").split()]
        if len(vb) != 4 or abs(vb[2] - float(w[:-2])) > 1e-6 or abs(vb[3] - float(h[:-2])) > 1e-6:
            fail(path, "the viewBox does not match the size in mm")
    for group in root.findall("s:g", ns):
        layer = group.get("id")
        paths = group.findall("s:path", ns)
        if layer not in ("CUT", "JIG", "MARK", "SHEET"):
            fail(path, f"a group {layer}")
        if layer == "SHEET":
            frames = [l for p in paths for l in svg_loops(path, p.get("d", ""))[0]]
            parts = [l for g in root.findall("s:g", ns) if g.get("id") in ("CUT", "JIG")
                     for p in g.findall("s:path", ns) for l in svg_loops(path, p.get("d", ""))[0]]
            check_sheet(path, frames, parts)
            continue
        if layer == "MARK":
            continue
        loops_all, circles_all = [], []
        for p in paths:
            if p.get("fill") != "none":
                fail(path, "a part filled")
            loops, circles = svg_loops(path, p.get("d", ""))
            if len(loops) + len(circles) != 1:
                fail(path, "a path of more than one loop")
            loops_all += loops
            circles_all += circles
        if layer == "CUT":
            box = check_parts(path, loops_all, circles_all)
        else:
            check_parts(path + " (jig)", loops_all, circles_all)
    inkscape_svg(path, box)
    return box


def display_env():
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    env["XDG_RUNTIME_DIR"] = RUNTIME_DIR  # private (0700), as Qt wants it
    return env


def run(command, **kw):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=180, text=True, **kw)


def librecad(path):
    if not shutil.which("librecad"):
        return
    with tempfile.TemporaryDirectory() as tmp:
        # LibreCAD prints beside the drawing, under its name.
        copy = os.path.join(tmp, "drawing.dxf")
        shutil.copyfile(path, copy)
        pdf = os.path.join(tmp, "drawing.pdf")
        r = run(["librecad", "dxf2pdf", "-a", copy], env=display_env())
        if not os.path.exists(pdf) or os.path.getsize(pdf) == 0:
            fail(path, "LibreCAD printed nothing:\n" + r.stdout[-2000:])


def inkscape_width(path, svg, tmp):
    """The width Inkscape gives the cut layer, in mm. Strokes are thinned to nothing first:
    Inkscape measures a drawing with its strokes and their mitred corners."""
    ET.register_namespace("", SVG_NS)
    ET.register_namespace("inkscape", INKSCAPE_LABEL[1:].split("}")[0])
    tree = ET.parse(svg)
    found = False
    for e in tree.getroot().iter():
        if e.tag == "{%s}g" % SVG_NS and (e.get("id") == "CUT" or e.get(INKSCAPE_LABEL) == "CUT"):
            e.set("id", "CUT")
            found = True
        if e.tag.split("}")[-1] in ("path", "circle", "ellipse", "line", "polyline", "polygon", "g"):
            e.set("stroke-width", "0")
        if e.get("style"):
            e.set("style", re.sub(r"stroke-width:[^;]*", "stroke-width:0", e.get("style")))
    if not found:
        fail(path, "Inkscape's drawing has no layer CUT")
        return None
    bare = os.path.join(tmp, "bare.svg")
    tree.write(bare)
    q = run(["inkscape", "--query-width", "--query-id=CUT", bare], env=display_env())
    try:
        return float(q.stdout.strip().splitlines()[-1]) * 25.4 / 96  # Inkscape's px: 96 to the inch
    except (ValueError, IndexError):
        fail(path, "Inkscape gives no size:\n" + q.stdout[-2000:])
        return None


def expect_true_size(path, width_mm, box, how):
    if width_mm is None or box is None:
        return
    if abs(width_mm - (box[2] - box[0])) > SIZE_TOLERANCE_MM:
        fail(path, f"Inkscape {how} the parts {width_mm:.3f} mm wide, not {box[2] - box[0]:.3f}")
    else:
        print(f"{os.path.basename(path)}: Inkscape {how} the parts {width_mm:.3f} mm wide", file=sys.stderr)


def inkscape_svg(path, box):
    if not shutil.which("inkscape"):
        return
    with tempfile.TemporaryDirectory() as tmp:
        expect_true_size(path, inkscape_width(path, path, tmp), box, "sees")


def inkscape_dxf(path, box):
    """Inkscape's own DXF import, taking the units from the file."""
    extensions = "/usr/share/inkscape/extensions"
    if not shutil.which("inkscape") or not os.path.exists(os.path.join(extensions, "dxf_input.py")):
        return
    with tempfile.TemporaryDirectory() as tmp:
        svg = os.path.join(tmp, "imported.svg")
        env = display_env()
        env["PYTHONPATH"] = extensions
        with open(svg, "w") as out:
            r = subprocess.run(["/usr/bin/python3", os.path.join(extensions, "dxf_input.py"), "--scalemethod=file",
                                path], stdout=out, stderr=subprocess.PIPE, text=True, env=env, timeout=180)
        if r.returncode != 0 or os.path.getsize(svg) == 0:
            fail(path, "Inkscape cannot import it:\n" + r.stderr[-2000:])
            return
        expect_true_size(path, inkscape_width(path, svg, tmp), box, "imports")


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 64
    for path in argv[1:]:
        if path.lower().endswith(".dxf"):
            check_dxf(path)
        elif path.lower().endswith(".svg"):
            check_svg(path)
        else:
            fail(path, "neither DXF nor SVG")
    for f in failures:
        print(f)
    shutil.rmtree(RUNTIME_DIR, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
