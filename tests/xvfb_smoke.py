#!/usr/bin/python3
# Starts the installed relwiz on a real X server (Xvfb, xcb platform), waits
# for its main window, checks the client area, saves a screenshot, and closes
# the window with a normal close request, as a window manager would.
#
#     xvfb_smoke.py RELWIZ SCREENSHOT.png

import os
import struct
import sys
import time
import zlib

from Xlib import X

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import Failure, XvfbSession, run_or_fail  # noqa: E402

TITLE = "Relwiz 2000 - The CD Image .nfo Utility by Tobi"


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
    with XvfbSession() as session:
        program, window = session.start([relwiz], TITLE)
        geometry = window.get_geometry()
        if (geometry.width, geometry.height) != (705, 554):
            raise Failure(f"client area is {geometry.width} x {geometry.height}, not 705 x 554")
        time.sleep(0.5)  # let the first paint land
        image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        save_png(screenshot, geometry.width, geometry.height, image.data)

        session.close_and_wait(program, window, "relwiz")
        print(f"xvfb smoke: window 705 x 554 on :{session.number}, screenshot {screenshot}, exit 0")


if __name__ == "__main__":
    run_or_fail("xvfb smoke", main)
