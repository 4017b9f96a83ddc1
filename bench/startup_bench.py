#!/usr/bin/python3
"""Start-up time and peak memory of relwiz against two yardsticks: a
minimal Qt Widgets window that shows no text, and one that shows a label in
the controls' font and a box in the sheet font, and so loads the font
database as any window with text does. All three run on one private X
server from xvfb-run, started in turn.

    xvfb-run -a startup_bench.py RELWIZ TEXT_WINDOW MINIMAL_WINDOW [RUNS]

Start-up is from just before the process is started to its window shown
with its contents painted: the MapNotify of the window, then the first look
at its bottom right corner that finds the colour it keeps. Peak memory is
the process's VmHWM once the window has been shown and painted, read just
before it is asked to close.
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
    "text": "Minimal Qt Widgets window with text",
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


def painted(window, mapped):
    """The monotonic time the window's bottom right pixel first showed the
    colour it keeps: looked at again and again for 0.3 s after the map."""
    looks = []
    while not looks or looks[-1][0] - mapped < 0.3:
        looks.append((time.monotonic(), window.get_image(704, 553, 1, 1, X.ZPixmap, 0xFFFFFFFF).data))
    final = looks[-1][1]
    last_other = max((at for at, pixel in looks if pixel != final), default=0)
    return next(at for at, pixel in looks if at > last_other)


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
        window, mapped = next_mapped(x, title, 30)
        shown = painted(window, mapped)
        time.sleep(0.2)  # whatever start-up still does
        peak = peak_kib(program.pid)
        close(x, program, window)
        return (shown - started) * 1000, peak
    finally:
        if program.poll() is None:
            program.kill()


def main():
    executables = {"relwiz": sys.argv[1], "text": sys.argv[2], "minimal": sys.argv[3]}
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 15
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
    ratio = start["relwiz"] / start["text"]
    bare = start["relwiz"] / start["minimal"]
    extra = peak["relwiz"] - peak["minimal"]
    print(f"ratio start-up relwiz / window with text = {ratio:5.2f}  (goal <= 1.3: {'met' if ratio <= 1.3 else 'NOT met'})")
    print(f"ratio start-up relwiz / minimal window   = {bare:5.2f}")
    print(f"peak memory relwiz - minimal = {extra:+5.1f} MiB  (goal <= +15 MiB: {'met' if extra <= 15 else 'NOT met'})")


if __name__ == "__main__":
    main()
