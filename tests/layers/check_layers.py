"""Fails on any #include "..." under src/ that reaches a layer its file's layer may not use.

    check_layers.py ROOT

The layers are the table of ROOT/docs/ARCHITECTURE.md whose header is
"| layer | folders | holds | may include |": one row per layer, top to bottom, its folders
in backticks, and the layers it may include by name ("nothing" for the lowest). A layer may
include its own folders, the layers it names and whatever those may include in turn.
Folders of one row are one layer and may include each other. Every .h and .cpp under src/
must sit in a folder the table names. An include is looked for beside the including file
first, then under src/, as the compiler looks; one found in neither is not ours.
"""
import os
import re
import sys
from pathlib import Path

HEADER = ["layer", "folders", "holds", "may include"]
SOURCE_SUFFIXES = {".h", ".cpp"}
INCLUDE = re.compile(r'\s*#\s*include\s*"([^"]+)"')


class TableError(Exception):
    pass


def cells_of(line):
    return [cell.strip() for cell in line.strip().strip("|").split("|")]


def read_layers(doc_text):
    """The table's rows in order: [(name, [folders], [names below])]."""
    lines = doc_text.splitlines()
    start = next((i for i, line in enumerate(lines)
                  if line.lstrip().startswith("|") and cells_of(line) == HEADER), None)
    if start is None:
        raise TableError("no layer table (header: | " + " | ".join(HEADER) + " |)")
    rows = []
    for line in lines[start + 2:]:
        if not line.lstrip().startswith("|"):
            break
        cells = cells_of(line)
        if len(cells) != len(HEADER):
            raise TableError("a row without four cells: " + line.strip())
        below = [] if cells[3] == "nothing" else [name.strip() for name in cells[3].split(",")]
        rows.append((cells[0], re.findall(r"`([^`]+)`", cells[1]), below))
    return rows


def allowed_folders(rows):
    """{folder: (its layer's name, the folders that layer may include)}."""
    folders_of = {}
    for name, folders, _ in rows:
        if name in folders_of:
            raise TableError("layer listed twice: " + name)
        if not folders:
            raise TableError("layer without a folder: " + name)
        folders_of[name] = folders
    below_of = {name: below for name, _, below in rows}
    for name, below in below_of.items():
        for other in below:
            if other not in folders_of:
                raise TableError(f"layer {name} may include {other!r}, which is no layer of the table")

    reach = {}

    def reach_of(name, path):
        if name in path:
            raise TableError("the table goes round: " + " -> ".join(path + [name]))
        if name not in reach:
            found = set(folders_of[name])
            for other in below_of[name]:
                found |= reach_of(other, path + [name])
            reach[name] = found
        return reach[name]

    layer_of = {}
    for name, folders, _ in rows:
        for folder in folders:
            if folder in layer_of:
                raise TableError(f"folder {folder} is in two layers")
            layer_of[folder] = (name, reach_of(name, []))
    return layer_of


def check(root):
    """The problems found under root/src, one line each; empty when every include is allowed."""
    root = Path(root).absolute()
    layer_of = allowed_folders(read_layers((root / "docs" / "ARCHITECTURE.md").read_text(encoding="utf-8")))
    problems = []
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = path.relative_to(root).as_posix()
        folder = path.parent.relative_to(root).as_posix()
        if folder not in layer_of:
            problems.append(f"{relative}: its folder {folder} is in no layer")
            continue
        layer, allowed = layer_of[folder]
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            included = match.group(1)
            candidates = [path.parent / included, root / "src" / included]
            target = next((Path(os.path.normpath(c)) for c in candidates if c.is_file()), None)
            if target is None or not target.is_relative_to(root / "src"):
                continue
            target_folder = target.parent.relative_to(root).as_posix()
            if target_folder in allowed:
                continue
            where = layer_of[target_folder][0] if target_folder in layer_of else "no layer"
            problems.append(f"{relative}:{number}: {layer} includes \"{included}\" ({where})")
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        problems = check(argv[1])
    except TableError as error:
        print("layer table of docs/ARCHITECTURE.md: " + str(error), file=sys.stderr)
        return 1
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
