#!/usr/bin/env python3
"""Draws the main window's button pictures and the program icons.

Writes 8-bit BMP files into resources/bitmaps/ and two ICO files into
resources/. Run it again after changing a picture here and commit its output
with it; the build only compiles the files.

The button pictures paint with three marker colours that the program replaces
when it loads them (CreateMappedBitmap), so that they follow the window's
colours: BACKGROUND becomes the window background, FACE the button colour and
HIGHLIGHT the highlight colour. Every other colour is drawn as it is. The
mapping works on the colour table, hence 8-bit pictures with a palette.
"""
import os
import struct
import sys

# Marker colours as (r, g, b); as COLORREF (0x00BBGGRR) they read 0x800080,
# 0x808000 and 0x0000FF.
BACKGROUND = (0x80, 0x00, 0x80)
FACE = (0x00, 0x80, 0x80)
HIGHLIGHT = (0xFF, 0x00, 0x00)
TEXT = (0x20, 0x20, 0x20)
DIMMED = (0xA0, 0xA0, 0xA0)
EDGE = (0x80, 0x80, 0x80)
LIGHT = (0xFF, 0xFF, 0xFF)
SHADOW = (0x60, 0x60, 0x60)
PALETTE = [BACKGROUND, FACE, HIGHLIGHT, TEXT, DIMMED, EDGE, LIGHT, SHADOW]

