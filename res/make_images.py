#!/usr/bin/env python3
"""Draws the program icon (tacknote.ico), the drag cursor (drag.cur) and the drop-down button's
arrow (droparrow.bmp) into this folder.

Run it again after changing a drawing; the outputs are kept in the repository so that a
build needs nothing but windres.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

PAPER = (255, 255, 128)
EDGE = (160, 150, 40)
FOLD = (225, 215, 90)
INK = (0, 0, 255)
PIN = (210, 30, 30)
PIN_LIGHT = (255, 140, 140)


def note_picture(size):
    """A pale yellow note with a turned-up corner, lines of blue text and a red pin."""
    s = size / 32.0
    px = [[None] * size for _ in range(size)]
    left, top, right, bottom = round(3 * s), round(4 * s), size - round(3 * s), size - round(2 * s)
    fold = round(7 * s)
    for y in range(top, bottom):
        for x in range(left, right):
            # the bottom-right corner is folded up
            if x - (right - fold) + y - (bottom - fold) >= fold:
                continue
            edge = x in (left, right - 1) or y in (top, bottom - 1)
            on_fold_line = x - (right - fold) + y - (bottom - fold) == fold - 1
            px[y][x] = EDGE if edge or on_fold_line else PAPER
    for i in range(fold - 1):
        for j in range(fold - 1 - i):
            y, x = bottom - 2 - i, right - 2 - j
            if j < fold - 2 - i:
                px[y][x] = FOLD
    lines = [round(11 * s), round(16 * s), round(21 * s)]
    for n, y in enumerate(lines):
        end = right - round(5 * s) - (round(6 * s) if n == len(lines) - 1 else 0)
        for x in range(left + round(3 * s), end):
            if y < bottom - fold or x < right - fold - (y - (bottom - fold)):
                px[y][x] = INK
                if size >= 32:
                    px[y + 1][x] = INK
    cx, cy, r = size // 2, round(4 * s), max(2, round(3 * s))
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            if 0 <= y < size and (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                px[y][x] = PIN_LIGHT if (x - cx + 1) ** 2 + (y - cy + 1) ** 2 <= 1 else PIN
    return px


def icon_image(size):
    """One 32-bit image of an icon resource: header, bottom-up BGRA rows, AND mask."""
    px = note_picture(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    color = bytearray()
    for row in reversed(px):
        for p in row:
            color += bytes((p[2], p[1], p[0], 255)) if p else bytes(4)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(color) + bytes(mask)


def write_icon(path, sizes):
    images = [icon_image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


# A four-headed arrow: '#' black, '.' white, ' ' transparent. Hot spot at its centre.
MOVE_ARROWS = """
               .
              .#.
             .###.
            .#####.
           .#######.
           ....#....
              .#.
              .#.
       ..     .#.     ..
      .#.     .#.     .#.
     .##.     .#.     .##.
    .###.......#.......###.
   .#######################.
    .###.......#.......###.
     .##.     .#.     .##.
      .#.     .#.     .#.
       ..     .#.     ..
              .#.
              .#.
           ....#....
           .#######.
            .#####.
             .###.
              .#.
               .
"""


def write_cursor(path):
    rows = MOVE_ARROWS.strip("\n").split("\n")
    size = 32
    grid = [row.ljust(size)[:size] for row in rows] + [" " * size] * (size - len(rows))
    hot_x, hot_y = 15, 12
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    xor_bits, and_bits = bytearray(), bytearray()
    for row in reversed(grid):
        x_row, a_row = bytearray(4), bytearray(4)
        for x, c in enumerate(row):
            if c == ".":
                x_row[x // 8] |= 0x80 >> (x % 8)
            elif c == " ":
                a_row[x // 8] |= 0x80 >> (x % 8)
        xor_bits += x_row
        and_bits += a_row
    image = header + palette + bytes(xor_bits) + bytes(and_bits)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size, size, 2, 0, hot_x, hot_y, len(image), 22)
    with open(path, "wb") as f:
        f.write(out + image)


# The drop-down arrow: '#' black, '+' dark grey edge, ' ' the button's light grey.
DROP_ARROW = ["+#####+", " +###+ ", "  +#+  ", "   #   "]


def write_drop_arrow(path):
    """A 7 x 4, 16-colour bitmap of a down-pointing triangle."""
    palette = [(0, 0, 0), (128, 128, 128), (192, 192, 192)] + [(0, 0, 0)] * 13
    index = {"#": 0, "+": 1, " ": 2}
    width, height = len(DROP_ARROW[0]), len(DROP_ARROW)
    stride = ((width * 4 + 31) // 32) * 4
    rows = bytearray()
    for row in reversed(DROP_ARROW):
        bits = bytearray(stride)
        for x, c in enumerate(row):
            bits[x // 2] |= index[c] << (4 if x % 2 == 0 else 0)
        rows += bits
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(rows), 0, 0, 16, 0)
    colors = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(colors)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + colors + bytes(rows))


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "tacknote.ico"), [32, 16])
    write_cursor(os.path.join(HERE, "drag.cur"))
    write_drop_arrow(os.path.join(HERE, "droparrow.bmp"))
