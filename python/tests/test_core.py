"""Finding the library and checking arguments before they reach it."""
import os
import unittest
from unittest import mock

from support import lib, raw
from qira import _core


class FindLibraryTest(unittest.TestCase):
    def test_environment_variable_file_or_folder(self):
        path = lib.path
        with mock.patch.dict(os.environ, {"QIRA_LIBRARY": path}):
            self.assertEqual(_core.find_library(), path)
        folder = os.path.dirname(path)
        with mock.patch.dict(os.environ, {"QIRA_LIBRARY": folder}):
            self.assertEqual(os.path.dirname(_core.find_library()), folder)
        with mock.patch.dict(os.environ, {"QIRA_LIBRARY": path + ".missing"}):
            with self.assertRaises(OSError):
                _core.find_library()

    def test_without_the_variable_a_name_for_the_loader_at_least(self):
        with mock.patch.dict(os.environ, {}, clear=True):
            self.assertIn("QIRAPropCalculator", _core.find_library())


class ArgumentTest(unittest.TestCase):
    def test_sequences_of_real_numbers_only(self):
        arr, n = _core.doubles((1, 2.5, 3))
        self.assertEqual((n, list(arr)), (3, [1.0, 2.5, 3.0]))
        for bad in ([True, 1.0], ["1"], 5, [None]):
            with self.assertRaises(TypeError):
                _core.doubles(bad)
        with self.assertRaises(ValueError):
            raw.blend_tbp([0.5, 0.5], [400.0], [0.5])

    def test_missing_marker_for_none_bounds(self):
        self.assertEqual(_core.optional(None), raw.MISSING)
        self.assertEqual(raw.blend_tbp([1.0], [400.0], [0.5], initial_t=None), [400.0])


if __name__ == "__main__":
    unittest.main()
