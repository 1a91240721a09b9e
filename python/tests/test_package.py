"""What a user of the package relies on beyond evaluation: builtin exception types, text operations, reprs,
documentation, type stubs, pickling and copying."""
import ast
import copy
import inspect
import os
import pickle
import subprocess
import sys
import tempfile
import unittest

import numpy as np

import zorv

SOURCE = os.environ.get("ZORV_SOURCE_DIR", ".")
EXAMPLES = os.path.join(SOURCE, "examples")
PACKAGE = os.path.dirname(zorv.__file__)


def example(name):
    return zorv.load(os.path.join(EXAMPLES, name))


def described(name, attribute):
    """Whether a docstring says something beyond the signature that pybind11 puts first."""
    doc = inspect.getdoc(attribute) or ""
    paragraphs = [p for p in doc.split("\n\n") if p.strip() and p.strip() != "Overloaded function."]
    return any(not p.lstrip("0123456789. ").startswith(name + "(") for p in paragraphs)


def public_members(cls):
    return {name for name in vars(cls) if not name.startswith("_") and name not in ("name", "value")}


class ExceptionTest(unittest.TestCase):
    def test_errors_derive_from_the_builtin_ones(self):
        with self.assertRaises(FileNotFoundError) as missing:
            zorv.load(os.path.join(EXAMPLES, "missing.rb"))
        self.assertIsInstance(missing.exception, zorv.Error)
        self.assertEqual(missing.exception.filename, os.path.join(EXAMPLES, "missing.rb"))
        with self.assertRaises(OSError) as folder:
            zorv.load(EXAMPLES)
        self.assertNotIsInstance(folder.exception, FileNotFoundError)
        self.assertIsInstance(zorv.Error("x"), ValueError)
        self.assertIs(zorv.SyntaxError, zorv.ParseError)
        with self.assertRaises(zorv.ParseError) as parse:
            zorv.RuleBase.from_text("nonsense")
        self.assertIsInstance(parse.exception, ValueError)
        # Exceptions cross process boundaries with their attributes.
        again = pickle.loads(pickle.dumps(missing.exception))
        self.assertEqual((type(again), again.errno, str(again)),
                         (zorv.MissingFileError, missing.exception.errno, str(missing.exception)))

    def test_wrong_shapes_and_lengths_raise_one_class_everywhere(self):
        heater = example("heater.rb")
        attempts = [
            lambda: heater.evaluate([1.0]),
            lambda: heater.explain([1.0, 2.0, 3.0]),
            lambda: heater.evaluate_many(np.zeros((3, 3))),
            lambda: heater.max_error(np.zeros((3, 2)), np.zeros(2)),
            lambda: heater.learn(np.zeros((2, 2)), "pentatomy"),
            lambda: zorv.FTransform.for_rule_base(heater, [3, 3, 3]),
            lambda: zorv.FTransform.for_rule_base(heater, 3).add(np.zeros((2, 2))),
        ]
        for attempt in attempts:
            with self.assertRaises(zorv.ShapeError):
                attempt()


class TextOperationTest(unittest.TestCase):
    def test_perception_with_user_terms_and_sign_inversion(self):
        heater = example("heater.rb")
        learned = heater.learn(np.array([[10.0, -25.0, 0.0]]), "pentatomy").rule_base
        words = learned.vocabulary("indoor")
        self.assertEqual(words.user_terms, ["LoMe", "UpMe"])
        # The value where LoMe holds fully is named by it only when user terms compete.
        self.assertEqual(words.perceive(15.5, user_terms=True), "LoMe")
        self.assertNotEqual(words.perceive(15.5), "LoMe")
        self.assertEqual(learned.vocabulary("outdoor").perceive(-25.0, user_terms=True), "ze")
        signed = zorv.Vocabulary.linguistic(-10.0, 10.0)
        for before, after in [("+sm", "-sm"), ("-sm", "sm"), ("ve bi or ze", "-ve bi or -ze"),
                              ("about 2", "about 2")]:
            self.assertEqual(signed.invert_sign(before), after)
        self.assertEqual(words.invert_sign("sm"), "sm")  # the context does not straddle zero


