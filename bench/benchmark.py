#!/usr/bin/env python3
"""Times renban's writing of huge lists against the limit for the same bytes.

Each job is run by renban (answers piped in, the list written to uho.txt), by
the reference (bench/reference.cpp: digits stepped in place, 1 MiB writes) and
by the peers a user would reach for (awk, seq, a plain fprintf loop). Every
command's output is compared with renban's list byte for byte. The commands of
a job take turns over several rounds, in a working folder on tmpfs, and the
medians of wall time and peak resident memory are printed with their ratios to
the reference, then the targets.

    benchmark.py RENBAN REFERENCE FPRINTF_LOOP [--rounds N]
"""

import argparse
import filecmp
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

MIB = 1024 * 1024
# Program name -> path, filled in from the command line.
PROGRAMS = {}

FORMAT_1_PART = "http://example.com/images/img"
FORMAT_3_PART_1 = "http://example.com/set"
FORMAT_3_PART_2 = "/img"
FORMAT_3_PART_3 = "_s"


def answers(*words):
    return ("\n".join(words) + "\n").encode("ascii")


def awk_program(line, values):
    """An awk loop printing `line` (a printf format, CR LF written as \\r\\n)."""
    return f'BEGIN {{ for (i = 0; i < n; i++) printf "{line}", {values} }}'


def format_1_job(name, start, end, peers=True):
    count = int(end) - int(start) + 1
    width = len(start)
    commands = {
        "renban": ("renban", answers("1", FORMAT_1_PART, start, end, "jpg", "1")),
        "reference": ("reference", [str(count), FORMAT_1_PART, start, ".jpg"]),
    }
    if peers:
        commands["awk"] = ("awk", ["-v", f"n={count}", "-v", f"s={int(start)}",
                                   awk_program(f"{FORMAT_1_PART}%0{width}d.jpg\\r\\n", "s + i")])
        commands["seq -f"] = ("seq", ["-f", f"{FORMAT_1_PART}%0{width}.0f.jpg\r",
                                      str(int(start)), str(int(end))])
        commands["fprintf loop"] = ("fprintf_loop", [f"{FORMAT_1_PART}%0{width}lld.jpg\r\n",
                                                     str(count), str(int(start))])
    return name, count, commands


def format_3_job(name, start1, end1, start2, end2):
    count = min(int(end1) - int(start1), int(end2) - int(start2)) + 1
    line = (f"{FORMAT_3_PART_1}%0{len(start1)}lld{FORMAT_3_PART_2}"
            f"%0{len(start2)}lld{FORMAT_3_PART_3}.jpg")
    return name, count, {
        "renban": ("renban", answers("3", FORMAT_3_PART_1, start1, end1, FORMAT_3_PART_2,
                                     start2, end2, FORMAT_3_PART_3, "jpg", "1")),
        "reference": ("reference", [str(count), FORMAT_3_PART_1, start1, FORMAT_3_PART_2,
                                    start2, FORMAT_3_PART_3 + ".jpg"]),
        "awk": ("awk", ["-v", f"n={count}", "-v", f"s={int(start1)}", "-v", f"t={int(start2)}",
                        awk_program(line.replace("lld", "d") + "\\r\\n", "s + i, t + i")]),
        "fprintf loop": ("fprintf_loop", [line + "\r\n", str(count), str(int(start1)),
                                          str(int(start2))]),
    }


JOBS = [
    format_1_job("format 1, 00000001 to 10000000", "00000001", "10000000"),
    format_3_job("format 3, two 8-digit numbers", "00000001", "10000000", "20000001", "30000000"),
    format_1_job("format 1, -5000000 to 05000000", "-5000000", "05000000"),
]
# renban alone, to show that time grows with the list and memory does not.
SCALING_JOBS = [
    format_1_job("format 1, 1,000 lines", "00000001", "00001000", peers=False),
    format_1_job("format 1, 1,000,000 lines", "00000001", "01000000", peers=False),
]


def run(program, argv_or_input, folder):
    """Runs one command in `folder`; gives (wall seconds, peak RSS in bytes, output path).

    The peak is taken by GNU time: the rusage of a child forked from this
    Python process would count Python's own pages from before the exec.
    """
    rss_file = os.path.join(folder, "rss.txt")
    timed = [PROGRAMS["time"], "-f", "%M", "-o", rss_file]
    if program == "renban":
        argv, stdin_bytes, output = [PROGRAMS["renban"]], argv_or_input, "uho.txt"
    else:
        argv, stdin_bytes, output = [PROGRAMS[program]] + argv_or_input, b"", "out.txt"
    # renban's screen goes nowhere; the others write their list to standard output.
    with open(os.devnull if program == "renban" else os.path.join(folder, output), "wb") as out:
        started = time.perf_counter()
        child = subprocess.run(timed + argv, cwd=folder, input=stdin_bytes, stdout=out)
        wall = time.perf_counter() - started
    # renban always ends with status 1, and GNU time passes that on.
    expected = 1 if program == "renban" else 0
    if child.returncode != expected:
        sys.exit(f"{program} ended with status {child.returncode}")
    with open(rss_file) as figures:
        rss = int(figures.read().split()[-1]) * 1024
    return wall, rss, os.path.join(folder, output)


