"""The layer check on small trees of its own: what it lets through and what it catches."""
import tempfile
import unittest
from pathlib import Path

import check_layers

# The real table's shapes in small: a chain (app over windows over base), two side-by-side
# layers (left, right) over base, a row of two folders, a folder inside another's folder.
TABLE = """# Layers

| layer | folders | holds | may include |
|---|---|---|---|
| app | `src/app` | the program | windows |
| windows | `src/windows` | windows | left, right |
| left | `src/left` | tools | base, qt base |
| right | `src/right` | series | base |
| base | `src/base`, `src/pair` | the core | nothing |
| qt base | `src/base/qt` | drawing | base |

Text after the table is not read.
"""


class LayerCheck(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.TemporaryDirectory()
        self.root = Path(self.temp.name)
        self.write("docs/ARCHITECTURE.md", TABLE)
        self.write("src/app/main.cpp", '#include "app.h"\n#include "windows/w.h"\n#include "base/b.h"\n')
        self.write("src/app/app.h", "")
        self.write("src/windows/w.h", '#include "left/l.h"\n#include "right/r.h"\n#include "base/qt/q.h"\n')
        self.write("src/left/l.h", '#include "base/qt/q.h"\n#include <vector>\n#include "gtest/gtest.h"\n')
        self.write("src/right/r.h", '  #  include "base/b.h"  // spaced as some write it\n')
        self.write("src/base/b.h", '#include "pair/p.h"\n')
        self.write("src/pair/p.h", '#include "base/b.h"\n')
        self.write("src/base/qt/q.h", '#include "base/b.h"\n#include "../b.h"\n')

    def tearDown(self):
        self.temp.cleanup()

    def write(self, name, text):
        path = self.root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")

    def test_a_tree_that_keeps_its_layers_passes(self):
        # Reaching two layers down, beside itself, within a row, and outside src/ is allowed.
        self.assertEqual(check_layers.check(self.root), [])

    def test_every_include_against_the_table_is_named_with_its_line(self):
        self.write("src/base/b.cpp", '#include "base/b.h"\n\n#include "app/app.h"\n')  # back, two layers up
        self.write("src/left/l.cpp", '#include "right/r.h"\n')  # the layer beside
        self.write("src/base/b2.cpp", '#include "qt/q.h"\n')  # the folder inside, found beside the file
        self.write("src/right/r.cpp", '#include "../base/qt/q.h"\n')  # a layer below, not below this one
        self.assertEqual(check_layers.check(self.root), [
            'src/base/b.cpp:3: base includes "app/app.h" (app)',
            'src/base/b2.cpp:1: base includes "qt/q.h" (qt base)',
            'src/left/l.cpp:1: left includes "right/r.h" (right)',
            'src/right/r.cpp:1: right includes "../base/qt/q.h" (qt base)',
        ])

    def test_a_file_outside_every_layer_fails(self):
        self.write("src/extra/x.cpp", "")
        self.write("src/app/uses_extra.cpp", '#include "extra/x.cpp"\n')
        self.assertEqual(check_layers.check(self.root), [
            'src/app/uses_extra.cpp:1: app includes "extra/x.cpp" (no layer)',
            "src/extra/x.cpp: its folder src/extra is in no layer",
        ])

    def test_a_table_that_cannot_hold_fails_rather_than_passing_everything(self):
        broken = {
            "a name that is no layer": TABLE.replace("| base, qt base |", "| bsae, qt base |"),
            "a cycle": TABLE.replace("| drawing | base |", "| drawing | left |"),
            "a folder in two layers": TABLE.replace("`src/pair`", "`src/right`"),
            "no table": TABLE.replace("may include", "may use"),
        }
        for why, text in broken.items():
            with self.subTest(why):
                self.write("docs/ARCHITECTURE.md", text)
                with self.assertRaises(check_layers.TableError):
                    check_layers.check(self.root)

    def test_the_command_exits_one_on_a_problem(self):
        self.assertEqual(check_layers.main(["check_layers.py", str(self.root)]), 0)
        self.write("src/pair/p.cpp", '#include "windows/w.h"\n')
        self.assertEqual(check_layers.main(["check_layers.py", str(self.root)]), 1)


if __name__ == "__main__":
    unittest.main()
