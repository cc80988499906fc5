#!/usr/bin/env python3
"""Checks that each docs page shows its worked example as kept under examples/docs.

Usage: check_pages.py DOCS_DIR EXAMPLES_DIR [--write]

For every examples/docs/<page>.c or .cpp beside a <page>.out, the page docs/<page>.md
must hold, after its "## Worked example" heading, the program as its first code block
and the expected output as the code block after "Output:". With --write the files are
(re)made from the pages instead.
"""
import pathlib
import re
import sys

BLOCK = re.compile(r"```(\w*)\n(.*?)```", re.S)


def worked_example(page_text):
    """The program (language, text) and the output text of the page's worked example."""
    start = page_text.find("## Worked example")
    if start < 0:
        return None
    rest = page_text[start:]
    program = BLOCK.search(rest)
    out_at = rest.find("Output:", program.end())
    output = BLOCK.search(rest, out_at)
    return program.group(1), program.group(2), output.group(2)


def main(argv):
    docs, examples = pathlib.Path(argv[1]), pathlib.Path(argv[2])
    write = "--write" in argv[3:]
    failures = 0
    pages = sorted(docs.glob("*.md"))
    for page in pages:
        found = worked_example(page.read_text())
        if found is None:
            continue
        lang, program, output = found
        source = examples / (page.stem + (".cpp" if lang == "cpp" else ".c"))
        expected = examples / (page.stem + ".out")
        if write:
            source.write_text(program)
            expected.write_text(output)
            continue
        for path, shown in ((source, program), (expected, output)):
            if not path.exists() or path.read_text() != shown:
                print(f"{page.name}: the worked example differs from {path.name}")
                failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
