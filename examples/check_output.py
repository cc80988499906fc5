#!/usr/bin/env python3
"""Compares a program's text output with its expected output, line by line.

Usage: check_output.py EXPECTED ACTUAL [--rtol R]

Lines must have the same words in the same order. A word that reads as a number is
compared as a number: |actual - expected| <= R * |expected| (R = 0 by default, so a
number printed at the stated precision must read exactly the same). Exits 0 when every
line matches; otherwise prints the first differing lines and exits 1.
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


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("expected")
    parser.add_argument("actual")
    parser.add_argument("--rtol", type=float, default=0.0)
    args = parser.parse_args()
    with open(args.expected, encoding="utf-8") as f:
        expected = f.read().splitlines()
    with open(args.actual, encoding="utf-8", errors="replace") as f:
        actual = f.read().splitlines()
    shown = 0
    for i in range(max(len(expected), len(actual))):
        e = expected[i] if i < len(expected) else "<no line>"
        a = actual[i] if i < len(actual) else "<no line>"
        if i < len(expected) and i < len(actual) and same(e, a, args.rtol):
            continue
        if shown == 0:
            print(f"{args.actual} differs from {args.expected}:")
        print(f"line {i + 1}:\n  expected: {e}\n  actual:   {a}")
        shown += 1
        if shown == 5:
            break
    return 1 if shown else 0


if __name__ == "__main__":
    sys.exit(main())
