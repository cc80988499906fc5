#!/usr/bin/env python3
"""Compares two text outputs line by line: EXPECTED ACTUAL [--rtol R].

Words must agree; words that read as numbers agree when |a - e| <= R * |e|.
Exits 0 when every line agrees, else prints the first differing lines and exits 1.
"""
import argparse
import re
import sys

NUMBER = re.compile(r"^[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?$|^[-+]?(?:nan|inf)$", re.I)
SPLIT = re.compile(r"([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)")


def words(line):
    return [w for part in SPLIT.split(line) for w in ([part] if SPLIT.fullmatch(part) else part.split())]


def agree(e, a, rtol):
    if NUMBER.match(e) and NUMBER.match(a):
        x, y = float(e), float(a)
        if x != x or y != y:
            return x != x and y != y
        return x == y or abs(y - x) <= rtol * abs(x)
    return e == a


def main():
    p = argparse.ArgumentParser()
    p.add_argument("expected")
    p.add_argument("actual")
    p.add_argument("--rtol", type=float, default=0.0)
    args = p.parse_args()
    exp = open(args.expected, encoding="utf-8").read().splitlines()
    act = open(args.actual, encoding="utf-8", errors="replace").read().splitlines()
    bad = 0
    for i in range(max(len(exp), len(act))):
        e = exp[i] if i < len(exp) else "<no line>"
        a = act[i] if i < len(act) else "<no line>"
        we, wa = words(e), words(a)
        if len(we) == len(wa) and all(agree(x, y, args.rtol) for x, y in zip(we, wa)):
            continue
        print(f"line {i + 1}:\n  expected: {e}\n  actual:   {a}")
        bad += 1
        if bad == 5:
            break
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
