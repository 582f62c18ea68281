#!/usr/bin/env python3
"""Captures Brisel's windows on an X display (Xvfb) into PNG files, and
presses keys there, using only libX11 and libXtst through ctypes.

  x11_capture.py wait-and-grab TITLE [TITLE...] FILE
                                            waits for the windows, saves them
                                            together as they stand side by side
  x11_capture.py keys KEY[+KEY...] ...      presses each chord in turn
  x11_capture.py type TEXT                  types the text, key by key
  x11_capture.py click TITLE X Y            clicks at X, Y inside the window
"""

import ctypes
import struct
import sys
import time
import zlib
from ctypes import POINTER, Structure, byref, c_char_p, c_int, c_long, c_uint, c_ulong, c_void_p

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")


class WindowAttributes(Structure):
    _fields_ = [("x", c_int), ("y", c_int), ("width", c_int), ("height", c_int),
                ("border_width", c_int), ("depth", c_int), ("visual", c_void_p),
                ("root", c_ulong), ("class_", c_int), ("bit_gravity", c_int),
                ("win_gravity", c_int), ("backing_store", c_int),
                ("backing_planes", c_ulong), ("backing_pixel", c_ulong),
                ("save_under", c_int), ("colormap", c_ulong), ("map_installed", c_int),
                ("map_state", c_int), ("all_event_masks", c_long),
                ("your_event_mask", c_long), ("do_not_propagate_mask", c_long),
                ("override_redirect", c_int), ("screen", c_void_p)]


class Image(Structure):
    _fields_ = [("width", c_int), ("height", c_int), ("xoffset", c_int), ("format", c_int),
                ("data", c_void_p), ("byte_order", c_int), ("bitmap_unit", c_int),
                ("bitmap_bit_order", c_int), ("bitmap_pad", c_int), ("depth", c_int),
                ("bytes_per_line", c_int), ("bits_per_pixel", c_int)]


x11.XOpenDisplay.restype = c_void_p
x11.XOpenDisplay.argtypes = [c_char_p]
x11.XDefaultRootWindow.restype = c_ulong
x11.XDefaultRootWindow.argtypes = [c_void_p]
x11.XQueryTree.argtypes = [c_void_p, c_ulong, POINTER(c_ulong), POINTER(c_ulong),
                           POINTER(POINTER(c_ulong)), POINTER(c_uint)]
x11.XFetchName.argtypes = [c_void_p, c_ulong, POINTER(c_char_p)]
x11.XGetWindowAttributes.argtypes = [c_void_p, c_ulong, POINTER(WindowAttributes)]
x11.XGetImage.restype = POINTER(Image)
x11.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
x11.XStringToKeysym.restype = c_ulong
x11.XStringToKeysym.argtypes = [c_char_p]
x11.XKeysymToKeycode.restype = c_uint
x11.XKeysymToKeycode.argtypes = [c_void_p, c_ulong]
x11.XFlush.argtypes = [c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [c_void_p, c_uint, c_int, c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [c_void_p, c_int, c_int, c_int, c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [c_void_p, c_uint, c_int, c_ulong]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
root = x11.XDefaultRootWindow(display)


def find_window(title):
    root_out, parent_out = c_ulong(), c_ulong()
    children, count = POINTER(c_ulong)(), c_uint()
    x11.XQueryTree(display, root, byref(root_out), byref(parent_out), byref(children),
                   byref(count))
    for i in range(count.value):
        name = c_char_p()
        if x11.XFetchName(display, children[i], byref(name)) and name.value == title.encode():
            attributes = WindowAttributes()
            x11.XGetWindowAttributes(display, children[i], byref(attributes))
            if attributes.map_state == 2:  # IsViewable
                return attributes
    return None


def write_png(path, width, height, rgb_rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + row for row in rgb_rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def grab(windows, path):
    left = min(w.x for w in windows)
    top = min(w.y for w in windows)
    right = max(w.x + w.width for w in windows)
    bottom = max(w.y + w.height for w in windows)
    image = x11.XGetImage(display, root, left, top, right - left, bottom - top,
                          c_ulong(-1).value, 2).contents
    stride = image.bytes_per_line
    data = ctypes.string_at(image.data, stride * image.height)
    rows = []
    for y in range(image.height):
        line = data[y * stride:y * stride + image.width * 4]
        row = bytearray(image.width * 3)
        row[0::3], row[1::3], row[2::3] = line[2::4], line[1::4], line[0::4]
        rows.append(bytes(row))
    write_png(path, image.width, image.height, rows)


def wait_and_grab(titles, path, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if all(find_window(title) is not None for title in titles):
            time.sleep(1.0)  # let them paint
            grab([find_window(title) for title in titles], path)
            return
        time.sleep(0.2)
    sys.exit("window not found: " + ", ".join(titles))


def press(chord, pause=0.4):
    codes = [x11.XKeysymToKeycode(display, x11.XStringToKeysym(k.encode()))
             for k in chord.split("+")]
    for code in codes:
        xtst.XTestFakeKeyEvent(display, code, 1, 0)
    for code in reversed(codes):
        xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)
    time.sleep(pause)


# The keys of characters that are no key names of their own; those marked
# with a Shift are typed with it (a US keyboard).
CHARACTER_KEYS = {".": ("period", False), "-": ("minus", False), "_": ("minus", True),
                  "/": ("slash", False), " ": ("space", False)}


def type_text(text):
    for character in text:
        name, shifted = CHARACTER_KEYS.get(character, (character.lower(), character.isupper()))
        press(("Shift_L+" if shifted else "") + name, pause=0.05)


def click(title, x, y):
    window = find_window(title)
    if window is None:
        sys.exit("window not found: " + title)
    xtst.XTestFakeMotionEvent(display, -1, window.x + x, window.y + y, 0)
    xtst.XTestFakeButtonEvent(display, 1, 1, 0)
    xtst.XTestFakeButtonEvent(display, 1, 0, 0)
    x11.XFlush(display)
    time.sleep(0.4)


if __name__ == "__main__":
    if sys.argv[1] == "wait-and-grab":
        wait_and_grab(sys.argv[2:-1], sys.argv[-1])
    elif sys.argv[1] == "type":
        type_text(sys.argv[2])
    elif sys.argv[1] == "keys":
        for chord in sys.argv[2:]:
            press(chord)
    elif sys.argv[1] == "click":
        click(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
