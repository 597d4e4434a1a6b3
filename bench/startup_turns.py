#!/usr/bin/env python3
"""Times whole-process start-ups of several commands that take turns.

Each round starts every command once, in the given order, so that a change
in the machine's load during the measurement falls on all of them alike; a
ratio of medians then compares like with like. For every run the wall time
from the start of the process to its end, its CPU time (user and system)
and its peak resident memory (the kernel's own count, as /usr/bin/time
reports it) are recorded.

    startup_turns.py --runs 20 --warmup 3 --json out.json \\
        program='build/bench/humidity-calc-first-paint' \\
        baseline='build/bench/bare_window'

The JSON report holds, per command name, the runs and their medians:
{"program": {"times_ms": [...], "cpu_ms": [...], "peak_kib": [...],
"median_ms": m, "median_cpu_ms": c, "median_kib": k}, ...}; with
--ratios program/baseline,... also the quartiles and median of the
per-round ratios of each pair: {"ratios": {"program/baseline": {"times_ms":
[q1, median, q3], "cpu_ms": [...], "peak_kib": [...]}}}. A run that fails is reported and started again, up to three times in a
measurement; a fourth failure ends it.
"""

import argparse
import json
import os
import shlex
import statistics
import subprocess
import sys
import tempfile
import time


# On this shared machine a start-up under Xvfb now and then fails to
# connect to the display; such a run is reported and started again, at
# most this many times in a whole measurement.
MAX_FAILED_RUNS = 3
failed_runs = 0


def run_once(argv):
    """Runs one command to its end; returns (wall ms, CPU ms, peak KiB)."""
    global failed_runs
    while True:
        with tempfile.TemporaryFile() as errors:
            started = time.perf_counter_ns()
            process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=errors)
            _, status, usage = os.wait4(process.pid, 0)
            elapsed = time.perf_counter_ns() - started
            process.returncode = os.waitstatus_to_exitcode(status)
            if process.returncode == 0:
                cpu_ms = (usage.ru_utime + usage.ru_stime) * 1e3
                return elapsed / 1e6, cpu_ms, usage.ru_maxrss
            errors.seek(0)
            said = errors.read().decode(errors="replace").strip()
        message = f"{shlex.join(argv)} ended with exit code {process.returncode}: {said}"
        failed_runs += 1
        if failed_runs > MAX_FAILED_RUNS:
            sys.exit(f"more than {MAX_FAILED_RUNS} failed runs; the last: {message}")
        print(f"{message}; started again", file=sys.stderr)


def parse_commands(specs):
    commands = []
    for spec in specs:
        name, separator, command = spec.partition("=")
        if not separator or not name or not command:
            sys.exit(f"expected name=command, got {spec!r}")
        commands.append((name, shlex.split(command)))
    return commands


def quartiles(values):
    """The first quartile, median and third quartile."""
    q1, median, q3 = statistics.quantiles(values, n=4, method="inclusive")
    return [q1, median, q3]


def round_ratios(report, pair):
    """The quartiles of a pair's ratios, round by round, for each measure."""
    first, separator, second = pair.partition("/")
    if not separator or first not in report or second not in report:
        sys.exit(f"expected a pair of command names like program/baseline, got {pair!r}")
    return {
        measure: quartiles([a / b for a, b in zip(report[first][measure], report[second][measure])])
        for measure in ("times_ms", "cpu_ms", "peak_kib")
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--warmup", type=int, default=3)
    parser.add_argument("--json", required=True)
    parser.add_argument("--ratios", default="", help="pairs like program/baseline, comma-separated")
    parser.add_argument("commands", nargs="+", metavar="name=command")
    args = parser.parse_args()
    commands = parse_commands(args.commands)

    for _ in range(args.warmup):
        for _, argv in commands:
            run_once(argv)
    report = {name: {"times_ms": [], "cpu_ms": [], "peak_kib": []} for name, _ in commands}
    for _ in range(args.runs):
        for name, argv in commands:
            milliseconds, cpu_ms, kib = run_once(argv)
            report[name]["times_ms"].append(milliseconds)
            report[name]["cpu_ms"].append(cpu_ms)
            report[name]["peak_kib"].append(kib)
    for runs in report.values():
        runs["median_ms"] = statistics.median(runs["times_ms"])
        runs["median_cpu_ms"] = statistics.median(runs["cpu_ms"])
        runs["median_kib"] = statistics.median(runs["peak_kib"])
    pairs = [pair for pair in args.ratios.split(",") if pair]
    if pairs:
        report["ratios"] = {pair: round_ratios(report, pair) for pair in pairs}
    with open(args.json, "w", encoding="utf-8") as out:
        json.dump(report, out, indent=1)


if __name__ == "__main__":
    main()
