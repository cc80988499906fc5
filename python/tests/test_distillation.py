"""Conversions, grids, fitting, cutting, blends and laboratory curves through the binding,
against the worked examples and against the same exports called lib."""
import ctypes
import unittest

from support import c_doubles, f_to_k, k_to_f, lib, raw

D86_F = [100, 130, 150, 200, 250, 300, 370, 400, 430]
# Worked example of the API 3A1.1 conversion (degrees F, three decimals).
TBP_F = [22.881, 56.025, 101.013, 181.819, 251.318, 313.835, 389.022, 422.496, 494.851]
D2887_F = [100, 130, 200, 260, 320, 400, 430, 480]


class ConversionTest(unittest.TestCase):
    def test_d86_worked_example_both_ways(self):
        tbp = raw.d86_to_tbp(f_to_k(D86_F))
        for got, want in zip(k_to_f(tbp), TBP_F):
            self.assertAlmostEqual(got, want, places=3)
        for got, want in zip(k_to_f(raw.tbp_to_d86(tbp)), D86_F):
            self.assertAlmostEqual(got, want, places=9)

    def test_d2887_worked_example_with_and_without_the_segment_extension(self):
        # Worked example of API 3A3.1: flag on, then the last three points with it off.
        on = [118.619, 139.026, 203.969, 260, 320.669, 407.279, 426.219, 452.09]
        for got, want in zip(k_to_f(raw.d2887_to_tbp(f_to_k(D2887_F))), on):
            self.assertAlmostEqual(got, want, places=3)
        off = k_to_f(raw.d2887_to_tbp(f_to_k(D2887_F), constrain_range=False))
        for got, want in zip(off[5:], [412.071, 431.012, 479.926]):
            self.assertAlmostEqual(got, want, places=3)
        self.assertTrue(raw.get_settings().constrain_range)

    def test_same_results_as_the_raw_exports(self):
        d86 = f_to_k(D86_F)
        out = (ctypes.c_double * 9)()
        self.assertTrue(lib.API3A11_D86toTBPOption(out, c_doubles(d86)))
        self.assertEqual(raw.d86_to_tbp_option(d86), list(out))
        with raw.settings(d86_method=0):
            seven = [d86[i] for i in (0, 2, 3, 4, 5, 6, 8)]
            self.assertTrue(lib.API3A11_D86toTBPOption(out, c_doubles(seven)))
            self.assertEqual(raw.d86_to_tbp_option(seven), list(out)[:7])
        tbp7 = f_to_k([20, 100, 180, 250, 310, 390, 490])
        self.assertTrue(lib.API6_TBPtoD86(c_doubles(tbp7), out))
        self.assertEqual(raw.polynomial_tbp_to_d86(tbp7), list(out)[:7])

    def test_failures_raise_with_the_function_name(self):
        unordered = f_to_k([100, 90] + D86_F[2:])
        with self.assertRaises(raw.QiraError) as caught:
            raw.d86_to_tbp(unordered)
        self.assertEqual(caught.exception.function, "API3A11_D86toTBP")
        self.assertIsInstance(caught.exception, RuntimeError)
        with self.assertRaisesRegex(raw.QiraError, "50 %"):
            raw.tbp_to_d86([250.0] * 4 + [255.0] * 5)  # 50 % point below 0 F
        with self.assertRaises(ValueError):
            raw.d86_to_tbp(D86_F[:8])
        with self.assertRaises(TypeError):
            raw.d86_to_tbp(["100"] * 9)

    def test_single_point_on_the_curve(self):
        tbp = raw.d86_to_tbp(f_to_k(D86_F))
        # A TBP point exactly at the 30 % anchor gives the D86 30 % point (zero difference).
        t = raw.single_tbp_to_d86(k_to_f(tbp), D86_F, tbp[3], 0.2)
        self.assertAlmostEqual(raw.kelvin_to_fahrenheit(t), 200.0, places=9)


