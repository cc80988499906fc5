"""ViscHandler over the handle interface: lifecycle of the handle and results equal to
those of a handler filled and run through the raw handle functions."""
import ctypes
import gc
import unittest

from support import assay, c_doubles, lib, raw


def fill_raw(handle, comps):
    lib.SetNumbComp(handle, len(comps))
    for i, c in enumerate(comps):
        for setter, value in (("SetTc", c.tc), ("SetPc", c.pc), ("SetVc", c.vc), ("SetOmega", c.omega),
                              ("SetMw", c.mw), ("SetBoil", c.tb), ("SetLiqDen", c.liq_den),
                              ("SetWsrk", c.wsrk), ("SetVchar", c.vchar)):
            getattr(lib, setter)(handle, i, value)
        lib.SetVsdata(handle, i, c.x)
        lib.SetDCompBPs(handle, i, c.tb)
        lib.SetIsHypo(handle, i, 1 if c.hypo else 0)
    lib.SetNumbHypoComp(handle, sum(c.hypo for c in comps))


class LifecycleTest(unittest.TestCase):
    def test_close_with_and_collection_delete_the_handle(self):
        vh = raw.ViscHandler()
        handle = vh.handle
        vh.set_components(assay())
        self.assertEqual(lib.GetNumbComp(handle), 11)
        vh.close()
        vh.close()  # closing twice is harmless
        self.assertEqual(lib.GetNumbComp(handle), -1)
        with self.assertRaises(raw.QiraError) as caught:
            vh.standard_viscosities()
        self.assertEqual(caught.exception.function, "GetNumbComp")

        with raw.ViscHandler() as vh:
            handle = vh.handle
            self.assertEqual(lib.GetNumbComp(handle), 0)
        self.assertEqual(lib.GetNumbComp(handle), -1)

        vh = raw.ViscHandler()
        handle = vh.handle
        del vh
        gc.collect()
        self.assertEqual(lib.GetNumbComp(handle), -1)

    def test_handle_deleted_behind_the_object_raises(self):
        with raw.ViscHandler() as vh:
            lib.DeleteViscHandler(vh.handle)
            with self.assertRaisesRegex(raw.QiraError, "does not know handle"):
                vh.set_components(assay())


class CharacterizationTest(unittest.TestCase):
    def setUp(self):
        self.comps = assay()
        self.handle = lib.CreateViscHandler()
        fill_raw(self.handle, self.comps)

    def tearDown(self):
        lib.DeleteViscHandler(self.handle)

    def test_results_match_the_raw_handle_interface(self):
        with raw.ViscHandler() as vh:
            vh.set_components(self.comps)
            vh.set_bulk_values([40.0], [3.0])
            vh.characterize()
            lib.SetMyBulkValues(self.handle, 1, c_doubles([40.0]), c_doubles([3.0]))
            lib.CharacterizeViscosity(self.handle)

            standard = vh.standard_viscosities()
            for i, c in enumerate(self.comps):
                want = lib.GetCpvVisc38(self.handle, i)
                self.assertEqual(standard[i][0], None if want == raw.MISSING else want)
                self.assertEqual(vh.thetas()[i][0], lib.GetThetaA(self.handle, i))
                self.assertEqual(standard[i][0] is not None, c.hypo)

            temps, bps, curves = vh.hypo_curves()
            self.assertEqual(temps, [40.0, 100.0])  # one bulk point at 40 C pairs with 100 C
            h = 8
            rows = [(ctypes.c_double * h)() for _ in temps]
            table = (ctypes.POINTER(ctypes.c_double) * 2)(*[ctypes.cast(r, ctypes.POINTER(ctypes.c_double)) for r in rows])
            out_bps = (ctypes.c_double * h)()
            self.assertEqual(lib.GetHypoViscCrvsAndBP(self.handle, table, out_bps), 1)
            self.assertEqual(bps, list(out_bps))
            self.assertEqual(curves, [list(r) for r in rows])
            # Viscosity falls with temperature for every pseudo-component.
            self.assertTrue(all(a > b for a, b in zip(curves[0], curves[1])))

            bulk_t, measured, calculated = vh.bulk_points()
            self.assertEqual(bulk_t, temps)
            self.assertEqual(measured[0], 3.0)

    def test_mixture_properties(self):
        x = [c.x for c in self.comps]
        with raw.ViscHandler() as vh:
            vh.set_components(self.comps)
            mu = vh.liquid_viscosity(40.0, 101.325, x)
            self.assertEqual(mu, lib.LiquidViscosity(self.handle, 40.0, 101.325, c_doubles(x)))
            rho = vh.liquid_mass_density(40.0, 101.325, x)
            nu = vh.liquid_kinematic_viscosity(40.0, 101.325, x)
            self.assertAlmostEqual(nu, mu * 1000.0 / rho, places=9)
            self.assertAlmostEqual(rho, vh.molecular_weight(x) * vh.liquid_molar_density(40.0, 101.325, x))
            with self.assertRaises(ValueError):
                vh.liquid_viscosity(40.0, 101.325, x[:-1])


if __name__ == "__main__":
    unittest.main()
