#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
"""Times the start of X programs: from just before exec to the MapNotify of the program's
first top-level window, and reads the program's peak resident memory (VmHWM) before asking
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

from Xlib import X, display, protocol

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
    """CPU time used so far by the live threads of pid: a figure that the machine's other
    load disturbs far less than the wall-clock time."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                total += int(schedstat.read().split()[0])
        except (OSError, IndexError, ValueError):
            pass
    return total / 1e6


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return None


def close(d, window):
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    d.flush()


def run_once(d, argv, timeout):
    """Returns (milliseconds to the first map, CPU milliseconds by then, peak KiB) for one
    start of argv."""
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    start = time.monotonic_ns()
    proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped_ns = None
    window = None
    deadline = time.monotonic() + timeout
    while mapped_ns is None:
        if d.pending_events() == 0:
            left = deadline - time.monotonic()
            if left <= 0 or proc.poll() is not None:
                proc.kill()
                proc.wait()
                raise RuntimeError(f"{argv[0]} mapped no window")
            select.select([d.fileno()], [], [], min(left, 0.05))
            continue
        event = d.next_event()
        now = time.monotonic_ns()
        if event.type == X.MapNotify and not event.override:
            # Ignore windows of other clients that may share the server.
            pid = window_pid(d, event.window)
            if pid in (None, proc.pid):
                mapped_ns = now
                cpu = cpu_ms(proc.pid)
                window = event.window
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
    return (mapped_ns - start) / 1e6, cpu, peak


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15, help="measured starts of each program")
    parser.add_argument("--warmup", type=int, default=2, help="unmeasured starts first")
    parser.add_argument("--timeout", type=float, default=30.0)
    parser.add_argument("--max-time-ratio", type=float, default=1.25)
    parser.add_argument("--max-memory-ratio", type=float, default=1.3)
    parser.add_argument("programs", nargs="+", help="the floor first, then the programs to compare")
    args = parser.parse_args()

    d = display.Display()
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()

    times = {p: [] for p in args.programs}
    cpus = {p: [] for p in args.programs}
    peaks = {p: [] for p in args.programs}
    for run in range(args.warmup + args.runs):
        for program in args.programs:
            ms, cpu, kib = run_once(d, [program], args.timeout)
            if run >= args.warmup:
                times[program].append(ms)
                cpus[program].append(cpu)
                peaks[program].append(kib)

    floor = args.programs[0]
    name = {p: os.path.basename(p) for p in args.programs}
    width = max(len(n) for n in name.values())
    print(f"{args.runs} starts of each program, alternately, after {args.warmup} unmeasured")
    for p in args.programs:
        print(f"  {name[p]:<{width}}  start-up median {statistics.median(times[p]):7.1f} ms"
              f" (min {min(times[p]):6.1f}, max {max(times[p]):6.1f}),"
              f" CPU {statistics.median(cpus[p]):6.1f} ms,"
              f"  peak memory median {statistics.median(peaks[p]) / 1024:6.1f} MiB")
    met = True
    for p in args.programs[1:]:
        time_ratio = statistics.median(a / b for a, b in zip(times[p], times[floor]))
        memory_ratio = statistics.median(a / b for a, b in zip(peaks[p], peaks[floor]))
        cpu_ratio = statistics.median(a / b for a, b in zip(cpus[p], cpus[floor]))
        print(f"  {name[p]} against {name[floor]}: median start-up ratio {time_ratio:.3f}"
              f" (target {args.max_time_ratio}), median memory ratio {memory_ratio:.3f}"
              f" (target {args.max_memory_ratio}); CPU time ratio {cpu_ratio:.3f}")
        met = met and time_ratio <= args.max_time_ratio and memory_ratio <= args.max_memory_ratio
    print("targets met" if met else "TARGETS MISSED")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
