"""Input checks of the main API and its NumPy handling.

Every main-API function checks its inputs before it calls the library: a value that is
not a number or infinite, a curve that does not ascend, a fraction outside [0, 1] or
fractions that must sum to one and do not, raise ValueError naming the function, the
argument, the position and the value. Values outside the physical range of their
quantity (a temperature in degrees Celsius where kelvin is expected, a density in g/cm3)
raise ValueError too, or only warn (RangeWarning) after ``set_range_checks("warn")``.
A result that is not a number or the missing-value marker raises QiraError.
"""
import ctypes
import functools
import math
import warnings
from numbers import Real

from ._constants import WATER_DENSITY_60F
from ._core import MISSING, QiraError, call, library

try:
    import numpy as _np
except ImportError:  # NumPy is optional: lists work without it
    _np = None


class RangeWarning(UserWarning):
    """An input outside its quantity's physical range, accepted after
    ``set_range_checks("warn")``."""


_mode = ["error"]


def set_range_checks(mode):
    """Sets what a value outside its physical range does: "error" (the default) raises
    ValueError, "warn" issues a RangeWarning and calls the library all the same. Returns
    the previous mode. Not-a-number, order and fraction checks always raise. The mode is
    process-wide, like the conversion settings.

    >>> qira.set_range_checks("warn")
    'error'
    >>> qira.set_range_checks("error")
    'warn'
    """
    if mode not in ("error", "warn"):
        raise ValueError("set_range_checks: mode must be 'error' or 'warn', not %r" % (mode,))
    previous, _mode[0] = _mode[0], mode
    return previous


_HINT_T = " (degrees Celsius or Fahrenheit? convert with qira.units.celsius_to_kelvin or fahrenheit_to_kelvin)"
# quantity: (lowest, highest, unit, hint when below, hint when above)
RANGES = {
    "lab": (200.0, 1200.0, "K", _HINT_T, ""),          # laboratory distillation temperature
    "tb": (20.0, 1500.0, "K", _HINT_T, ""),            # boiling point, TBP temperature
    "t": (100.0, 1500.0, "K", _HINT_T, ""),            # state temperature of a liquid
    "visc_t": (200.0, 800.0, "K", _HINT_T, ""),        # temperature of a viscosity measurement
    "p": (0.0, 1e6, "kPa", "", " (in Pa? divide by 1000)"),
    "rho": (200.0, 2000.0, "kg/m3", " (in g/cm3 or SG? multiply by 1000)", ""),
    "sg": (0.2, 2.0, "", "", " (a density in kg/m3? divide by %g)" % WATER_DENSITY_60F),
    "mw": (2.0, 5000.0, "kg/kmol", "", ""),
    "fraction": (0.0, 1.0, "", "", " (percent? divide by 100)"),
    "positive": (0.0, math.inf, "", "", ""),
    "kw": (8.0, 15.0, "", "", ""),  # Watson K of petroleum fractions
}


def _where(arg, pos):
    return arg if pos is None else "%s[%d]" % (arg, pos)


def _fail(fn, arg, pos, value, why):
    raise ValueError("%s: %s = %r %s" % (fn, _where(arg, pos), value, why))


def _range(fn, arg, pos, value, quantity):
    lo, hi, unit, below, above = RANGES[quantity]
    unit = " " + unit if unit else ""
    if quantity in ("positive", "p") and value <= lo:
        why = "must be above 0"
    elif value < lo:
        why = "is below %g%s%s" % (lo, unit, below)
    elif value > hi:
        why = "is above %g%s%s" % (hi, unit, above)
    else:
        return
    if quantity == "fraction" or _mode[0] == "error":
        _fail(fn, arg, pos, value, why)
    warnings.warn("%s: %s = %r %s" % (fn, _where(arg, pos), value, why), RangeWarning, stacklevel=4)


def num(fn, arg, value, quantity=None, pos=None):
    """`value` as a float, checked finite and (for a quantity) in its range."""
    if isinstance(value, bool) or not isinstance(value, Real):
        raise TypeError("%s: %s must be a real number, not %r" % (fn, _where(arg, pos), value))
    value = float(value)
    if value != value or value in (math.inf, -math.inf):
        _fail(fn, arg, pos, value, "is not a finite number")
    if quantity:
        _range(fn, arg, pos, value, quantity)
    return value


