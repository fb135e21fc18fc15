#!/usr/bin/env python3
"""Summarises a TACKNOTE_TRACE_STARTUP file: for each series of processes that one process
started (a tray starting its notes, tray_bench starting a floor), per started process the
milliseconds from its start to each of its phases, then the medians and the steps between them,
and the median processor time each process had used by each phase (its own work, whatever the
other processes took of the cores meanwhile).

    phases.py trace.txt [frequency]   (QueryPerformanceCounter's frequency, default 10 MHz)
"""
import statistics
import sys


def read(path):
    """(pid, n) -> [(counter, phase, detail, cpu ms)]; a "winmain" begins a new process, since
    process ids are used again within one run."""
    stamps, generation = {}, {}
    for line in open(path, encoding="latin-1"):
        parts = line.split(None, 4)
        if len(parts) < 4:
            continue
        pid, phase = parts[0], parts[3]
        if phase == "winmain" or pid not in generation:
            generation[pid] = generation.get(pid, -1) + 1
        stamps.setdefault((pid, generation[pid]), []).append(
            (int(parts[1]), phase, parts[4].strip() if len(parts) > 4 else "",
             int(parts[2]) / 1e4))
    return stamps


def series(stamps):
    """Yields (title, [(name, spawn time, spawned time or None)]) in the order they ran; a
    name met again in the same starter, or another kind of name, begins a new series."""
    kind = lambda d: d.split(".")[0] if d.startswith("floor") else "notes"
    found = []
    for pid, own in stamps.items():
        current, names = None, set()
        for t, phase, detail, _ in own:
            if phase == "spawn":
                if current is None or detail in names or kind(detail) != current[0]:
                    current, names = (kind(detail), []), set()
                    found.append(current)
                names.add(detail)
                current[1].append([detail, t, None])
            elif phase == "spawned" and current:
                for entry in current[1]:
                    if entry[0] == detail and entry[2] is None:
                        entry[2] = t
    found.sort(key=lambda s: s[1][0][1])
    return found


def main():
    freq = float(sys.argv[2]) if len(sys.argv) > 2 else 1e7
    stamps = read(sys.argv[1])
    ms = lambda a, b: (b - a) * 1000.0 / freq
    # Each started process by its first stamp: (winmain time, detail, its stamps).
    processes = [(s[0][0], s[0][2], s) for s in stamps.values() if s and s[0][1] == "winmain"]
    for title, entries in series(stamps):
        rows = []
        for name, spawn, spawned in entries:
            # The first process of that name to reach WinMain after this start.
            match = min((p for p in processes if p[1] == name and p[0] >= spawn),
                        key=lambda p: p[0], default=None)
            first, cpu = {}, {}
            for t, phase, _, used in (match[2] if match else []):
                first.setdefault(phase, t)
                cpu.setdefault(phase, used)
            if spawned is not None:
                first["spawned"] = spawned
            rows.append((name, spawn, first, cpu))
        columns = []
        for _, _, first, _ in rows:
            for phase in sorted(first, key=first.get):
                if phase not in columns:
                    columns.append(phase)
        print("\n%s: %d processes, ms from each one's start" % (title, len(rows)))
        print("%-10s" % "process" + "".join("%10s" % c[:9] for c in columns))
        values = {c: [] for c in columns}
        for name, spawn, first, _ in rows:
            cells = []
            for c in columns:
                if c in first:
                    values[c].append(ms(spawn, first[c]))
                    cells.append("%10.1f" % ms(spawn, first[c]))
                else:
                    cells.append("%10s" % "-")
            print("%-10s" % name + "".join(cells))
        medians = [statistics.median(values[c]) if values[c] else None for c in columns]
        print("%-10s" % "median" + "".join(
            "%10s" % ("-" if m is None else "%.1f" % m) for m in medians))
        previous, steps = 0.0, []
        for m in medians:
            steps.append("%10s" % ("-" if m is None else "%.1f" % (m - previous)))
            previous = m if m is not None else previous
        print("%-10s" % "step" + "".join(steps))
        used = []
        for p in columns:
            spent = [c[p] for _, _, _, c in rows if p in c]
            used.append(statistics.median(spent) if spent else None)
        print("%-10s" % "cpu ms" + "".join(
            "%10s" % ("-" if u is None else "%.1f" % u) for u in used))
        ends = [first[p] for _, _, first, _ in rows for p in ("shown", "painted") if p in first]
        if ends:
            print("first start to last window: %.0f ms" % ms(rows[0][1], max(ends)))


main()
