"""Curve sizes, yield grids (fractions) and the end-point clamp of requested yields."""
import ctypes

from .._core import call, doubles, out_doubles, to_list
from .settings import reads_settings


def d86_base_size():
    """Points of the nine-point D86 curve: 9."""
    return call("D86BaseSize")


@reads_settings
def d86_base_size_option():
    """Points of the D86 curve of the ...Option functions: 9, or 7 with d86_method=0."""
    return call("D86BaseSizeOption")


def d2887_base_size():
    """Points of the D2887 curve: 8."""
    return call("D2887BaseSize")


def d1160_base_size(yields=()):
    """Points of a D1160 curve for the requested yields: 4 plus those above 0.4999999."""
    arr, n = doubles(yields, "yields")
    return call("D1160BaseSize", n, arr if n else None)


def _grid(name, n):
    out = out_doubles(n)
    call(name, out)
    return to_list(out, n)


@reads_settings
def d86_valid_yields():
    """The nine-point D86 grid: IBP, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP."""
    return _grid("D86ValidYields", 9)


@reads_settings
def d86_valid_yields_option():
    """The D86 grid of the ...Option functions (nine points, or seven with d86_method=0)."""
    return _grid("D86ValidYieldsOption", call("D86BaseSizeOption"))


@reads_settings
def d2887_valid_yields():
    """The D2887 grid: 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, FBP."""
    return _grid("D2887ValidYields", 8)


@reads_settings
def d1160_valid_yields():
    """The D1160 grid: IBP, 0.1, 0.3, 0.5."""
    return _grid("D1160ValidYields", 4)


def tbp_valid_yields():
    """The TBP grid: 0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0."""
    return _grid("TBPValidYields", 9)


@reads_settings
def check_ibp_fbp(yields):
    """The requested yields with the first raised to IBP and the last lowered to FBP."""
    arr, n = doubles(yields, "yields", minimum=1)
    call("CheckIBPFBP", arr, ctypes.c_int(n))
    return to_list(arr, n)
