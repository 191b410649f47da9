#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
"""Times the start of X programs: from just before exec to the MapNotify of the program's
first top-level window and to its first complete paint (the moment the server's damage
reports cover the whole window), and reads the program's peak resident memory (VmHWM) before asking
the window to close. The programs are started alternately, so that a change in the
machine's load touches both alike, and the medians of the times, of the peaks and of the
pairwise ratios (each program against the first) are printed.

Run it under an X server without a window manager, e.g. from bench/startup.sh."""
import argparse
import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage

# The close request is the one the smoke test sends.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests"))
from xclose import close  # noqa: E402

# After mapping, the program draws its first frame; the peak memory is read after that.
SETTLE_SECONDS = 0.5


def window_pid(d, window):
    atom = d.intern_atom("_NET_WM_PID")
    try:
        prop = window.get_full_property(atom, X.AnyPropertyType)
    except Exception:  # the window may be gone already
        return None
    return prop.value[0] if prop and len(prop.value) else None


def cpu_ms(pid):
    """CPU time used so far by the live threads of pid (a figure that the machine's other
    load disturbs far less than the wall-clock time), and the main thread's own CPU time and
    time spent waiting for a processor (its run-queue wait), in milliseconds."""
    total = main_run = main_wait = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                run, wait = (int(field) for field in schedstat.read().split()[:2])
        except (OSError, IndexError, ValueError):
            continue
        total += run
        if int(task) == pid:
            main_run, main_wait = run, wait
    return total / 1e6, main_run / 1e6, main_wait / 1e6


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return None


class Coverage:
    """The part of one window that the program has drawn so far, from the server's damage
    reports: the first complete paint is the moment it covers the whole window."""

    def __init__(self):
        self.width = self.height = 0
        self.drawn = bytearray()
        self.left = 0

    def add(self, area, geometry):
        if (geometry.width, geometry.height) != (self.width, self.height):
            # The window changed its size: what counts is drawing at its final size.
            self.width, self.height = geometry.width, geometry.height
            self.drawn = bytearray(self.width * self.height)
            self.left = self.width * self.height
        x0, y0 = max(area.x, 0), max(area.y, 0)
        x1, y1 = min(area.x + area.width, self.width), min(area.y + area.height, self.height)
        for y in range(y0, y1):
            row = memoryview(self.drawn)[y * self.width + x0:y * self.width + x1]
            self.left -= len(row) - row.tobytes().count(1)
            row[:] = b"\x01" * len(row)

    def complete(self):
        return self.width > 0 and self.left == 0


def run_once(d, argv, timeout):
    """Returns (milliseconds to the first map, milliseconds to the first complete paint, CPU
    milliseconds by then, peak KiB) for one start of argv."""
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    start = time.monotonic_ns()
    proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped_ns = painted_ns = None
    window = None
    coverage = {}
    deadline = time.monotonic() + timeout
    while painted_ns is None:
        if d.pending_events() == 0:
            left = deadline - time.monotonic()
            if left <= 0 or proc.poll() is not None:
                proc.kill()
                proc.wait()
                raise RuntimeError(f"{argv[0]} mapped and drew no window")
            select.select([d.fileno()], [], [], min(left, 0.05))
            continue
        event = d.next_event()
        now = time.monotonic_ns()
        if event.type == X.CreateNotify:
            # Damage is watched from the window's creation on, so that no drawing is missed
            # however soon after the map it comes.
            event.window.damage_create(damage.DamageReportRawRectangles)
            d.flush()
        elif event.type == X.MapNotify and not event.override and window is None:
            # Ignore windows of other clients that may share the server.
            pid = window_pid(d, event.window)
            if pid in (None, proc.pid):
                mapped_ns = now
                window = event.window
        elif event.type == d.extension_event.DamageNotify:
            cover = coverage.setdefault(event.drawable.id, Coverage())
            cover.add(event.area, event.drawable_geometry)
            if window is not None and event.drawable.id == window.id and cover.complete():
                painted_ns = now
                cpu, main_cpu, main_wait = cpu_ms(proc.pid)
    time.sleep(SETTLE_SECONDS)
    peak = peak_kib(proc.pid)
    close(d, window)
    try:
        code = proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        raise RuntimeError(f"{argv[0]} did not end when its window was closed")
    if code != 0:
        raise RuntimeError(f"{argv[0]} ended with exit code {code}")
    return (mapped_ns - start) / 1e6, (painted_ns - start) / 1e6, cpu, peak, main_cpu, main_wait


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15, help="measured starts of each program")
    parser.add_argument("--warmup", type=int, default=2, help="unmeasured starts first")
    parser.add_argument("--timeout", type=float, default=30.0)
    # Each target is judged only when it is given.
    parser.add_argument("--max-map-ratio", type=float)
    parser.add_argument("--max-paint-ratio", type=float)
    parser.add_argument("--max-memory-ratio", type=float)
    parser.add_argument("programs", nargs="+", help="the floor first, then the programs to compare")
    args = parser.parse_args()

    d = display.Display()
    if not d.has_extension("DAMAGE"):
        sys.exit("startclock: the X server lacks the DAMAGE extension")
    d.damage_query_version()
    d.set_error_handler(lambda *_: None)  # a window may be gone before its damage is watched
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()

    keys = ("map", "paint", "cpu", "peak", "main_cpu", "main_wait")
    figures = {p: {key: [] for key in keys} for p in args.programs}
    for run in range(args.warmup + args.runs):
        for program in args.programs:
            measured = run_once(d, [program], args.timeout)
            if run >= args.warmup:
                for key, value in zip(keys, measured):
                    figures[program][key].append(value)

    def median(program, key):
        return statistics.median(figures[program][key])

    def ratio(program, key):
        return statistics.median(a / b for a, b in zip(figures[program][key], figures[floor][key]))

    floor = args.programs[0]
    name = {p: os.path.basename(p) for p in args.programs}
    if len(set(name.values())) < len(name):  # builds of one program: name their folders too
        name = {p: os.path.join(os.path.basename(os.path.dirname(p)), name[p]) for p in name}
    width = max(len(n) for n in name.values())
    print(f"{args.runs} starts of each program, alternately, after {args.warmup} unmeasured;"
          f" medians, in ms from exec and MiB")
    for p in args.programs:
        print(f"  {name[p]:<{width}}  map {median(p, 'map'):6.1f}"
              f" (min {min(figures[p]['map']):6.1f}),"
              f"  first complete paint {median(p, 'paint'):6.1f}"
              f" (min {min(figures[p]['paint']):6.1f}),"
              f"  CPU by then {median(p, 'cpu'):6.1f}"
              f" (main thread {median(p, 'main_cpu'):5.1f}, waiting for a processor"
              f" {median(p, 'main_wait'):4.1f}),"
              f"  peak memory {median(p, 'peak') / 1024:6.1f}")
    targets = {"map": args.max_map_ratio, "paint": args.max_paint_ratio,
               "peak": args.max_memory_ratio}
    met = True
    for p in args.programs[1:]:
        ratios = {key: ratio(p, key) for key in ("map", "paint", "cpu", "peak")}
        shown = []
        for key, label in (("map", "map"), ("paint", "paint"), ("peak", "memory")):
            target = "" if targets[key] is None else f" (target {targets[key]})"
            shown.append(f"{label} {ratios[key]:.3f}{target}")
            met = met and (targets[key] is None or ratios[key] <= targets[key])
        print(f"  {name[p]} against {name[floor]}, medians of the pairwise ratios:"
              f" {', '.join(shown)}; CPU {ratios['cpu']:.3f}")
    print("targets met" if met else "TARGETS MISSED")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
