"""Reads files written for cutting with the readers cutting software is built on, and fails
on anything a laser or router program would stumble over.

    check_cut_files.py FILE.dxf|FILE.svg ...

Every file:  each part a valid polygon (shapely), outer loops with their holes inside.
DXF:         ezdxf reads it, its audit finds no error and fixes nothing, every entity on
             the layer CUT is closed (closed POLYLINE or LWPOLYLINE, or a CIRCLE), the
             units are millimetres.
A kit's sheet: its outline the one closed rectangle on the layer (group) SHEET, from the
             origin, and every part inside it.
SVG:         width and height in mm matching the viewBox, one closed loop or circle to a
             path, no fill.
"""
import math
import os
import re
import sys
import xml.etree.ElementTree as ET

import ezdxf
from shapely.geometry import Point, Polygon
from shapely.validation import explain_validity

failures = []
SVG_NS = "http://www.w3.org/2000/svg"


def fail(path, text):
    failures.append(f"{os.path.basename(path)}: {text}")


def check_parts(path, loops, circles):
    """Sorts closed loops (lists of points) and circles ((x, y, r)) into parts by nesting
    and checks each part is a valid polygon."""
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
        return
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


def polyline_points(e):
    """Whether a polyline of either kind is closed, and its corners."""
    if e.dxftype() == "LWPOLYLINE":
        return e.closed, [(p[0], p[1]) for p in e.get_points("xy")]
    return e.is_closed, [(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]


def check_dxf(path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as e:  # noqa: BLE001 - any reading failure fails the file
        fail(path, f"ezdxf cannot read it: {e}")
        return
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
    for name, colour in {"CUT": 1, "MARK": 5}.items():
        if name not in doc.layers or doc.layers.get(name).color != colour:
            fail(path, f"layer {name} missing or not colour {colour}")
    handles = [e.dxf.handle for e in doc.entitydb.values() if e.dxf.hasattr("handle")]
    if len(handles) != len(set(handles)):
        fail(path, "repeated handles")
    loops, circles, jig_loops, sheets = [], [], [], []
    for e in doc.modelspace():
        layer, kind = e.dxf.layer, e.dxftype()
        if kind in ("LWPOLYLINE", "POLYLINE") and layer in ("SHEET", "CUT", "JIG"):
            closed, points = polyline_points(e)
            if layer == "SHEET" and closed:
                sheets.append(points)
            elif layer == "SHEET":
                fail(path, "an open sheet outline")
            else:
                if not closed:
                    fail(path, f"an open {kind} on {layer}")
                (loops if layer == "CUT" else jig_loops).append(points)
        elif kind == "CIRCLE" and layer == "CUT":
            circles.append((e.dxf.center.x, e.dxf.center.y, e.dxf.radius))
        elif layer != "MARK":
            fail(path, f"a {kind} on the layer {layer}")
    check_parts(path, loops, circles)
    if jig_loops:
        check_parts(path + " (jig)", jig_loops, [])
    check_sheet(path, sheets, loops + jig_loops)


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
            check_parts(path, loops_all, circles_all)
        else:
            check_parts(path + " (jig)", loops_all, circles_all)


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
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
