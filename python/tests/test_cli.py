"""A newcomer's path through assay files and the qira command: each mistake a new user
met is a row, run through the command (a separate process: exit status, no traceback) and
through Python (Assay.load)."""
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from support import main  # noqa: F401  the package on the path, the library loaded
from qira.assay import Assay
from qira.assay_file import AssayFileError

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
EXAMPLES = os.path.join(ROOT, "examples", "assays")
DIESEL = os.path.join(EXAMPLES, "diesel-d86.json")
GASOIL = os.path.join(EXAMPLES, "gasoil-d2887.csv")

GOOD = {"name": "diesel", "standard": "D86", "temperature_unit": "C", "yield_unit": "percent",
        "curve": [[0, 180], [10, 212], [50, 270], [90, 330], [100, 360]], "sg": 0.845}
GASOIL_ROWS = [["name", "Gas oil"], ["standard", "D2887"], ["temperature_unit", "C"],
               ["yield_unit", "percent"], ["sg", "0.872"], ["curve", "0.5", "150"],
               ["curve", "10", "210"], ["curve", "50", "300"], ["curve", "90", "390"],
               ["curve", "99.5", "450"], ["cuts", "count", "4"]]


def changed(**keys):
    data = dict(GOOD)
    for key, value in keys.items():
        if value is None:
            data.pop(key, None)
        else:
            data[key] = value
    return json.dumps(data)


def csv_text(delimiter=",", decimal=".", bom=""):
    rows = [[c.replace(".", decimal) if c[0].isdigit() else c for c in row] for row in GASOIL_ROWS]
    return bom + "\n".join(delimiter.join(row) for row in rows) + "\n"


def run(argv, cwd):
    env = dict(os.environ, PYTHONPATH=os.path.join(ROOT, "python"), PYTHONDONTWRITEBYTECODE="1")
    done = subprocess.run([sys.executable, "-m", "qira"] + argv, cwd=cwd, env=env,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, universal_newlines=True)
    return done.returncode, done.stdout, done.stderr


class FileMistakes(unittest.TestCase):
    # (case, file name, content, message fragments; None: the file is read)
    ROWS = [
        ("key typo", "typo.json", changed(viscosity=[[40, 3]]),
         ['typo.json: unknown key "viscosity"', 'did you mean "viscosities"']),
        ("curve given as an object", "object.json", changed(curve={"0": 180, "50": 270}),
         ["object.json: curve: must be a list of [yield, temperature] pairs, not an object"]),
        ("yield beyond 100 %, told in percent", "yield.json",
         changed(curve=[[0, 180], [10, 212], [50, 270], [90, 330], [105, 360]]),
         ["yield.json: curve[4]: yield 105 % lies outside 0 to 100 %"]),
        ("temperature beyond the range, told in the file's unit", "hot.json",
         changed(curve=[[0, 180], [10, 212], [50, 270], [90, 330], [100, 1300]]),
         ["curve[4]: temperature 1300 °C lies outside -73.15 to 1226.85 °C"]),
        ("percent file holding fractions", "fractions.json",
         changed(curve=[[0, 180], [0.1, 212], [0.5, 270], [0.9, 330], [1, 360]]),
         ['the yields run from 0 to 1 while yield_unit is "percent"']),
        ("fraction file holding percent", "percent.json", changed(yield_unit="fraction"),
         ['curve[1]: yield 10 lies above 1 while yield_unit is "fraction"']),
        ("a misspelt standard", "std.json", changed(standard="D68"),
         ['standard: standard "D68" is unknown (did you mean "D86"?)']),
        ("no gravity", "nosg.json", changed(sg=None),
         ["give exactly one of sg, api or watson_k (the file gives none)"]),
        ("text where a number belongs, CSV line named", "text.csv",
         csv_text().replace("curve,50,300", "curve,50,hot"),
         ['text.csv: line 8 (curve): temperature "hot" is not a number']),
        ("unknown CSV row key", "row.csv", csv_text().replace("sg,", "gravity,"),
         ['row.csv: line 5: unknown row key "gravity"']),
        ("the library's refusal: a D86 in F labelled C, named with the file and key", "f-as-c.json",
         changed(curve=[[0, 356], [10, 414], [50, 518], [90, 626], [100, 680]]),
         ["f-as-c.json: curve: the D86 reading", "(680 C) lies above", "(400 C)"]),
        ("not JSON", "broken.json", '{"name": "x",,}', ["broken.json: line 1 column 14: not valid JSON"]),
        ("not UTF-8 (a Latin-1 export)", "latin.csv", None, ["latin.csv: byte 9: the file is not UTF-8"]),
        ("comma CSV", "comma.csv", csv_text(), None),
        ("semicolon CSV with decimal commas", "semicolon.csv", csv_text(";", ","), None),
        ("tab CSV", "tab.csv", csv_text("\t"), None),
        ("UTF-8 BOM CSV (spreadsheet 'CSV UTF-8')", "bom.csv", csv_text(bom="\ufeff"), None),
    ]

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp()
        for _, name, content, _ in cls.ROWS:
            path = os.path.join(cls.folder, name)
            if content is None:
                with open(path, "wb") as f:
                    f.write(csv_text().replace("Gas oil", "Gas öil").encode("latin-1"))
            else:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(content)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def test_from_python(self):
        reference = Assay.load(os.path.join(self.folder, "comma.csv")).default_cut().records
        for case, name, _, fragments in self.ROWS:
            with self.subTest(case):
                path = os.path.join(self.folder, name)
                if fragments is None:
                    table = Assay.load(path).cut()
                    records = table.records
                    self.assertEqual(len(records), 4)  # cut() without arguments: the file's "cuts"
                    self.assertEqual(str(table), table.format())  # print(table) prints the table
                    for got, want in zip(records, reference):
                        self.assertAlmostEqual(got["nbp"], want["nbp"], places=9)
                    continue
                with self.assertRaises(AssayFileError) as caught:
                    Assay.load(path)
                for fragment in fragments:
                    self.assertIn(fragment, str(caught.exception))

    def test_from_the_command(self):
        for case, name, _, fragments in self.ROWS:
            if fragments is None:
                continue
            with self.subTest(case):
                status, out, err = run(["cut", os.path.join(self.folder, name)], self.folder)
                self.assertEqual(status, 2)
                self.assertNotIn("Traceback", err)
                self.assertEqual(out, "")
                for fragment in fragments:
                    self.assertIn(fragment, err)


