#!/usr/bin/env python3
"""Draws the program icon (a grey monitor with a blue screen and a compact
disc in front of it) in a 16-colour and a 256-colour version, and the About
window's own 16-colour picture, as 32 x 32 XPM images; the 256-colour icon
also as PNG for the desktop. Run it from anywhere; it writes beside itself."""

import math
import os
import struct
import zlib

SIZE = 32
HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 colours of the classic VGA palette.
VGA = {
    "black": (0, 0, 0), "maroon": (128, 0, 0), "green": (0, 128, 0), "olive": (128, 128, 0),
    "navy": (0, 0, 128), "purple": (128, 0, 128), "teal": (0, 128, 128), "silver": (192, 192, 192),
    "grey": (128, 128, 128), "red": (255, 0, 0), "lime": (0, 255, 0), "yellow": (255, 255, 0),
    "blue": (0, 0, 255), "fuchsia": (255, 0, 255), "aqua": (0, 255, 255), "white": (255, 255, 255),
}


def monitor_pixel(x, y, rich):
    """The colour at (x, y), or None where the icon is transparent."""
    # The compact disc stands in front, lower right.
    cx, cy, radius = 22.5, 22.5, 8.6
    d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
    if d <= radius:
        if d <= 1.6:
            return None  # the hole
        if d <= 3.2:
            return VGA["grey"] if not rich else (150, 150, 160)
        if d >= radius - 0.9:
            return VGA["grey"] if not rich else (110, 110, 120)
        if not rich:
            angle = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
            return VGA["white"] if -2.4 < angle < -1.6 else VGA["aqua"] if 0.6 < angle < 1.2 else VGA["silver"]
        angle = math.atan2(y + 0.5 - cy, x + 0.5 - cx)
        sheen = 0.5 + 0.5 * math.cos(2 * angle + 0.8)
        hue = (angle / (2 * math.pi) + 0.5) * 6
        rainbow = [(255, 180, 180), (255, 255, 170), (180, 255, 180), (170, 255, 255), (190, 190, 255), (255, 180, 255)]
        base = rainbow[int(hue) % 6]
        return tuple(int(200 + (c - 200) * sheen) for c in base)
    # The monitor: case, screen, neck and foot.
    if 2 <= x <= 27 and 2 <= y <= 20:
        if x in (2, 27) or y in (2, 20):
            return VGA["black"]
        if 5 <= x <= 24 and 5 <= y <= 17:
            if not rich:
                return VGA["white"] if (x, y) in ((7, 7), (8, 7), (7, 8)) else VGA["blue"]
            shade = (y - 5) / 12
            return (int(40 * (1 - shade)), int(90 * (1 - shade) + 20), int(255 - 110 * shade))
        if x >= 25 or y >= 18:
            return VGA["grey"] if not rich else (150, 150, 150)
        return VGA["silver"] if not rich else (205, 205, 205)
    if 11 <= x <= 17 and 21 <= y <= 23:
        return VGA["grey"]
    if 6 <= x <= 22 and 24 <= y <= 26:
        if y == 26 or x in (6, 22):
            return VGA["black"]
        return VGA["silver"] if not rich else (190, 190, 190)
    return None


def about_pixel(x, y):
    """A navy disc with a white "i": the About window's picture."""
    d = math.hypot(x + 0.5 - 16, y + 0.5 - 16)
    if d > 14.5:
        return None
    if d > 13.3:
        return VGA["black"]
    if 14 <= x <= 17 and 7 <= y <= 10:
        return VGA["white"]
    if 14 <= x <= 17 and 13 <= y <= 24:
        return VGA["white"]
    if 12 <= x <= 13 and 13 <= y <= 14 or 12 <= x <= 19 and 23 <= y <= 24:
        return VGA["white"]
    return VGA["blue"] if d < 11 and x + y < 26 else VGA["navy"]


def image(pixel):
    return [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]


def write_xpm(name, rows):
    colours = sorted({c for row in rows for c in row if c is not None})
    assert len(colours) <= 255
    chars = [f"{i:02x}" for i in range(len(colours))]
    key = dict(zip(colours, chars))
    ident = name.replace("-", "_").replace(".xpm", "")
    lines = [f'"{SIZE} {SIZE} {len(colours) + 1} 2",', '"   c None",']
    lines += [f'"{key[c]} c #{c[0]:02X}{c[1]:02X}{c[2]:02X}",' for c in colours]
    lines += ['"' + "".join("  " if c is None else key[c] for c in row) + '",' for row in rows]
    lines[-1] = lines[-1].rstrip(",")
    with open(os.path.join(HERE, name), "w") as out:
        out.write(f"/* XPM */\nstatic const char *{ident}[] = {{\n" + "\n".join(lines) + "\n};\n")
    return len(colours)


def write_png(name, rows):
    raw = b"".join(b"\0" + b"".join(bytes(c + (255,)) if c else b"\0\0\0\0" for c in row) for row in rows)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


if __name__ == "__main__":
    sixteen = image(lambda x, y: monitor_pixel(x, y, rich=False))
    rich = image(lambda x, y: monitor_pixel(x, y, rich=True))
    about = image(about_pixel)
    assert write_xpm("relwiz-16.xpm", sixteen) <= 16
    assert write_xpm("relwiz-256.xpm", rich) <= 255
    assert write_xpm("about-16.xpm", about) <= 16
    write_png("relwiz.png", rich)
