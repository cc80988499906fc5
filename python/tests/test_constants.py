"""The constants and relations the package takes from the library: one copy each.

The values themselves live in frame/constants.h (python/qira/_constants.py is generated
from it and checked by the build); here: the Python helpers give the library's results,
and no text of the checkout quotes another value of a constant that is written once."""
import math
import os
import re
import unittest

from support import lib, main
from qira import _constants

CHECKOUT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _texts():
    """(path, text) of the headers, docs pages, library sources, Python package, benchmarks,
    example host and tests."""
    for folder, suffixes in (("include", (".h",)), ("docs", (".md",)), ("python/qira", (".py",)),
                             ("frame", (".h", ".cpp")), ("characterization", (".cpp",)),
                             ("properties", (".cpp",)), ("viscosity", (".cpp", ".h")),
                             ("relations", (".cpp",)), ("examples", (".cpp", ".h")),
                             ("assay", (".cpp", ".h")), ("bench", (".cpp", ".h")),
                             ("tests", (".cpp", ".h")), ("python", ("example.py",)),
                             ("python/tests", (".py",))):
        for root, dirs, files in os.walk(os.path.join(CHECKOUT, folder)):
            dirs[:] = [d for d in dirs if d != "tests"]
            for name in files:
                if name.endswith(suffixes):
                    path = os.path.join(root, name)
                    with open(path, encoding="utf-8") as f:
                        yield os.path.relpath(path, CHECKOUT), f.read()


class ConstantParityTest(unittest.TestCase):
    def test_every_quoted_value_of_a_constant_is_the_one_copy(self):
        # (pattern of the quoted numbers, the values allowed, what they are)
        rules = [(r"(?<![\d.])999\.0\d*(?![\d])", {"999.016"}, "water density at 60 F"),
                 (r"(?<![\d.])6\.8947\d*", {"6.894757293168", "6.894757293168361"},
                  "kPa per psi"),
                 (r"(?<![\d.])8\.314\d*", {"8.314462618", "8.31446261815324", "8.31432"},
                  "gas constant")]
        for path, text in _texts():
            for pattern, allowed, what in rules:
                for found in re.findall(pattern, text):
                    self.assertIn(found, allowed, "%s quotes %s as the %s" % (path, found, what))

    def test_generated_constants_are_the_defined_values(self):
        # psi: the pound-force (0.45359237 kg x 9.80665 m/s2) over the square inch; ft3/lbmol:
        # (0.3048 m)^3 over 0.45359237 kg; R = N_A k (2019 SI); psi and R as written, to
        # twelve and nine decimals.
        psi = 0.45359237 * 9.80665 / 0.0254 ** 2 / 1000
        self.assertAlmostEqual(_constants.KPA_PER_PSI, psi, 12)
        self.assertAlmostEqual(_constants.M3_PER_KMOL_PER_FT3_PER_LBMOL, 0.3048 ** 3 / 0.45359237,
                               15)
        self.assertAlmostEqual(_constants.GAS_CONSTANT, 6.02214076e23 * 1.380649e-23, 9)
        self.assertEqual(main.units.PSI_KPA, _constants.KPA_PER_PSI)
        self.assertEqual(main.units.WATER_60F, _constants.WATER_DENSITY_60F)


class RelationsFromTheLibraryTest(unittest.TestCase):
    def test_units_helpers_call_the_library(self):
        # (helper value, the export's value): the same number, bit for bit.
        for got, want in [(main.api_to_sg(35.0), lib.QiraRel_SgFromApi(35.0)),
                          (main.sg_to_api(0.85), lib.QiraRel_ApiFromSg(0.85)),
                          (main.units.watson_k(450.0, 0.8), lib.QiraRel_WatsonK(450.0, 0.8)),
                          (main.units.mw_riazi_daubert(450.0, 0.8),
                           lib.QiraRel_MwRiaziDaubert1980(450.0, 0.8))]:
            self.assertEqual(got, want)
        self.assertEqual(main.api_to_sg(10.0), 1.0)  # water is 10 API by definition

    def test_outside_the_domain_an_error_names_the_export(self):
        for call, name in [(lambda: main.api_to_sg(-131.5), "QiraRel_SgFromApi"),
                           (lambda: main.sg_to_api(0.0), "QiraRel_ApiFromSg"),
                           (lambda: main.units.watson_k(-1.0, 0.8), "QiraRel_WatsonK")]:
            with self.assertRaisesRegex(main.QiraError, "^" + name):
                call()

    def test_walther_line_is_the_library_line(self):
        # ln ln(10 + 0.7) above 2 cSt, where the low-viscosity term is off (hand calculation).
        self.assertAlmostEqual(lib.QiraRel_WaltherOrdinate(10.0), math.log(math.log(10.7)), 14)


if __name__ == "__main__":
    unittest.main()
