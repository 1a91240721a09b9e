"""Type stubs of zorv.plot."""
from typing import Any, Optional, Sequence, Tuple, Union

import numpy as np
import numpy.typing as npt

from . import Explanation, RuleBase, VariableRef, Vocabulary

_Input = Union[str, int, VariableRef]
_Grid = npt.NDArray[np.float64]

def terms(vocabulary: Vocabulary, ax: Any = None, points: Optional[int] = None) -> Any: ...
def projection(rule_base: RuleBase, input: _Input, at: Optional[Sequence[float]] = None, steps: int = 25,
               ax: Any = None) -> Any: ...
def surface_points(rule_base: RuleBase, inputs: Tuple[_Input, _Input], steps: int = 10,
                   at: Optional[Sequence[float]] = None) -> Tuple[_Grid, _Grid, _Grid]: ...
def surface(rule_base: RuleBase, inputs: Tuple[_Input, _Input] = ..., steps: int = 10,
            at: Optional[Sequence[float]] = None, ax: Any = None) -> Any: ...
def explanation(result: Explanation, ax: Any = None) -> Any: ...
