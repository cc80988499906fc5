"""Characterization, liquid properties, indices, estimates and solvers through the
binding, against hand calculations and the raw exports."""
import ctypes
import math
import unittest

from support import c_doubles, lib, raw

ch, lp, ix, es, so = (raw.characterization, raw.liquidprops, raw.indices, raw.estimates,
                      raw.solvers)


class CharacterizationTest(unittest.TestCase):
    def test_correlations(self):
        mw = ch.mw_from_sg_kw(0.8, 12.0)
        self.assertAlmostEqual(mw, 169.84, delta=0.01)  # Watson relation solved for MW
        self.assertAlmostEqual(ch.uopk(mw, 0.8), 12.0037, delta=1e-4)
        self.assertEqual(ch.mw_twu(500.0, 800.0), lib.Blend_mw_twu(500.0, 800.0))

    def test_whitson_split_against_raw(self):
        nbp = [400.0, 500.0, 600.0, 700.0, 800.0]
        split = ch.whitson(nbp, mw=250.0, sg=0.85, kw=None)
        self.assertAlmostEqual(sum(split.fractions), 1.0, places=9)
        n = 5
        fr, mws, dens = (ctypes.c_double * n)(), (ctypes.c_double * n)(), (ctypes.c_double * n)()
        mw, sg, kw = ctypes.c_double(250.0), ctypes.c_double(0.85), ctypes.c_double(raw.MISSING)
        self.assertTrue(lib.Blend_Whitson(n, fr, mws, dens, c_doubles(nbp), ctypes.byref(mw),
                                          ctypes.byref(sg), ctypes.byref(kw), 0.0))
        self.assertEqual(split.fractions, list(fr))
        self.assertEqual(split.densities, list(dens))
        self.assertEqual(split.kw, kw.value)  # the completed Watson K comes back
        with self.assertRaises(raw.QiraError):
            ch.whitson(nbp, mw=250.0, sg=0.85, kw=12.0, eta=0.95 * 250.0)


class LiquidPropertiesTest(unittest.TestCase):
    def test_densities_and_vapour_pressure(self):
        # Lee-Kesler at Tr = 1, omega = 0: exp(5.92714 - 6.09648 + 0.169347).
        self.assertAlmostEqual(lp.ppress(1.0, 0.0), math.exp(5.92714 - 6.09648 + 0.169347), places=12)
        self.assertEqual(lp.c1den(0.5), lp.satden(0.5, 0.0994, 0.0074))
        self.assertEqual(lp.satden(0.1, 0.3, 0.2), lp.satden(0.251, 0.3, 0.2))
        with self.assertRaises(raw.QiraError):
            lp.xden2(900.0, 101.325, [1.0], [500.0], [3000.0], [0.3], [0.3])

    def test_reid_vapour_pressure(self):
        tvp, deriv = lp.api_5b1_1_tvp(559.67, 10.0, 3.0)  # 100 F, RVP 10 psi, S 3
        self.assertAlmostEqual(tvp, 10.94, delta=0.01)
        self.assertGreater(deriv, 0.0)
        rvp, report = lp.api_5b1_1_rvp(tvp, 8.0, 3.0, 559.67, phase="Naphtha")
        self.assertAlmostEqual(rvp, 10.0, places=4)
        self.assertIn("converged for Phase: Naphtha", report)


