#!/usr/bin/env python3
"""Runs the benchmarks of make bench and prints one table.

    run_bench.py BIN_FOLDER

Start-up: the program, the reference window (an empty window of the same
size and title) and the same with one text entry are each started STARTS
times, in turn, under one Xvfb; window_map_probe times each from start until
its window is mapped and reads its peak resident memory and processor time
then. The targets are ratios to the empty window; the window with one entry
shows how much of the difference any window showing text pays. Commands: command_bench
(Google Benchmark) and write_run, on the offscreen platform. Times are
reported against the targets, never asserted.
"""

import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

STARTS = 15
TITLE = "Tarnix V2"
# The program, then what it is measured against.
PROGRAMS = {"tarnix": "tarnix", "reference_window": "empty window",
            "reference_entry_window": "one-entry window"}

# Targets to report against: ratios to the reference window, microseconds of
# our own work per command.
STARTUP_RATIO_TARGET = 1.15
MEMORY_RATIO_TARGET = 1.10
COMMAND_TARGET_US = 500.0


def environment(runtime_dir, **variables):
    """This environment for a Qt program, without anything that would choose
    its platform, and with a runtime folder of its own."""
    result = {key: value for key, value in os.environ.items()
              if key not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    result.update(XDG_RUNTIME_DIR=runtime_dir, **variables)
    return result


class Xvfb:
    """One X server for the whole run; -noreset keeps it from resetting
    (and dropping its state) each time the last client leaves."""

    def __init__(self, runtime_dir):
        self.runtime_dir = runtime_dir

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
            pass_fds=[write_end], stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            self.server.kill()
            sys.exit("Xvfb did not start")
        self.environment = environment(self.runtime_dir, DISPLAY=":" + number)
        return self

    def __exit__(self, *_):
        self.server.terminate()
        self.server.wait()


def run(command, environment=None):
    return subprocess.run(command, env=environment, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          check=True, text=True).stdout


def start_up(bin_folder, runtime_dir):
    """(milliseconds to the mapped window, peak KiB, processor milliseconds)
    of each start, per program."""
    probe = os.path.join(bin_folder, "window_map_probe")
    programs = {name: os.path.join(bin_folder, name) for name in PROGRAMS}
    samples = {name: [] for name in programs}
    with Xvfb(runtime_dir) as server:
        # One start each first, not counted: the first start of a program
        # reads its files from disk rather than from the cache.
        for rounds, keep in ((1, False), (STARTS, True)):
            for _ in range(rounds):
                for name, program in programs.items():
                    milliseconds, peak_kib, processor = run([probe, TITLE, program], server.environment).split()
                    if keep:
                        samples[name].append((float(milliseconds), int(peak_kib), float(processor)))
    return samples


def command_costs(bin_folder, runtime_dir):
    """Median microseconds per command, by benchmark name."""
    report = json.loads(run([os.path.join(bin_folder, "command_bench"), "--benchmark_format=json",
                             "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
                            environment(runtime_dir)))
    return {entry["run_name"]: entry["real_time"] for entry in report["benchmarks"]
            if entry.get("aggregate_name") == "median" and entry["time_unit"] == "us"}


def write_run(bin_folder, runtime_dir):
    result = json.loads(run([os.path.join(bin_folder, "write_run")], environment(runtime_dir)))
    # Every write advanced the WG26 card number from 1.
    if int(result["card_number_shown"]) != 1 + result["writes"]:
        sys.exit("write_run: the window shows card number %s after %d writes"
                 % (result["card_number_shown"], result["writes"]))
    return result


def spread(values, unit):
    return "%.1f %s (%.1f..%.1f)" % (statistics.median(values), unit, min(values), max(values))


def verdict(met):
    return "met" if met else "MISSED"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    bin_folder = sys.argv[1]
    runtime_dir = tempfile.mkdtemp(prefix="tarnix-bench-")  # mode 0700, as Qt requires
    try:
        samples = start_up(bin_folder, runtime_dir)
        costs = command_costs(bin_folder, runtime_dir)
        writes = write_run(bin_folder, runtime_dir)
    finally:
        shutil.rmtree(runtime_dir, ignore_errors=True)

    rows = [("Measure", "tarnix", "baseline", "ratio", "target", "result")]

    for label, column, scale, unit, target in (
            ("start-up to window mapped", 0, 1, "ms", STARTUP_RATIO_TARGET),
            ("processor time until then", 2, 1, "ms", None),
            ("peak memory (VmHWM)", 1, 1 / 1024, "MiB", MEMORY_RATIO_TARGET)):
        values = {name: [sample[column] * scale for sample in samples[name]] for name in PROGRAMS}
        ours = values["tarnix"]
        for index, baseline in enumerate(("reference_window", "reference_entry_window")):
            ratio = statistics.median(ours) / statistics.median(values[baseline])
            judged = target is not None and index == 0
            rows.append((label if index == 0 else "",
                         spread(ours, unit) if index == 0 else "",
                         PROGRAMS[baseline] + " " + spread(values[baseline], unit), "%.2f" % ratio,
                         "<= %.2f" % target if judged else "", verdict(ratio <= target) if judged else ""))

    for name, label in (("ReadCommand", "Read command"), ("WriteCommandAdd1", "Write command, ADD 1")):
        cost = costs[name]
        rows.append((label, "%.1f us" % cost, "", "", "< %.0f us" % COMMAND_TARGET_US,
                     verdict(cost < COMMAND_TARGET_US)))

    first, last = writes["first_span_us"], writes["last_span_us"]
    rows.append(("%d writes, ADD 1: per write" % writes["writes"],
                 "last %d: %.1f us" % (writes["span"], last), "first %d: %.1f us" % (writes["span"], first),
                 "%.2f" % (last / first), "no growth", ""))
    before, settled, after = (writes[key] for key in ("rss_before_kib", "rss_after_first_span_kib",
                                                      "rss_after_kib"))
    per_card = (after - settled) * 1024 / (writes["writes"] - writes["span"])
    rows.append(("%d writes, ADD 1: VmRSS" % writes["writes"], "after: %.1f MiB" % (after / 1024),
                 "before: %.1f MiB" % (before / 1024), "%.2f" % (after / before), "no growth per card",
                 "%+.0f B/card after the first %d" % (per_card, writes["span"])))

    widths = [max(len(row[column]) for row in rows) for column in range(len(rows[0]))]
    for index, row in enumerate(rows):
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
        if index == 0:
            print("  ".join("-" * width for width in widths))
    print("\nStart-up: median (min..max) of %d starts each, in turn, under Xvfb. Commands: median of 5"
          " repetitions, offscreen, reader answering at once, repaint not included." % STARTS)


if __name__ == "__main__":
    main()
