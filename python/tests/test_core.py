"""The package over the engine: loading, evaluation by row, by name and by numpy batch, expressions."""
import os
import tempfile
import threading
import unittest

import numpy as np

import zorv

EXAMPLES = os.path.join(os.environ.get("ZORV_SOURCE_DIR", "."), "examples")


def example(name):
    return zorv.load(os.path.join(EXAMPLES, name))


class RuleBaseTest(unittest.TestCase):
    def setUp(self):
        self.heater = example("heater.rb")

    def test_every_evaluation_road_gives_the_same_value(self):
        rows = np.array([[16.5, -3.0], [25.0, 10.0], [12.0, -20.0], [40.0, -3.0]])
        batch = self.heater.evaluate_many(rows)
        self.assertEqual(batch.shape, (4,))
        self.assertEqual(batch[0], self.heater.evaluate([16.5, -3.0]))
        self.assertEqual(batch[1], self.heater.evaluate({"indoor": 25.0, "outdoor": 10.0}))
        self.assertEqual(batch[2], self.heater.explain(rows[2]).value)
        self.assertEqual(batch[3], self.heater.evaluate([30.0, -3.0]))  # clamped to the context
        # Any layout and integer rows are taken as C-ordered doubles.
        np.testing.assert_array_equal(self.heater.evaluate_many(np.asfortranarray(rows)), batch)
        self.assertEqual(self.heater.evaluate_many(np.array([[16, -3]]))[0], self.heater.evaluate([16, -3]))

    def test_explains_fired_rules_and_the_conclusion(self):
        result = self.heater.explain([11.0, -20.0])
        x, mu = result.conclusion
        self.assertEqual(len(x), self.heater.outputs[0].discretization)
        self.assertEqual((x[0], x[-1]), (0.0, 100.0))
        self.assertEqual(mu.shape, x.shape)
        self.assertTrue(result.fired_rules)
        self.assertEqual(self.heater.rules[result.fired_rules[0] - 1].inputs[0], "sm")  # numbered from 1
        self.assertLess(len(repr(result)), 120)
        fan = example("fan.rb")
        self.assertEqual(fan.kind, zorv.RuleBaseKind.SINGLETON)
        self.assertIsNone(fan.explain([60.0, 50.0]).conclusion)

    def test_errors_carry_their_message_and_position(self):
        with self.assertRaisesRegex(zorv.Error, "input outdoor is not a finite number"):
            self.heater.evaluate([20.0, float("nan")])
        with self.assertRaisesRegex(zorv.Error, "^row 1: "):
            self.heater.evaluate_many(np.array([[20.0, 0.0], [20.0, np.inf]]))
        with self.assertRaisesRegex(zorv.Error, "cannot read file by open"):
            zorv.load(os.path.join(EXAMPLES, "missing.rb"))
        text = self.heater.text().replace("context=<10,30>", "context=<30,10>")
        with self.assertRaises(zorv.SyntaxError) as caught:
            zorv.RuleBase.from_text(text)
        error = caught.exception
        self.assertIsInstance(error, zorv.Error)
        self.assertEqual(error.message, "bad context bounds")
        self.assertEqual(error.text[error.position:], "30,10>")
        self.assertEqual(text.splitlines()[error.line - 1], error.text)

    def test_methods_by_name_and_a_saved_copy(self):
        self.heater.inference_method = "Fuzzy Approximation (DNF) with Product"
        self.heater.defuzzification_method = "SimpleCOG"
        self.assertEqual(self.heater.inference_method.short_name, "LZadInfCrispProd")
        with self.assertRaises(zorv.Error):
            self.heater.inference_method = "Takagi-Sugeno Inference"
        self.assertIn("Mean Of Maxima (MOM)", [m.display_name for m in zorv.RuleBase.defuzzification_methods()])
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "copy.rb")
            self.heater.save(path)
            copy = zorv.load(path)
        self.assertEqual(copy.defuzzification_method.key, "SimpleCenterOfGravity")
        self.assertEqual(copy.evaluate([15.0, 0.0]), self.heater.evaluate([15.0, 0.0]))

    def test_batches_on_several_threads_agree(self):
        rows = np.random.default_rng(7).uniform([10.0, -25.0], [30.0, 15.0], size=(20000, 2))
        expected = self.heater.evaluate_many(rows)
        results = []
        workers = [threading.Thread(target=lambda: results.append(self.heater.evaluate_many(rows))) for _ in range(3)]
        for worker in workers:
            worker.start()
        for worker in workers:
            worker.join()
        for result in results:
            np.testing.assert_array_equal(result, expected)


class VocabularyTest(unittest.TestCase):
    def test_the_meaning_of_an_expression(self):
        words = zorv.Vocabulary.linguistic(0.0, 10.0, discretization=11)
        e = words.expression("vr sm")
        self.assertEqual((e.canonical, e.form, e.specificity), ("very roughly small", "vr sm", 28))
        x, mu = e.samples()
        self.assertEqual((len(x), x[-1], mu[0]), (11, 10.0, 1.0))
        x, _ = zorv.Vocabulary.linguistic(0.0, 1e306).expression("sm").samples()
        self.assertTrue(np.all(np.diff(x) > 0), "points over a context near the largest doubles ascend")
        with self.assertRaises(zorv.Error):
            zorv.Vocabulary.linguistic(-1e308, 1e308)  # the width of the context is not finite
        self.assertEqual(words.expression("sm or me and bi").connective, zorv.Connective.AND)
        with self.assertRaises(zorv.SyntaxError) as caught:
            words.expression("ve me")
        self.assertEqual((caught.exception.message, caught.exception.position), ("parse error", 3))

    def test_operations_on_texts_and_values(self):
        words = example("heater.rb").vocabulary("indoor")
        self.assertEqual(words.perceive(10.0), "ze")
        self.assertEqual(words.perceive(30.0, zorv.HedgeMode.NONE), "bi")
        self.assertEqual(words.apply_word("ve sm", "big"), "ve bi")
        self.assertEqual(words.compare_expressions("sm", "bi"), -1)
        self.assertIsNone(words.compare_expressions("sm", "nonsense"))
        self.assertEqual(words.normalize("ve sm"), words.normalize("very small"))


if __name__ == "__main__":
    unittest.main()
