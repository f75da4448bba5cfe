# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the medians of start-up runs as run-startup.sh and compare-startup.sh
# gather them, each against the first row (the bare Qt window).
# usage: summarise-startup.py <note> <name> <times> [<name> <times> ...], times blank-separated in ms
import statistics
import sys

note, pairs = sys.argv[1], sys.argv[2:]
rows = [(pairs[i], [float(x) for x in pairs[i + 1].split()]) for i in range(0, len(pairs), 2)]
base = statistics.median(rows[0][1])
print(f"runs: {len(rows[0][1])} each, {note}")
for name, v in rows:
    m = statistics.median(v)
    print(f"{name:15}: median {m:6.1f} ms (min {min(v):5.1f}, max {max(v):5.1f})  ratio {m / base:.2f}")
