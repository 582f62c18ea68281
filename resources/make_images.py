#!/usr/bin/env python3
"""Draws Brisel's pictures: the main window's background (374 x 200), the
program icon (16 and 32 pixels, antialiased) and the two-colour pointing-hand
cursor (32 x 32, hot spot 10, 5). Uses only the standard library; run it in
this folder to rewrite the PNG files that the Qt resource file compiles in,
and the desktop theme's icons in icons/ (16 to 256 pixels), which
the Windows icon is made from too."""

import struct
import zlib


def write_png(path, width, height, pixel):
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        out.write(chunk(b"IEND", b""))


def blend(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


# Board traces as (x1, y1, x2, y2) segments and round pads (x, y, r), kept in
# the margins so they never run under the texts and buttons.
TRACES = [
    (0, 196, 60, 196), (60, 196, 72, 190), (72, 190, 150, 190),
    (240, 196, 300, 196), (300, 196, 316, 180), (316, 180, 374, 180),
    (352, 0, 352, 40), (352, 40, 364, 52), (364, 52, 364, 200),
    (8, 0, 8, 30), (8, 30, 20, 42), (20, 42, 20, 56),
    (210, 150, 240, 150), (240, 150, 252, 162), (252, 162, 330, 162),
]
PADS = [(150, 190, 4), (20, 56, 4), (210, 150, 4), (330, 162, 4), (364, 120, 3),
        (60, 196, 3), (352, 40, 3)]

# Clear bands (left, top, right, bottom) behind the labels' texts: the title,
# "Source:", "Target:" and the progress text, which grows to "100% Complete".
BANDS = [(20, 12, 352, 53), (36, 60, 94, 85), (36, 92, 94, 117), (90, 164, 262, 186)]


def near_segment(x, y, seg, width):
    x1, y1, x2, y2 = seg
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy
    t = 0 if length2 == 0 else max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / length2))
    px, py = x1 + t * dx, y1 + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= width * width


def background(x, y):
    colour = blend((12, 52, 40), (4, 22, 30), y / 199)
    if any(left <= x <= right and top <= y <= bottom for left, top, right, bottom in BANDS):
        return colour + (255,)
    for px, py, r in PADS:
        d2 = (x - px) ** 2 + (y - py) ** 2
        if d2 <= (r - 2) ** 2:
            return (20, 30, 28, 255)
        if d2 <= r * r:
            return (176, 140, 64, 255)
    if any(near_segment(x, y, seg, 1.2) for seg in TRACES):
        return (120, 96, 44, 255)
    if (x % 16 == 0 and y % 16 == 0):
        colour = blend(colour, (60, 110, 90), 0.6)
    return colour + (255,)


def icon_shape(sx, sy):
    """The icon's colour at a point of its 32 x 32 design, or None outside it:
    a chip with pins on both sides and an arrow leaving it."""
    if 9 <= sx < 23 and 4 <= sy < 28:
        if 12 <= sx < 20 and 6 <= sy < 8:
            return (220, 220, 220)
        return (30, 34, 40)
    if (5 <= sx < 9 or 23 <= sx < 27) and int(sy) % 5 in (1, 2) and 5 <= sy < 27:
        return (210, 170, 70)
    if 13 <= sy < 19 and 2 <= sx < 30 and not (9 <= sx < 23):
        return (40, 160, 90) if sx < 9 else (200, 200, 0)
    return None


# Each pixel averages a grid of samples of the design, so that edges that
# fall between pixels are shaded rather than jagged at every size.
ICON_SAMPLES = 4


def icon(size):
    scale = size / 32

    def pixel(x, y):
        red = green = blue = covered = 0
        for i in range(ICON_SAMPLES):
            for j in range(ICON_SAMPLES):
                colour = icon_shape((x + (i + 0.5) / ICON_SAMPLES) / scale, (y + (j + 0.5) / ICON_SAMPLES) / scale)
                if colour is None:
                    continue
                red, green, blue, covered = red + colour[0], green + colour[1], blue + colour[2], covered + 1
        if covered == 0:
            return (0, 0, 0, 0)
        alpha = round(255 * covered / ICON_SAMPLES ** 2)
        return (round(red / covered), round(green / covered), round(blue / covered), alpha)

    return pixel


HAND = [
    "         ##",
    "        #..#",
    "        #..#",
    "        #..#",
    "        #..#",
    "        #..###",
    "        #..#..###",
    "        #..#..#..##",
    "     ## #..#..#..#.#",
    "    #..##..#..#..#..#",
    "    #...#........#..#",
    "     #..#...........#",
    "      #.............#",
    "      #.............#",
    "       #............#",
    "       #...........#",
    "        #..........#",
    "        #.........#",
    "         #........#",
    "         ##########",
]


# The finger tip's top row is drawn at y 4, its middle at x 9 and 10, so the
# hot spot (10, 5) lies just inside the tip.
def cursor(x, y):
    row = y - 4
    col = x
    if 0 <= row < len(HAND) and 0 <= col < len(HAND[row]):
        mark = HAND[row][col]
        if mark == "#":
            return (0, 0, 0, 255)
        if mark == ".":
            return (255, 255, 255, 255)
    return (0, 0, 0, 0)


if __name__ == "__main__":
    write_png("background.png", 374, 200, background)
    write_png("icon16.png", 16, 16, icon(16))
    write_png("icon32.png", 32, 32, icon(32))
    write_png("hand_cursor.png", 32, 32, cursor)
    for size in (16, 24, 32, 48, 128, 256):
        write_png(f"icons/brisel-{size}.png", size, size, icon(size))
