"""Throughput of the Python module's numpy batch on the 49-rule benchmark rule base.

    PYTHONPATH=build/python python3 bench/python_batch.py [ROWS]

Reads grid49.rb and grid49-inputs.txt from $ZORV_SHARED_DIR/bench, else from ../shared/bench beside the
checkout, repeats the input rows up to ROWS (default 1,000,000) and prints evaluations per second of
RuleBase.evaluate_many, the best of three runs.
"""
import os
import sys
import time

import numpy as np

import zorv


def bench_dir():
    shared = os.environ.get("ZORV_SHARED_DIR")
    if shared:
        return os.path.join(shared, "bench")
    return os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "shared", "bench")


def main():
    rows_wanted = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    rules = zorv.load(os.path.join(bench_dir(), "grid49.rb"))
    inputs = np.loadtxt(os.path.join(bench_dir(), "grid49-inputs.txt"), ndmin=2)
    rows = np.resize(inputs, (rows_wanted, inputs.shape[1]))
    best = float("inf")
    for _ in range(3):
        start = time.perf_counter()
        rules.evaluate_many(rows)
        best = min(best, time.perf_counter() - start)
    print(f"{rows_wanted} rows of {rules.inference_method.display_name} + "
          f"{rules.defuzzification_method.display_name}: {rows_wanted / best:,.0f} evaluations/s")


if __name__ == "__main__":
    main()
