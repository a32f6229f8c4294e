"""Builds the quentarb package's binary parts with the project's CMake: the binding, and the
plug-in module with its resource file, which the package loads through PluginMain.

CMake builds in setuptools' temporary folder, only the package's targets, with
QUENTARB_BUILD_JOBS jobs (default 2). Debian's pybind11 is found through its Python module.
"""
import os
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build = Path(self.build_temp).resolve() / "cmake"
        build.mkdir(parents=True, exist_ok=True)
        configure = ["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                     f"-DPython_EXECUTABLE={sys.executable}"]
        try:
            import pybind11
            configure.append(f"-Dpybind11_DIR={pybind11.get_cmake_dir()}")
        except ImportError:
            pass  # CMake looks in the usual places
        subprocess.run(configure, check=True)
        jobs = os.environ.get("QUENTARB_BUILD_JOBS", "2")
        subprocess.run(["cmake", "--build", str(build), "--target", "quentarb_python", "-j", jobs], check=True)
        built = build / "python" / "quentarb"
        binding = Path(self.get_ext_fullpath(ext.name))
        binding.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(built / binding.name, binding)
        for name in ("ZU41_QuenTarb.so", "ZU41_QuenTarb.rsrc"):
            shutil.copy2(built / name, binding.parent / name)


setup(ext_modules=[Extension("quentarb._quentarb", sources=[])], cmdclass={"build_ext": CMakeBuild})