def seq(fn, arg, values, quantity=None, length=None, minimum=1, ascending=False, total=None):
    """A list of checked floats: the length, each value finite and in range, strictly
    ascending if asked, summing to `total` (within 1e-6) if given."""
    if isinstance(values, (str, bytes)) or not hasattr(values, "__iter__"):
        raise TypeError("%s: %s must be a sequence of numbers, not %r" % (fn, arg, values))
    out = list(values)
    n = len(out)
    if length is not None and n != length:
        raise ValueError("%s: %s must hold %d values, not %d" % (fn, arg, length, n))
    if n < minimum:
        raise ValueError("%s: %s must hold at least %d values, not %d" % (fn, arg, minimum, n))
    if not _fast_ok(out, quantity, ascending):
        out = [num(fn, arg, v, quantity, i) for i, v in enumerate(out)]
        if ascending:
            for i in range(1, n):
                if out[i] <= out[i - 1]:
                    _fail(fn, arg, i, out[i], "does not ascend (%s = %r)" % (_where(arg, i - 1), out[i - 1]))
    if total is not None and abs(math.fsum(out) - total) > 1e-6:
        raise ValueError("%s: %s sum to %r, not %g (normalise them first)" % (fn, arg, math.fsum(out), total))
    return out


_FLOAT = {float}


def _fast_ok(out, quantity, ascending):
    # The common case in one pass of C-level calls: all floats, finite, in range, ordered.
    # Anything else takes the element-by-element path, which finds and names the fault.
    if not out:
        return True
    if set(map(type, out)) != _FLOAT:
        return False
    t = sum(out)
    if t - t != 0.0:
        return False
    if quantity:
        lo, hi = RANGES[quantity][:2]
        if min(out) < lo or max(out) > hi or (lo == 0.0 and quantity in ("positive", "p") and min(out) <= 0.0):
            return False
    return not ascending or (out == sorted(out) and len(set(out)) == len(out))


def same_length(fn, arg, values, n, quantity=None):
    return seq(fn, arg, values, quantity, length=n)


def result(fn, value):
    """`value`, unless it is not a number or the missing-value marker (QiraError)."""
    if value != value or value == MISSING:
        raise QiraError(fn, "no value (the library returned %s)" % ("NaN" if value != value else "the missing-value marker"))
    return value


def results(fn, values):
    t = sum(values)
    if t - t != 0.0 or MISSING in values:
        for v in values:
            result(fn, v)
    return values


# ---- NumPy: arrays in, arrays out -----------------------------------------------------

_ndarray = _np.ndarray if _np is not None else ()


def _is_array(x):
    return _np is not None and isinstance(x, _np.ndarray)


def _as_array(value):
    if isinstance(value, tuple):
        return tuple(_as_array(v) for v in value)
    return _np.asarray(value, dtype=float) if isinstance(value, list) else value


def arrays(batch=False):
    """Lets a sequence function take NumPy arrays: array arguments become lists and the
    result comes back as arrays. With batch=True a 2-D first argument is one curve per row,
    passed whole to the function (which converts all rows in one library call, see
    curve_rows), and the result has one row per curve."""
    def wrap(fn):
        @functools.wraps(fn)
        def wrapper(*args, **kwargs):
            for a in args:
                if type(a) is _ndarray:
                    break
            else:
                return fn(*args, **kwargs)
            if batch and _is_array(args[0]) and args[0].ndim == 2:
                return fn(args[0], *[_list(a) for a in args[1:]], **kwargs)
            return _as_array(fn(*[_list(a) for a in args], **kwargs))
        return wrapper
    return wrap


def is_rows(x):
    """True for a 2-D NumPy array (one curve per row)."""
    return _is_array(x) and x.ndim == 2


def _rows_each(single, rows):
    # One row at a time, as the scalar path checks and converts it; a fault names its row.
    out = []
    for i, row in enumerate(rows):
        try:
            out.append(single(row.tolist()))
        except ValueError as exc:
            raise ValueError("row %d: %s" % (i, exc)) from None
    return _np.asarray(out, dtype=float)


def _in_range(a, quantity):
    """Element-wise: finite and, for a quantity, inside its range (as num() checks it)."""
    ok = _np.isfinite(a)
    if quantity:
        lo, hi = RANGES[quantity][:2]
        ok &= (a > lo) if quantity in ("positive", "p") else (a >= lo)
        ok &= a <= hi
    return ok