class GridAndSettingsTest(unittest.TestCase):
    def test_grids_follow_the_settings_for_one_call(self):
        self.assertEqual(raw.d86_valid_yields(ibp=0.5)[0], 0.005)
        self.assertEqual(raw.d86_valid_yields()[0], 0.01)
        self.assertEqual(len(raw.d86_valid_yields_option(d86_method=0)), 7)
        self.assertEqual(raw.d86_base_size_option(), 9)
        self.assertEqual(raw.d1160_base_size([0.1, 0.5, 0.7, 0.9]), 7)
        self.assertEqual(raw.check_ibp_fbp([0.0, 0.5, 1.0]), [0.01, 0.5, 99.999 / 100])

    def test_context_manager_restores_every_setting_also_on_error(self):
        before = raw.get_settings()
        with self.assertRaises(ZeroDivisionError):
            with raw.settings(ibp=5.0, fbp=95.0, d2887_option=1, dist_cur_fit=1,
                               d86_method=0, constrain_range=False) as inside:
                self.assertEqual(inside.d86_method, 0)
                self.assertEqual(lib.GetD86Setting(), 0)
                yields = (ctypes.c_double * 9)()
                lib.D86ValidYields(yields)
                self.assertAlmostEqual(yields[0], 0.05)
                1 / 0
        self.assertEqual(raw.get_settings(), before)
        self.assertEqual(lib.GetD86Setting(), 1)
        with self.assertRaises(TypeError):
            raw.set_settings(ibp_value=1.0)


class FittingAndCuttingTest(unittest.TestCase):
    def test_fitting_against_raw(self):
        x, y, xq = [1.0, 2.0, 3.0, 5.0], [10.0, 20.0, 25.0, 27.0], [0.5, 1.5, 2.5, 4.0, 6.0]
        for name, fn in (("Simple_spline", raw.simple_spline), ("Blend_spline", raw.monotone_spline),
                         ("Blend_Linear", raw.linear)):
            out = (ctypes.c_double * 5)()
            self.assertTrue(getattr(lib, name)(4, c_doubles(x), c_doubles(y), 5, c_doubles(xq), out))
            self.assertEqual(fn(x, y, xq), list(out), name)
        # A straight three-point table read below its start: the line itself.
        self.assertAlmostEqual(raw.lstsqr([1, 2, 3], [10, 20, 30], 0.5), 5.0)
        with self.assertRaises(ValueError):
            raw.simple_spline([1, 2], [1, 2], [1.5])
        with self.assertRaises(raw.QiraError) as caught:
            raw.simple_spline([1, 2, 3], [1, 2, 3], [float("nan")])
        self.assertEqual(caught.exception.function, "Simple_spline")

    def test_cutting_sorting_and_yields(self):
        self.assertEqual(raw.sort_nbp([2, 2, 1]), ([1.0, 2.0, 2.0], [2, 1, 0]))
        z = raw.norm_dist_y()
        self.assertEqual((len(z), z[50], z[100]), (101, 0.0, 3.476589918))
        tbp, frac = [300.0, 400.0, 500.0, 600.0], [0.0, 0.3, 0.7, 1.0]
        cuts = [550.0, 350.0, 450.0, 600.0]
        comp = raw.comp_from_tbp(tbp, frac, cuts)
        self.assertAlmostEqual(sum(comp), 1.0, places=12)
        out = (ctypes.c_double * 4)()
        self.assertTrue(lib.Blend_GetCompFromTBP(c_doubles(tbp), c_doubles(frac), 4, c_doubles(cuts), out, 4))
        self.assertEqual(comp, list(out))
        self.assertEqual(raw.tbp_from_yield([450.0], [0.5], [0.1, 0.9]), [450.0, 450.0])
        slope, intercept, r = raw.line_fit([0, 1, 2], [1, 3, 5])
        self.assertAlmostEqual(slope, 2.0)
        self.assertAlmostEqual(intercept, 1.0)
        self.assertAlmostEqual(r, 1.0)


