#!/usr/bin/env python3
"""Whole-process times of vellinor-cli beside cp of the same list file.

Generates a list of 65,535 items (categories, subcategories, titles with
last-visited times, notes, log-in names and aliases), then runs, in turn and
many times over, `cp LIST COPY`, `vellinor-cli normalize LIST OUT` and
`vellinor-cli check LIST`, and prints each one's median wall time and the
medians of the ratios normalize/cp and check/cp taken round by round (so a
drift of the machine's speed cancels out). Both write over the copy of the
round before, unless --new-files has them write a new file each time.

    bench/cli_vs_copy.py [--cli PATH] [--rounds N] [--new-files]
"""
import argparse
import os
import random
import statistics
import tempfile
import time

MAX_ITEMS = 65535


def generate_list(path):
    rng = random.Random(7)
    lines = []
    titles = []  # line numbers of titles, which are also their item numbers
    aliased = set()

    def add(level, body):
        lines.append("\t" * level + body)
        return len(lines)

    while len(lines) < MAX_ITEMS:
        add(0, "<1>Category %d" % len(lines))
        for _ in range(8):
            if len(lines) >= MAX_ITEMS:
                break
            add(1, "<2>Subcategory %d" % len(lines))
            for _ in range(26):
                if len(lines) >= MAX_ITEMS:
                    break
                if titles and rng.randrange(20) == 0:
                    target = rng.choice(titles)
                    aliased.add(target)
                    add(2, "alias:%d" % target)
                    continue
                n = len(lines) + 1
                text = "https://example.com/page-%d\tPage number %d" % (n, n)
                visited = rng.randrange(4) == 0
                if visited:
                    text += "\t\xa6@%d" % (1180000000 + n)
                if rng.randrange(10) == 0:
                    text += ("" if visited else "\t") + "\t\xa6+See the archive\\nand the list"
                elif rng.randrange(10) == 0:
                    text += ("\t" if visited else "\t\t") + "\t\xa6?someone@example.org"
                titles.append(add(2, text))
    # A title carries the number its aliases name.
    for number in aliased:
        lines[number - 1] += "\t\xa6#%d" % number
    with open(path, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def run_seconds(argv):
    """Wall time and processor time (user and system) of one run."""
    start = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, os.environ,
                         file_actions=[(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0)])
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit("failed: " + " ".join(argv))
    return elapsed, usage.ru_utime + usage.ru_stime


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default=os.path.join(root, "build/native-release/bin/vellinor-cli"))
    parser.add_argument("--rounds", type=int, default=31)
    parser.add_argument("--new-files", action="store_true",
                        help="remove the copies before each run: cp and normalize both write a new file")
    args = parser.parse_args()

    folder = tempfile.mkdtemp(prefix="vellinor-cli-bench-")
    source = os.path.join(folder, "list.txt")
    generate_list(source)
    size = os.path.getsize(source)
    commands = {
        "cp": ["/bin/cp", source, os.path.join(folder, "copy.txt")],
        "normalize": [args.cli, "normalize", source, os.path.join(folder, "normalized.txt")],
        "check": [args.cli, "check", source],
    }
    outputs = [os.path.join(folder, "copy.txt"), os.path.join(folder, "normalized.txt")]
    times = {name: [] for name in commands}
    for round_number in range(args.rounds + 3):  # three rounds to warm up
        for name, argv in commands.items():
            if args.new_files:
                for output in outputs:
                    if os.path.exists(output):
                        os.remove(output)
            measured = run_seconds(argv)
            if round_number >= 3:
                times[name].append(measured)
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    os.rmdir(folder)

    print("list: %d items, %.1f MB; %d rounds; medians" % (MAX_ITEMS, size / 1e6, args.rounds))
    print("  %-12s %9s %9s" % ("", "wall ms", "cpu ms"))
    for name, values in times.items():
        print("  %-12s %9.2f %9.2f" % (name, 1000 * statistics.median(v[0] for v in values),
                                       1000 * statistics.median(v[1] for v in values)))
    for name in ("normalize", "check"):
        ratios = [[a[k] / max(b[k], 1e-6) for a, b in zip(times[name], times["cp"])] for k in (0, 1)]
        print("  %-12s %9.2f %9.2f" % (name + "/cp", statistics.median(ratios[0]),
                                       statistics.median(ratios[1])))

if __name__ == "__main__":
    main()
