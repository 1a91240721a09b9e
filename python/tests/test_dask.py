"""zorv.dask on a cluster of two worker processes: the rule base travels by pickle, and every result equals
the one-process result or the command line's."""
import os
import subprocess
import tempfile
import unittest

import numpy as np

import zorv

try:
    import dask.array as da
    import dask.dataframe as dd
    import pandas as pd
    from distributed import Client, LocalCluster

    import zorv.dask
except ImportError:  # pragma: no cover - Dask is optional
    dd = None

EXAMPLES = os.path.join(os.environ.get("ZORV_SOURCE_DIR", "."), "examples")
CLI = os.environ.get("ZORV_CLI")


def write_rows(path, rows):
    with open(path, "w", encoding="utf-8") as out:
        out.write("header\n")
        for row in rows:
            out.write("\t".join(repr(float(v)) for v in row) + "\n")


@unittest.skipIf(dd is None, "Dask is not installed")
class DaskTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cluster = LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None)
        cls.client = Client(cls.cluster)
        cls.heater = zorv.load(os.path.join(EXAMPLES, "heater.rb"))
        rng = np.random.default_rng(11)
        inputs = rng.uniform([5.0, -30.0], [35.0, 20.0], size=(20000, 2))  # some beyond the contexts
        power = cls.heater.evaluate_many(inputs) + rng.normal(0.0, 3.0, len(inputs))
        cls.rows = np.column_stack([inputs, power])
        cls.frame = pd.DataFrame({"t_in": inputs[:, 0], "noise": 1.0, "outdoor": inputs[:, 1], "power": power})
        cls.folder = tempfile.TemporaryDirectory()
        cls.data = os.path.join(cls.folder.name, "rows.txt")
        write_rows(cls.data, cls.rows)

    @classmethod
    def tearDownClass(cls):
        cls.client.close()
        cls.cluster.close()
        cls.folder.cleanup()

    def distributed(self):
        return dd.from_pandas(self.frame, npartitions=4)

    def cli(self, *args):
        if CLI is None:
            self.skipTest("the command-line tool is not built")
        return subprocess.run([CLI, *args], capture_output=True, text=True, check=True).stdout

    def test_evaluation_and_the_largest_error_equal_one_process(self):
        expected = self.heater.evaluate_many(self.rows[:, :2])
        series = zorv.dask.evaluate(self.heater, self.distributed(), columns={"indoor": "t_in"}).compute()
        self.assertEqual(series.name, "power")
        np.testing.assert_array_equal(series.to_numpy(), expected)
        array = zorv.dask.evaluate(self.heater, da.from_array(self.rows[:, :2], chunks=(6000, 2))).compute()
        np.testing.assert_array_equal(array, expected)
        largest = zorv.dask.max_error(self.heater, self.distributed(), columns={"indoor": "t_in"}).compute()
        self.assertEqual(largest, np.max(np.abs(self.rows[:, 2] - expected)))
        with self.assertRaises(zorv.ShapeError):
            zorv.dask.evaluate(self.heater, self.distributed())  # no column "indoor"

    def test_the_ftransform_equals_the_command_line(self):
        fit = zorv.dask.ftransform(self.heater, da.from_array(self.rows, chunks=(5000, 3)), nodes=[6, 4])
        ftv = os.path.join(self.folder.name, "fit.ftv")
        printed = self.cli("ftransform", os.path.join(EXAMPLES, "heater.rb"), self.data, "--nodes", "6,4",
                           "--ftv", ftv)
        with open(ftv, encoding="utf-8") as written:
            lines = [line.split("\t") for line in written if line.count("\t") == 2]
        self.assertEqual(len(lines), int(fit.valid.sum()))
        for i, j, value in lines:
            self.assertAlmostEqual(fit.components[int(i), int(j)], float(value), delta=1e-12 * abs(float(value)))
        reconstruction = [float(line.split("\t")[3]) for line in printed.splitlines() if line.count("\t") == 3]
        lazy = zorv.dask.reconstruct(fit, da.from_array(self.rows[:, :2], chunks=(5000, 2))).compute()
        np.testing.assert_allclose(lazy, reconstruction, rtol=1e-12)
        stated = float(printed.splitlines()[-1].split(": ")[1])
        self.assertAlmostEqual(fit.max_error(self.rows), stated, delta=1e-12 * stated)

    def test_learning_in_parts_equals_the_command_line(self):
        frame = self.distributed().rename(columns={"t_in": "indoor"})
        learned = zorv.dask.learn(self.heater, frame, "pentatomy")
        out = os.path.join(self.folder.name, "learned.rb")
        self.cli("learn", os.path.join(EXAMPLES, "heater.rb"), self.data, "--pentatomy", "-o", out)
        self.assertEqual(learned.rule_base.rules, zorv.load(out).rules)
        self.assertEqual(learned.added, len(self.rows))
        # Approx learning with the terms pentatomy gave, in parts and at once.
        base = learned.rule_base
        whole = base.learn(self.rows, zorv.LearningMethod.APPROX)
        parts = zorv.dask.learn(base, da.from_array(self.rows, chunks=(7000, 3)), zorv.LearningMethod.APPROX)
        self.assertEqual(parts.rule_base.rules, whole.rule_base.rules)
        self.assertEqual(parts.rule_base.text(), whole.rule_base.text())


if __name__ == "__main__":
    unittest.main()
