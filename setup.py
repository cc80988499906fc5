"""Builds the shared library with CMake and ships it inside the `qira` package.

Metadata lives in pyproject.toml; this file only adds the CMake step to build_py and
marks the wheel as platform-specific. Set QIRA_CMAKE_ARGS for extra configure options.
"""
import os
import shlex
import shutil
import subprocess

from setuptools import Distribution, setup
from setuptools.command.build_py import build_py

ROOT = os.path.dirname(os.path.abspath(__file__))
LIBRARY = "libQIRAPropCalculator.so"


class BuildWithLibrary(build_py):
    def run(self):
        super().run()
        build_dir = os.path.join(ROOT, "build", "python-package")
        configure = ["cmake", "-S", ROOT, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release",
                     "-DQIRA_BUILD_TESTS=OFF", "-DQIRA_BUILD_EXAMPLES=OFF",
                     "-DQIRA_BUILD_BENCH=OFF", "-DQIRA_BUILD_FUZZ=OFF"]
        configure += shlex.split(os.environ.get("QIRA_CMAKE_ARGS", ""))
        subprocess.check_call(configure)
        subprocess.check_call(["cmake", "--build", build_dir, "--target", "QIRAPropCalculator",
                               "-j", os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", "2")])
        built = os.path.realpath(os.path.join(build_dir, LIBRARY))
        target = os.path.join(self.build_lib, "qira", LIBRARY)
        shutil.copyfile(built, target)


class BinaryDistribution(Distribution):
    def has_ext_modules(self):
        return True


setup(cmdclass={"build_py": BuildWithLibrary}, distclass=BinaryDistribution)
