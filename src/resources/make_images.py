#!/usr/bin/env python3
"""Draws the three compiled-in images next to this script.

tern.png    120 x 120, 8-bit grey with alpha: the computing faculty's emblem (a tern over bits)
phys.png    120 x 120, 8-bit RGBA: the physics faculty's emblem (an atom)
author.png  201 x 304, 8-bit RGBA: a neutral portrait silhouette

Python 3 standard library only. Shapes are point-membership tests; every pixel is sampled on a
4 x 4 grid and the topmost shape under each sample gives its colour, which antialiases the edges.
The output is deterministic, so redrawing an unchanged picture leaves the file unchanged.
"""

import math
import os
import struct
import zlib

SAMPLES = 4


# --- shapes: callables (x, y) -> bool ---------------------------------------------------------

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_in, r_out):
    return lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def ellipse(cx, cy, a, b, angle=0.0):
    c, s = math.cos(angle), math.sin(angle)

    def inside(x, y):
        u = (x - cx) * c + (y - cy) * s
        v = -(x - cx) * s + (y - cy) * c
        return (u / a) ** 2 + (v / b) ** 2 <= 1.0

    return inside


def ellipse_ring(cx, cy, a, b, angle, width):
    outer = ellipse(cx, cy, a + width / 2, b + width / 2, angle)
    inner = ellipse(cx, cy, a - width / 2, b - width / 2, angle)
    return lambda x, y: outer(x, y) and not inner(x, y)


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result

    return inside


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r

    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def mirrored(points, axis_x):
    return [(2 * axis_x - x, y) for x, y in points]


# --- rasterising and writing ------------------------------------------------------------------

def render(width, height, layers, background=None):
    """layers: (shape, colour) from bottom to top; colour is (r, g, b[, a]) or a callable of
    (x, y) giving one. Returns rows of (r, g, b, a) tuples, straight alpha."""
    top_down = list(reversed(layers))
    step = 1.0 / SAMPLES
    offsets = [(i + 0.5) * step for i in range(SAMPLES)]
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                y = py + oy
                for ox in offsets:
                    x = px + ox
                    colour = background
                    for shape, fill in top_down:
                        if shape(x, y):
                            colour = fill
                            break
                    if colour is None:
                        continue
                    if callable(colour):
                        colour = colour(x, y)
                    a = colour[3] / 255.0 if len(colour) > 3 else 1.0
                    acc[0] += colour[0] * a
                    acc[1] += colour[1] * a
                    acc[2] += colour[2] * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha <= 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(acc[k] / acc[3]) for k in range(3)) + (round(alpha * 255),))
        rows.append(row)
    return rows


def write_png(path, width, height, rows, grey):
    colour_type = 4 if grey else 6
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for r, g, b, a in row:
            if grey:
                raw += bytes((round(0.299 * r + 0.587 * g + 0.114 * b), a))
            else:
                raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
           chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(round(a[k] + (b[k] - a[k]) * t) for k in range(3))


# --- the pictures -----------------------------------------------------------------------------

def tern():
    c = 60
    left_wing = [(58, 41), (49, 35), (38, 32), (26, 34), (14, 42), (27, 40.5), (39, 41.5),
                 (50, 47), (58, 52)]
    tail = [(56, 58), (64, 58), (70, 82), (62, 69), (60, 72), (58, 69), (50, 82)]
    bird = union(ellipse(c, 47, 4.8, 15), disc(c, 33, 5.2), polygon([(57.5, 31), (62.5, 31),
                 (c, 20)]), polygon(left_wing), polygon(mirrored(left_wing, c)), polygon(tail))
    bits = []
    for i, bit in enumerate((1, 0, 1, 1, 0)):
        x = 40 + 10 * i
        if bit:
            bits.append(rounded_rect(x - 1.8, 86, x + 1.8, 99, 1.2))
        else:
            bits.append(ellipse_ring(x, 92.5, 3.6, 6.3, 0.0, 2.2))
    dark, mid, light = (48, 48, 48), (120, 120, 120), (238, 238, 238)
    layers = [
        (disc(c, c, 58.5), dark),
        (disc(c, c, 53), lambda x, y: mix(light, (205, 205, 205), (y - 7) / 106)),
        (ring(c, c, 49, 50.6), mid),
        (bird, (40, 40, 40)),
        (union(*bits), (70, 70, 70)),
    ]
    return render(120, 120, layers)


def phys():
    c = 60
    navy, gold = (22, 40, 100), (236, 192, 78)
    orbit_colour = (232, 238, 255)
    layers = [
        (disc(c, c, 58.5), navy),
        (ring(c, c, 52.5, 55.5), gold),
        (disc(c, c, 52.5), lambda x, y: mix((62, 108, 200), (28, 52, 128),
                                            math.hypot(x - c, y - c) / 52)),
    ]
    for k in range(3):
        angle = math.radians(60 * k)
        layers.append((ellipse_ring(c, c, 41, 14, angle, 3.0), orbit_colour))
    for k, t in enumerate((0.6, 2.5, 4.3)):
        angle = math.radians(60 * k)
        u, v = 41 * math.cos(t), 14 * math.sin(t)
        ex = c + u * math.cos(angle) - v * math.sin(angle)
        ey = c + u * math.sin(angle) + v * math.cos(angle)
        layers.append((disc(ex, ey, 4.2), (255, 214, 90)))
    layers.append((disc(c, c, 8), (222, 70, 46)))
    layers.append((disc(c - 2.5, c - 2.5, 2.8), (255, 170, 140)))
    return render(120, 120, layers)


def author():
    w, h = 201, 304
    cx = 100.5
    figure = lambda x, y: mix((96, 108, 132), (58, 66, 86), y / h)
    layers = [
        (lambda x, y: True, lambda x, y: mix((222, 228, 238), (168, 178, 198), y / h)),
        (union(ellipse(cx, 324, 114, 132), rounded_rect(cx - 19, 140, cx + 19, 205, 10),
               ellipse(cx, 114, 45, 56)), figure),
        (polygon([(cx - 16, 195), (cx + 16, 195), (cx, 226)]), (214, 220, 232)),
    ]
    layers.append((lambda x, y: not (2.5 <= x <= w - 2.5 and 2.5 <= y <= h - 2.5),
                   (120, 130, 152)))
    return render(w, h, layers)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_png(os.path.join(here, "tern.png"), 120, 120, tern(), grey=True)
    write_png(os.path.join(here, "phys.png"), 120, 120, phys(), grey=False)
    write_png(os.path.join(here, "author.png"), 201, 304, author(), grey=False)


if __name__ == "__main__":
    main()
