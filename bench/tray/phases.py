#!/usr/bin/env python3
"""Summarises a TACKNOTE_TRACE_STARTUP file: for each process that started others (the tray
starting notes, tray_bench starting its floor), per started process the milliseconds from its
start to each of its phases, the starter's wait ("spawned"), and the medians.

    phases.py trace.txt [frequency]   (QueryPerformanceCounter's frequency, default 10 MHz)
"""
import statistics
import sys


def table(title, spawn, spawned, started, ms):
    order = sorted(spawn, key=spawn.get)
    phases = []
    for name in order:
        for _, phase, _ in started.get(name, []):
            if phase not in phases:
                phases.append(phase)
    columns = phases + ["spawned"]
    values = {c: [] for c in columns}
    print("\n%s, ms from each start" % title)
    print("%-10s" % "process" + "".join("%11s" % c[:10] for c in columns))
    for name in order:
        first = {}
        for t, phase, _ in started.get(name, []):
            first.setdefault(phase, t)
        if name in spawned:
            first["spawned"] = spawned[name]
        row = []
        for c in columns:
            v = ms(spawn[name], first[c]) if c in first else None
            row.append("-" if v is None else "%.1f" % v)
            if v is not None:
                values[c].append(v)
        print("%-10s" % name + "".join("%11s" % v for v in row))
    print("%-10s" % "median" + "".join(
        "%11s" % ("%.1f" % statistics.median(values[c]) if values[c] else "-") for c in columns))
    steps = [statistics.median(values[c]) for c in columns if values[c]]
    print("%-10s" % "step" + "".join(
        "%11.1f" % (b - a) for a, b in zip([0.0] + steps, steps)))
    last = max((t for s in started.values() for t, p, _ in s if p in ("shown", "painted")),
               default=None)
    if last is not None:
        print("first start to last window: %.0f ms for %d processes"
              % (ms(spawn[order[0]], last), len(order)))


def main():
    freq = float(sys.argv[2]) if len(sys.argv) > 2 else 1e7
    stamps = {}  # pid -> [(counter, phase, detail)]
    for line in open(sys.argv[1], encoding="latin-1"):
        parts = line.split(None, 3)
        if len(parts) < 3:
            continue
        stamps.setdefault(parts[0], []).append(
            (int(parts[1]), parts[2], parts[3].strip() if len(parts) > 3 else ""))
    ms = lambda a, b: (b - a) * 1000.0 / freq
    # The floors are started as "floorS.N"; each S gets a table of its own.
    group = lambda d: d.lstrip("_").split(".")[0] if d.lstrip("_").startswith("floor") else "notes"
    for pid, own in stamps.items():
        kinds = sorted({group(d) for _, p, d in own if p == "spawn"})
        for kind in kinds:
            spawn = {d: t for t, p, d in own if p == "spawn" and group(d) == kind}
            spawned = {d: t for t, p, d in own if p == "spawned" and group(d) == kind}
            started = {}
            for other in stamps.values():
                winmain = [d for _, p, d in other if p == "winmain"]
                if winmain and winmain[0] in spawn:
                    started[winmain[0]] = other
            table(kind, spawn, spawned, started, ms)


main()
