#!/usr/bin/env python3
"""Writes the Python package's tables of the library from their one source:
python/qira/_signatures.py from the public headers include/*.h, and
python/qira/_constants.py from frame/constants.h.

Every declaration marked QIRA_API is read with the doc comment just above it. Each
argument needs one @param line in declaration order,

    @param[in] name text            a value
    @param[out] name [len] text     an array (or one value written through a pointer)

with the direction in, out or in,out, and, for every pointer, the length in brackets
(a count argument, a number, an expression such as D86BaseSizeOption(), or a word such
as string or function). A const pointer cannot be an output. Declarations inside
QIRA_C_BEGIN/QIRA_C_END have C names; the others (C++ free functions) are called through
their Itanium decorated names.

The constants file holds one `constexpr double kName = value;` per constant, each after
its comment (unit and source); the Python name is the C++ name in capitals with words
parted by underscores (kKpaPerPsi -> KPA_PER_PSI).

    gen_python_tables.py            rewrite both files
    gen_python_tables.py --check    exit 1 when a committed file differs from what its
                                    source gives (or a header lacks an annotation),
                                    printing the difference
"""
import difflib
import glob
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SIGNATURES_FILE = os.path.join(ROOT, "python", "qira", "_signatures.py")
CONSTANTS_SOURCE = os.path.join(ROOT, "frame", "constants.h")
CONSTANTS_FILE = os.path.join(ROOT, "python", "qira", "_constants.py")

# (base type, pointer depth) -> ctypes alias in the generated file
CTYPES = {
    ("double", 0): "D", ("int", 0): "I", ("bool", 0): "B", ("float", 0): "F",
    ("double", 1): "PD", ("int", 1): "PI", ("float", 1): "PF", ("bool", 1): "PB",
    ("double", 2): "PPD", ("char", 1): "c_char_p", ("void", 1): "c_void_p",
    ("void", 0): "V", ("object", 1): "c_void_p", ("object", 2): "POINTER(c_void_p)",
    ("char", 2): "POINTER(c_char_p)",
}
# Itanium codes of the builtin types
BUILTIN_CODES = {"double": "d", "int": "i", "bool": "b", "float": "f", "char": "c",
                 "void": "v"}

DOC_AND_DECL = re.compile(
    r"/\*\*((?:(?!\*/).)*)\*/\s*QIRA_API\s+([\w\s\*]+?)\s*\b(\w+)\s*\(([^)]*)\)\s*;", re.S)
DECL = re.compile(r"^QIRA_API\s+[\w\s\*]+?\b(\w+)\s*\(", re.M)
PARAM = re.compile(r"@param\[(in|out|in,out)\]\s+(\w+)(?:\s+((?:\[[^\]]+\])+))?(?:\s+(\w+))?")


class HeaderError(Exception):
    pass


def parse_type(text):
    """(base, depth, const) of a C type such as 'const double*'. A pointer to a structure
    of the library (an opaque object such as QiraAssay*) is a handle: base 'object'."""
    const = text.replace("*", " ").split()[:1] == ["const"]
    depth = text.count("*")
    words = [w for w in text.replace("*", " ").split() if w != "const"]
    if len(words) == 1 and depth in (1, 2) and re.match(r"^Qira[A-Z]\w*$", words[0]):
        return "object", depth, const
    if len(words) != 1 or (words[0], depth) not in CTYPES:
        raise HeaderError("unsupported type %r" % text)
    return words[0], depth, const


def parse_argument(text):
    match = re.match(r"^(.*?)(\w+)$", text.strip())
    if not match:
        raise HeaderError("cannot read argument %r" % text)
    return match.group(2), parse_type(match.group(1))


def c_linkage_at(text, position):
    before = text[:position]
    opened = len(re.findall(r"^QIRA_C_BEGIN\b", before, re.M))
    closed = len(re.findall(r"^QIRA_C_END\b", before, re.M))
    return opened > closed


