"""A small raster canvas that draws simple illustrations and writes them as PNG.

Drawing happens at SCALE times the final size and is averaged down when the PNG is written,
which smooths the edges without any anti-aliasing arithmetic in the primitives themselves.
Only the Python standard library is used, so the documents can be rebuilt anywhere.
"""

import math
import struct
import zlib

SCALE = 3

# Digits of a 5 x 7 bitmap font for the numbered check points ('#' = ink).
DIGITS = {
    "0": [" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "],
    "1": ["  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "2": [" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"],
    "3": ["#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "],
    "4": ["   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "],
    "5": ["#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "],
    "6": ["  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "],
    "7": ["#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "],
    "8": [" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "],
    "9": [" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "],
}


class Canvas:
    def __init__(self, width, height, background=(255, 255, 255)):
        self.width = width
        self.height = height
        self.w = width * SCALE
        self.h = height * SCALE
        self.pixels = [list(background) * self.w for _ in range(self.h)]

    # All coordinates below are in final-size pixels; they may be fractional.

    def _span(self, y, x0, x1, colour):
        """Fills the supersampled row y from x0 to x1 inclusive."""
        if y < 0 or y >= self.h:
            return
        x0 = max(0, x0)
        x1 = min(self.w - 1, x1)
        if x0 > x1:
            return
        row = self.pixels[y]
        row[x0 * 3:(x1 + 1) * 3] = list(colour) * (x1 - x0 + 1)

    def rect(self, x, y, width, height, colour):
        top = round(y * SCALE)
        bottom = round((y + height) * SCALE) - 1
        left = round(x * SCALE)
        right = round((x + width) * SCALE) - 1
        for row in range(top, bottom + 1):
            self._span(row, left, right, colour)

    def polygon(self, points, colour):
        """Fills a polygon (even-odd rule) given as a list of (x, y) points."""
        pts = [(px * SCALE, py * SCALE) for px, py in points]
        top = max(0, int(min(p[1] for p in pts)))
        bottom = min(self.h - 1, int(max(p[1] for p in pts)) + 1)
        for row in range(top, bottom + 1):
            yc = row + 0.5
            crossings = []
            for i, (ax, ay) in enumerate(pts):
                bx, by = pts[(i + 1) % len(pts)]
                if (ay <= yc < by) or (by <= yc < ay):
                    crossings.append(ax + (yc - ay) * (bx - ax) / (by - ay))
            crossings.sort()
            for i in range(0, len(crossings) - 1, 2):
                self._span(row, math.ceil(crossings[i] - 0.5), math.floor(crossings[i + 1] - 0.5), colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        cx, cy, rx, ry = cx * SCALE, cy * SCALE, rx * SCALE, ry * SCALE
        for row in range(max(0, int(cy - ry)), min(self.h, int(cy + ry) + 2)):
            dy = (row + 0.5 - cy) / ry
            if abs(dy) > 1:
                continue
            dx = rx * math.sqrt(1 - dy * dy)
            self._span(row, math.ceil(cx - dx - 0.5), math.floor(cx + dx - 0.5), colour)

    def circle(self, cx, cy, r, colour):
        self.ellipse(cx, cy, r, r, colour)

    def ring(self, cx, cy, r, thickness, colour, inside):
        self.circle(cx, cy, r, colour)
        self.circle(cx, cy, r - thickness, inside)

    def line(self, x0, y0, x1, y1, thickness, colour):
        """A straight stroke with square ends, drawn as a filled quadrilateral."""
        length = math.hypot(x1 - x0, y1 - y0)
        if length == 0:
            return
        nx = -(y1 - y0) / length * thickness / 2
        ny = (x1 - x0) / length * thickness / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)

    def rounded_rect(self, x, y, width, height, radius, colour):
        self.rect(x + radius, y, width - 2 * radius, height, colour)
        self.rect(x, y + radius, width, height - 2 * radius, colour)
        for cx, cy in ((x + radius, y + radius), (x + width - radius, y + radius),
                       (x + radius, y + height - radius), (x + width - radius, y + height - radius)):
            self.circle(cx, cy, radius, colour)

    def arrow(self, x0, y0, x1, y1, thickness, colour):
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        head = thickness * 3
        self.line(x0, y0, x1 - ux * head, y1 - uy * head, thickness, colour)
        self.polygon([(x1, y1), (x1 - ux * head - uy * head * 0.7, y1 - uy * head + ux * head * 0.7),
                      (x1 - ux * head + uy * head * 0.7, y1 - uy * head - ux * head * 0.7)], colour)

    def number(self, text, cx, cy, size, colour):
        """Draws digits centred on (cx, cy); size is the height of a digit in pixels."""
        cell = size / 7
        total = len(text) * 6 * cell - cell
        left = cx - total / 2
        top = cy - size / 2
        for index, char in enumerate(text):
            for row, bits in enumerate(DIGITS[char]):
                for column, bit in enumerate(bits):
                    if bit == "#":
                        self.rect(left + (index * 6 + column) * cell, top + row * cell, cell, cell, colour)

    def marker(self, number, cx, cy, colour=(192, 0, 0)):
        """A numbered check point: a white-edged disc with the number in it."""
        self.circle(cx, cy, 11, (255, 255, 255))
        self.circle(cx, cy, 9.5, colour)
        self.number(str(number), cx, cy, 9, (255, 255, 255))

    def png(self):
        """The picture at its final size as PNG bytes (8-bit RGB)."""
        area = SCALE * SCALE
        rows = []
        for y in range(self.height):
            source = self.pixels[y * SCALE:(y + 1) * SCALE]
            out = bytearray([0])  # filter type: none
            for x in range(self.width):
                base = x * SCALE * 3
                for channel in range(3):
                    total = 0
                    for line in source:
                        total += sum(line[base + channel:base + SCALE * 3:3])
                    out.append((total + area // 2) // area)
            rows.append(bytes(out))

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))
