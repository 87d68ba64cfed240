"""Lists the entities of DXF files as ezdxf reads them, one line each, for the DXF tests:
FILE name / POLYLINE layer open|closed vertices / CIRCLE layer."""
import os
import sys

import ezdxf

for path in sys.argv[1:]:
    doc = ezdxf.readfile(path)
    print("FILE " + os.path.basename(path))
    for e in doc.modelspace():
        kind = e.dxftype()
        if kind == "POLYLINE":
            closed = "closed" if e.is_closed else "open"
            print(f"POLYLINE {e.dxf.layer} {closed} {len(e.vertices)}")
        elif kind == "CIRCLE":
            print(f"CIRCLE {e.dxf.layer}")
        else:
            print(f"{kind} {e.dxf.layer}")
