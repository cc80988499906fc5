"""Typical requests of a host, from Python.

    QIRA_LIBRARY=/path/to/libQIRAPropCalculator.so python3 python/example.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import qira  # noqa: E402

F, K = qira.fahrenheit_to_kelvin, qira.kelvin_to_celsius


def heading(title):
    print("\n== %s ==" % title)


# A D86 curve measured in Fahrenheit at IBP, 5, 10, 30, 50, 70, 90, 95 % and FBP.
d86 = [F(t) for t in (100, 130, 150, 200, 250, 300, 370, 400, 430)]
heading("D86 to TBP and back, degrees C")
tbp = qira.d86_to_tbp(d86)
for y, a, b, c in zip(qira.d86_valid_yields(), d86, tbp, qira.tbp_to_d86(tbp)):
    print("%8.3f %%  D86 %7.2f  TBP %7.2f  D86 again %7.2f" % (100 * y, K(a), K(b), K(c)))

heading("The seven-point grid for one call, and for a block")
print(qira.d86_valid_yields_option(d86_method=0))
with qira.settings(ibp=0.005, fbp=0.995):
    print(qira.d86_valid_yields())
print(qira.get_settings())

heading("A D86 laboratory curve cut into pseudo-components every 20 C")
fractions = [0.0, 0.05, 0.1, 0.3, 0.5, 0.7, 0.9, 0.95, 1.0]
lab = [t + 273.15 for t in (40, 72, 88, 124, 160, 198, 244, 264, 292)]
nbp = [c + 273.15 for c in range(20, 341, 20)]
for t, x in zip(nbp, qira.d86_comp(fractions, lab, nbp)):
    print("NBP %5.1f C  %6.3f %%" % (K(t), 100 * x))

heading("The blend's D86 curve of three components")
print([round(K(t), 2) for t in qira.blend_d86([0.3, 0.4, 0.3], [420.0, 500.0, 580.0],
                                              [0.05, 0.5, 0.95])])

heading("Inputs refused before they reach the library")
for bad in ([F(t) for t in (100, 90, 150, 200, 250, 300, 370, 400, 430)],   # not ascending
            [(t - 32) / 1.8 for t in (100, 130, 150, 200, 250, 300, 370, 400, 430)]):  # in C
    try:
        qira.d86_to_tbp(bad)
    except ValueError as error:
        print("ValueError:", error)

heading("Blend indices and estimates")
print("cloud point of 25/75 %% at 250 and 270 K: %.2f K"
      % qira.cloud_point_mix([0.25, 0.75], [250.0, 270.0]))
print("cetane index D4737: %.2f" % qira.cetane_index_d4737(840.0, 480.0, 540.0, 600.0))
print("Twu viscosities at 100 F and 210 F: %.3f, %.3f cSt" % qira.twu_visc(850.0, 600.0))

heading("Viscosity characterization of six pseudo-components")


def pseudo_component(tb, x):
    """A pseudo-component of Watson K 11.8 with the library's correlations, as its cut table
    gives them (Riazi-Daubert 1980 MW, Tc, Pc and Vc; the Kesler-Lee acentric factor; the
    Hankinson-Thomson COSTALD pair)."""
    sg = qira.units.watson_k(tb, 1.0) / 11.8   # the gravity at which Kw is 11.8
    c = qira.critical.fraction(tb, sg)
    return qira.Component(tb=tb, tc=c.tc, pc=c.pc, vc=c.vc, omega=c.omega,
                          mw=qira.units.mw_riazi_daubert(tb, sg), liq_den=qira.sg_to_density(sg),
                          wsrk=c.omega_srk, vchar=c.vstar, x=x, hypo=True)


components = [pseudo_component(tb, 1.0 / 6) for tb in (480, 540, 600, 660, 720, 780)]
with qira.ViscHandler() as vh:
    vh.set_components(components)
    vh.characterize()
    for c, nu in zip(components, vh.standard_viscosities()):
        print("NBP %5.1f C  cSt at 38/50/60/100 C: %s"
              % (K(c.tb), ", ".join("%.3f" % v for v in nu)))
