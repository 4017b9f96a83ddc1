#!/usr/bin/python3
"""Starts the installed relwiz on a real X server (Xvfb, xcb platform), waits
for its main window, checks the client area, saves a screenshot, and closes
the window with a normal close request, as a window manager would.

    xvfb_smoke.py RELWIZ SCREENSHOT.png
"""

import os
import struct
import subprocess
import sys
import time
import zlib

from Xlib import X, Xatom, display, protocol

TITLE = "Relwiz 2000 - The CD Image .nfo Utility by Tobi"


def fail(message):
    print("xvfb smoke: " + message, file=sys.stderr)
    sys.exit(1)


def free_display_number():
    for number in range(91, 140):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            return number
    fail("no free display number")


def wait_for(what, seconds, probe):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    fail(f"timed out waiting for {what}")


def window_titled(x, title):
    net_wm_name = x.intern_atom("_NET_WM_NAME")
    utf8 = x.intern_atom("UTF8_STRING")
    pending = [x.screen().root]
    while pending:
        window = pending.pop()
        try:
            name = window.get_full_property(net_wm_name, utf8)
            text = name.value.decode("utf-8", "replace") if name else window.get_wm_name()
            if text == title and window.get_attributes().map_state == X.IsViewable:
                return window
            pending.extend(window.query_tree().children)
        except Exception:  # a window that went away meanwhile
            continue
    return None


def save_png(path, width, height, bgrx):
    rows = b"".join(
        b"\0" + bytes(b for i in range(0, width * 4, 4) for b in (row[i + 2], row[i + 1], row[i]))
        for row in (bgrx[y * width * 4:(y + 1) * width * 4] for y in range(height)))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


def main():
    relwiz, screenshot = sys.argv[1], sys.argv[2]
    number = free_display_number()
    server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program = None
    try:
        wait_for("the X server", 20, lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"))
        x = wait_for("a connection to the X server", 20, lambda: _connect(f":{number}"))
        environment = dict(os.environ, DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb")
        environment.pop("WAYLAND_DISPLAY", None)
        program = subprocess.Popen([relwiz], env=environment)

        window = wait_for("the main window", 30, lambda: window_titled(x, TITLE))
        geometry = window.get_geometry()
        if (geometry.width, geometry.height) != (705, 554):
            fail(f"client area is {geometry.width} x {geometry.height}, not 705 x 554")
        time.sleep(0.5)  # let the first paint land
        image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        save_png(screenshot, geometry.width, geometry.height, image.data)

        # WM_DELETE_WINDOW: the close box's request, not a kill.
        protocols = x.intern_atom("WM_PROTOCOLS")
        delete = x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        x.flush()
        try:
            status = program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            fail("relwiz did not end after its window was asked to close")
        if status != 0:
            fail(f"relwiz ended with status {status}")
        print(f"xvfb smoke: window 705 x 554 on :{number}, screenshot {screenshot}, exit 0")
    finally:
        if program and program.poll() is None:
            program.kill()
        server.terminate()
        server.wait()


def _connect(name):
    try:
        return display.Display(name)
    except Exception:
        return None


if __name__ == "__main__":
    main()
