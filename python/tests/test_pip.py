"""pip installs the package offline into a virtual environment of its own, with its stubs, and the
installed package works outside the source and build trees."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = os.environ.get("ZORV_SOURCE_DIR", ".")
BUILD = os.environ.get("ZORV_BUILD_DIR")


class PipTest(unittest.TestCase):
    def test_pip_installs_a_working_package_offline(self):
        if BUILD is None:
            self.skipTest("no CMake build folder to take the compiled core from")
        with tempfile.TemporaryDirectory() as folder:
            # A copy of the package's sources, so that setuptools' build files stay out of the source tree;
            # the core comes from the build folder of this test run.
            sources = os.path.join(folder, "python")
            shutil.copytree(os.path.join(SOURCE, "python"), sources,
                            ignore=shutil.ignore_patterns("tests", "build", "*.egg-info", "__pycache__"))
            env_dir = os.path.join(folder, "env")
            subprocess.run([sys.executable, "-m", "venv", "--system-site-packages", env_dir], check=True)
            environment = {k: v for k, v in os.environ.items() if k != "PYTHONPATH"}
            environment["ZORV_CMAKE_BUILD_DIR"] = BUILD
            installed = subprocess.run(
                [os.path.join(env_dir, "bin", "pip"), "install", "--no-build-isolation", "--no-index", sources],
                env=environment, capture_output=True, text=True)
            self.assertEqual(installed.returncode, 0, installed.stdout + installed.stderr)
            shutil.rmtree(sources)  # nothing of the sources is used afterwards
            script = ("import os, zorv; "
                      f"h = zorv.load({os.path.join(SOURCE, 'examples', 'heater.rb')!r}); "
                      "folder = os.path.dirname(zorv.__file__); "
                      "print(folder); print(repr(h.evaluate([16.5, -3.0]))); "
                      "print(sorted(f for f in os.listdir(folder) if f.endswith(('.pyi', '.typed'))))")
            ran = subprocess.run([os.path.join(env_dir, "bin", "python"), "-c", script], env=environment, cwd=folder,
                                 capture_output=True, text=True)
            self.assertEqual(ran.returncode, 0, ran.stderr)
            place, value, stubs = ran.stdout.splitlines()
            self.assertTrue(place.startswith(env_dir), place)
            self.assertAlmostEqual(float(value), 34.666666666666664)
            self.assertEqual(stubs, "['__init__.pyi', 'dask.pyi', 'plot.pyi', 'py.typed']")


if __name__ == "__main__":
    unittest.main()