class IndicesTest(unittest.TestCase):
    def test_index_round_trips_and_mixes_against_raw(self):
        self.assertAlmostEqual(ix.flash_point_from_index2(ix.flash_point_index2(120.0)), 120.0, places=9)
        fractions, values = [0.25, 0.75], [250.0, 270.0]
        self.assertEqual(ix.cloud_point_mix1(fractions, values),
                         lib.CloudPointMix1(c_doubles(fractions), c_doubles(values), 2))
        self.assertAlmostEqual(ix.cloud_point_mix1([0.5], [250.0]), 250.0 * 0.5 ** 0.55, places=9)

    def test_missing_results_raise(self):
        with self.assertRaises(raw.QiraError) as caught:
            ix.viscosity_index1(0.92)  # log10(1) = 0 is below the threshold
        self.assertEqual(caught.exception.function, "Blend_ViscosityIndex1")
        with self.assertRaises(raw.QiraError):
            ix.flash_point_mix([1.0], [0.0005])
        with self.assertRaises(raw.QiraError):
            ix.cetane_index_d4737(0.85, 500.0, 500.0, 583.15)

    def test_cetane_octane_and_viscosity_estimates(self):
        # 215, 260 and 310 C at d15 0.85: every term but 45.2 vanishes.
        self.assertAlmostEqual(ix.cetane_index_d4737(0.85, 488.15, 533.15, 583.15), 45.2, places=9)
        self.assertAlmostEqual(ix.mon_clear(90.0, 0.0), 97.2, places=12)
        self.assertEqual(ix.healy_ron_mon([1.0], [95.0], [85.0], [10.0], [30.0]), (95.0, 85.0))
        octane, contents = ix.estimate_octane([60, 90, 120, 150, 180], 20.0, 30.0, 10.0)
        self.assertAlmostEqual(sum(contents), 100.0)
        nu = (ctypes.c_double(), ctypes.c_double())
        lib.Blend_TwuVisc(850.0, 600.0, ctypes.byref(nu[0]), ctypes.byref(nu[1]))
        self.assertEqual(ix.twu_visc(850.0, 600.0), (nu[0].value, nu[1].value))


class EstimatesAndSolversTest(unittest.TestCase):
    def test_estimates(self):
        self.assertEqual(es.ccr(0.5), 0.0)
        with self.assertRaises(raw.QiraError):
            es.c5_asphaltenes(-1.0)
        p, n, a = es.pna_riazi_roomi(3.0, 850.0)
        self.assertAlmostEqual(p + n + a, 100.0)
        with self.assertRaises(raw.QiraError):
            es.cloud_point(-300.0, 0.8)

    def test_linear_cubic_and_normal(self):
        # The first index is the column: rows {2, 0}, {1, 1} solve to (-0.5, 3).
        x = so.equation_solver([[2.0, 0.0], [1.0, 1.0]], [2.0, 3.0])
        self.assertAlmostEqual(x[0], -0.5)
        self.assertAlmostEqual(x[1], 3.0)
        with self.assertRaises(raw.QiraError):
            so.equation_solver([[0.0, 0.0], [0.0, 0.0]], [1.0, 1.0])
        kind, roots = so.solve_cubic(0.0, -3.0, 2.0)  # (x - 1)^2 (x + 2)
        self.assertEqual(kind, 2)
        self.assertAlmostEqual(roots[0], -2.0)
        self.assertEqual(so.ndtr(0.0), 0.5)

    def test_newton_raphson_with_python_residuals(self):
        solver = so.NewtonRaphson(2, lambda x: [x[0] ** 2 - 4.0, x[0] + x[1] - 3.0])
        self.assertEqual(solver.rhs([1.0, 1.0]), [-3.0, -1.0])
        jac = solver.jacobian([1.0, 1.0])
        self.assertAlmostEqual(jac[0][0], 2.01)  # forward difference of 0.01
        self.assertAlmostEqual(jac[1][1], 1.0)
        x = [1.0, 1.0]
        for _ in range(20):  # the host owns the iteration; the library solves each step
            f = solver.rhs(x)
            j = solver.jacobian(x)
            transposed = [[j[r][c] for r in range(2)] for c in range(2)]
            delta = solver.new_delta(transposed, [-v for v in f])
            x = [a + d for a, d in zip(x, delta)]
        self.assertAlmostEqual(x[0], 2.0, places=6)
        self.assertAlmostEqual(x[1], 1.0, places=6)


if __name__ == "__main__":
    unittest.main()
