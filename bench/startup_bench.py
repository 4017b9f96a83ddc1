#!/usr/bin/python3
"""Start-up time and peak memory of relwiz against a minimal Qt Widgets
program, on one private X server from xvfb-run, the two started in turn.

    xvfb-run -a startup_bench.py RELWIZ MINIMAL_WINDOW [RUNS]

Start-up is from just before the process is started to the MapNotify of its
window; peak memory is the process's VmHWM once the window has been shown and
painted, read just before it is asked to close.
"""

import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from xvfb_smoke import TITLE, check, close  # noqa: E402

PROGRAMS = {
    "relwiz": TITLE,
    "minimal": "Minimal Qt Widgets window",
}


def watch_maps(x):
    """From now on, every top-level window mapped is reported to
    next_mapped(); call before starting the client."""
    x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    x.sync()


def next_mapped(x, title, seconds):
    """Waits for a top-level window with this title to be mapped; returns
    it and the monotonic time its MapNotify arrived."""
    deadline = time.monotonic() + seconds
    while True:
        while x.pending_events():
            event = x.next_event()
            arrived = time.monotonic()
            if event.type == X.MapNotify:
                try:
                    if event.window.get_wm_name() == title:
                        return event.window, arrived
                except Exception:
                    continue
        left = deadline - time.monotonic()
        check(left > 0, f"timed out waiting for the window {title!r}")
        select.select([x.fileno()], [], [], left)


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    sys.exit(f"no VmHWM for process {pid}")


def one_run(x, executable, title):
    watch_maps(x)
    started = time.monotonic()
    program = subprocess.Popen([executable])
    try:
        window, shown = next_mapped(x, title, 30)
        time.sleep(0.3)  # the first paint, and whatever start-up still does
        peak = peak_kib(program.pid)
        close(x, program, window)
        return (shown - started) * 1000, peak
    finally:
        if program.poll() is None:
            program.kill()


def main():
    executables = {"relwiz": sys.argv[1], "minimal": sys.argv[2]}
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    times = {name: [] for name in PROGRAMS}
    peaks = {name: [] for name in PROGRAMS}
    x = display.Display()
    for run in range(runs + 1):
        for name, title in PROGRAMS.items():
            milliseconds, peak = one_run(x, executables[name], title)
            if run > 0:  # the first run of each warms the file cache
                times[name].append(milliseconds)
                peaks[name].append(peak)

    start = {name: statistics.median(values) for name, values in times.items()}
    peak = {name: statistics.median(values) / 1024 for name, values in peaks.items()}
    for name in PROGRAMS:
        print(f"start-up {name:8} median {start[name]:7.1f} ms (min {min(times[name]):6.1f}, "
              f"max {max(times[name]):6.1f}, {runs} runs)   peak memory {peak[name]:6.1f} MiB")
    ratio = start["relwiz"] / start["minimal"]
    extra = peak["relwiz"] - peak["minimal"]
    print(f"ratio start-up relwiz / minimal = {ratio:5.2f}  (goal <= 1.3: {'met' if ratio <= 1.3 else 'NOT met'})")
    print(f"peak memory relwiz - minimal = {extra:+5.1f} MiB  (goal <= +15 MiB: {'met' if extra <= 15 else 'NOT met'})")


if __name__ == "__main__":
    main()
