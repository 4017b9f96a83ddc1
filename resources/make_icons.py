#!/usr/bin/env python3
"""Draws the program icon (a grey monitor with a blue screen and a compact
disc in front of it) in a 16-colour and a 256-colour version, and the About
window's own 16-colour picture, as 32 x 32 XPM images; the 256-colour icon
also at 64 x 64 for screens at twice the density, and as PNG at 32, 48 and
64 pixels for the desktop. Run it from anywhere; it writes beside itself."""

import math
import os
import struct
import zlib

# The pictures are drawn on a 32-unit grid; a larger image samples the same
# shapes more finely rather than repeating pixels.
GRID = 32
HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 colours of the classic VGA palette.
VGA = {
    "black": (0, 0, 0), "maroon": (128, 0, 0), "green": (0, 128, 0), "olive": (128, 128, 0),
    "navy": (0, 0, 128), "purple": (128, 0, 128), "teal": (0, 128, 128), "silver": (192, 192, 192),
    "grey": (128, 128, 128), "red": (255, 0, 0), "lime": (0, 255, 0), "yellow": (255, 255, 0),
    "blue": (0, 0, 255), "fuchsia": (255, 0, 255), "aqua": (0, 255, 255), "white": (255, 255, 255),
}


def monitor_pixel(x, y, rich):
    """The colour at (x, y), a pixel's centre in grid units, or None where the
    icon is transparent. Edges lie on whole units, so at 32 pixels every pixel
    is wholly inside or outside each shape."""
    # The compact disc stands in front, lower right.
    cx, cy, radius = 22.5, 22.5, 8.6
    d = math.hypot(x - cx, y - cy)
    if d <= radius:
        if d <= 1.6:
            return None  # the hole
        if d <= 3.2:
            return VGA["grey"] if not rich else (150, 150, 160)
        if d >= radius - 0.9:
            return VGA["grey"] if not rich else (110, 110, 120)
        angle = math.atan2(y - cy, x - cx)
        if not rich:
            return VGA["white"] if -2.4 < angle < -1.6 else VGA["aqua"] if 0.6 < angle < 1.2 else VGA["silver"]
        sheen = 0.5 + 0.5 * math.cos(2 * angle + 0.8)
        hue = (angle / (2 * math.pi) + 0.5) * 6
        rainbow = [(255, 180, 180), (255, 255, 170), (180, 255, 180), (170, 255, 255), (190, 190, 255), (255, 180, 255)]
        base = rainbow[int(hue) % 6]
        return tuple(int(200 + (c - 200) * sheen) for c in base)
    # The monitor: case, screen, neck and foot.
    if 2 <= x < 28 and 2 <= y < 21:
        if x < 3 or x >= 27 or y < 3 or y >= 20:
            return VGA["black"]
        if 5 <= x < 25 and 5 <= y < 18:
            if not rich:
                return VGA["white"] if (int(x), int(y)) in ((7, 7), (8, 7), (7, 8)) else VGA["blue"]
            # From the top row's centre to the bottom row's, as drawn at 32.
            shade = min(max((y - 5.5) / 12, 0), 1)
            return (int(40 * (1 - shade)), int(90 * (1 - shade) + 20), int(255 - 110 * shade))
        if x >= 25 or y >= 18:
            return VGA["grey"] if not rich else (150, 150, 150)
        return VGA["silver"] if not rich else (205, 205, 205)
    if 11 <= x < 18 and 21 <= y < 24:
        return VGA["grey"]
    if 6 <= x < 23 and 24 <= y < 27:
        if y >= 26 or x < 7 or x >= 22:
            return VGA["black"]
        return VGA["silver"] if not rich else (190, 190, 190)
    return None


def about_pixel(x, y):
    """A navy disc with a white "i": the About window's picture."""
    d = math.hypot(x - 16, y - 16)
    if d > 14.5:
        return None
    if d > 13.3:
        return VGA["black"]
    if 14 <= x < 18 and 7 <= y < 11:
        return VGA["white"]
    if 14 <= x < 18 and 13 <= y < 25:
        return VGA["white"]
    if 12 <= x < 14 and 13 <= y < 15 or 12 <= x < 20 and 23 <= y < 25:
        return VGA["white"]
    return VGA["blue"] if d < 11 and x + y < 27 else VGA["navy"]


def image(pixel, size=GRID):
    """Samples `pixel` at the centre of each of size x size pixels."""
    unit = GRID / size
    return [[pixel((x + 0.5) * unit, (y + 0.5) * unit) for x in range(size)] for y in range(size)]


def write_xpm(name, rows):
    colours = sorted({c for row in rows for c in row if c is not None})
    assert len(colours) <= 255  # two hex digits per pixel, one pair kept for None
    chars = [f"{i:02x}" for i in range(len(colours))]
    key = dict(zip(colours, chars))
    ident = name.replace("-", "_").replace(".xpm", "")
    lines = [f'"{len(rows[0])} {len(rows)} {len(colours) + 1} 2",', '"   c None",']
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
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


if __name__ == "__main__":
    def rich(size):
        return image(lambda x, y: monitor_pixel(x, y, rich=True), size)

    assert write_xpm("relwiz-16.xpm", image(lambda x, y: monitor_pixel(x, y, rich=False))) <= 16
    assert write_xpm("relwiz-256.xpm", rich(32)) <= 255
    assert write_xpm("relwiz-64.xpm", rich(64)) <= 255
    assert write_xpm("about-16.xpm", image(about_pixel)) <= 16
    write_png("relwiz.png", rich(32))
    write_png("relwiz-48.png", rich(48))
    write_png("relwiz-64.png", rich(64))
