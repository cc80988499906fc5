"""The conversion settings in the main API's units: IBP and FBP as fractions (0..1).

Names (library defaults in brackets): ``ibp`` fraction distilled at a curve's initial
point [0.01]; ``fbp`` at its final point [0.99999]; ``d2887_option`` 0 converts D2887
curves by API 3A3.1, 1 takes them as TBP [0]; ``dist_cur_fit`` 0 maps blends through the
local spline, nonzero piecewise-linearly [0]; ``d86_method`` nonzero gives the ...Option
functions the nine-point D86 grid, 0 the seven-point grid [1]; ``constrain_range``
extends power-law segments beyond their limits [True].

The settings are process-wide state held by the library: they apply to every thread, and
neither ``set_settings`` nor the ``settings`` block is thread-safe (a block changes the
settings for every thread until it ends). Use them from one thread at a time.

>>> with qira.settings(ibp=0.005):
...     qira.get_settings().ibp
0.005
>>> qira.get_settings().ibp
0.01
"""
from contextlib import contextmanager
from dataclasses import dataclass

from . import _check
from .raw import _settings_module as _raw

NAMES = _raw.NAMES


@dataclass(frozen=True)
class Settings(_raw.Settings):
    """The settings with IBP and FBP as fractions."""
    ibp: float = 0.01
    fbp: float = 0.99999


def _to_raw(changes):
    out = dict(changes)
    for name in ("ibp", "fbp"):
        if name in out:
            out[name] = 100.0 * _check.num("settings", name, out[name], "fraction")
    return out


def get_settings():
    """The current settings (a frozen Settings; IBP and FBP as fractions)."""
    s = _raw.get_settings().as_dict()
    s["ibp"], s["fbp"] = round(s["ibp"] / 100.0, 12), round(s["fbp"] / 100.0, 12)
    return Settings(**s)


def set_settings(**changes):
    """Stores the named settings (IBP and FBP as fractions); returns all of them."""
    _raw.set_settings(**_to_raw(changes))
    return get_settings()


def reset_settings():
    """Puts every setting back to the library's load-time default."""
    _raw.reset_settings()
    return get_settings()


@contextmanager
def settings(**changes):
    """Applies the named settings for the body of a ``with`` block, then restores all
    (process-wide, not thread-safe: see the module's help)."""
    with _raw.settings(**_to_raw(changes)):
        yield get_settings()


def reads_settings(fn):
    """Lets a function take the settings as keyword arguments, for that call only."""
    return _raw.reads_settings(fn, settings)