def measure(job, rounds, folder):
    name, count, commands = job
    walls = {label: [] for label in commands}
    memory = {label: [] for label in commands}
    for round_number in range(rounds):
        for label, (program, arguments) in commands.items():
            wall, rss, output = run(program, arguments, folder)
            walls[label].append(wall)
            memory[label].append(rss)
            if round_number == 0:
                check_output(label, output, folder)
            os.remove(output)
    return {label: (statistics.median(walls[label]), statistics.median(memory[label]))
            for label in commands}


def check_output(label, output, folder):
    """Keeps renban's first list and compares every other command's with it."""
    kept = os.path.join(folder, "renban.txt")
    if label == "renban":
        shutil.copyfile(output, kept)
    elif not filecmp.cmp(output, kept, shallow=False):
        sys.exit(f"{label} wrote other bytes than renban (kept in {folder})")


def print_job(job, figures):
    name, count, _ = job
    reference_wall, reference_rss = figures.get("reference", (None, None))
    print(f"\n{name}: {count:,} lines")
    print(f"  {'command':<14}{'wall s':>9}{'× ref':>8}{'peak MiB':>10}{'× ref':>8}")
    for label, (wall, rss) in figures.items():
        wall_ratio = f"{wall / reference_wall:8.2f}" if reference_wall else " " * 8
        rss_ratio = f"{rss / reference_rss:8.2f}" if reference_rss else " " * 8
        print(f"  {label:<14}{wall:9.3f}{wall_ratio}{rss / MIB:10.2f}{rss_ratio}")


def verdict(text, met):
    print(f"  {'met ' if met else 'MISSED'}  {text}")
    return met


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("renban")
    parser.add_argument("reference")
    parser.add_argument("fprintf_loop")
    parser.add_argument("--rounds", type=int, default=7)
    options = parser.parse_args()
    if not os.access("/usr/bin/time", os.X_OK):
        sys.exit("the benchmark takes peak memory with GNU time: apt-get install time")
    for program in ("awk", "seq"):
        if shutil.which(program) is None:
            sys.exit(f"the benchmark needs {program}")
    PROGRAMS.update(renban=os.path.abspath(options.renban),
                    reference=os.path.abspath(options.reference),
                    fprintf_loop=os.path.abspath(options.fprintf_loop),
                    awk=shutil.which("awk"), seq=shutil.which("seq"),
                    time="/usr/bin/time")

    base = "/dev/shm" if os.path.isdir("/dev/shm") else None
    folder = tempfile.mkdtemp(prefix="renban-bench-", dir=base)
    print(f"working folder {folder}, {options.rounds} rounds, medians")
    try:
        results = []
        for job in JOBS + SCALING_JOBS:
            figures = measure(job, options.rounds, folder)
            print_job(job, figures)
            results.append(figures)
    finally:
        shutil.rmtree(folder, ignore_errors=True)

    format_1, format_3, through_zero, small, million = results

    def wall_ratio(figures):
        return figures["renban"][0] / figures["reference"][0]

    largest_rss = max(figures["renban"][1] for figures in results)
    rss_spread = format_1["renban"][1] / small["renban"][1]
    # The 1,000-line run is all start-up: what lies beyond it grows with the list.
    start_up = small["renban"][0]
    growth = (format_1["renban"][0] - start_up) / (million["renban"][0] - start_up)
    print("\ntargets")
    met = all([
        verdict(f"format 1 wall time {wall_ratio(format_1):.2f} × reference (at most 1.25)",
                wall_ratio(format_1) <= 1.25),
        verdict(f"format 3 wall time {wall_ratio(format_3):.2f} × reference (at most 1.5)",
                wall_ratio(format_3) <= 1.5),
        verdict(f"through zero wall time {wall_ratio(through_zero):.2f} × reference "
                "(at most 1.5)", wall_ratio(through_zero) <= 1.5),
        verdict(f"peak memory {largest_rss / MIB:.2f} MiB at most (at most 5)",
                largest_rss <= 5 * MIB),
        verdict(f"peak memory for 10^7 lines {rss_spread:.2f} × that for 1,000 lines "
                "(0.9 to 1.1)", 0.9 <= rss_spread <= 1.1),
        verdict(f"10^7 lines take {growth:.1f} × the time of 10^6 lines beyond the "
                f"{start_up * 1000:.0f} ms of a 1,000-line run (8 to 12)", 8 <= growth <= 12),
    ])
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
