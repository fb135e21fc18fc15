#!/usr/bin/env python3
"""Draws the program icon (tacknote.ico), the drag cursor (drag.cur, at 32, 48 and 64 px) and
the drop-down arrow (droparrow.bmp, bitmap 12) into this folder.

Run it again after changing a drawing; the outputs are kept in the repository so that a
build needs nothing but windres.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Colours of the icon, RGB.
PAPER_TOP = (255, 255, 160)
PAPER_BOTTOM = (250, 238, 110)
EDGE = (170, 150, 40)
FLAP = (228, 208, 92)
FLAP_EDGE = (150, 130, 30)
INK = (30, 60, 200)
PIN = (205, 25, 25)
PIN_DARK = (120, 0, 0)
PIN_LIGHT = (255, 190, 190)
SHADOW = (0, 0, 0)

SUBSAMPLES = 4  # per axis: edges that are not on the pixel grid get smooth


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Scene:
    """The note picture at one size, as layers that each answer "what colour is here?".

    Coordinates are in pixels of that size; straight edges sit on whole pixels so that they
    stay sharp at 16 x 16, and only the round pin, the folded corner and the shadow fall
    between pixels.
    """

    def __init__(self, size):
        self.n = size
        s = size / 32.0
        self.s = s
        self.left, self.top = round(3 * s), round(6 * s)
        self.right, self.bottom = size - round(4 * s), size - round(3 * s)
        self.fold = max(4, round(8 * s))
        self.shadow = 0 if size < 24 else max(1, round(1.5 * s))
        self.pin_x, self.pin_y = size / 2.0, round(6 * s) + 0.5
        self.pin_r = max(2.2, 3.6 * s)
        ink_h = 1 if size < 24 else round(2 * s)
        self.lines = []
        for n, y in enumerate((12, 17, 22)):
            y0 = round(y * s) if size >= 24 else round(y * s) - 1 + n % 2 * 0
            end = self.right - round(4 * s) - (round(7 * s) if n == 2 else 0)
            self.lines.append((self.left + round(3 * s), y0, end, y0 + ink_h))

    def folded_away(self, x, y):
        """True beyond the fold line of the bottom-right corner."""
        return (x - (self.right - self.fold)) + (y - (self.bottom - self.fold)) > self.fold

    def paper(self, x, y):
        if not (self.left <= x < self.right and self.top <= y < self.bottom):
            return None
        if self.folded_away(x, y):
            return None
        d = (x - (self.right - self.fold)) + (y - (self.bottom - self.fold)) - self.fold
        if x < self.left + 1 or x >= self.right - 1 or y < self.top + 1 or y >= self.bottom - 1 \
                or d > -1.0:
            return EDGE
        t = (y - self.top) / max(1, self.bottom - self.top)
        return mix(PAPER_TOP, PAPER_BOTTOM, t)

    def flap(self, x, y):
        """The turned-up corner: a triangle lying on the paper, its tip pointing up-left."""
        fx, fy = self.right - self.fold, self.bottom - self.fold
        if x < fx or y < fy or x >= self.right or y >= self.bottom:
            return None
        u, v = x - fx, y - fy  # 0..fold
        if u + v > self.fold or u < 0 or v < 0:
            return None
        # the flap is the mirror image of the cut-away part over the fold line
        if u + v < self.fold - 0.01 and (u > 0.0 or v > 0.0):
            if u < 1 or v < 1 or u + v > self.fold - 1:
                return FLAP_EDGE
            return FLAP
        return None

    def ink(self, x, y):
        for x0, y0, x1, y1 in self.lines:
            if x0 <= x < x1 and y0 <= y < y1 and not self.folded_away(x + 1, y + 1):
                if self.flap(x, y) is None:
                    return INK
        return None

    def pin(self, x, y):
        dx, dy = x - self.pin_x, y - self.pin_y
        r = self.pin_r
        if dx * dx + dy * dy > r * r:
            return None
        # light from the upper left: bright spot, darker rim on the lower right
        hx, hy = dx + r * 0.35, dy + r * 0.35
        spot = max(0.0, 1.0 - (hx * hx + hy * hy) ** 0.5 / (r * 0.55))
        rim = max(0.0, ((dx - hx * 0 + dy) / (r * 1.41)))
        colour = mix(PIN, PIN_DARK, min(1.0, rim * 0.9))
        return mix(colour, PIN_LIGHT, min(1.0, spot * 1.2))

    def shadow_alpha(self, x, y):
        """Soft shadow of paper and pin, down and to the right."""
        if not self.shadow:
            return 0.0
        sx, sy = x - self.shadow, y - self.shadow
        alpha = 0.0
        if self.left <= sx < self.right and self.top <= sy < self.bottom and \
                not self.folded_away(sx, sy):
            alpha = 0.30
        dx, dy = sx - self.pin_x - self.shadow * 0.5, sy - self.pin_y - self.shadow * 0.5
        if dx * dx + dy * dy <= self.pin_r * self.pin_r:
            alpha = 0.35
        return alpha

    def sample(self, x, y):
        """RGBA at one point, as floats, alpha 0..1."""
        for layer in (self.pin, self.ink, self.flap, self.paper):
            c = layer(x, y)
            if c is not None:
                return (c[0], c[1], c[2], 1.0)
        a = self.shadow_alpha(x, y)
        return (SHADOW[0], SHADOW[1], SHADOW[2], a)


def note_picture(size):
    """Rows of (r, g, b, a) bytes: a pale yellow note, turned-up corner, blue lines, red pin."""
    scene = Scene(size)
    rows = []
    k = SUBSAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for j in range(k):
                for i in range(k):
                    cr, cg, cb, ca = scene.sample(px + (i + 0.5) / k, py + (j + 0.5) / k)
                    r, g, b, a = r + cr * ca, g + cg * ca, b + cb * ca, a + ca
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / (k * k))))
        rows.append(row)
    return rows


def icon_image(size):
    """One 32-bit image of an icon resource: header, bottom-up BGRA rows, AND mask."""
    px = note_picture(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    color = bytearray()
    for row in reversed(px):
        for r, g, b, a in row:
            color += bytes((b, g, r, a))
    # The mask serves displays without alpha: a pixel counts when it is mostly opaque.
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] < 128:
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


def move_arrows(size, a, b, reach, head, shaft):
    """A four-headed arrow as rows of '#' black, '.' white, ' ' transparent: a shaft `shaft`
    pixels wide through columns a.. and rows b.., each arm `reach` pixels from there to its
    tip, its head `head` rows deep with 45-degree sides. Outlined in white, and with a white
    row behind each head; drawn pixel by pixel at each size, never scaled."""
    black = set()
    for d in range(reach):  # d: distance from the tip
        lo, hi = (a - d, a + shaft + d) if d < head else (a, a + shaft)
        for x in range(lo, hi):
            black.update({(x, b - reach + d), (x, b + shaft + reach - 1 - d)})
        lo, hi = (b - d, b + shaft + d) if d < head else (b, b + shaft)
        for y in range(lo, hi):
            black.update({(a - reach + d, y), (a + shaft + reach - 1 - d, y)})
    black.update((x, y) for x in range(a, a + shaft) for y in range(b, b + shaft))
    white = set()
    for x, y in black:
        white.update({(x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)})
    for x in range(a - head, a + shaft + head):
        white.update({(x, b - reach + head), (x, b + shaft + reach - 1 - head)})
    for y in range(b - head, b + shaft + head):
        white.update({(a - reach + head, y), (a + shaft + reach - 1 - head, y)})
    return ["".join("#" if (x, y) in black else "." if (x, y) in white else " "
                    for x in range(size)) for y in range(size)]


# The drag cursor at 100, 150 and 200%: size, shaft's column and row (also the hot spot),
# reach, head, shaft width. The 32-pixel one is the cursor's original drawing.
DRAG_CURSORS = [(32, 15, 12, 11, 4, 1), (48, 22, 18, 17, 6, 2), (64, 30, 24, 22, 8, 2)]


def cursor_image(rows):
    """One 1-bit image of a cursor resource: header, palette, XOR and AND bits."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    xor_bits, and_bits = bytearray(), bytearray()
    for row in reversed(rows):
        x_row, a_row = bytearray(stride), bytearray(stride)
        for x, c in enumerate(row):
            if c == ".":
                x_row[x // 8] |= 0x80 >> (x % 8)
            elif c == " ":
                a_row[x // 8] |= 0x80 >> (x % 8)
        xor_bits += x_row
        and_bits += a_row
    return header + palette + bytes(xor_bits) + bytes(and_bits)


def write_cursor(path):
    images = [cursor_image(move_arrows(*c)) for c in DRAG_CURSORS]
    out = struct.pack("<HHH", 0, 2, len(images))
    offset = 6 + 16 * len(images)
    for (size, hot_x, hot_y, *_), image in zip(DRAG_CURSORS, images):
        out += struct.pack("<BBBBHHII", size, size, 2, 0, hot_x, hot_y, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


# The drop-down button's arrow: 7 x 4 pixels, a black triangle 7, 5, 3 and 1 pixels wide
# whose slanted edges are dark grey, on the light grey of a button face.
# 'k' black, 'g' dark grey, '.' light grey.
DROP_ARROW = ["gkkkkkg", ".gkkkg.", "..gkg..", "...k..."]

# The 16 colours of the standard palette, in its order; the arrow uses 0 (black),
# 8 (dark grey) and 7 (light grey).
PALETTE_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def write_bitmap_16(path, rows, colours):
    """A 4-bit bitmap file: the letters of `rows` name palette indices through `colours`."""
    width, height = len(rows[0]), len(rows)
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            line[x // 2] |= colours[c] << (4 if x % 2 == 0 else 0)
        pixels += line
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE_16)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + palette + bytes(pixels))


if __name__ == "__main__":
    # The small and large icon sizes at 100, 125, 150 and 200%.
    write_icon(os.path.join(HERE, "tacknote.ico"), [64, 48, 40, 32, 24, 20, 16])
    write_cursor(os.path.join(HERE, "drag.cur"))
    write_bitmap_16(os.path.join(HERE, "droparrow.bmp"), DROP_ARROW, {"k": 0, "g": 8, ".": 7})