class OutputMistakes(unittest.TestCase):
    def setUp(self):
        self.cwd = tempfile.mkdtemp()
        self.inputs = tempfile.mkdtemp()
        self.diesel = shutil.copy(DIESEL, self.inputs)

    def tearDown(self):
        shutil.rmtree(self.cwd)
        shutil.rmtree(self.inputs)

    def test_outputs(self):
        stem = "diesel-d86"
        cases = [
            # (case, argv, exit status, files expected in cwd, files beside the input)
            ("cut writes into the current folder, not beside the input", ["cut", self.diesel], 0,
             {stem + ".cuts.csv", stem + ".svg"}, {"diesel-d86.json"}),
            ("blend names its files from the streams' stems, in the current folder",
             ["blend", self.diesel + ":0.3", GASOIL + ":0.7"], 0,
             {stem + "+gasoil-d2887.cuts.csv", stem + "+gasoil-d2887.svg"}, {"diesel-d86.json"}),
            ("a bad --svg path writes no CSV either", ["cut", self.diesel, "--svg",
                                                        os.path.join(self.cwd, "no", "x.svg")], 2,
             set(), {"diesel-d86.json"}),
            ("an unwritable folder fails before the table is printed",
             ["cut", self.diesel, "--out-dir", "/proc"], 2, set(), {"diesel-d86.json"}),
            ("--out-dir takes the files", ["cut", self.diesel, "--out-dir", self.inputs], 0,
             set(), {"diesel-d86.json", stem + ".cuts.csv", stem + ".svg"}),
        ]
        for case, argv, want_status, in_cwd, beside in cases:
            with self.subTest(case):
                for folder in (self.cwd, self.inputs):
                    for name in os.listdir(folder):
                        if name != "diesel-d86.json":
                            path = os.path.join(folder, name)
                            shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
                status, out, err = run(argv, self.cwd)
                self.assertEqual(status, want_status, err)
                self.assertNotIn("Traceback", err)
                self.assertEqual(set(os.listdir(self.cwd)), in_cwd)
                self.assertEqual(set(os.listdir(self.inputs)), beside)
                if status:
                    self.assertEqual(out, "")  # nothing printed before the failure

    def test_help_documents_every_option(self):
        status, out, _ = run(["cut", "--help"], self.cwd)
        self.assertEqual(status, 0)
        for option, words in (("FILE", "assay file"), ("--count", "default"), ("--csv", "default"),
                              ("--svg", "default"), ("--no-files", "default"),
                              ("--out-dir", "current folder"), ("--temperatures", "degrees C")):
            self.assertIn("\n  " + option, out)
            section = " ".join(out[out.index("\n  " + option):].split())
            self.assertIn(words, section[:400], option)

    def test_bad_command_line_values(self):
        for case, argv, fragment in (
                ("count out of range", ["cut", DIESEL, "--count", "0"], "0 lies outside 1 to 200"),
                ("temperature not a number", ["cut", DIESEL, "--temperatures", "200,x"],
                 '"x" is not a temperature in degrees C'),
                ("share not a number", ["blend", DIESEL + ":half"], 'the share "half" is not a number'),
                ("missing file", ["cut", os.path.join(self.cwd, "none.json")], "none.json: cannot be read")):
            with self.subTest(case):
                status, out, err = run(argv + ["--no-files"], self.cwd)
                self.assertEqual(status, 2)
                self.assertIn(fragment, err)
                self.assertNotIn("Traceback", err)


