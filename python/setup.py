"""Builds and installs the zorv package from the source tree, offline, for a virtual environment of one's own:

    python3 -m venv --system-site-packages env      # numpy from Debian (python3-numpy)
    env/bin/pip install --no-build-isolation --no-index ./python

The compiled core and the engine library are built with CMake (cmake, g++ and python3-pybind11 needed) in
a folder of setuptools' own, or only brought up to date in an existing build folder named by the environment
variable ZORV_CMAKE_BUILD_DIR; the engine library is installed beside the core, which finds it there.
"""
import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent


def version():
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8") if (ROOT / "CMakeLists.txt").exists() else ""
    found = re.search(r"project\(zorv VERSION ([0-9.]+)", text)
    return found.group(1) if found else "0.0.0"


class CMakeBuild(build_ext):
    """Builds the CMake target zorv_python and copies the core and libzorv into the package."""

    def build_extension(self, ext):
        given = os.environ.get("ZORV_CMAKE_BUILD_DIR")
        build = pathlib.Path(given) if given else pathlib.Path(self.build_temp).resolve() / "cmake"
        if not given:
            subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                            "-DZORV_BUILD_APP=OFF", "-DZORV_BUILD_TESTS=OFF",
                            f"-DPython3_EXECUTABLE={sys.executable}"], check=True)
        subprocess.run(["cmake", "--build", str(build), "--target", "zorv_python", "-j", str(os.cpu_count() or 1)],
                       check=True)
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(next((build / "python" / "zorv").glob("_zorv*.so")), target)
        # The core names the library by its soname (libzorv.so.MAJOR), a link to the versioned file.
        soname = next(p for p in (build / "engine").glob("libzorv.so.*") if re.fullmatch(r"libzorv\.so\.\d+", p.name))
        shutil.copyfile(soname, target.parent / soname.name)


setup(
    name="zorv",
    version=version(),
    description="Fuzzy rule bases in evaluative linguistic expressions",
    packages=["zorv"],
    package_dir={"zorv": "zorv"},
    package_data={"zorv": ["py.typed", "*.pyi"]},
    ext_modules=[Extension("zorv._zorv", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    python_requires=">=3.9",
    install_requires=["numpy"],
    zip_safe=False,
)
