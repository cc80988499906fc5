"""Loading the shared library, the package's exception and the ctypes helpers.

The library is looked for, in this order:

1. the copy bundled inside the installed package (``qira/``, put there by
   ``pip install``);
2. the path in the environment variable QIRA_LIBRARY (a file, or a folder holding it);
3. when the package runs from a source checkout, the checkout's build trees (``build/``,
   ``build/*/``, ``build-*/``), the most recently built first;
4. the system loader, by the library's file name (an installed copy on the library path).

A sanitizer-instrumented build is never loaded: an uninstrumented interpreter cannot
host it. When nothing is found, LibraryNotFound lists every place searched.
"""
import ctypes
import glob
import math
import os
import sys
from numbers import Real

MISSING = -32767.0
"""The missing-value marker of the interface (compared by exact equality)."""

_LIBRARY_ENV = "QIRA_LIBRARY"


class QiraError(RuntimeError):
    """The library reported a failure: a false result, a not-a-number or the missing-value
    marker. ``function`` names the function that reported it.
    """

    def __init__(self, function, message="the library reported a failure"):
        self.function = function
        super().__init__("%s: %s" % (function, message))


class LibraryNotFound(OSError):
    """No loadable QIRAPropCalculator library was found; the message lists the search."""


def _library_names():
    if sys.platform == "win32":
        return ["QIRAPropCalculator.dll"]
    if sys.platform == "darwin":
        return ["libQIRAPropCalculator.dylib", "libQIRAPropCalculator.1.dylib"]
    return ["libQIRAPropCalculator.so", "libQIRAPropCalculator.so.1"]


def _in_folder(folder):
    for name in _library_names():
        path = os.path.join(folder, name)
        if os.path.isfile(path):
            return path
    return None


def is_sanitizer_build(path):
    """True when the library at `path` links a sanitizer runtime (or its build tree's
    CMake cache names -fsanitize)."""
    cache = os.path.join(os.path.dirname(path), "CMakeCache.txt")
    try:
        if os.path.isfile(cache):
            with open(cache, errors="replace") as f:
                if "-fsanitize" in f.read():
                    return True
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return False
    return b"libasan" in data or b"libubsan" in data or b"libtsan" in data


def _build_tree_candidates(package_dir):
    checkout = os.path.dirname(os.path.dirname(package_dir))
    if not os.path.isfile(os.path.join(checkout, "CMakeLists.txt")):
        return []
    folders = [os.path.join(checkout, "build")]
    folders += glob.glob(os.path.join(checkout, "build", "*"))
    folders += glob.glob(os.path.join(checkout, "build-*"))
    found = [p for p in (_in_folder(f) for f in folders if os.path.isdir(f)) if p]
    return sorted(found, key=os.path.getmtime, reverse=True)


def _searched_message(searched):
    return ("no loadable QIRAPropCalculator library; searched:\n  " + "\n  ".join(searched) +
            "\nInstall the package with `bash scripts/install-python.sh` in the checkout"
            ", or set %s to the library file (or its folder), e.g.\n"
            "  export %s=/path/to/build/release/libQIRAPropCalculator.so" % (_LIBRARY_ENV, _LIBRARY_ENV))


def find_library():
    """The path of the library to load (or its bare file name for the system loader)."""
    package_dir = os.path.dirname(os.path.abspath(__file__))
    searched = []
    bundled = _in_folder(package_dir)
    if bundled:
        return bundled
    searched.append("%s (bundled copy): none" % package_dir)
    explicit = os.environ.get(_LIBRARY_ENV)
    if explicit:
        path = _in_folder(explicit) if os.path.isdir(explicit) else explicit
        if not path or not os.path.isfile(path):
            searched.append("%s=%s: no library file there" % (_LIBRARY_ENV, explicit))
            raise LibraryNotFound(_searched_message(searched))
        if is_sanitizer_build(path):
            raise LibraryNotFound("%s=%s is a sanitizer-instrumented build, which an "
                                  "uninstrumented interpreter cannot load; point it at a "
                                  "release build" % (_LIBRARY_ENV, path))
        return path
    searched.append("%s: not set" % _LIBRARY_ENV)
    for path in _build_tree_candidates(package_dir):
        if not is_sanitizer_build(path):
            return path
        searched.append("%s: skipped (sanitizer build)" % path)
    return _library_names()[-1]


