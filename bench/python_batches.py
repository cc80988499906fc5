"""Python batches against the C loop, in one run: 20,000 nine-point D86 curves through
qira.d86_to_tbp and 20,000 points through qira.uopk, per item, beside the library's batch
call made directly (the C loop of single calls, no Python checks) and the one-at-a-time
Python path; then a thread pool over a large batch against one thread.

    QIRA_LIBRARY=build/release/libQIRAPropCalculator.so /usr/bin/python3 bench/python_batches.py [--threads]

Each figure is the best of several repetitions (the least disturbed by other load).
--threads runs only the thread-pool comparison (a few seconds, e.g. under `chrt -f 10`
on a machine whose cores other jobs keep busy).
"""
import ctypes
import os
import sys
import time
from concurrent.futures import ThreadPoolExecutor

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "python"))
import qira  # noqa: E402
from qira import _check  # noqa: E402
from qira._core import call  # noqa: E402

N = 20_000
PD, PB = ctypes.POINTER(ctypes.c_double), ctypes.POINTER(ctypes.c_bool)


def best(fn, repeat=7):
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        fn()
        times.append(time.perf_counter() - start)
    return min(times)


def curves(n, seed=1):
    rng = np.random.default_rng(seed)
    return 300.0 + np.cumsum(rng.uniform(5.0, 40.0, (n, 9)), axis=1)


def c_loop_curves(d86):
    out, ok = np.empty_like(d86), np.empty(len(d86), dtype=np.bool_)
    return lambda: call("QiraBatch_D86toTBP", len(d86), d86.ctypes.data_as(PD), out.ctypes.data_as(PD),
                        ok.ctypes.data_as(PB))


def c_loop_values(mw, sg):
    out = np.empty_like(mw)
    return lambda: call("QiraBatch_Blend_uopk", len(mw), mw.ctypes.data_as(PD), sg.ctypes.data_as(PD),
                        out.ctypes.data_as(PD))


def row(label, seconds, base, n=N):
    print("| %s | %.0f ns | %.1fx |" % (label, seconds / n * 1e9, seconds / base))


def main():
    print("Library: %s; load average %s" % (qira.raw.library().path, os.getloadavg()))
    if "--threads" not in sys.argv[1:]:
        per_item()
    threads()


def per_item():
    d86 = curves(N)
    rng = np.random.default_rng(2)
    mw, sg = rng.uniform(80.0, 600.0, N), rng.uniform(0.7, 0.95, N)
    per_row = _check.broadcast(qira.uopk.__wrapped__)  # the point-by-point path

    c_curves = best(c_loop_curves(d86))
    c_values = best(c_loop_values(mw, sg))
    print("\n| 20,000 nine-point D86 curves | per curve | against the C loop |\n|---|---:|---:|")
    row("C loop (the batch call itself)", c_curves, c_curves)
    row("`qira.d86_to_tbp(array)`", best(lambda: qira.d86_to_tbp(d86)), c_curves)
    row("one curve at a time in Python", best(lambda: [qira.d86_to_tbp(r.tolist()) for r in d86], 3), c_curves)
    print("\n| 20,000 values | per value | against the C loop |\n|---|---:|---:|")
    row("C loop (the batch call itself)", c_values, c_values)
    row("`qira.uopk(mw, sg)`", best(lambda: qira.uopk(mw, sg)), c_values)
    row("one value at a time in Python", best(lambda: per_row(mw, sg), 3), c_values)


def threads():
    # One thread against a pool of two, alternating so that both meet the same load.
    big = curves(5 * N, seed=3)
    one, two = [], []
    with ThreadPoolExecutor(max_workers=2) as pool:
        for _ in range(15):
            one.append(best(lambda: qira.d86_to_tbp(big), 1))
            two.append(best(lambda: np.concatenate(list(pool.map(qira.d86_to_tbp, np.array_split(big, 2)))), 1))
    print("\n%d curves through qira.d86_to_tbp: one thread %.1f ms, a pool of two %.1f ms: %.2fx"
          % (len(big), min(one) * 1e3, min(two) * 1e3, min(one) / min(two)))

    # How much of the pool's time both threads computed at once: the sum of the workers'
    # CPU times over the wall time (2.0: fully parallel, 1.0: one at a time).
    def timed(part):
        start = time.thread_time()
        qira.d86_to_tbp(part)
        return time.thread_time() - start

    with ThreadPoolExecutor(max_workers=2) as pool:
        overlap = []
        for _ in range(15):
            start = time.perf_counter()
            cpu = sum(pool.map(timed, np.array_split(big, 2)))
            overlap.append(cpu / (time.perf_counter() - start))
    print("CPU time of both workers over wall time: best %.2f, median %.2f (load average %s)"
          % (max(overlap), sorted(overlap)[len(overlap) // 2], os.getloadavg()))


if __name__ == "__main__":
    main()
