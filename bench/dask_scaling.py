"""The scaling of zorv.dask.evaluate from one worker process to two, on 10,000,000 rows of the heater.

    PYTHONPATH=build/python python3 bench/dask_scaling.py [ROWS]

The rows are drawn on the workers (a dask random array in 20 chunks), so that the data does not travel from
this process; each worker has one thread and each partition is evaluated on one thread. Prints, per cluster,
the best of three runs in seconds and in rows per second, then the speed-up.
"""
import os
import sys
import time

import dask.array as da
from distributed import Client, LocalCluster

import zorv
import zorv.dask

ROWS = int(sys.argv[1]) if len(sys.argv) > 1 else 10_000_000
HEATER = zorv.load(os.path.join(os.path.dirname(__file__), "..", "examples", "heater.rb"))


def best_time(workers):
    with LocalCluster(n_workers=workers, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            Client(cluster):
        total(0).compute()  # warm up: the workers import zorv and receive the rule base
        times = []
        for seed in range(1, 4):
            start = time.perf_counter()
            total(seed).compute()
            times.append(time.perf_counter() - start)
        return min(times)


def total(seed):
    """The sum of the outputs over fresh rows (a new seed makes a new graph, so nothing is reused)."""
    low = [v.low for v in HEATER.inputs]
    high = [v.high for v in HEATER.inputs]
    rows = da.random.RandomState(seed).uniform(size=(ROWS, 2), chunks=(ROWS // 20, 2))
    rows = rows * da.from_array([h - l for l, h in zip(low, high)]) + da.from_array(low)
    return zorv.dask.evaluate(HEATER, rows).sum()


if __name__ == "__main__":
    results = {workers: best_time(workers) for workers in (1, 2)}
    for workers, seconds in results.items():
        print(f"{workers} worker(s): {seconds:.2f} s, {ROWS / seconds / 1e6:.2f} M rows/s")
    print(f"speed-up: {results[1] / results[2]:.2f}")