# A 5-pixel-wide proportional font, 7 rows above the base line and 2 below.
# Each glyph is its rows from the top; '#' is ink.
GLYPHS = {
    "A": [".##.", "#..#", "#..#", "####", "#..#", "#..#", "#..#"],
    "D": ["###.", "#..#", "#..#", "#..#", "#..#", "#..#", "###."],
    "F": ["####", "#...", "#...", "###.", "#...", "#...", "#..."],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "S": [".###", "#...", "#...", ".##.", "...#", "...#", "###."],
    "U": ["#..#", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###"],
    "c": ["...", "...", ".##", "#..", "#..", "#..", ".##"],
    "d": ["...#", "...#", ".###", "#..#", "#..#", "#..#", ".###"],
    "e": ["....", "....", ".##.", "#..#", "####", "#...", ".##."],
    "h": ["#...", "#...", "###.", "#..#", "#..#", "#..#", "#..#"],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "k": ["#..", "#..", "#.#", "##.", "#..", "##.", "#.#"],
    "l": ["#", "#", "#", "#", "#", "#", "#"],
    "n": ["....", "....", "###.", "#..#", "#..#", "#..#", "#..#"],
    "o": ["....", "....", ".##.", "#..#", "#..#", "#..#", ".##."],
    "p": ["....", "....", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."],
    "r": ["...", "...", "#.#", "##.", "#..", "#..", "#.."],
    "t": [".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#"],
    "v": ["...", "...", "#.#", "#.#", "#.#", "#.#", ".#."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "m": [".....", ".....", "####.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    ".": [".", ".", ".", ".", ".", ".", "#"],
    " ": ["..", "..", "..", "..", "..", "..", ".."],
}


class Picture:
    def __init__(self, width, height, fill=BACKGROUND):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def text_width(self, text):
        return sum(len(GLYPHS[c][0]) + 1 for c in text) - 1

    def text(self, x, top, text, colour):
        for c in text:
            rows = GLYPHS[c]
            for dy, row in enumerate(rows):
                for dx, ink in enumerate(row):
                    if ink == "#":
                        self.put(x + dx, top + dy, colour)
            x += len(rows[0]) + 1
        return x


def button(width, height, label, colour=TEXT, glyph=None):
    """A raised button with rounded corners and a centred label; `glyph`
    draws a small mark at the right end, left of which the label is centred."""
    p = Picture(width, height)
    p.rect(1, 1, width - 1, height - 1, FACE)
    for x in range(2, width - 2):
        p.put(x, 0, EDGE)
        p.put(x, height - 1, SHADOW)
        p.put(x, 1, LIGHT)
    for y in range(2, height - 2):
        p.put(0, y, EDGE)
        p.put(width - 1, y, SHADOW)
        p.put(1, y, LIGHT)
    for x, y in ((1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)):
        p.put(x, y, EDGE if y == 1 else SHADOW)
    room = width - (7 if glyph else 0)
    x = (room - p.text_width(label)) // 2
    p.text(x, (height - 7) // 2, label, colour)
    if glyph:
        glyph(p, width - 9, (height - 7) // 2)
    return p


def dot(p, x, y):
    """The highlight dot of a button that shows a state (ready, marked)."""
    p.rect(x + 1, y + 2, x + 4, y + 5, HIGHLIGHT)


def new_window(p, x, y):
    """Open in a new window: a small window frame."""
    for dx in range(5):
        p.put(x + dx, y + 1, TEXT)
        p.put(x + dx, y + 6, TEXT)
    for dy in range(1, 7):
        p.put(x, y + dy, TEXT)
        p.put(x + 4, y + dy, TEXT)
    p.rect(x + 1, y + 2, x + 4, y + 3, HIGHLIGHT)


def front_window(p, x, y):
    """Open in the frontmost window: an arrow into a frame."""
    for dy in range(7):
        p.put(x + 4, y + dy, TEXT)
    for dx in range(4):
        p.put(x + dx, y + 3, HIGHLIGHT)
    p.put(x + 2, y + 2, HIGHLIGHT)
    p.put(x + 2, y + 4, HIGHLIGHT)


def popup(width, height):
    """The Compact window's popup buttons: a triangle pointing right."""
    p = button(width, height, "")
    cx, cy = width // 2 - 1, height // 2
    for i in range(4):
        for dy in range(-3 + i, 4 - i):
            p.put(cx + i, cy + dy, TEXT)
    return p


W, H = 36, 16      # the buttons beside the Find field (24 by 10 dialog units)
SW = 36            # the New, Sort and Delete buttons under the list boxes

PICTURES = {
    # Open: nothing to open, open (new window, or a file), open in the frontmost window.
    170: button(W, H, "Open", DIMMED),
    171: button(W, H, "Open", glyph=new_window),
    172: button(W, H, "Open", glyph=front_window),
    174: button(W, H, "Find"),
    175: button(W, H, "Fetch"),
    176: button(W, H, "Note"),
    183: button(SW, H, "Sort"),
    184: button(18, H, "..."),
    185: button(SW, H, "New"),
    186: button(SW, H, "Add", glyph=dot),
    187: button(SW, H, "New", DIMMED),
    191: button(SW, H, "Delete"),
    192: button(SW, H, "Delete", DIMMED),
    194: button(W, H, "Mark"),
    195: button(W, H, "Unmark", HIGHLIGHT),
    196: button(W, H, "Move"),
    197: button(W, H, "Move", DIMMED),
    198: popup(16, 18),
    199: button(W, H, "Mark", DIMMED),
    200: button(SW, H, "Sort", DIMMED),
    201: button(W, H, "Fetch", DIMMED),
    202: button(W, H, "Note", glyph=dot),
}


def bmp_bytes(picture):
    stride = (picture.width + 3) & ~3
    header = struct.pack("<IiiHHIIiiII", 40, picture.width, picture.height, 1, 8, 0,
                         stride * picture.height, 2835, 2835, len(PALETTE), len(PALETTE))
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    rows = []
    for row in reversed(picture.pixels):
        data = bytes(PALETTE.index(c) for c in row)
        rows.append(data + b"\0" * (stride - len(data)))
    body = header + palette + b"".join(rows)
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, 14 + 40 + 4 * len(PALETTE)) + body


# The program icon: three columns of entries on a rounded blue tile, the
# right one with a highlighted entry.
def icon_pixels(size):
    s = size / 32.0
    tile = (0x2A, 0x5D, 0xB0)
    pixels = [[None] * size for _ in range(size)]
    radius = 5 * s
    for y in range(size):
        for x in range(size):
            cx = min(max(x + 0.5, radius + 1 * s), size - radius - 1 * s)
            cy = min(max(y + 0.5, radius + 1 * s), size - radius - 1 * s)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius ** 2:
                pixels[y][x] = tile
    columns = [(4, 10), (12, 20), (22, 28)] if size == 32 else [(2, 5), (6, 10), (11, 14)]
    rows = range(7, 27, 4) if size == 32 else range(3, 14, 2)
    for i, (x0, x1) in enumerate(columns):
        for j, y in enumerate(rows):
            colour = (0xFF, 0xC8, 0x30) if (i == 2 and j == 1) else (0xFF, 0xFF, 0xFF)
            height = 2 if size == 32 else 1
            for yy in range(y, y + height):
                for x in range(x0, x1):
                    pixels[yy][x] = colour
    return pixels


def icon_image(size):
    pixels = icon_pixels(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(
        struct.pack("BBBB", c[2], c[1], c[0], 255) if c else b"\0\0\0\0"
        for row in reversed(pixels) for c in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        data = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c is None:
                data[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(data)
    return header + colour + mask


def ico_bytes(sizes):
    images = [icon_image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    resources = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    folder = os.path.join(resources, "bitmaps")
    os.makedirs(folder, exist_ok=True)
    for number, picture in PICTURES.items():
        with open(os.path.join(folder, "button%d.bmp" % number), "wb") as f:
            f.write(bmp_bytes(picture))
    with open(os.path.join(resources, "vellinor.ico"), "wb") as f:
        f.write(ico_bytes([32, 16]))
    with open(os.path.join(resources, "vellinor_small.ico"), "wb") as f:
        f.write(ico_bytes([16]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
