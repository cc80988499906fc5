"""The process-wide conversion settings, as keyword arguments or a context manager.

Names (library defaults in brackets):

- ``ibp``: percent distilled at a curve's initial point [1.0]
- ``fbp``: percent distilled at a curve's final point [99.999]
- ``d2887_option``: 0 converts D2887 curves by API 3A3.1, 1 takes them as TBP [0]
- ``dist_cur_fit``: 0 maps blends through the local spline, nonzero piecewise-linearly [0]
- ``d86_method``: nonzero gives the ...Option functions the nine-point D86 grid, 0 the
  seven-point grid [1]
- ``constrain_range``: extend power-law segments beyond their limits [True]

The library offers no getters for most settings, so the package remembers what it set;
settings changed through raw calls of the library behind the package's back are not
seen by :func:`get_settings` (the D86 method is read back from the library).
"""
import functools
from contextlib import contextmanager
from dataclasses import asdict, dataclass, replace

from .._core import call, number

DEFAULTS = {
    "ibp": 1.0,
    "fbp": 99.999,
    "d2887_option": 0,
    "dist_cur_fit": 0,
    "d86_method": 1,
    "constrain_range": True,
}
NAMES = tuple(DEFAULTS)


@dataclass(frozen=True)
class Settings:
    ibp: float = 1.0
    fbp: float = 99.999
    d2887_option: int = 0
    dist_cur_fit: int = 0
    d86_method: int = 1
    constrain_range: bool = True

    def as_dict(self):
        return asdict(self)


_known = Settings()


def _integer(value, name):
    if isinstance(value, bool) or not isinstance(value, int):
        raise TypeError("setting %s must be an int, not %r" % (name, value))
    if not -2**31 <= value < 2**31:
        raise ValueError("setting %s must fit a 32-bit int" % name)
    return value


def _validated(changes):
    unknown = set(changes) - set(NAMES)
    if unknown:
        raise TypeError("unknown setting(s): %s" % ", ".join(sorted(unknown)))
    out = {}
    for name, value in changes.items():
        if name in ("ibp", "fbp"):
            out[name] = number(value, "setting " + name)
        elif name == "constrain_range":
            if not isinstance(value, bool):
                raise TypeError("setting constrain_range must be a bool, not %r" % (value,))
            out[name] = value
        else:
            out[name] = _integer(value, name)
    return out


def get_settings():
    """The current settings (a frozen Settings)."""
    return replace(_known, d86_method=call("GetD86Setting"))


def set_settings(**changes):
    """Stores the named settings in the library; the others keep their values."""
    global _known
    changes = _validated(changes)
    setters = {
        "ibp": ("SetIBPValue",),
        "fbp": ("SetFBPValue",),
        "d2887_option": ("SetD2887option",),
        "dist_cur_fit": ("SetDistCurFitOption",),
        "d86_method": ("SetD86Method",),
        "constrain_range": ("ShouldConstrainConversionRange",),
    }
    for name, value in changes.items():
        call(setters[name][0], value)
    _known = replace(_known, **changes)
    return get_settings()


def reset_settings():
    """Puts every setting back to the library's load-time default."""
    return set_settings(**DEFAULTS)


@contextmanager
def settings(**changes):
    """Applies the named settings for the body of a ``with`` block, then restores all.

        with qira.settings(ibp=0.5, d86_method=0):
            grid = qira.d86_valid_yields_option()
    """
    before = get_settings()
    try:
        yield set_settings(**changes)
    finally:
        set_settings(**before.as_dict())


def reads_settings(fn, block=None):
    """Lets a wrapper take settings as keyword arguments, applied for that call only
    (through the context manager `block`, by default this module's settings)."""

    @functools.wraps(fn)
    def wrapper(*args, **kwargs):
        changes = {k: kwargs.pop(k) for k in NAMES if k in kwargs}
        if not changes:
            return fn(*args, **kwargs)
        with (block or settings)(**changes):
            return fn(*args, **kwargs)

    wrapper.__doc__ = (fn.__doc__ or "") + (
        "\n\n    Accepts the conversion settings as keyword arguments "
        "(ibp, fbp, d2887_option,\n    dist_cur_fit, d86_method, constrain_range), "
        "applied for this call only.")
    return wrapper
