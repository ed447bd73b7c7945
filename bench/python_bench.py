"""The Python module's speed, run by `make bench` (PYTHONPATH=<build>/python): 1,000,000
temperatures of AIRE in one properties() call beside one NumPy exp over arrays of the same
size, in the same run; the same for 10,000, whose arrays stay in the processor's caches; and
one call for a single temperature. Each figure is the best of a fixed number of repeats, in
wall-clock and in processor time.

A call returns eight arrays of a million elements (64 MB); when the caller drops them, the C
library gives that memory back to the system, and the next call takes it anew, page by page.
The run is repeated in a child process whose C library keeps freed memory (as a long session
that holds its results comes to do), which shows the evaluation's own time."""

import os
import subprocess
import sys
import tempfile
import time
import timeit

import numpy as np

import velmorantes

REPEATS = 9
KEPT = "VELM_BENCH_MEMORY_KEPT"


def best(statement, number):
    """Seconds per run, wall-clock and processor: the fastest of REPEATS batches."""
    return tuple(min(timeit.repeat(statement, number=number, repeat=REPEATS, timer=timer)) / number
                 for timer in (time.perf_counter, time.process_time))


def main():
    folder = tempfile.mkdtemp(prefix="velm-bench-")  # stays empty: AIRE in range reads no table
    t = np.linspace(100.0, 3000.0, 1_000_000)
    scaled = t / 3000.0  # the same size, where exp never overflows

    def sweep():
        return velmorantes.properties("GASES", "AIRE", t, 101.3, db_dir=folder)

    def one():
        return velmorantes.properties("GASES", "AIRE", 300.0, 101.3, db_dir=folder)

    few = np.linspace(100.0, 3000.0, 10_000)
    few_scaled = few / 3000.0

    def sweep_few():
        return velmorantes.properties("GASES", "AIRE", few, 101.3, db_dir=folder)

    sweep()
    with np.errstate(over="ignore"):
        figures = [
            ("properties(AIRE, 1,000,000 temperatures)", len(t), best(sweep, 3)),
            ("numpy.exp(1,000,000 values in [1/30, 1])", len(t), best(lambda: np.exp(scaled), 10)),
            ("numpy.exp(the same 1,000,000 temperatures)", len(t), best(lambda: np.exp(t), 10)),
            ("properties(AIRE, 10,000 temperatures)", len(few), best(sweep_few, 200)),
            ("numpy.exp(10,000 values in [1/30, 1])", len(few), best(lambda: np.exp(few_scaled), 2000)),
            ("properties(AIRE, one temperature)", 1, best(one, 20000)),
        ]
    os.rmdir(folder)
    kept = os.environ.get(KEPT) == "1"
    print("Python module" + (", freed memory kept by the C library" if kept else ""))
    width = max(len(name) for name, _, _ in figures)
    print(f"{'':<{width}}  {'wall':>10}  {'processor':>10}  {'per element (wall, processor)':>30}")
    for name, n, (wall, cpu) in figures:
        print(f"{name:<{width}}  {wall * 1e3:7.3f} ms  {cpu * 1e3:7.3f} ms  {wall / n * 1e9:14.1f} ns {cpu / n * 1e9:9.1f} ns")
    sweep_s, exp_s, exp_same_s, few_s, exp_few_s = (figures[i][2][1] for i in range(5))
    print(f"properties / exp (processor time): {sweep_s / exp_s:.1f} (values in [1/30, 1]), "
          f"{sweep_s / exp_same_s:.1f} (the same temperatures); {few_s / exp_few_s:.1f} (10,000 values)")
    if not kept:
        print(flush=True)
        env = dict(os.environ, MALLOC_TRIM_THRESHOLD_="4000000000", MALLOC_MMAP_THRESHOLD_="4000000000")
        env[KEPT] = "1"
        return subprocess.run([sys.executable, __file__], env=env, check=False).returncode
    return 0


if __name__ == "__main__":
    sys.exit(main())
