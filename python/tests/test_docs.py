"""Every Python snippet of docs/*.md runs as pasted: each ```python block in a fresh
interpreter, each ```pycon block as a doctest, from an empty folder that holds only the
checkout's examples (the snippets name examples/assays/...), with the library this suite
uses. A block that imports NumPy or pandas is skipped where they are not installed."""
import doctest
import importlib.util
import os
import re
import subprocess
import sys
import tempfile
import unittest

import support  # noqa: F401  the package on the path

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DOCS = os.path.join(ROOT, "docs")
BLOCK = re.compile(r"^```(python|pycon)\n(.*?)^```", re.S | re.M)


def snippets():
    for name in sorted(os.listdir(DOCS)):
        if name.endswith(".md"):
            with open(os.path.join(DOCS, name), encoding="utf-8") as f:
                text = f.read()
            for m in BLOCK.finditer(text):
                line = text.count("\n", 0, m.start()) + 1
                yield "%s:%d" % (name, line), m.group(1), m.group(2)


def missing_module(code):
    for module in ("numpy", "pandas"):
        if re.search(r"^\s*(>>> )?(import|from) %s\b" % module, code, re.M) and \
                importlib.util.find_spec(module) is None:
            return module
    return None


class DocsSnippets(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        os.symlink(os.path.join(ROOT, "examples"), os.path.join(self.folder, "examples"))
        self.env = dict(os.environ, PYTHONPATH=os.path.join(ROOT, "python"),
                        PYTHONDONTWRITEBYTECODE="1")

    def tearDown(self):
        for name in os.listdir(self.folder):
            os.remove(os.path.join(self.folder, name))
        os.rmdir(self.folder)

    def test_every_snippet_runs_as_pasted(self):
        found = 0
        for where, kind, code in snippets():
            found += 1
            with self.subTest(where):
                skip = missing_module(code)
                if skip:
                    continue
                if kind == "python":
                    done = subprocess.run([sys.executable, "-c", code], cwd=self.folder,
                                          env=self.env, stdout=subprocess.PIPE,
                                          stderr=subprocess.PIPE, universal_newlines=True)
                    self.assertEqual(done.returncode, 0, "%s:\n%s" % (where, done.stderr))
                else:
                    self.assertEqual(self.doctest(where, code), 0, where)
        self.assertGreater(found, 5)

    def doctest(self, where, code):
        test = doctest.DocTestParser().get_doctest(code, {}, where, where, 0)
        runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS | doctest.NORMALIZE_WHITESPACE)
        here = os.getcwd()
        os.chdir(self.folder)
        try:
            runner.run(test)
        finally:
            os.chdir(here)
        return runner.failures


if __name__ == "__main__":
    unittest.main()