if __name__ == "__main__":
    unittest.main()


class ChartMistakes(unittest.TestCase):
    """The chart the command writes and qira.chart draws (one renderer, the library's):
    each fault of the former charts is a row checked on every example."""

    @staticmethod
    def parse(svg):
        import xml.etree.ElementTree as ET
        ns = "{http://www.w3.org/2000/svg}"
        root = ET.fromstring(svg)   # well-formed XML
        texts = [(float(t.get("x")), float(t.get("y")), t.text or "", t.get("transform") or "",
                  t.get("text-anchor")) for t in root.iter(ns + "text")]
        frames = [tuple(float(r.get(k)) for k in ("x", "y", "width", "height"))
                  for r in root.iter(ns + "rect") if r.get("stroke") == "#444"]
        return root, ns, texts, frames

    def check(self, name, table, svg):
        root, ns, texts, (left, right) = self.parse(svg)
        bottom = left[1] + left[3]
        legend = [t for t in texts if t[2].startswith(("laboratory", "TBP (", "cuts:", "pseudo-components through",
                                                       "measured bulk", "light ends:"))]
        cuts = [r for r in table.records if r["t_low"] != r["t_high"]]
        light = [r["cut"] for r in table.records if r["t_low"] == r["t_high"]]
        line_labels = sorted(t[1] for t in texts if abs(t[0] - (right[0] + right[2] + 8)) < 0.2)
        names = sorted(t[0] for t in texts if t[3].startswith("rotate(-90") and t[2] in
                       {r["cut"] for r in table.records})
        ticks = [float(t[2]) for t in texts if t[4] == "end" and abs(t[0] - (right[0] - 6)) < 0.2]
        boundary_labels = [t for t in texts if abs(t[0] - (left[0] + left[2] + 7)) < 0.2]
        lowest = min(r["visc100"] for r in cuts if r["visc100"])
        rows = [
            ("the legend stands outside the plotting areas", legend and all(t[1] > bottom + 40 for t in legend)),
            ("line labels do not collide", all(b - a >= 10.9 for a, b in zip(line_labels, line_labels[1:]))),
            ("cut names do not collide", all(b - a >= 11.9 for a, b in zip(names, names[1:]))),
            ("viscosity ticks are 1-2-5 values", ticks and all(
                round(v / 10 ** math.floor(math.log10(v) + 1e-9), 6) in (1, 2, 5) for v in ticks)),
            ("the lowest tick covers the light cuts", min(ticks) <= max(lowest, 0.2)),
            ("every cut and light end named", {r["cut"] for r in table.records} <=
             {t[2] for t in texts} or "left out for room" in svg),
            ("light ends labelled", all(n in {t[2] for t in texts} for n in light)),
            ("every cut boundary labelled", len(boundary_labels) == len(cuts) + 1 or "left out" in svg),
            ("a caption names the methods", "Riazi and Daubert (1980)" in svg and "ASTM D341" in svg),
            ("clipped lines are marked", (root.find(ns + "polygon") is not None) ==
             ("leave the axis range" in svg)),
        ]
        for case, holds in rows:
            self.assertTrue(holds, "%s: %s" % (name, case))

    def test_every_example_from_python_and_the_command(self):
        from qira import chart
        folder = tempfile.mkdtemp()
        try:
            for name in sorted(os.listdir(EXAMPLES)):
                with self.subTest(name):
                    table = Assay.load(os.path.join(EXAMPLES, name)).cut()
                    svg = chart.svg(table)
                    self.check(name, table, svg)
                    status, _, err = run(["cut", os.path.join(EXAMPLES, name)], folder)
                    self.assertEqual(status, 0, err)
                    with open(os.path.join(folder, os.path.splitext(name)[0] + ".svg"), encoding="utf-8") as f:
                        self.assertEqual(f.read(), svg)   # one renderer behind both
        finally:
            shutil.rmtree(folder)

    def test_extrapolated_ends_dashed(self):
        from qira import chart
        data = json.loads(changed(curve=[[10, 212], [30, 245], [50, 270], [70, 295], [90, 330]]))
        cases = [  # (case, assay, dashed segments expected)
            ("readings 10 to 90 %: both TBP ends extrapolated", Assay.from_dict(data), 2),
            ("readings 0 to 100 %: nothing extrapolated", Assay.load(DIESEL), 0),
        ]
        for case, assay, dashed in cases:
            with self.subTest(case):
                svg = chart.svg(assay.cut(count=5))
                self.assertEqual(svg.count('stroke-dasharray="6,4" points='), dashed)
                self.assertEqual("dashed: extrapolated" in svg, dashed > 0)
                self.assertIn("TBP from D86 by API 3A1.1", svg)

    def test_example_host_mon_line(self):
        with open(os.path.join(ROOT, "examples", "example_host.out"), encoding="utf-8") as f:
            self.assertNotIn("MON estimated", f.read())  # no MonClear with a meaningless b
