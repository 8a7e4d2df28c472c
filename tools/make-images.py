#!/usr/bin/env python3
"""Draws the program's images into resources/ with the standard library only.

    python3 tools/make-images.py

Writes the six images of the embedded bundle, the Linux desktop icon in the
hicolor theme's sizes (resources/icons/) and the Windows icon group (256 px
PNG-compressed, 48, 32 and 16 px as 32-bit bitmaps), the icons all drawn from
the application icon's picture.
Every image is 8-bit RGBA. Shapes are signed-distance functions sampled 4 x 4
times per pixel, so edges come out smooth at every size.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "resources"))
ICONS = os.path.join(OUT, "icons")
# The sizes installed into share/icons/hicolor/<size>x<size>/apps/.
DESKTOP_SIZES = (16, 32, 48, 64, 128, 256)

NAVY = (18, 42, 82)
BLUE = (33, 96, 170)
CELL = (52, 128, 214)
SUN = (255, 196, 32)
ORANGE = (246, 132, 24)
WHITE = (250, 250, 250)
MOON = (226, 232, 245)
GREEN = (46, 160, 90)


# --- shapes: each returns a signed distance in unit coordinates (0..1) -------

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return d


def polygon(points):
    def d(x, y):
        inside = False
        best = float("inf")
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(x - ax - t * ex, y - ay - t * ey))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (by - ay):
                inside = not inside
        return -best if inside else best
    return d


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def rays(cx, cy, r0, r1, count, width):
    def d(x, y):
        angle = math.atan2(y - cy, x - cx)
        step = 2 * math.pi / count
        a = round(angle / step) * step
        # rotate into the nearest ray's frame
        dx, dy = x - cx, y - cy
        u = dx * math.cos(a) + dy * math.sin(a)
        v = -dx * math.sin(a) + dy * math.cos(a)
        qx = abs(u - (r0 + r1) / 2) - (r1 - r0) / 2
        qy = abs(v) - width / 2
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0)
    return d


def panel(x0, y0, x1, y1, skew, rows, cols, gap):
    """A solar panel seen slightly from the front: a parallelogram of cells."""
    shapes = []
    w, h = (x1 - x0) / cols, (y1 - y0) / rows
    for r in range(rows):
        for c in range(cols):
            top, bottom = y0 + r * h + gap, y0 + (r + 1) * h - gap
            left, right = x0 + c * w + gap, x0 + (c + 1) * w - gap
            st = skew * (1 - (top - y0) / (y1 - y0))
            sb = skew * (1 - (bottom - y0) / (y1 - y0))
            shapes.append(polygon([(left + st, top), (right + st, top), (right + sb, bottom), (left + sb, bottom)]))
    return lambda x, y: min(s(x, y) for s in shapes)


def bolt(cx, cy, s):
    pts = [(0.10, -0.50), (-0.22, 0.06), (0.00, 0.06), (-0.10, 0.50), (0.22, -0.08), (0.01, -0.08)]
    return polygon([(cx + px * s, cy + py * s) for px, py in pts])


# --- rendering -----------------------------------------------------------------

def render(width, height, layers, samples=4):
    """layers: list of (shape, (r, g, b)), painted in order over transparency."""
    scale = max(width, height)
    px = bytearray()
    offsets = [(i + 0.5) / samples for i in range(samples)]
    for j in range(height):
        row = bytearray([0])  # filter type: none
        for i in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                for ox in offsets:
                    x = (i + ox - (width - scale) / 2) / scale
                    y = (j + oy - (height - scale) / 2) / scale
                    r = g = b = a = 0.0
                    for shape, colour in layers:
                        if shape(x, y) <= 0:
                            r, g, b = colour
                            a = 255.0
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if alpha > 0:
                rgb = [round(c / acc[3]) for c in acc[:3]]
            else:
                rgb = [0, 0, 0]
            row += bytes(rgb + [round(alpha)])
        px += row
    return bytes(px)


def png(width, height, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bmp_entry(width, height, raw):
    """A 32-bit icon bitmap: BGRA rows bottom-up, then an all-clear AND mask."""
    stride = width * 4 + 1
    pixels = bytearray()
    for j in reversed(range(height)):
        row = raw[j * stride + 1:(j + 1) * stride]
        for i in range(width):
            r, g, b, a = row[i * 4:i * 4 + 4]
            pixels += bytes([b, g, r, a])
    mask_stride = ((width + 31) // 32) * 4
    mask = bytes(mask_stride * height)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + mask


def ico(entries):
    """entries: list of (size, data) in directory order."""
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    body = b""
    for size, data in entries:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        body += data
    return out + body


# --- the pictures --------------------------------------------------------------

def app_icon():
    return [
        (box(0.03, 0.03, 0.97, 0.97, 0.18), NAVY),
        (rays(0.70, 0.30, 0.19, 0.27, 10, 0.045), SUN),
        (circle(0.70, 0.30, 0.15), SUN),
        (panel(0.12, 0.50, 0.72, 0.88, 0.10, 3, 4, 0.012), CELL),
        (box(0.60, 0.74, 0.90, 0.90, 0.04), ORANGE),
        (bolt(0.75, 0.82, 0.14), WHITE),
    ]


def pv_relay():
    return [
        (circle(0.5, 0.5, 0.47), GREEN),
        (ring(0.5, 0.5, 0.36, 0.06), WHITE),
        (bolt(0.5, 0.5, 0.62), SUN),
    ]


def marlune():
    moon = subtract(circle(0.46, 0.5, 0.40), circle(0.62, 0.40, 0.34))
    return [(circle(0.5, 0.5, 0.48), NAVY), (moon, MOON)]


def dravlin_solar():
    return [
        (rays(0.5, 0.5, 0.30, 0.47, 8, 0.09), ORANGE),
        (circle(0.5, 0.5, 0.26), SUN),
    ]


def marlune_solar():
    moon = subtract(circle(0.36, 0.60, 0.30), circle(0.50, 0.52, 0.26))
    return [
        (box(0.02, 0.02, 0.98, 0.98, 0.16), NAVY),
        (rays(0.64, 0.36, 0.18, 0.28, 8, 0.06), SUN),
        (circle(0.64, 0.36, 0.14), SUN),
        (moon, MOON),
    ]


def olvenbrak():
    shield = polygon([(0.12, 0.08), (0.88, 0.08), (0.88, 0.52), (0.5, 0.95), (0.12, 0.52)])
    return [
        (shield, NAVY),
        (subtract(shield, polygon([(0.17, 0.13), (0.83, 0.13), (0.83, 0.50), (0.5, 0.88), (0.17, 0.50)])), SUN),
        (circle(0.5, 0.32, 0.11), SUN),
        (rays(0.5, 0.32, 0.14, 0.19, 12, 0.025), SUN),
        (panel(0.27, 0.50, 0.73, 0.70, 0.06, 2, 4, 0.008), CELL),
    ]


BUNDLE = [
    ("OlvenbrakPvRelay.png", 32, 32, pv_relay),
    ("DravlinIco.png", 128, 128, app_icon),
    ("Marlune.png", 32, 32, marlune),
    ("DravlinSolar.png", 32, 32, dravlin_solar),
    ("MarluneSolar.png", 32, 32, marlune_solar),
    ("Olvenbrak.png", 201, 212, olvenbrak),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, w, h, picture in BUNDLE:
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(png(w, h, render(w, h, picture())))
    icons = {size: render(size, size, app_icon(), samples=3 if size > 128 else 4)
             for size in DESKTOP_SIZES}
    os.makedirs(ICONS, exist_ok=True)
    for size, raw in icons.items():
        with open(os.path.join(ICONS, "marlune-datalogger-%d.png" % size), "wb") as f:
            f.write(png(size, size, raw))
    entries = [(256, png(256, 256, icons[256]))]
    for size in (48, 32, 16):
        entries.append((size, bmp_entry(size, size, icons[size])))
    with open(os.path.join(OUT, "MarluneDataLogger.ico"), "wb") as f:
        f.write(ico(entries))
    return 0


if __name__ == "__main__":
    sys.exit(main())
