"""COSTALD liquid densities, Lee-Kesler reduced vapour pressure, Reid vapour pressure by
API 5B1.1 and the fit of a component's viscosity thetas.

Units: K, kPa, m3/kmol, kmol/m3; the Reid vapour pressure functions use degrees
Rankine, psi and psia."""
import ctypes

from .._core import MISSING, QiraError, call, doubles, number, to_list


def ppress(tr, omega):
    """Lee-Kesler reduced vapour pressure Psat/Pc at reduced temperature tr."""
    return call("pc_ppress", number(tr, "tr"), number(omega, "omega"))


def costald(tr):
    """(V_R0, V_Rdelta): the two COSTALD functions of the reduced temperature."""
    vr0, vrd = ctypes.c_double(), ctypes.c_double()
    tr = number(tr, "tr")
    if tr != tr:
        raise QiraError("pc_costald", "the reduced temperature is not a number")
    call("pc_costald", tr, ctypes.byref(vr0), ctypes.byref(vrd))
    return vr0.value, vrd.value


def satden(tr, vstar, omega_srk):
    """Saturated molar density (kmol/m3); tr clamped into [0.251, 0.9999]."""
    return call("pc_satden", number(tr, "tr"), number(vstar, "vstar"),
                number(omega_srk, "omega_srk"))


def c1den(tr):
    """Saturated molar density of methane (kmol/m3)."""
    return call("pc_c1den", number(tr, "tr"))


def xden(t, p, tc, pc, vstar, omega_srk, omega):
    """Compressed-liquid molar density of one component (kmol/m3)."""
    return call("pc_xden", *[number(v) for v in (t, p, tc, pc, vstar, omega_srk, omega)])


def xden2(t, p, x, tc, pc, vstar, omega):
    """Compressed-liquid molar density of a mixture (kmol/m3). QiraError when the
    library finds no liquid (for instance T above the pseudo-critical temperature)."""
    xa, n = doubles(x, "x", minimum=1)
    arrays = [doubles(v, name, length=n)[0]
              for v, name in ((tc, "tc"), (pc, "pc"), (vstar, "vstar"), (omega, "omega"))]
    value = call("pc_xden2", n, number(t, "t"), number(p, "p"), xa, *arrays)
    if value == 0.0:
        raise QiraError("pc_xden2", "no liquid density for this mixture and state")
    return value


def api_5b1_1_tvp(t, rvp, slope):
    """(TVP psia, dTVP/dRVP) from the temperature (R), the Reid vapour pressure (psi) and
    the D86 slope at 10 % (F per volume percent). T or RVP of 0 give (0.0, None)."""
    tvp, failed, deriv = ctypes.c_double(), ctypes.c_bool(False), ctypes.c_double(MISSING)
    call("pc_Calc_API_5B1_1TVP", number(t, "t"), number(rvp, "rvp"), number(slope, "slope"),
         ctypes.byref(tvp), ctypes.byref(failed), ctypes.byref(deriv))
    if failed.value:
        raise QiraError("pc_Calc_API_5B1_1TVP", "the correlation is out of its range")
    return tvp.value, (None if deriv.value == MISSING else deriv.value)


REPORT_CAPACITY = 256


def api_5b1_1_rvp(target_tvp, guess, slope, t, phase=""):
    """(RVP psi, report) giving the target TVP (psia) at the D86 slope and temperature
    (R), by Newton's method from `guess`. QiraError (with the report) on failure."""
    rvp = ctypes.c_double(number(guess, "guess"))
    report = ctypes.create_string_buffer(REPORT_CAPACITY)
    call("pc_Calc_API_5B1_1", number(target_tvp, "target_tvp"), ctypes.byref(rvp),
         number(slope, "slope"), number(t, "t"), report, str(phase).encode())
    text = report.value.decode(errors="replace")
    if rvp.value == MISSING:
        raise QiraError("pc_Calc_API_5B1_1", text)
    return rvp.value, text


def fitvisc(temps, viscs, mw, tc, pc, vc, vchar, wsrk, omega, p=101.325, kinematic=False,
            start=None):
    """(ThetaA, ThetaB, viscosities in micropoise) fitted so that the crude-oil
    correlation of the single component reproduces the viscosities (cP, or cSt with
    kinematic=True) at the temperatures (K). start=(a, b) starts from those thetas."""
    ta, n = doubles(temps, "temps", minimum=2)
    va, _ = doubles(viscs, "viscs", length=n)
    a = ctypes.c_float(start[0] if start else 0.0)
    b = ctypes.c_float(start[1] if start else 0.0)
    ok = call("pc_fitvisc", 2 if kinematic else 1, 1 if start else 0, number(p, "p"),
              number(mw, "mw"), number(tc, "tc"), number(pc, "pc"), number(vc, "vc"), n, ta,
              va, number(vchar, "vchar"), number(wsrk, "wsrk"), ctypes.byref(a),
              ctypes.byref(b), number(omega, "omega"))
    if not ok:
        raise QiraError("pc_fitvisc", "no fit could be made (negative density or bad data)")
    return a.value, b.value, to_list(va, n)
