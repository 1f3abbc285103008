#!/usr/bin/env python3
"""Median peak resident memory (KiB) of whole processes, each command run RUNS times in turn.

Usage: peak-memory.py RUNS COMMAND [COMMAND...]; prints one line per command: median KiB.
"""
import os
import statistics
import subprocess
import sys


def peak_kib(command: str) -> int:
    process = subprocess.Popen(command, shell=False, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{command} failed")
    return usage.ru_maxrss  # KiB on Linux


def main() -> None:
    runs = int(sys.argv[1])
    commands = sys.argv[2:]
    samples = {command: [] for command in commands}
    for _ in range(runs):
        for command in commands:  # interleaved, so a drift of the machine hits both alike
            samples[command].append(peak_kib(command))
    for command in commands:
        print(f"{command}\t{statistics.median(samples[command]):.0f}")


if __name__ == "__main__":
    main()
