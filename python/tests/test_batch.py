"""NumPy batches: a 2-D array of curves and broadcast correlations go to the library in one
call each, give bit for bit the values of one-at-a-time calls, and still name a faulty row
or value; the documented thread-pool example splits a batch without changing a bit."""
import os
import re
import unittest
import warnings
from unittest import mock

from support import main
from qira import _core

try:
    import numpy as np
except ImportError:  # NumPy is optional
    np = None

D86 = [310.93, 327.59, 338.71, 366.48, 394.26, 422.04, 460.93, 477.59, 494.26]
DOCS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs", "performance.md")


def seeded_curves(rng, n, width, lo=300.0, hi=420.0):
    """n ascending curves of `width` points, starts in [lo, hi], steps of 5 to 40 K."""
    return rng.uniform(lo, hi, (n, 1)) + np.cumsum(rng.uniform(5.0, 40.0, (n, width)), axis=1)


@unittest.skipIf(np is None, "NumPy not installed")
class CurveBatchTest(unittest.TestCase):
    CASES = [  # function, points, start range (K)
        (main.d86_to_tbp, 9, (300, 420)), (main.tbp_to_d86, 9, (280, 400)),
        (main.d86_to_tbp_option, 9, (300, 420)), (main.tbp_to_d86_option, 9, (280, 400)),
        (main.d2887_to_tbp, 8, (320, 420)), (main.tbp_to_d2887, 8, (320, 420)),
        (main.d1160_to_tbp, 4, (520, 600)), (main.tbp_to_d1160, 4, (520, 600)),
        (main.polynomial_tbp_to_d86, 7, (320, 400)),
    ]

    def test_rows_equal_single_curves_bit_for_bit(self):
        rng = np.random.default_rng(26)
        for fn, width, (lo, hi) in self.CASES:
            curves = seeded_curves(rng, 300, width, lo, hi)
            got = fn(curves)
            want = np.array([fn(row.tolist()) for row in curves])
            self.assertEqual(got.tobytes(), want.tobytes(), fn.__name__)

    def test_seven_point_grid_under_the_setting(self):
        curves = seeded_curves(np.random.default_rng(7), 20, 7)
        got = main.d86_to_tbp_option(curves, d86_method=0)
        want = [main.d86_to_tbp_option(row.tolist(), d86_method=0) for row in curves]
        self.assertEqual(got.tobytes(), np.array(want).tobytes())

    def test_a_faulty_row_is_named_with_its_value(self):
        curves = seeded_curves(np.random.default_rng(1), 50, 9)
        cases = [  # row, point, value, message
            (3, 4, np.nan, r"row 3: d86_to_tbp: d86\[4\] = nan is not a finite number"),
            (41, 2, 100.0, r"row 41: d86_to_tbp: d86\[2\] = 100.0 is below 200 K"),
            (17, 5, 0.0, r"row 17: d86_to_tbp: d86\[5\] = 0.0 is below 200 K"),
        ]
        for row, point, value, message in cases:
            bad = curves.copy()
            bad[row, point] = value
            with self.assertRaisesRegex(ValueError, message):
                main.d86_to_tbp(bad)
        with self.assertRaisesRegex(ValueError, r"row 0: d86_to_tbp: d86 must hold 9 values, not 8"):
            main.d86_to_tbp(curves[:, :8])
        descending = curves.copy()
        descending[9, 6] = descending[9, 5] - 1.0
        with self.assertRaisesRegex(ValueError, r"row 9: .*d86\[6\] = .* does not ascend"):
            main.d86_to_tbp(descending)

    def test_range_faults_that_only_warn_still_convert(self):
        curves = seeded_curves(np.random.default_rng(2), 5, 9)
        curves[2] += 800.0  # above 1200 K
        previous = main.set_range_checks("warn")
        try:
            with warnings.catch_warnings(record=True) as caught:
                warnings.simplefilter("always")
                got = main.d86_to_tbp(curves)
                want = main.d86_to_tbp(curves[2].tolist())
        finally:
            main.set_range_checks(previous)
        self.assertTrue(any("above 1200 K" in str(w.message) for w in caught))
        self.assertEqual(got[2].tolist(), want)