class DocumentationTest(unittest.TestCase):
    def test_every_public_name_has_a_docstring_and_a_stub(self):
        stubs = ast.parse(open(os.path.join(PACKAGE, "__init__.pyi"), encoding="utf-8").read())
        stubbed = {node.name: {item.name for item in node.body if isinstance(item, ast.FunctionDef)}
                   for node in stubs.body if isinstance(node, ast.ClassDef)}
        stubbed_functions = {node.name for node in stubs.body if isinstance(node, ast.FunctionDef)}
        for name in zorv.__all__:
            item = getattr(zorv, name)
            if name == "__version__":
                continue
            self.assertTrue(name in stubbed or name in stubbed_functions, f"{name} has no stub")
            self.assertTrue(inspect.getdoc(item), f"{name} has no docstring")
            if not isinstance(item, type) or issubclass(item, BaseException):
                continue
            for member in public_members(item):
                attribute = getattr(item, member)
                if isinstance(attribute, item):  # an enum value
                    continue
                self.assertIn(member, stubbed[name], f"{name}.{member} has no stub")
                self.assertTrue(described(member, attribute), f"{name}.{member} has no docstring")
        self.assertIn("evaluate_many", zorv.RuleBase.__doc__)

    def test_the_stubs_pass_a_strict_type_check(self):
        try:
            import mypy  # noqa: F401
        except ImportError:
            self.skipTest("mypy is not installed")
        script = '''
import numpy as np
import zorv
import zorv.plot

heater: zorv.RuleBase = zorv.load("heater.rb")
value: float = heater.evaluate({"indoor": 16.5, "outdoor": -3.0})
values = heater.evaluate_many(np.zeros((2, 2)), threads=1)
why: zorv.Explanation = heater.explain([16.5, -3.0])
numbers: list[int] = why.fired_rules
words: str = heater.vocabulary("indoor").perceive(15.0, zorv.HedgeMode.ALL, user_terms=True)
learned: zorv.RuleBase = heater.learn(np.zeros((1, 3)), zorv.LearningMethod.PENTATOMY).rule_base
fit = zorv.FTransform.for_rule_base(heater, nodes=[4, 5])
count: int = fit.add(np.zeros((1, 3)))
ax = zorv.plot.surface(heater, ("indoor", "outdoor"), steps=20)
try:
    zorv.load("missing.rb")
except zorv.MissingFileError as error:
    code: int | None = error.errno
'''
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "example.py")
            with open(path, "w", encoding="utf-8") as out:
                out.write(script)
            env = dict(os.environ, MYPYPATH=os.path.dirname(PACKAGE))
            checked = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--no-incremental",
                                      "--cache-dir", os.path.join(folder, "cache"), path],
                                     env=env, capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)


class PickleTest(unittest.TestCase):
    def test_a_rule_base_travels_whole(self):
        for name in ("heater.rb", "fan.rb", "braking.rb"):
            original = example(name)
            if original.kind == zorv.RuleBaseKind.LINGUISTIC:
                original.defuzzification_method = "MOM"
            original.steps = 37
            n = len(original.inputs)
            some = np.random.default_rng(4).uniform([v.low for v in original.inputs],
                                                    [v.high for v in original.inputs], size=(500, n))
            for twin in (pickle.loads(pickle.dumps(original)), copy.copy(original), copy.deepcopy(original)):
                self.assertEqual(twin.text(), original.text())
                self.assertEqual((twin.steps, twin.name), (37, original.name))
                np.testing.assert_array_equal(twin.evaluate_many(some), original.evaluate_many(some))
            twin = copy.deepcopy(original)
            twin.steps = 5
            self.assertEqual(original.steps, 37)  # independent

    def test_vocabularies_and_expressions_keep_their_terms(self):
        learned = example("heater.rb").learn(np.array([[12.0, -3.0, 50.0]]), "pentatomy").rule_base
        for words in (learned.vocabulary("outdoor"), zorv.Vocabulary.triangular(-3.0, 6.0, 11),
                      example("fan.rb").vocabulary(example("fan.rb").outputs[0].name)):
            twin = pickle.loads(pickle.dumps(words))
            self.assertEqual((twin.kind, twin.low, twin.high, twin.discretization, twin.user_terms),
                             (words.kind, words.low, words.high, words.discretization, words.user_terms))
            for name in words.user_terms + words.standard_terms:
                np.testing.assert_array_equal(twin.expression(name).samples()[1],
                                              words.expression(name).samples()[1])
        expression = learned.vocabulary("outdoor").expression("LoMe or ve sm")
        twin = copy.deepcopy(pickle.loads(pickle.dumps(expression)))
        self.assertEqual(twin.canonical, expression.canonical)
        np.testing.assert_array_equal(twin.samples()[1], expression.samples()[1])


if __name__ == "__main__":
    unittest.main()
