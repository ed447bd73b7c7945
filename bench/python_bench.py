"""The Python module's speed, run by `make bench` (PYTHONPATH=<build>/python):
1,000,000 temperatures of AIRE in one properties() call beside one NumPy exp over an array of
the same size, in the same run, and one call for a single temperature. Each figure is the
best of a fixed number of repeats."""

import sys
import tempfile
import timeit

import numpy as np

import velmorantes

REPEATS = 15


def best(statement, number):
    """Seconds per run: the fastest of REPEATS batches of `number` runs."""
    return min(timeit.repeat(statement, number=number, repeat=REPEATS)) / number


def main():
    folder = tempfile.mkdtemp(prefix="velm-bench-")  # stays empty: AIRE in range reads no table
    t = np.linspace(100.0, 3000.0, 1_000_000)
    scaled = t / 3000.0  # the same size, and exp never overflows

    def sweep():
        return velmorantes.properties("GASES", "AIRE", t, 101.3, db_dir=folder)

    def one():
        return velmorantes.properties("GASES", "AIRE", 300.0, 101.3, db_dir=folder)

    sweep()
    with np.errstate(over="ignore"):
        figures = [
            ("properties(AIRE, 1,000,000 temperatures)", best(sweep, 3)),
            ("numpy.exp(1,000,000 values in [1/30, 1])", best(lambda: np.exp(scaled), 10)),
            ("numpy.exp(the same 1,000,000 temperatures)", best(lambda: np.exp(t), 10)),
            ("properties(AIRE, one temperature)", best(one, 20000)),
        ]
    width = max(len(name) for name, _ in figures)
    print(f"{'Python module':<{width}}  {'time':>12}  {'per element':>12}")
    for name, seconds in figures:
        n = 1 if "one temperature" in name else len(t)
        print(f"{name:<{width}}  {seconds * 1e3:9.3f} ms  {seconds / n * 1e9:9.1f} ns")
    sweep_s, exp_s, exp_same_s = figures[0][1], figures[1][1], figures[2][1]
    print(f"properties / exp: {sweep_s / exp_s:.2f} (in range), {sweep_s / exp_same_s:.2f} (the same array)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
