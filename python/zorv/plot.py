"""Pictures of rule bases with matplotlib, which is imported only when a picture is drawn.

Each function draws into the axes given (a new figure's otherwise) and returns those axes:

- ``terms(vocabulary)``: the standard and user terms over the context;
- ``projection(rule_base, input, at=...)``: the output along one input, the others held, as the test
  window's projection and `zorv projection` compute it;
- ``surface(rule_base, inputs=(i, j), steps=..., at=...)``: the output over two inputs on the points of
  `zorv surface` and the surface window;
- ``explanation(explanation)``: the conclusion of one evaluation with its crisp value.
"""
from __future__ import annotations

from typing import Any, List, Optional, Sequence, Tuple, Union

import numpy as np

from . import Explanation, RuleBase, ShapeError, VariableRef, Vocabulary

__all__ = ["terms", "projection", "surface", "explanation"]

_Input = Union[str, int, VariableRef]


def _axes(ax: Any, projection: Optional[str] = None) -> Any:
    if ax is not None:
        return ax
    import matplotlib.pyplot as plt

    figure = plt.figure()
    return figure.add_subplot(projection=projection) if projection else figure.add_subplot()


def _input_index(rule_base: RuleBase, variable: _Input) -> int:
    names = [v.name for v in rule_base.inputs]
    if isinstance(variable, VariableRef):
        index = variable.index
    elif isinstance(variable, int):
        index = variable
    elif variable in names:
        index = names.index(variable)
    else:
        raise ShapeError(f"no input variable named {variable}")
    if not 0 <= index < len(names):
        raise ShapeError(f"the rule base has {len(names)} input variable(s); there is no input {index}")
    return index


def _held(rule_base: RuleBase, at: Optional[Sequence[float]]) -> List[float]:
    """The values of the inputs that stay put: at, or the middle of each context."""
    if at is None:
        return [(v.low + v.high) / 2 for v in rule_base.inputs]
    if len(at) != len(rule_base.inputs):
        raise ShapeError(f"at must hold one value per input ({len(rule_base.inputs)})")
    return [float(x) for x in at]


def terms(vocabulary: Vocabulary, ax: Any = None, points: Optional[int] = None) -> Any:
    """Draws the standard terms and the user terms of a vocabulary over its context, one curve each,
    sampled at the vocabulary's discretization (or points). Returns the axes."""
    ax = _axes(ax)
    for name in [*vocabulary.standard_terms, *vocabulary.user_terms]:
        x, mu = vocabulary.expression(name).samples(points)
        ax.plot(x, mu, label=name, linestyle="--" if name in vocabulary.user_terms else "-")
    ax.set_xlim(vocabulary.low, vocabulary.high)
    ax.set_ylim(0.0, 1.05)
    ax.set_ylabel("membership")
    ax.legend(loc="best", fontsize="small")
    return ax


def projection(rule_base: RuleBase, input: _Input, at: Optional[Sequence[float]] = None, steps: int = 25,
               ax: Any = None) -> Any:
    """Draws the first output along one input (by name, position or VariableRef) while the others keep
    their values at (default the middle of each context): steps + 1 points low + i (high - low)/steps, the
    last exactly high, evaluated plainly (without the F-transform filter). Returns the axes."""
    index = _input_index(rule_base, input)
    held = _held(rule_base, at)
    xs = np.asarray(rule_base.grid_values(rule_base.inputs[index].name, steps + 1))
    rows = np.tile(held, (len(xs), 1))
    rows[:, index] = xs
    ax = _axes(ax)
    ax.plot(xs, rule_base.evaluate_many(rows))
    ax.set_xlabel(rule_base.inputs[index].name)
    ax.set_ylabel(rule_base.outputs[0].name)
    return ax


def surface_points(rule_base: RuleBase, inputs: Tuple[_Input, _Input], steps: int = 10,
                   at: Optional[Sequence[float]] = None) -> Tuple[np.ndarray, np.ndarray, np.ndarray]:
    """The grid of ``surface``: arrays X, Y, Z of shape (steps, steps), row r at the r-th value of the second
    input, column c at the c-th value of the first, as `zorv surface` lists them (the first input fastest)."""
    first, second = (_input_index(rule_base, v) for v in inputs)
    if first == second:
        raise ShapeError("a surface needs two different input variables")
    held = _held(rule_base, at)
    xs = np.asarray(rule_base.grid_values(rule_base.inputs[first].name, steps))
    ys = np.asarray(rule_base.grid_values(rule_base.inputs[second].name, steps))
    grid_x, grid_y = np.meshgrid(xs, ys)
    rows = np.tile(held, (steps * steps, 1))
    rows[:, first] = grid_x.ravel()
    rows[:, second] = grid_y.ravel()
    return grid_x, grid_y, rule_base.evaluate_many(rows).reshape(steps, steps)


def surface(rule_base: RuleBase, inputs: Tuple[_Input, _Input] = (0, 1), steps: int = 10,
            at: Optional[Sequence[float]] = None, ax: Any = None) -> Any:
    """Draws the first output over two inputs as a 3-D surface on the points of `zorv surface`: steps
    values per input, low + i (high - low)/(steps - 1), the other inputs held at at (default the middle of
    each context). The smooth defuzzification uses rule_base.steps. Returns the (3-D) axes."""
    grid_x, grid_y, values = surface_points(rule_base, inputs, steps, at)
    first, second = (_input_index(rule_base, v) for v in inputs)
    ax = _axes(ax, "3d")
    ax.plot_surface(grid_x, grid_y, values, cmap="viridis")
    ax.set_xlabel(rule_base.inputs[first].name)
    ax.set_ylabel(rule_base.inputs[second].name)
    ax.set_zlabel(rule_base.outputs[0].name)
    return ax


def explanation(result: Explanation, ax: Any = None) -> Any:
    """Draws the conclusion of an explained evaluation (the output fuzzy set) and its crisp value as a
    vertical line; only the line for a rule base that concludes numbers. Returns the axes."""
    ax = _axes(ax)
    if result.conclusion is not None:
        x, mu = result.conclusion
        ax.fill_between(x, mu, alpha=0.3)
        ax.plot(x, mu)
        ax.set_xlim(x[0], x[-1])
    ax.axvline(result.value, color="black", linestyle="--", label=f"value {result.value:.6g}")
    ax.set_ylim(0.0, 1.05)
    ax.set_title("fired rules " + ", ".join(str(r) for r in result.fired_rules))
    ax.legend(loc="best", fontsize="small")
    return ax