def read_params(name, doc, arguments):
    params = PARAM.findall(doc)
    names = [a for a, _ in arguments]
    if [p[1] for p in params] != names:
        raise HeaderError("%s: @param names %s, arguments %s"
                          % (name, [p[1] for p in params], names))
    table = []
    counts = [a for a, (base, depth, _) in arguments if base == "int" and depth == 0]
    for (direction, pname, length, word), (_, (base, depth, const)) in zip(params, arguments):
        length = length[1:-1] if length else None
        if depth and not length and word in counts:
            length = word  # "@param[in] x n abscissae": the length is a count argument
        if base == "object" and depth == 1:
            length = length or "object"  # a handle, not an array
        if depth and not length:
            raise HeaderError("%s: pointer argument %s needs its length [..]" % (name, pname))
        if not depth and length:
            raise HeaderError("%s: value argument %s has a length" % (name, pname))
        if const and direction != "in":
            raise HeaderError("%s: const argument %s marked %s" % (name, pname, direction))
        table.append((pname, direction, length))
    return table


def mangle(name, arguments):
    """Itanium name of a C++ free function whose arguments are builtins and pointers."""
    substitutions = []

    def reference(key):
        at = substitutions.index(key)
        return "S_" if at == 0 else "S%d_" % (at - 1)

    def code(base, depth, const):
        if depth == 0 and not const:
            return BUILTIN_CODES[base]
        key = (base, depth, const)
        if key in substitutions:
            return reference(key)
        inner = "K" + BUILTIN_CODES[base] if depth == 0 else "P" + code(base, depth - 1, const)
        substitutions.append(key)
        return inner

    codes = [code(*t) for _, t in arguments] or ["v"]
    return "_Z%d%s%s" % (len(name), name, "".join(codes))


CLASS = re.compile(r"^class QIRA_API (\w+) \{(.*?)^\};", re.S | re.M)
DOC_AND_METHOD = re.compile(
    r"/\*\*((?:(?!\*/).)*)\*/\s*(?:static\s+)?[\w:<>\s\*&~]*?\b(operator=|~?\w+)\s*\(([^)]*)\)"
    r"\s*(?:const\s*)?;", re.S)


def check_class_methods(text, header):
    """Every member function of an exported class that takes arguments carries an
    @param line per argument, pointers with their length (the classes are called from
    C++ only, so they get no ctypes entry)."""
    for cls in CLASS.finditer(text):
        for match in DOC_AND_METHOD.finditer(cls.group(2)):
            doc, name, args = match.groups()
            args = args.strip()
            if args in ("", "void"):
                continue
            arguments = []
            for arg in args.split(","):
                words = re.match(r"^(.*?)(\w+)$", arg.strip())
                if not words:
                    raise HeaderError("%s: cannot read argument %r of %s::%s"
                                      % (header, arg, cls.group(1), name))
                kind = words.group(1)
                arguments.append((words.group(2), ("member", kind.count("*"),
                                                   kind.split()[:1] == ["const"] and "*" in kind)))
            read_params("%s::%s" % (cls.group(1), name), doc, arguments)


def read_header(path):
    text = open(path, encoding="utf-8").read()
    check_class_methods(text, os.path.basename(path))
    declared = DECL.findall(text)
    entries = []
    for match in DOC_AND_DECL.finditer(text):
        doc, result, name, args = match.groups()
        args = args.strip()
        arguments = [] if args in ("", "void") else [parse_argument(a) for a in args.split(",")]
        base, depth, _ = parse_type(result)
        entries.append({
            "name": name,
            "result": CTYPES[(base, depth)],
            "arguments": [CTYPES[(t[0], t[1])] for _, t in arguments],
            "params": read_params(name, doc, arguments),
            "c": c_linkage_at(text, match.start(3)),
            "symbol": None if c_linkage_at(text, match.start(3)) else mangle(name, arguments),
        })
    documented = [e["name"] for e in entries]
    if documented != declared:
        missing = [n for n in declared if n not in documented]
        raise HeaderError("%s: declarations without a doc comment: %s"
                          % (os.path.basename(path), ", ".join(missing) or "(order)"))
    return entries


def wrapped(prefix, items, suffix, indent, width=99):
    """prefix, the items separated by ', ' and suffix, broken before width."""
    lines, line = [], prefix
    for k, item in enumerate(items):
        piece = item + (", " if k + 1 < len(items) else suffix)
        if len(line) + len(piece.rstrip()) > width and line.strip():
            lines.append(line.rstrip())
            line = indent
        line += piece
    if not items:
        line += suffix
    lines.append(line)
    return lines


