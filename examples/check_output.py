#!/usr/bin/env python3
"""Compares a program's text output with its expected output, line by line.

Usage: check_output.py EXPECTED ACTUAL [EXPECTED ACTUAL ...] [--rtol R]

Lines must have the same words in the same order. A word that reads as a number is
compared as a number: |actual - expected| <= R * |expected| (R = 0 by default, so a
number printed at the stated precision must read exactly the same). Exits 0 when every
line of every pair matches; otherwise prints the first differing lines of each differing
pair and exits 1.
"""
import argparse
import re
import sys

NUMBER = re.compile(r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?|[-+]?(?:nan|inf)", re.I)


def tokens(line):
    """The line split into numbers and the text between them (spacing ignored)."""
    parts, at = [], 0
    for m in NUMBER.finditer(line):
        text = line[at:m.start()].split()
        parts.extend(text)
        parts.append(float(m.group()))
        at = m.end()
    parts.extend(line[at:].split())
    return parts


def same(expected, actual, rtol):
    a, b = tokens(expected), tokens(actual)
    if len(a) != len(b):
        return False
    for x, y in zip(a, b):
        if isinstance(x, float) != isinstance(y, float):
            return False
        if isinstance(x, float):
            if x != x or y != y:  # not-a-number matches only itself
                if not (x != x and y != y):
                    return False
            elif x != y and abs(y - x) > rtol * abs(x):
                return False
        elif x != y:
            return False
    return True


def compare(expected_path, actual_path, rtol):
    """Prints the first differing lines (at most five); True when all lines match."""
    with open(expected_path, encoding="utf-8") as f:
        expected = f.read().splitlines()
    with open(actual_path, encoding="utf-8", errors="replace") as f:
        actual = f.read().splitlines()
    shown = 0
    for i in range(max(len(expected), len(actual))):
        e = expected[i] if i < len(expected) else "<no line>"
        a = actual[i] if i < len(actual) else "<no line>"
        if i < len(expected) and i < len(actual) and same(e, a, rtol):
            continue
        if shown == 0:
            print(f"{actual_path} differs from {expected_path}:")
        print(f"line {i + 1}:\n  expected: {e}\n  actual:   {a}")
        shown += 1
        if shown == 5:
            break
    return shown == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("files", nargs="+", metavar="EXPECTED ACTUAL")
    parser.add_argument("--rtol", type=float, default=0.0)
    args = parser.parse_args()
    if len(args.files) % 2:
        parser.error("files come in pairs: EXPECTED ACTUAL")
    pairs = zip(args.files[0::2], args.files[1::2])
    results = [compare(e, a, args.rtol) for e, a in pairs]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
