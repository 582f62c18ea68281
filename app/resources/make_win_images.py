#!/usr/bin/env python3
"""Turns the program's own pictures (the PNG files drawn by
resources/make_images.py) into the Windows resource formats that the resource
scripts compile in: the window's background.bmp (24-bit) and hand.cur (32 x
32, two colours, hot spot 10, 5) in this folder, and both programs' icon,
resources/brisel.ico (16, 24, 32 and 48 pixels as 32-bit images with alpha,
and 256 pixels as PNG, as Windows keeps its large icons). Standard library
only; run it after the PNG files change."""

import os
import struct
import zlib

PNG_FOLDER = os.path.join(os.path.dirname(__file__), "..", "..", "resources")
ICON_FOLDER = os.path.join(PNG_FOLDER, "icons")
ICON_SIZES = (16, 24, 32, 48, 256)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Returns (width, height, rows of RGBA tuples) of an 8-bit RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour == 6, path + ": only 8-bit RGBA"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = previous[i]
            c = previous[i - 4] if i >= 4 else 0
            line[i] = (line[i] + (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]) & 0xFF
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        previous = line
    return width, height, rows


def info_header(width, height, bits, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0, colours, 0)


def bottom_up_24(rows):
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        line += b"\0" * ((4 - len(line) % 4) % 4)
        out += line
    return bytes(out)


def mask_rows(rows, bit_of):
    """1-bit rows, bottom-up, each padded to 32 bits."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray((len(row) + 31) // 32 * 4)
        for x, pixel in enumerate(row):
            if bit_of(pixel):
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def write_bmp(png, path):
    width, height, rows = read_png(os.path.join(PNG_FOLDER, png))
    pixels = bottom_up_24(rows)
    header = info_header(width, height, 24, len(pixels))
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 54))
        out.write(header + pixels)


def icon_image(size):
    """The icon at one size as an icon directory's image: the PNG file itself
    at 256 pixels, a 32-bit bitmap with its mask below."""
    path = os.path.join(ICON_FOLDER, f"brisel-{size}.png")
    if size >= 256:
        with open(path, "rb") as f:
            return size, size, f.read()
    width, height, rows = read_png(path)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    transparent = mask_rows(rows, lambda p: p[3] < 128)
    return width, height, info_header(width, height * 2, 32, 0) + bytes(colour) + transparent


def cursor_image(png):
    width, height, rows = read_png(os.path.join(PNG_FOLDER, png))
    palette = b"\0\0\0\0" + b"\xff\xff\xff\0"
    white = mask_rows(rows, lambda p: p[3] >= 128 and p[0] >= 128)
    transparent = mask_rows(rows, lambda p: p[3] < 128)
    return width, height, info_header(width, height * 2, 1, 0, 2) + palette + white + transparent


def write_directory(path, kind, images, field_a, field_b):
    """An .ico (kind 1) or .cur (kind 2) file; field_a and field_b are the
    planes and bit count of an icon, or the hot spot of a cursor."""
    offset = 6 + 16 * len(images)
    entries, bodies = b"", b""
    for width, height, body in images:
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, field_a, field_b,
                               len(body), offset + len(bodies))
        bodies += body
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, kind, len(images)) + entries + bodies)


if __name__ == "__main__":
    here = os.path.dirname(__file__) or "."
    write_bmp("background.png", os.path.join(here, "background.bmp"))
    write_directory(os.path.join(PNG_FOLDER, "brisel.ico"), 1,
                    [icon_image(size) for size in ICON_SIZES], 1, 32)
    write_directory(os.path.join(here, "hand.cur"), 2, [cursor_image("hand_cursor.png")], 10, 5)