def render(headers):
    out = ['"""The C signature of every exported function: name -> (result type, argument '
           'types).',
           "",
           "Generated by scripts/gen_python_tables.py from the @param lines of include/*.h; do "
           "not edit.",
           "The test python_tables_from_headers fails when this file and the headers disagree.",
           '"""',
           "from ctypes import POINTER, c_bool, c_char_p, c_double, c_float, c_int, c_void_p",
           "",
           "D, I, B, F = c_double, c_int, c_bool, c_float",
           "PD, PI, PF, PB = POINTER(c_double), POINTER(c_int), POINTER(c_float), "
           "POINTER(c_bool)",
           "PPD = POINTER(POINTER(c_double))",
           "V = None",
           "",
           "SIGNATURES = {"]
    params, decorated = [], []
    for header, entries in headers:
        out.append("    # %s" % header)
        for e in entries:
            key = e["name"] if e["c"] else e["symbol"]
            out.append('    "%s": (%s, [%s]),' % (key, e["result"], ", ".join(e["arguments"])))
            if not e["c"]:
                decorated.append((e["name"], e["symbol"]))
            items = ["(%r, %r, %r)" % p for p in e["params"]]
            params.extend(wrapped('    "%s": (' % e["name"], items,
                                  ",)," if len(items) == 1 else "),", "        "))
    out.append("}")
    out += ["",
            "# Each argument's name, direction ('in', 'out' or 'in,out') and, for a pointer, "
            "its length.",
            "PARAMETERS = {"]
    out += params
    out += ["}",
            "",
            "# The C++ free functions (the Newton-Raphson entry points) carry Itanium "
            "decorated names.",
            "NR_SYMBOLS = {"]
    out += ['    "%s": "%s",' % pair for pair in decorated]
    out += ["}", ""]
    return "\n".join(out)


def generate_signatures():
    headers = []
    for path in sorted(glob.glob(os.path.join(ROOT, "include", "*.h"))):
        entries = read_header(path)
        if entries:
            headers.append((os.path.basename(path), entries))
    return render(headers)


CONSTANT = re.compile(r"^constexpr double k(\w+) = ([0-9.e+\-*/ ]+);$")


def python_name(name):
    return re.sub(r"(?<=[a-z])(?=[A-Z]|[0-9]{2})|(?<=[0-9])(?=[A-Z][a-z])", "_", name).upper()


def generate_constants():
    """The constants of frame/constants.h with their comments, as Python assignments."""
    out = ['"""Physical constants and unit factors of the library, each with its unit and source.',
           "",
           "Generated by scripts/gen_python_tables.py from frame/constants.h; do not edit.",
           "The test python_tables_from_headers fails when this file and that header disagree.",
           '"""']
    comment = []
    for line in open(CONSTANTS_SOURCE, encoding="utf-8").read().split("\n"):
        text = line.strip()
        if text.startswith("//"):
            comment.append("#" + text[2:])
            continue
        match = CONSTANT.match(text)
        if match:
            out += [""] + comment + ["%s = %s" % (python_name(match.group(1)), match.group(2))]
        elif text.startswith("constexpr"):
            raise HeaderError("frame/constants.h: cannot read %r" % text)
        comment = []
    return "\n".join(out) + "\n"


def check_or_write(path, text, source, check):
    if not check:
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return True
    try:
        committed = open(path, encoding="utf-8").read()
    except OSError:
        committed = ""
    if committed == text:
        return True
    name = os.path.relpath(path, ROOT)
    sys.stdout.writelines(difflib.unified_diff(
        committed.splitlines(True), text.splitlines(True), name + " (committed)",
        "generated from " + source))
    print("\n%s differs from %s: run scripts/gen_python_tables.py" % (name, source))
    return False


def main(argv):
    check = "--check" in argv
    try:
        signatures, constants = generate_signatures(), generate_constants()
    except HeaderError as exc:
        print("gen_python_tables: %s" % exc, file=sys.stderr)
        return 1
    ok = check_or_write(SIGNATURES_FILE, signatures, "include/*.h", check)
    ok = check_or_write(CONSTANTS_FILE, constants, "frame/constants.h", check) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