def _load(path):
    try:
        return ctypes.CDLL(path)
    except OSError as exc:
        if os.sep in path:
            raise
        raise LibraryNotFound(_searched_message(
            ["%s (bundled copy): none" % os.path.dirname(os.path.abspath(__file__)),
             "%s: %s" % (_LIBRARY_ENV, os.environ.get(_LIBRARY_ENV) or "not set"),
             "the checkout's build trees: none usable",
             "system loader, %s: %s" % (path, exc)])) from None


class Library:
    """The loaded shared library with the C signature of every export declared.

    ``lib.function("Name")`` gives the ctypes function with its argument and result
    types set; an export the loaded library lacks raises QiraError when asked for.
    """

    def __init__(self, path):
        from ._signatures import SIGNATURES

        self.path = path
        self.cdll = _load(path)
        self._signatures = SIGNATURES
        self._functions = {}

    def function(self, name):
        fn = self._functions.get(name)
        if fn is not None:
            return fn
        try:
            fn = getattr(self.cdll, name)
        except AttributeError:
            raise QiraError(name, "not exported by %s" % self.path) from None
        restype, argtypes = self._signatures[name]
        fn.restype = restype
        fn.argtypes = argtypes
        self._functions[name] = fn
        return fn

    def has(self, name):
        return hasattr(self.cdll, name)

    def __getattr__(self, name):
        # lib.API3A11_D86toTBP(...) calls the raw export with its declared signature.
        if name.startswith("_") or name not in self.__dict__.get("_signatures", {}):
            raise AttributeError(name)
        return self.function(name)


_library = None


def library():
    """The process's Library, loaded on first use."""
    global _library
    if _library is None:
        _library = Library(find_library())
    return _library


def call(name, *args):
    """Calls the export `name` with ctypes arguments and returns its raw result."""
    return library().function(name)(*args)


# ---- Argument and result helpers ----------------------------------------------------

def number(value, what="value"):
    """A float from a real number (bool excluded); TypeError otherwise."""
    if isinstance(value, bool) or not isinstance(value, Real):
        raise TypeError("%s must be a real number, not %r" % (what, value))
    return float(value)


def optional(value, what="value"):
    """A float, or the missing-value marker for None."""
    return MISSING if value is None else number(value, what)


def doubles(values, what="values", length=None, minimum=None):
    """A ctypes double array holding a copy of the sequence `values`."""
    try:
        items = [number(v, what) for v in values]
    except TypeError:
        if not hasattr(values, "__iter__"):
            raise TypeError("%s must be a sequence of numbers" % what) from None
        raise
    if length is not None and len(items) != length:
        raise ValueError("%s must hold %d values, not %d" % (what, length, len(items)))
    if minimum is not None and len(items) < minimum:
        raise ValueError("%s must hold at least %d values, not %d" % (what, minimum, len(items)))
    return (ctypes.c_double * max(len(items), 1))(*items), len(items)


def out_doubles(n, fill=math.nan):
    """A ctypes double array of n elements, each set to `fill`."""
    return (ctypes.c_double * max(n, 1))(*([fill] * max(n, 1)))


def to_list(array, n):
    return [array[i] for i in range(n)]


def checked(name, value, message="the library reported a missing value"):
    """`value`, unless it is the missing-value marker (then QiraError)."""
    if value == MISSING:
        raise QiraError(name, message)
    return value


def require(name, ok, message="the library reported a failure"):
    if not ok:
        raise QiraError(name, message)


def none_if_missing(value):
    return None if value == MISSING else value