def _ptr(a, ctype=ctypes.c_double):
    return a.ctypes.data_as(ctypes.POINTER(ctype))


def curve_rows(batch_name, rows, width, quantity, single):
    """Converts every row of a 2-D array of curves with the library's batch function
    batch_name (n, curves in, curves out, status per curve): the rows are checked at once
    (each `width` values, finite, in the quantity's range, strictly ascending). Should a
    row fail a check or the conversion, or range faults only warn, the rows take the
    one-at-a-time path of `single`, which raises for the first faulty row, naming it.
    So do all rows when the loaded library predates the batch functions."""
    a = _np.ascontiguousarray(rows, dtype=float) if rows.dtype.kind in "fiu" else None
    if a is None or a.shape[1] != width or len(a) == 0 or not library().has(batch_name):
        return _rows_each(single, rows)
    if not (_in_range(a, quantity).all() and (_np.diff(a, axis=1) > 0).all()):
        return _rows_each(single, rows)
    out = _np.empty_like(a)
    ok = _np.empty(len(a), dtype=_np.bool_)
    call(batch_name, len(a), _ptr(a), _ptr(out), _ptr(ok, ctypes.c_bool))
    if not ok.all() or not _np.isfinite(out).all() or (out == MISSING).any():
        return _rows_each(single, rows)
    return out


def _list(a):
    return a.tolist() if _is_array(a) else a


def broadcast(fn):
    """Lets a scalar correlation take NumPy arrays: the arguments broadcast against each
    other and the result is an array of their shape (a tuple of arrays for a tuple)."""
    @functools.wraps(fn)
    def wrapper(*args, **kwargs):
        if not any(_is_array(a) for a in args):
            return fn(*args, **kwargs)
        b = _np.broadcast(*args)
        values = [fn(*[float(v) for v in point], **kwargs) for point in b]
        if values and isinstance(values[0], tuple):
            return tuple(_np.asarray(col, dtype=float).reshape(b.shape) for col in zip(*values))
        return _np.asarray(values, dtype=float).reshape(b.shape)
    return wrapper


def batched(batch_name, quantities, to_library=None, from_library=None, outputs=1, valid=None):
    """As broadcast, with every point of a NumPy call evaluated in one call of the
    library's batch function batch_name (n, one array per argument, one per output).
    quantities gives each argument's range check (None: finite only), valid (optional) a
    check across the arguments, element-wise on their arrays; to_library maps
    the checked argument arrays to the library's arguments, from_library the outputs
    back. Arguments left out take the function's defaults. Any point that fails a check,
    yields no value, or a range fault that only warns, sends the call down the
    point-by-point path, which raises or warns as before; so does a loaded library that
    predates the batch functions."""
    def wrap(fn):
        each = broadcast(fn)
        defaults = fn.__defaults__ or ()

        @functools.wraps(fn)
        def wrapper(*args, **kwargs):
            if len(args) < len(quantities) and len(quantities) - len(args) <= len(defaults):
                args += defaults[len(args) - len(quantities):]
            if (kwargs or len(args) != len(quantities) or not any(_is_array(a) for a in args)
                    or not library().has(batch_name)):
                return each(*args, **kwargs)
            try:
                arrs = _np.broadcast_arrays(*[_np.asarray(a, dtype=float) for a in args])
            except (TypeError, ValueError):
                return each(*args)
            shape = arrs[0].shape
            flat = [_np.ascontiguousarray(a).ravel() for a in arrs]
            n = flat[0].size if flat else 0
            if n == 0 or not all(_in_range(a, q).all() for a, q in zip(flat, quantities)):
                return each(*args)
            if valid is not None and not valid(*flat).all():
                return each(*args)
            lib_args = [_np.ascontiguousarray(a, dtype=float) for a in (to_library(*flat) if to_library else flat)]
            outs = [_np.empty(n) for _ in range(outputs)]
            call(batch_name, n, *[_ptr(a) for a in lib_args], *[_ptr(o) for o in outs])
            if not all(_np.isfinite(o).all() and not (o == MISSING).any() for o in outs):
                return each(*args)
            if from_library:
                outs = from_library(*outs)
                outs = list(outs) if isinstance(outs, tuple) else [outs]
            shaped = tuple(o.reshape(shape) for o in outs)
            return shaped if outputs > 1 else shaped[0]
        return wrapper
    return wrap
