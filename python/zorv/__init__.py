"""Fuzzy rule bases written in evaluative linguistic expressions.

Load a rule base (``zorv.load``), evaluate it on one row, by name or on a numpy array of rows without the
GIL, explain an evaluation, read expressions in a variable's vocabulary, learn rules from data and fit data
with the F-transform. Rule bases, vocabularies, expressions and F-transforms pickle, so they travel to
worker processes; ``zorv.dask`` evaluates, learns and fits Dask collections, and ``zorv.plot`` draws terms,
projections, surfaces and explanations with matplotlib.

>>> import zorv
>>> heater = zorv.load("examples/heater.rb")
>>> heater.evaluate({"indoor": 16.5, "outdoor": -3.0})
34.666666666666664

Errors derive from the builtin ones: ``zorv.Error`` is a ``ValueError``, ``zorv.FileError`` also an
``OSError`` and ``zorv.MissingFileError`` a ``FileNotFoundError``.
"""
from ._errors import Error, FileError, MissingFileError, ParseError, ShapeError
from ._zorv import (
    Connective,
    Explanation,
    Expression,
    FTransform,
    HedgeMode,
    LearnedRow,
    Learning,
    LearningMethod,
    Method,
    Rule,
    RuleBase,
    RuleBaseKind,
    Side,
    Variable,
    VariableRef,
    Vocabulary,
    __version__,
    load,
)
from ._html import rule_base_html as _rule_base_html

# The former name of ParseError, kept for one release; it is not exported by "import *", where it would hide
# the builtin SyntaxError.
SyntaxError = ParseError  # noqa: A001

__all__ = [
    "Connective",
    "Error",
    "Explanation",
    "Expression",
    "FTransform",
    "FileError",
    "HedgeMode",
    "LearnedRow",
    "Learning",
    "LearningMethod",
    "Method",
    "MissingFileError",
    "ParseError",
    "Rule",
    "RuleBase",
    "RuleBaseKind",
    "ShapeError",
    "Side",
    "Variable",
    "VariableRef",
    "Vocabulary",
    "__version__",
    "load",
]


def _dask_token(rule_base: RuleBase) -> object:
    """Equal rule bases give equal Dask task names, so a graph built twice is recognised."""
    return ("zorv.RuleBase", rule_base.text(), rule_base.steps)


RuleBase._repr_html_ = _rule_base_html  # type: ignore[attr-defined]
RuleBase.__dask_tokenize__ = _dask_token  # type: ignore[attr-defined]

# The classes are known by their public names (zorv.RuleBase), which is also where pickle finds them.
for _name in __all__:
    _value = globals()[_name]
    if isinstance(_value, type) and _value.__module__ in ("zorv._zorv", "zorv._errors"):
        _value.__module__ = "zorv"
del _name, _value
