"""Rule bases over Dask collections: evaluation, the largest error, the F-transform and rule learning.

Every function takes a dask DataFrame whose columns are named after the rule base's variables (other columns
are ignored; ``columns={"indoor": "t_in"}`` maps a variable to another column name) or a dask Array of shape
(n, variables) chunked along its rows. The rule base travels to the workers by pickling, so the same code runs
on a LocalCluster or on a cluster of many machines.

- ``evaluate`` is lazy: a Series (named after the output) or an Array, each partition evaluated with
  ``RuleBase.evaluate_many``.
- ``max_error`` is lazy: a dask scalar, the maximum of every partition's ``RuleBase.max_error``.
- ``ftransform`` computes: each partition's sums of the direct F-transform are added up (a tree reduction)
  into one ``FTransform``, equal to one fit of all rows up to the rounding of the sums' order.
  ``reconstruct`` then gives the inverse transform lazily.
- ``learn`` computes: both methods (approx and pentatomy) describe each row alone, so each partition's rules
  are learned apart and put together in partition order, which is the rules one run over all rows gives.
"""
from __future__ import annotations

from typing import Any, Dict, List, Mapping, Optional, Sequence, Tuple, Union

import dask
import dask.array as da
import dask.dataframe as dd
import numpy as np
import pandas as pd

from . import FTransform, LearnedRow, Learning, LearningMethod, RuleBase, ShapeError

Collection = Union[dd.DataFrame, da.Array]

__all__ = ["evaluate", "max_error", "ftransform", "reconstruct", "learn"]


def _names(variables: Sequence[Any], columns: Optional[Mapping[str, str]]) -> List[str]:
    mapping = columns or {}
    return [mapping.get(v.name, v.name) for v in variables]


def _output_name(rule_base: RuleBase, output: Optional[str]) -> str:
    if output is not None:
        return output
    if not rule_base.outputs:
        raise ShapeError("the rule base has no output variable")
    return rule_base.outputs[0].name


def _block(data: Collection, names: List[str], what: str) -> Collection:
    """The columns names of a DataFrame, or an Array of exactly len(names) columns in one chunk."""
    if isinstance(data, dd.DataFrame):
        missing = [name for name in names if name not in data.columns]
        if missing:
            raise ShapeError(f"the data has no column {', '.join(missing)} ({what})")
        return data[names]
    if isinstance(data, da.Array):
        if data.ndim != 2 or data.shape[1] != len(names):
            raise ShapeError(f"the array must have shape (n, {len(names)}): {what}")
        return data.rechunk({1: -1})
    raise TypeError("data must be a dask DataFrame or a dask Array")


def _values(part: Any) -> np.ndarray:
    return np.ascontiguousarray(part.to_numpy(dtype=np.float64) if isinstance(part, pd.DataFrame) else part,
                                dtype=np.float64)


def _evaluate_part(part: Any, rule_base: RuleBase, threads: int) -> np.ndarray:
    return rule_base.evaluate_many(_values(part).reshape(-1, len(rule_base.inputs)), threads)


def evaluate(rule_base: RuleBase, data: Collection, columns: Optional[Mapping[str, str]] = None,
             threads: int = 1) -> Union[dd.Series, da.Array]:
    """The value of the rule base's first output for every row, lazily.

    data: a DataFrame with a column per input (other columns ignored; columns maps variable names to column
    names) or an Array (n, inputs). threads: the threads each partition is evaluated on (1 leaves the
    parallelism to Dask). Returns a Series named after the output, indexed like data, or an Array (n,).
    The values equal ``rule_base.evaluate_many`` on the same rows bit for bit. A bad row raises zorv.Error
    when the result is computed.
    """
    block = _block(data, _names(rule_base.inputs, columns), "the inputs")
    if isinstance(block, dd.DataFrame):
        name = _output_name(rule_base, None)
        return block.map_partitions(
            lambda part, rb, n: pd.Series(_evaluate_part(part, rb, n), index=part.index, name=name),
            rule_base, threads, meta=pd.Series(dtype=np.float64, name=name))
    return block.map_blocks(_evaluate_part, rule_base, threads, drop_axis=1, dtype=np.float64)


def _max_error_part(part: Any, rule_base: RuleBase, threads: int) -> np.ndarray:
    values = _values(part)
    inputs = len(rule_base.inputs)
    if len(values) == 0:
        return np.array([-np.inf])
    return np.array([rule_base.max_error(values[:, :inputs], values[:, inputs], threads)])


