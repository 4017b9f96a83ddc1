#!/usr/bin/python3
# Starts the installed relwiz on a real X server, waits for its main window,
# checks the client area, saves a screenshot, and closes the window with a
# normal close request, as a window manager would.
#
#     xvfb-run -a xvfb_smoke.py RELWIZ SCREENSHOT.png
#
# The window-manager helpers below serve atspi_check.py and the start-up bench too:
# the servers xvfb-run gives run no window manager, so the scripts do its part.

import atexit
import os
import struct
import subprocess
import sys
import time
import zlib

from Xlib import X, display, protocol

TITLE = "Relwiz 2000 - The CD Image .nfo Utility by Tobi"
os.environ.pop("QT_QPA_PLATFORM", None)  # clients take Qt's own choice, as a user's start would: xcb here


def check(condition, message):
    if not condition:
        sys.exit(message)


# probe()'s first true answer, checked every 50 ms for at most `seconds`.
def wait_for(what, seconds, probe):
    deadline = time.monotonic() + seconds
    while not (found := probe()):
        check(time.monotonic() < deadline, f"timed out waiting for {what}")
        time.sleep(0.05)
    return found


# The mapped top-level window with this title, or None.
def window_titled(x, title):
    for window in x.screen().root.query_tree().children:
        try:
            if window.get_wm_name() == title and window.get_attributes().map_state == X.IsViewable:
                return window
        except Exception:  # a window that went away meanwhile
            continue


# Starts a client, killed when this script ends if still running; returns it,
# a connection to the display and the client's window, once shown.
def start(command, title, **environment):
    program = subprocess.Popen(command, env=dict(os.environ, **environment))
    atexit.register(program.kill)
    x = display.Display()
    return program, x, wait_for(f"the window {title!r}", 30, lambda: check(
        program.poll() is None, f"{command[0]} ended with status {program.returncode}") or window_titled(x, title))


# Asks the window to close as its close box would (WM_DELETE_WINDOW, not a
# kill) and expects its program to end with 0.
def close(x, program, window):
    x.send_event(window, protocol.event.ClientMessage(window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
                 data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
    x.flush()
    wait_for(f"{program.args[0]} to end once asked to close", 15, lambda: program.poll() is not None)
    check(program.returncode == 0, f"{program.args[0]} ended with status {program.returncode}")


# An 8-bit RGB PNG of the server's 32-bit BGRX pixels.
def save_png(path, width, height, bgrx):
    rgb = bytes(bgrx[i + colour] for i in range(0, width * height * 4, 4) for colour in (2, 1, 0))
    rows = b"".join(b"\0" + rgb[y * width * 3:(y + 1) * width * 3] for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8 bits a channel, RGB
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        for kind, data in ((b"IHDR", header), (b"IDAT", zlib.compress(rows)), (b"IEND", b"")):
            out.write(struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data)))


def main(relwiz, screenshot):
    program, x, window = start([relwiz], TITLE)
    size = (window.get_geometry().width, window.get_geometry().height)
    check(size == (705, 554), f"client area is {size[0]} x {size[1]}, not 705 x 554")
    time.sleep(0.5)  # let the first paint land
    save_png(screenshot, *size, window.get_image(0, 0, *size, X.ZPixmap, 0xFFFFFFFF).data)
    close(x, program, window)
    print(f"xvfb smoke: window 705 x 554 on {os.environ['DISPLAY']}, screenshot {screenshot}, exit 0")


if __name__ == "__main__":
    main(*sys.argv[1:])