class BlendAndLabCurveTest(unittest.TestCase):
    def test_blend_tbp_point_and_mid_point_modes(self):
        # 0.5/0.5 at 400 and 440 K: points (0.5, 400), (1.0, 440) in point mode.
        self.assertAlmostEqual(raw.blend_tbp([0.5, 0.5], [400, 440], [0.5])[0], 400.0)
        fractions, nbp, yields = [0.2, 0.5, 0.3], [480.0, 400.0, 560.0], [0.0, 0.3, 0.6, 1.0]
        for point_mode in (True, False):
            out = (ctypes.c_double * 4)()
            ya = c_doubles(yields)
            self.assertTrue(lib.Blend_TBP(c_doubles(fractions), c_doubles(nbp), 3, out, ya, 4,
                                          point_mode, raw.MISSING, raw.MISSING))
            self.assertEqual(raw.blend_tbp(fractions, nbp, yields, point_mode=point_mode), list(out))
        with self.assertRaises(raw.QiraError) as caught:
            raw.blend_tbp([0.0, 0.0], [400, 440], [0.5])
        self.assertEqual(caught.exception.function, "Blend_TBP")

    def test_standard_blends_against_raw(self):
        fractions, nbp, yields = [0.3, 0.4, 0.3], [420.0, 500.0, 580.0], [0.05, 0.5, 0.95]
        for name, fn in (("Blend_D86", raw.blend_d86), ("Blend_D1160", raw.blend_d1160)):
            out = (ctypes.c_double * 3)()
            self.assertTrue(getattr(lib, name)(c_doubles(fractions), c_doubles(nbp), 3, out,
                                               c_doubles(yields), 3, True))
            self.assertEqual(fn(fractions, nbp, yields), list(out), name)
        mass = raw.blend_d2887_from_tbp([0.5, 0.5], [400, 500], [0.5], [100, 200], [600, 900])
        self.assertEqual(len(mass), 1)
        with self.assertRaises(ValueError):
            raw.blend_d2887_from_tbp([0.5, 0.5], [400, 500], [0.5], [1, 1], [1, 1], "weight")

    def test_d86_laboratory_curve_read_converted_and_cut(self):
        # The worked D86 curve laid on its own grid reads back unchanged, so its TBP
        # curve is the worked example's.
        grid = raw.d86_valid_yields()
        fractions, tbp = raw.d86_lab_to_tbp(grid, f_to_k(D86_F))
        self.assertEqual(fractions, grid)
        for got, want in zip(k_to_f(tbp), TBP_F):
            self.assertAlmostEqual(got, want, places=3)
        cuts = f_to_k([100, 200, 300, 400, 500])
        comp = raw.d86_comp(grid, f_to_k(D86_F), cuts)
        self.assertAlmostEqual(sum(comp), 1.0, places=12)
        out = (ctypes.c_double * 5)()
        lib.Blend_GetD86Comp(9, c_doubles(grid), c_doubles(f_to_k(D86_F)), c_doubles(cuts), out, 5)
        self.assertEqual(comp, list(out))
        with self.assertRaises(raw.QiraError):
            raw.d86_comp([0.0, 0.5], [400.0, 300.0], cuts)

    def test_ranges_and_mid_cut_points(self):
        nbp, fractions = [400.0, 450.0, 500.0], [0.2, 0.5, 0.3]
        total, shares = raw.nbp_temp_bound(nbp, fractions, lower=420.0, upper=480.0)
        self.assertTrue(0.0 < total < 1.0)
        self.assertAlmostEqual(sum(shares), 1.0)
        with self.assertRaises(raw.QiraError):
            raw.nbp_temp_bound(nbp, [0.2, 0.5, 0.2])
        self.assertEqual(raw.cbp([1.0], [450.0]), [450.0])
        self.assertEqual(raw.correct_extrapolation([-5.0, 2.0, 4.0, 6.0], 1, 3, lo=0.0), [0.0, 2.0, 4.0, 6.0])


if __name__ == "__main__":
    unittest.main()
