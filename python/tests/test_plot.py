"""zorv.plot draws on the points the command line computes, and the notebook view of a rule base."""
import os
import subprocess
import unittest

import numpy as np

import zorv

try:
    import matplotlib

    matplotlib.use("Agg")
    import zorv.plot
except ImportError:  # pragma: no cover - matplotlib is optional
    matplotlib = None

EXAMPLES = os.path.join(os.environ.get("ZORV_SOURCE_DIR", "."), "examples")
CLI = os.environ.get("ZORV_CLI")


@unittest.skipIf(matplotlib is None, "matplotlib is not installed")
class PlotTest(unittest.TestCase):
    def setUp(self):
        self.heater = zorv.load(os.path.join(EXAMPLES, "heater.rb"))

    def test_the_surface_lies_on_the_points_of_the_command_line(self):
        if CLI is None:
            self.skipTest("the command-line tool is not built")
        self.heater.steps = 25  # the command's smooth-steps default
        printed = subprocess.run([CLI, "surface", os.path.join(EXAMPLES, "heater.rb"), "--vars", "indoor", "outdoor",
                                  "--steps", "7", "--at", "12", "0"], capture_output=True, text=True, check=True)
        points = np.array([[float(v) for v in line.split(",")] for line in printed.stdout.splitlines()[1:]])
        x, y, z = zorv.plot.surface_points(self.heater, ("indoor", "outdoor"), steps=7, at=[12.0, 0.0])
        np.testing.assert_array_equal(np.column_stack([x.ravel(), y.ravel(), z.ravel()]), points)
        ax = zorv.plot.surface(self.heater, ("indoor", "outdoor"), steps=7)
        self.assertEqual(ax.get_zlabel(), "power")

    def test_each_picture_returns_its_axes(self):
        words = self.heater.learn(np.array([[12.0, -3.0, 50.0]]), "pentatomy").rule_base.vocabulary("indoor")
        ax = zorv.plot.terms(words)
        self.assertEqual([line.get_label() for line in ax.get_lines()], ["sm", "me", "bi", "LoMe", "UpMe"])
        ax = zorv.plot.projection(self.heater, "outdoor", at=[18.0, 0.0], steps=10)
        x, y = ax.get_lines()[0].get_data()
        self.assertEqual(len(x), 11)
        self.assertEqual(y[3], self.heater.evaluate([18.0, x[3]]))
        why = self.heater.explain([16.5, -3.0])
        ax = zorv.plot.explanation(why)
        self.assertEqual(ax.get_lines()[-1].get_xdata()[0], why.value)
        with self.assertRaises(zorv.ShapeError):
            zorv.plot.projection(self.heater, "power")

    def test_a_rule_base_shows_as_tables_in_a_notebook(self):
        html = self.heater._repr_html_()
        self.assertEqual(html.count("<tr>"), 1 + 3 + 1 + len(self.heater.rules))
        self.assertIn("<td>ex bi</td>", html)


if __name__ == "__main__":
    unittest.main()