def max_error(rule_base: RuleBase, data: Collection, output: Optional[str] = None,
              columns: Optional[Mapping[str, str]] = None, threads: int = 1) -> Any:
    """The largest |expected - value| over the rows, lazily (a dask scalar; call .compute()).

    The expected values are the column output (default: named after the first output variable, through
    columns too), or the last column of an Array (n, inputs + 1). Values are exact, as `zorv compute` prints
    them. A row whose expected value is not a number raises zorv.Error when computed.
    """
    names = _names(rule_base.inputs, columns) + [(columns or {}).get(_output_name(rule_base, output),
                                                                     _output_name(rule_base, output))]
    block = _block(data, names, "the inputs, then the expected output")
    if isinstance(block, dd.DataFrame):
        parts = block.map_partitions(lambda part, rb, n: pd.Series(_max_error_part(part, rb, n)),
                                     rule_base, threads, meta=pd.Series(dtype=np.float64))
        return parts.max()
    return block.map_blocks(_max_error_part, rule_base, threads, drop_axis=1, chunks=(1,), dtype=np.float64).max()


def _sums(part: Any, empty: FTransform) -> Tuple[np.ndarray, np.ndarray]:
    fit = empty.__copy__()
    fit.add(_values(part))
    return fit.numerators, fit.denominators


def _add(a: Tuple[np.ndarray, np.ndarray], b: Tuple[np.ndarray, np.ndarray]) -> Tuple[np.ndarray, np.ndarray]:
    return a[0] + b[0], a[1] + b[1]


def ftransform(rule_base: RuleBase, data: Collection, output: Optional[str] = None,
               columns: Optional[Mapping[str, str]] = None, nodes: Union[int, Sequence[int]] = 10,
               shape: str = "triangular") -> FTransform:
    """Fits the direct F-transform to the rows as `zorv ftransform` does, and returns the FTransform.

    The axes are the rule base's input contexts with nodes nodes each (or one count per input) and basic
    functions of shape ("triangular", "quadratic", "sinusoidal", "fuzzynumber"); the output column is
    output (default: named after the first output variable), or the last column of an Array
    (n, inputs + 1). Rows holding NaN are left out. Each partition's numerators and denominators are summed
    on the workers in a tree; this computes.
    """
    empty = FTransform.for_rule_base(rule_base, nodes, shape)
    names = _names(rule_base.inputs, columns) + [(columns or {}).get(_output_name(rule_base, output),
                                                                     _output_name(rule_base, output))]
    block = _block(data, names, "the inputs, then the output")
    parts = block.to_delayed().ravel() if isinstance(block, da.Array) else block.to_delayed()
    sums = [dask.delayed(_sums)(part, empty) for part in parts]
    while len(sums) > 1:
        sums = [dask.delayed(_add)(*sums[i:i + 2]) if i + 1 < len(sums) else sums[i] for i in range(0, len(sums), 2)]
    numerators, denominators = dask.compute(sums[0])[0]
    empty.set_sums(numerators, denominators)
    return empty


def reconstruct(transform: FTransform, data: Collection, columns: Optional[Sequence[str]] = None) -> Union[
        dd.Series, da.Array]:
    """The inverse F-transform at every row, lazily: a Series named "reconstruction" from the columns named
    columns (one per axis, in axis order) of a DataFrame, or an Array from an Array (n, axes)."""
    width = len(transform.nodes)
    if isinstance(data, dd.DataFrame):
        if columns is None or len(columns) != width:
            raise ShapeError(f"name the {width} input column(s) of the transform, in axis order")
        block = _block(data, list(columns), "the inputs")
        return block.map_partitions(
            lambda part, t: pd.Series(t.inverse_many(_values(part)), index=part.index, name="reconstruction"),
            transform, meta=pd.Series(dtype=np.float64, name="reconstruction"))
    block = _block(data, [str(i) for i in range(width)], "the inputs")
    return block.map_blocks(lambda part, t: t.inverse_many(_values(part)), transform, drop_axis=1, dtype=np.float64)


def _learn_part(part: Any, rule_base: RuleBase, method: Union[LearningMethod, str]) -> Tuple[int, List[LearnedRow]]:
    values = _values(part)
    return len(values), rule_base.learn_rows(values, method)


def learn(rule_base: RuleBase, data: Collection, method: Union[LearningMethod, str],
          columns: Optional[Mapping[str, str]] = None, rules_file: Optional[str] = None) -> Learning:
    """Learns one rule from every row, as ``RuleBase.learn`` and `zorv learn` do, and returns the Learning.

    data: a DataFrame with a column per variable, inputs and outputs (columns maps names), or an Array
    (n, inputs + outputs). Each partition's rows are described on the workers; the rules are put together in
    partition order, rows numbered from the first row of the data, so the learned rule base equals one run
    over all rows. This computes.
    """
    variables = list(rule_base.inputs) + list(rule_base.outputs)
    block = _block(data, _names(variables, columns), "the inputs, then the outputs")
    parts = block.to_delayed().ravel() if isinstance(block, da.Array) else block.to_delayed()
    results: List[Tuple[int, List[LearnedRow]]] = dask.compute(
        [dask.delayed(_learn_part)(part, rule_base, method) for part in parts])[0]
    learned: List[LearnedRow] = []
    offset = 0
    for count, rows in results:
        learned.extend(LearnedRow(offset + r.row, r.rule) for r in rows)
        offset += count
    return rule_base.add_learned_rules(learned, method, rules_file)
