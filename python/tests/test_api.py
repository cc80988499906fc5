"""The main API: one unit convention, inputs refused before they reach the library,
NumPy in and out, the characterization and Whitson reports, and the doctests."""
import doctest
import math
import os
import tempfile
import unittest
import warnings
from unittest import mock

from support import assay, main, f_to_k
import importlib

from qira import _core

D86_F = (100, 130, 150, 200, 250, 300, 370, 400, 430)
D86 = f_to_k(D86_F)
C7_C30_NBP = [365, 390, 416, 440, 461, 482, 500, 520, 539, 556, 573, 586, 598, 611, 624, 637,
              648, 659, 671, 681, 691, 701, 709, 719]  # single-carbon-number groups, K
try:
    import numpy as np
except ImportError:
    np = None


def load_tests(loader, tests, pattern):
    globs = {"qira": main, "D86": [310.93, 327.59, 338.71, 366.48, 394.26, 422.04, 460.93, 477.59, 494.26]}
    for name in ("", "._check", ".units", ".settings", ".curves", ".properties", ".viscosity"):
        tests.addTests(doctest.DocTestSuite(importlib.import_module("qira" + name), extraglobs=globs))
    return tests


class RefusedInputTest(unittest.TestCase):
    # (call, words the ValueError must hold), one row per fault a user makes
    CASES = [
        (lambda: main.d86_to_tbp([(f - 32) / 1.8 for f in D86_F]), "d86[0] = 37.77", "below 200 K"),
        (lambda: main.blend_d86([0.5, 0.5], [350.0, 450.0], [10, 50, 90]), "yields[0] = 10", "percent"),
        (lambda: main.blend_d86([0.5, 0.4], [350.0, 450.0], [0.1, 0.5]), "fractions sum to 0.9",),
        (lambda: main.flash_point_mix([0.5, 0.5], [320.0, math.nan]), "values[1] = nan", "not a finite"),
        (lambda: main.d86_to_tbp(D86[::-1]), "d86[1]", "does not ascend"),
        (lambda: main.tbp_from_yield([300.0, 500.0], [0.0, 1.0], [1.5]), "yields[0] = 1.5",),
        (lambda: main.cetane_index_d4737(0.85, 500.0, 550.0, 600.0), "density = 0.85", "g/cm3"),
        (lambda: main.set_settings(ibp=1.5), "ibp = 1.5", "percent"),
        (lambda: main.uopk(math.inf, 0.8), "mw = inf",),
        (lambda: main.whitson([400.0], mw=None, sg=None, kw=12.0), "missing: mw, sg"),
        (lambda: main.whitson([400.0], mw=math.nan, sg=0.8), "mw = nan", "not a finite"),
        (lambda: main.whitson([400.0], mw=-200.0, sg=0.8), "mw = -200", "below"),
        (lambda: main.whitson([400.0], mw=200.0, sg=0.8, eta=190.0), "eta = 190", "exceeds 0.9 mw"),
    ]

    def test_each_fault_names_argument_position_and_value(self):
        for call, *words in self.CASES:
            with self.assertRaises(ValueError) as ctx:
                call()
            for w in words:
                self.assertIn(w, str(ctx.exception))

    def test_range_checks_can_warn_but_not_a_number_still_raises(self):
        previous = main.set_range_checks("warn")
        try:
            with warnings.catch_warnings(record=True) as seen:
                warnings.simplefilter("always")
                main.uopk(1.0, 0.8)
            self.assertTrue(seen and issubclass(seen[0].category, main.RangeWarning))
            self.assertRaises(ValueError, main.uopk, math.nan, 0.8)
        finally:
            main.set_range_checks(previous)

    def test_a_missing_result_names_the_function(self):
        with mock.patch.object(main.raw, "d86_to_tbp", return_value=[math.nan] * 9):
            with self.assertRaisesRegex(main.QiraError, "^d86_to_tbp: no value"):
                main.d86_to_tbp(D86)


