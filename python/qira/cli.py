"""The qira command: cut an assay file into a pseudo-component table, or blend streams.

    qira cut FILE [--count N | --temperatures T1,T2,... | --named refinery]
             [--out-dir DIR] [--csv PATH] [--svg PATH] [--no-files]
    qira blend FILE:SHARE FILE:SHARE ... [--basis volume|mass|mole] [--name NAME] ...

Files follow the schema of docs/assay.md (JSON or key-first CSV). The cut table is
printed, written as CSV (<stem>.cuts.csv) and drawn as SVG (<stem>.svg) in the current
folder or --out-dir, <stem> being the input file's name without its extension (for a
blend, the streams' stems joined by "+"). Files are written only when everything
succeeded. Temperatures on the command line are in degrees C. Bad input exits with
status 2 and a message naming the file, the key or line, and the value.
"""
import argparse
import os
import sys
import tempfile

from . import chart
from .assay import PROPERTIES, Assay, blend

EXIT_BAD_INPUT = 2


class CommandError(ValueError):
    """Bad command-line input (exit status 2)."""


def _count(text):
    try:
        n = int(text)
    except ValueError:
        raise argparse.ArgumentTypeError('"%s" is not a whole number' % text) from None
    if not 1 <= n <= 200:
        raise argparse.ArgumentTypeError("%d lies outside 1 to 200" % n)
    return n


def _celsius_list(text):
    out = []
    for item in text.split(","):
        try:
            out.append(float(item) + 273.15)
        except ValueError:
            raise argparse.ArgumentTypeError('"%s" is not a temperature in degrees C' % item.strip()) from None
    return out


def _cut_options(args):
    if args.count is not None:
        return {"count": args.count}
    if args.temperatures:
        return {"temperatures": args.temperatures}
    if args.named:
        return {"named": args.named}
    return None


def _write_all(files):
    """Writes every (path, text) pair, or none: each goes to a temporary file beside its
    target first, and all are moved into place only when all were written."""
    for target, _ in files:
        if os.path.isdir(target):
            raise OSError("cannot write %s: it is a folder (nothing was written)" % target)
    staged, target = [], None
    try:
        for target, text in files:
            folder = os.path.dirname(os.path.abspath(target))
            fd, temp = tempfile.mkstemp(prefix=".qira-", suffix=".tmp", dir=folder)
            staged.append((temp, target))
            with os.fdopen(fd, "w", encoding="utf-8", newline="") as f:
                f.write(text)
        for temp, target in staged:
            os.replace(temp, target)
    except OSError as error:
        for temp, _ in staged:
            if os.path.exists(temp):
                os.remove(temp)
        raise OSError("cannot write %s: %s (nothing was written)"
                      % (target, error.strerror or error)) from None


def _output_files(args, table, stem):
    if args.no_files:
        return []
    folder = args.out_dir or ""
    if folder and not os.path.isdir(folder):
        raise CommandError("--out-dir %s is not a folder" % folder)
    csv_path = args.csv or os.path.join(folder, stem + ".cuts.csv")
    svg_path = args.svg or os.path.join(folder, stem + ".svg")
    return [(csv_path, table.to_csv()), (svg_path, chart.svg(table))]


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
    except (ValueError, RuntimeError) as error:  # outside the method's range, e.g. a crude
        rows.append("cetane index: not available (%s)" % error)
    return rows


def _stem(path):
    return os.path.splitext(os.path.basename(path))[0]


def _parser():
    parser = argparse.ArgumentParser(
        prog="qira", description="Cut an assay file into a pseudo-component table, or blend "
        "streams. Temperatures on the command line are in degrees C; files follow "
        "docs/assay.md.")
    sub = parser.add_subparsers(dest="command", required=True, metavar="{cut,blend}")
    for name, summary in (("cut", "print, write and draw the cut table of one assay file"),
                          ("blend", "blend streams and print, write and draw the mixture")):
        p = sub.add_parser(name, help=summary, description=summary + ".")
        if name == "cut":
            p.add_argument("file", metavar="FILE",
                           help="assay file, .json or .csv (docs/assay.md); its \"cuts\" "
                                "are used unless --count, --temperatures or --named is given")
        else:
            p.add_argument("streams", nargs="+", metavar="FILE:SHARE",
                           help="assay file and its share of the blend (0 to 1, on --basis); "
                                "the shares must add up to 1")
            p.add_argument("--basis", default="volume", choices=("volume", "mass", "mole"),
                           help="what the shares are fractions of (default: volume)")
            p.add_argument("--name", default=None,
                           help="the mixture's name (default: the streams' names and shares)")
        group = p.add_mutually_exclusive_group()
        group.add_argument("--count", type=_count, metavar="N",
                           help="N cuts (1 to 200) of equal TBP width over the curve "
                                "(default: the file's \"cuts\", else 10)")
        group.add_argument("--temperatures", type=_celsius_list, metavar="T1,T2,...",
                           help="cut boundaries in degrees C, comma-separated, ascending "
                                "(default: none)")
        group.add_argument("--named", choices=("refinery",),
                           help="a named set of cuts by TBP range (default: none)")
        p.add_argument("--out-dir", metavar="DIR", default=None,
                       help="folder for the CSV and SVG (default: the current folder)")
        p.add_argument("--csv", metavar="PATH",
                       help="the CSV's path, temperatures in K as the Python API "
                            "(default: DIR/<stem>.cuts.csv)")
        p.add_argument("--svg", metavar="PATH",
                       help="the chart's path (default: DIR/<stem>.svg)")
        p.add_argument("--no-files", action="store_true",
                       help="print only; write neither the CSV nor the SVG (default: off)")
    return parser


def _run(args, out):
    if args.command == "cut":
        assay = Assay.load(args.file)
        options = _cut_options(args)
        table = assay.cut(**options) if options else assay.default_cut()
        files = _output_files(args, table, _stem(args.file))
        _write_all(files)
        out.write("%s (%s, %s)\n%s\n" % (assay.name, assay.standard, args.file, table.format()))
    else:
        pairs = []
        for item in args.streams:
            path, sep, share = item.rpartition(":")
            if not sep or not path:
                raise CommandError('"%s": give FILE:SHARE, e.g. diesel.json:0.3' % item)
            try:
                value = float(share)
            except ValueError:
                raise CommandError('"%s": the share "%s" is not a number' % (item, share)) from None
            pairs.append((Assay.load(path), value))
        mix = blend(pairs, basis=args.basis, name=args.name)
        table = mix.cut(**(_cut_options(args) or {}))
        files = _output_files(args, table, "+".join(_stem(p) for p in
                                                    (i.rpartition(":")[0] for i in args.streams)))
        _write_all(files)
        out.write("blend of %s (%s basis)\n" % (mix.name, args.basis))
        out.write("\n".join(_curve_lines(mix)) + "\n")
        out.write("SG %.4f (API %.2f)\n" % (mix.sg, mix.api))
        out.write("\n".join(_property_lines(mix)) + "\n")
        out.write(table.format() + "\n")
    if files:
        out.write("wrote %s\n" % " and ".join(path for path, _ in files))


def main(argv=None, out=None):
    """Entry point of the qira command; returns the exit status (2 for bad input)."""
    out = out or sys.stdout
    args = _parser().parse_args(argv)
    try:
        _run(args, out)
        return 0
    except (ValueError, TypeError, OSError, RuntimeError, ArithmeticError) as error:
        sys.stderr.write("qira: %s\n" % error)
        return EXIT_BAD_INPUT
