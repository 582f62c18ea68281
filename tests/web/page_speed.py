"""The page's speed and memory against brisel-convert doing the same work
(`--details --verify`), in the same run: five runs of each program on each
netlist, taken in turn so that whatever else the machine does weighs on all
of them alike, and their medians."""

import os
import statistics

from page import Expected, target_name

RUNS = 5


class Runs:
    def __init__(self, source):
        self.source = source
        self.megabytes = source.stat().st_size / 1e6
        self.page, self.cli, self.memory = [], [], 0

    def run(self, page, cli):
        self.cli.append(Expected(cli, self.source, target_name(self.source)).seconds)
        self.page.append(page.convert(self.source))
        done = page.script("return window.lastDone")
        self.memory = max(self.memory, done["memory"] if done and done["code"] == 0 else float("inf"))

    def medians(self):
        return statistics.median(self.page), statistics.median(self.cli)


def verdict(checks, met, text):
    print(f"{'PASS' if met else 'FAIL'}  {text}")
    if met:
        checks.passed += 1
    else:
        checks.failed += 1


def check_targets(page, checks, cli, large_source, huge_source):
    print(f"load average: {' '.join(f'{load:.2f}' for load in os.getloadavg())}")
    large, huge = Runs(large_source), Runs(huge_source)
    for _ in range(RUNS):
        large.run(page, cli)
        huge.run(page, cli)
    for runs in (large, huge):
        browser, native = runs.medians()
        print(f"{runs.source.name} ({runs.megabytes:.1f} MB): page {browser:.2f} s, brisel-convert --details "
              f"--verify {native:.2f} s; the page's engine {runs.memory / 1e6:.0f} MB "
              f"({runs.memory / 1e6 / runs.megabytes:.1f} x the source)")
    (large_page, large_cli), large_mb = large.medians(), large.megabytes
    (huge_page, huge_cli), huge_mb, huge_memory = huge.medians(), huge.megabytes, huge.memory
    verdict(checks, large_page <= 1.5 * large_cli,
            f"large: the page takes {large_page / large_cli:.2f} x brisel-convert's time (at most 1.5)")
    verdict(checks, huge_page <= 2 * huge_cli,
            f"{huge_mb:.0f} MB: the page takes {huge_page / huge_cli:.2f} x brisel-convert's time (at most 2)")
    per_mb = (huge_page / huge_mb) / (large_page / large_mb)
    cli_per_mb = (huge_cli / huge_mb) / (large_cli / large_mb)
    verdict(checks, per_mb <= 1.3,
            f"{huge_mb:.0f} MB: the page's time per MB is {per_mb:.2f} x that of large (at most 1.3; "
            f"brisel-convert's, {cli_per_mb:.2f} x, shows what the machine's load adds)")
    verdict(checks, huge_memory <= 4 * huge_mb * 1e6,
            f"{huge_mb:.0f} MB: the page's engine peaks at {huge_memory / 1e6 / huge_mb:.2f} x the source (at most 4)")