@unittest.skipIf(np is None, "NumPy not installed")
class BroadcastBatchTest(unittest.TestCase):
    def test_points_equal_single_calls_bit_for_bit(self):
        rng = np.random.default_rng(2026)
        tb, sg, mw = rng.uniform(350, 650, 400), rng.uniform(0.75, 0.95, 400), rng.uniform(80, 600, 400)
        tr, rho, kw = rng.uniform(0.3, 0.9, 400), rng.uniform(650, 950, 400), rng.uniform(11, 12.8, 400)
        crit = main.critical
        tc, pc = crit.tc_riazi_daubert(tb, sg), crit.pc_riazi_daubert(tb, sg)
        cases = [  # function, arguments (arrays, or a scalar that broadcasts)
            (main.uopk, (mw, sg)), (main.mw_from_sg_kw, (sg, kw)), (main.sg_from_mw_kw, (mw, kw)),
            (main.sg_katz_firoozabadi, (tb,)), (main.mw_twu, (tb, rho)), (main.ppress, (tr, 0.3)),
            (main.satden, (tr, 0.4, 0.3)), (main.cetane_index_d976, (rho, tb)),
            (main.cetane_index_d4737, (rho, tb, tb + 40.0, tb + 90.0)),
            (main.cloud_point, (tb, sg)), (main.pour_point_riazi, (5.0, sg, mw)),
            (main.c_to_h_ratio, (tb, sg)), (main.refractive_index, (tb, rho, mw)),
            (crit.tc_twu, (tb, sg)), (crit.vc_riazi_daubert, (tb, sg)), (crit.pc_kesler_lee, (tb, sg)),
            (crit.acentric_kesler_lee, (tb, sg, tc, pc)), (crit.costald_omega, (tb, tc, pc)),
            (crit.costald_volume, (tc, pc, 0.3)),
            (main.mon_clear, (rho / 10.0,)), (main.mon_clear, (rho / 10.0, kw)),
            (main.flash_point_index, (tb,)), (main.flash_point_from_index, (main.flash_point_index(tb),)),
            (main.flash_point_index_api, (tb,)), (main.flash_point_index_wickey, (tb,)),
            (main.pour_point_index, (tb - 150.0,)), (main.cloud_point_index, (tb - 150.0,)),
            (main.freeze_point_index, (tb - 150.0,)), (main.freeze_point_from_index, (kw,)),
            (main.rvp_index, (tr * 100.0,)),
        ]
        for fn, args in cases:
            got = fn(*args)
            points = np.broadcast(*args)
            want = np.array([fn(*[float(v) for v in p]) for p in points])
            self.assertEqual(got.tobytes(), want.tobytes(), fn.__name__)
        vr0, vrd = main.costald(tr.reshape(20, 20))
        self.assertEqual(vr0.shape, (20, 20))
        self.assertEqual(vrd[3, 4], main.costald(tr[64])[1])

    def test_a_faulty_value_is_named(self):
        mw = np.array([200.0, 250.0, np.nan])
        with self.assertRaisesRegex(ValueError, r"uopk: mw = nan is not a finite number"):
            main.uopk(mw, 0.8)
        with self.assertRaisesRegex(ValueError, r"cetane_index_d4737: t10, t50, t90\[1\] = 540.0 does not ascend"):
            main.cetane_index_d4737(850.0, np.array([500.0, 560.0]), np.array([550.0, 540.0]), 600.0)
        with self.assertRaisesRegex(ValueError, r"tc_riazi_daubert: sg = -0.8 must be above 0"):
            main.critical.tc_riazi_daubert(np.array([400.0, 500.0]), np.array([0.8, -0.8]))
        with self.assertRaisesRegex(main.QiraError, "QiraCrit_TcRiaziDaubert1980"):
            main.critical.tc_riazi_daubert(np.array([400.0, 5000.0]), 0.8)  # result below tb
        with self.assertRaisesRegex(ValueError, r"flash_point_index: t = 20.0 is below 100 K"):
            main.flash_point_index(np.array([330.0, 20.0]))
        with self.assertRaisesRegex(main.QiraError, "flash_point_from_index: no value"):
            main.flash_point_from_index(np.array([1e-4, -1e-4]))  # a negative index has no flash point


@unittest.skipIf(np is None, "NumPy not installed")
class OlderLibraryTest(unittest.TestCase):
    def test_without_the_batch_functions_items_go_one_at_a_time(self):
        curves = seeded_curves(np.random.default_rng(5), 10, 9)
        mw = np.linspace(100.0, 400.0, 10)
        want = main.d86_to_tbp(curves), main.uopk(mw, 0.8)
        with mock.patch.object(_core.Library, "has", return_value=False):
            got = main.d86_to_tbp(curves), main.uopk(mw, 0.8)
        for g, w in zip(got, want):
            self.assertEqual(g.tobytes(), w.tobytes())


@unittest.skipIf(np is None, "NumPy not installed")
class ScalingOutExampleTest(unittest.TestCase):
    def test_the_documented_thread_pool_example(self):
        # Runs the Python block of the scaling-out section of docs/performance.md.
        with open(DOCS) as f:
            text = f.read()
        block = re.search(r"<!-- scaling-out example -->\s*```python\n(.*?)```", text, re.S)
        self.assertIsNotNone(block, "the example block is in the page")
        scope = {}
        exec(compile(block.group(1), DOCS, "exec"), scope)
        self.assertEqual(scope["split"].tobytes(), scope["whole"].tobytes())


if __name__ == "__main__":
    unittest.main()
