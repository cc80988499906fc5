"""The qira command: cut an assay file into a pseudo-component table, or blend streams.

    qira cut assay.json [--count N | --temperatures T1,T2,... | --named refinery]
             [--csv out.csv] [--svg out.svg]
    qira blend a.json:0.3 b.json:0.7 [--basis volume|mass|mole] [--csv ...] [--svg ...]

Files follow the schema of docs/assay.md (JSON or key-first CSV). The cut table is
printed, written as CSV (default: beside the input, <name>.cuts.csv) and drawn as SVG
(default <name>.svg); --no-files skips both files. Temperatures on the command line are
in degrees C.
"""
import argparse
import os
import sys

from . import chart
from .assay import PROPERTIES, Assay, blend


def _cut_options(args):
    if args.count is not None:
        return {"count": args.count}
    if args.temperatures:
        return {"temperatures": [float(t) + 273.15 for t in args.temperatures.split(",")]}
    if args.named:
        return {"named": args.named}
    return None


def _outputs(args, table, stem, out):
    if args.no_files:
        return
    csv_path = args.csv or stem + ".cuts.csv"
    svg_path = args.svg or stem + ".svg"
    table.to_csv(csv_path)
    chart.write(table, svg_path)
    out.write("wrote %s and %s\n" % (csv_path, svg_path))


def _curve_lines(mix):
    rows = []
    for label, (y, t) in (("TBP", mix.tbp), ("D86", mix.d86), ("D2887", mix.d2887)):
        rows.append("%-6s " % label + "  ".join("%g%%:%.1f" % (round(100 * f, 3), v - 273.15)
                                               for f, v in zip(y, t)))
    return rows


def _property_lines(mix):
    units = {"K": ("°C", lambda v: v - 273.15), "mm": ("mm", lambda v: v), "kPa": ("kPa", lambda v: v)}
    rows = []
    for key, value in mix.properties.items():
        unit, f = units[PROPERTIES[key]]
        rows.append("%-14s %8.2f %s" % (key, f(value), unit))
    for t, nu in mix.viscosities:
        rows.append("viscosity %5.1f °C %8.4g cSt" % (t - 273.15, nu))
    try:
        rows.append("cetane index (ASTM D4737) %.1f" % mix.cetane_index())
    except Exception as error:  # outside the method's range, e.g. a crude
        rows.append("cetane index: not available (%s)" % error)
    return rows


def main(argv=None, out=None):
    """Entry point of the qira command; returns the exit status."""
    out = out or sys.stdout
    parser = argparse.ArgumentParser(prog="qira", description=__doc__.split("\n")[0])
    sub = parser.add_subparsers(dest="command", required=True)
    for name in ("cut", "blend"):
        p = sub.add_parser(name)
        if name == "cut":
            p.add_argument("file")
        else:
            p.add_argument("streams", nargs="+", metavar="FILE:SHARE")
            p.add_argument("--basis", default="volume", choices=("volume", "mass", "mole"))
            p.add_argument("--name", default=None)
        group = p.add_mutually_exclusive_group()
        group.add_argument("--count", type=int)
        group.add_argument("--temperatures", help="cut boundaries in degrees C, comma-separated")
        group.add_argument("--named", choices=("refinery",))
        p.add_argument("--csv")
        p.add_argument("--svg")
        p.add_argument("--no-files", action="store_true")
    args = parser.parse_args(argv)
    try:
        if args.command == "cut":
            assay = Assay.load(args.file)
            options = _cut_options(args)
            table = assay.cut(**options) if options else assay.default_cut()
            out.write("%s (%s, %s)\n%s\n" % (assay.name, assay.standard, args.file, table.format()))
            _outputs(args, table, os.path.splitext(args.file)[0], out)
            return 0
        pairs = []
        for item in args.streams:
            path, sep, share = item.rpartition(":")
            if not sep:
                parser.error("%s: give FILE:SHARE" % item)
            pairs.append((Assay.load(path), float(share)))
        mix = blend(pairs, basis=args.basis, name=args.name)
        out.write("blend of %s (%s basis)\n" % (mix.name, args.basis))
        out.write("\n".join(_curve_lines(mix)) + "\n")
        out.write("SG %.4f (API %.2f)\n" % (mix.sg, mix.api))
        out.write("\n".join(_property_lines(mix)) + "\n")
        options = _cut_options(args) or {}
        table = mix.cut(**options)
        out.write(table.format() + "\n")
        _outputs(args, table, "blend", out)
        return 0
    except (ValueError, OSError, RuntimeError) as error:
        sys.stderr.write("qira: %s\n" % error)
        return 2
