"""Loading the shared library, the package's exception and the ctypes helpers.

The library is looked for, in this order:

1. the path in the environment variable QIRA_LIBRARY (a file, or a folder holding it);
2. beside the package (the ``qira`` folder, then the folder that holds it);
3. the build trees of the source checkout the package lives in (``build/``,
   ``build/*/`` and ``build-*/`` next to ``python/``), the most recently built first;
4. the system loader, by the library's file name (an installed copy on the library path).
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
    """The library reported a failure: a false result or the missing-value marker.

    ``function`` names the exported function that reported it.
    """

    def __init__(self, function, message="the library reported a failure"):
        self.function = function
        super().__init__("%s: %s" % (function, message))


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


def _build_tree_candidates(package_dir):
    checkout = os.path.dirname(os.path.dirname(package_dir))
    folders = [os.path.join(checkout, "build")]
    folders += glob.glob(os.path.join(checkout, "build", "*"))
    folders += glob.glob(os.path.join(checkout, "build-*"))
    found = [p for p in (_in_folder(f) for f in folders if os.path.isdir(f)) if p]
    return sorted(found, key=os.path.getmtime, reverse=True)


def find_library():
    """The path (or bare file name for the system loader) of the library to load."""
    explicit = os.environ.get(_LIBRARY_ENV)
    if explicit:
        if os.path.isdir(explicit):
            path = _in_folder(explicit)
            if path is None:
                raise OSError("%s=%s holds no QIRAPropCalculator library" % (_LIBRARY_ENV, explicit))
            return path
        if not os.path.isfile(explicit):
            raise OSError("%s=%s is not a file" % (_LIBRARY_ENV, explicit))
        return explicit
    package_dir = os.path.dirname(os.path.abspath(__file__))
    for folder in (package_dir, os.path.dirname(package_dir)):
        path = _in_folder(folder)
        if path:
            return path
    built = _build_tree_candidates(package_dir)
    if built:
        return built[0]
    return _library_names()[-1]


class Library:
    """The loaded shared library with the C signature of every export declared.

    ``lib.function("Name")`` gives the ctypes function with its argument and result
    types set; an export the loaded library lacks raises QiraError when asked for.
    """

    def __init__(self, path):
        from ._signatures import SIGNATURES

        self.path = path
        self.cdll = ctypes.CDLL(path)
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