class ConventionTest(unittest.TestCase):
    def test_units_and_settings_in_one_convention(self):
        # (value, expected): API gravity and SG by definition, F and R to K exact, the psi
        # from the pound-force (0.45359237 kg x 9.80665 m/s2) over the square inch (kPa).
        psi = 0.45359237 * 9.80665 / 0.0254 ** 2 / 1000
        for got, want in [(main.api_to_sg(10.0), 1.0), (main.sg_to_api(1.0), 10.0),
                          (main.rankine_to_kelvin(671.67), 373.15), (main.psi_to_kpa(1.0), psi),
                          (main.get_settings().ibp, 0.01), (main.get_settings().fbp, 0.99999)]:
            self.assertAlmostEqual(got, want, places=9)
        # Reid vapour pressure in kPa and K equals the procedure in psi and R.
        tvp, _ = main.tvp_from_rvp(560.0 / 1.8, main.psi_to_kpa(10.0), 3.0 * 100 / 1.8)
        self.assertAlmostEqual(tvp, main.psi_to_kpa(main.raw.liquidprops.api_5b1_1_tvp(560.0, 10.0, 3.0)[0]), 6)
        self.assertEqual(main.raw.d86_to_tbp(D86), main.d86_to_tbp(D86))


@unittest.skipIf(np is None, "NumPy not installed")
class NumpyTest(unittest.TestCase):
    def test_arrays_in_arrays_out(self):
        batch = np.array([D86, [t + 10.0 for t in D86]])
        out = main.d86_to_tbp(batch)
        self.assertEqual(out.shape, (2, 9))
        np.testing.assert_allclose(out[1], main.d86_to_tbp([t + 10.0 for t in D86]))
        kw = main.uopk(np.array([200.0, 250.0]), 0.86)
        self.assertEqual(kw.shape, (2,))
        self.assertAlmostEqual(kw[1], main.uopk(250.0, 0.86))
        self.assertIsInstance(main.blend_tbp(np.array([0.5, 0.5]), [350.0, 450.0], [0.5]), np.ndarray)
        with self.assertRaisesRegex(ValueError, "row 1: d86_to_tbp: d86"):
            main.d86_to_tbp(np.array([D86, [t - 273.15 for t in D86]]))


class ReportTest(unittest.TestCase):
    def test_characterize_reports_calculated_against_measured(self):
        with main.ViscHandler() as vh:
            vh.set_components(assay())
            self.assertRaisesRegex(ValueError, "temps\\[0\\] = 38.0", vh.set_bulk_values, [38.0, 99.0], [5.0, 2.0])
            self.assertRaisesRegex(ValueError, "values\\[1\\] = -2.0", vh.set_bulk_values, [311.15, 372.15], [5.0, -2.0])
            vh.set_bulk_values([311.15, 372.15], [1.2, 0.6])
            fit = vh.characterize()
        self.assertGreaterEqual(len(fit.points), 2)
        self.assertIn(fit.shift, ("per-curve", "one-multiplier"))
        given = [p for p in fit.points if not p.synthesized]
        self.assertTrue(all(abs(p.t - 311.15) < 1e-6 or abs(p.t - 372.15) < 1e-6 for p in given))
        self.assertTrue(all(p.calculated > 0 for p in fit.points))

    def test_whitson_closure_shows_the_heavy_tail(self):
        split = main.whitson(C7_C30_NBP, mw=215.0, sg=0.85)
        c = split.closure
        self.assertAlmostEqual(c.sum_z, 1.0, places=9)
        # The split drops what boils above C30 and renormalises: 194.4 of 215 kg/kmol.
        self.assertAlmostEqual(c.sum_z_mw, 194.4, delta=0.5)
        self.assertAlmostEqual(c.shortfall, (215.0 - c.sum_z_mw) / 215.0, places=12)
        self.assertAlmostEqual(c.tail_fraction, 0.089, delta=0.005)


class LoaderTest(unittest.TestCase):
    def test_missing_library_says_what_was_searched(self):
        with mock.patch.dict(os.environ, {"QIRA_LIBRARY": "/nonexistent/lib.so"}):
            with self.assertRaisesRegex(main.LibraryNotFound, "QIRA_LIBRARY=/nonexistent"):
                _core.find_library()

    def test_a_sanitizer_build_is_recognised(self):
        with tempfile.TemporaryDirectory() as d:
            lib = os.path.join(d, "libQIRAPropCalculator.so")
            for content, want in ((b"\x7fELF libasan.so.8", True), (b"\x7fELF libm.so.6", False)):
                with open(lib, "wb") as f:
                    f.write(content)
                self.assertEqual(_core.is_sanitizer_build(lib), want)


if __name__ == "__main__":
    unittest.main()
