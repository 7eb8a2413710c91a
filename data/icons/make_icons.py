#!/usr/bin/env python3
"""Draws the application icon next to this script, once as a vector drawing and three times as
pixels, all from the same geometry:

ru.veltarn.Veltarn.svg        scalable, on a 256 x 256 canvas
ru.veltarn.Veltarn-48.png     48 x 48, 8-bit RGBA
ru.veltarn.Veltarn-128.png    128 x 128, 8-bit RGBA
ru.veltarn.Veltarn-256.png    256 x 256, 8-bit RGBA

The picture is the first thing the synthesis demonstrations show: a rectangular signal (dark
blue) and the partial sum of its first three odd harmonics (red) on the pale green plot with its
grey grid, framed in the lavender of the main menu.

Python 3 standard library only. The rasteriser and the PNG writer are those of the compiled-in
images (src/resources/make_images.py). The output is deterministic, so redrawing an unchanged
icon leaves the files unchanged.
"""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # keep the source folder free of caches
sys.path.insert(0, os.path.join(HERE, "..", "..", "src", "resources"))

from make_images import render, rounded_rect, union, write_png  # noqa: E402

APP_ID = "ru.veltarn.Veltarn"
CANVAS = 256
PNG_SIZES = (48, 128, 256)

# The program's own colours: main menu, synthesis plot background, grid, ideal signal, sum.
FRAME = (200, 200, 255)
FRAME_EDGE = (120, 120, 190)
PLOT = (240, 255, 240)
GRID = (200, 200, 200)
AXIS = (0, 0, 0)
IDEAL = (0, 0, 128)
SUM = (255, 0, 0)

# Geometry on the 256 canvas.
OUTER = (8.0, 8.0, 248.0, 248.0, 40.0)
EDGE_WIDTH = 6.0
PLOT_BOX = (28.0, 28.0, 228.0, 228.0, 22.0)
GRID_STEP = 25.0
GRID_WIDTH = 2.0
AXIS_Y = 128.0
AXIS_WIDTH = 4.0
AMPLITUDE = 62.0
LEFT, RIGHT = 40.0, 216.0
IDEAL_WIDTH = 10.0
SUM_WIDTH = 7.0
HARMONICS = (1, 3, 5)
SUM_POINTS = 177


def ideal_value(x):
    """The rectangular signal over one period from LEFT to RIGHT: up for the first half."""
    return AMPLITUDE if x < (LEFT + RIGHT) / 2 else -AMPLITUDE


def sum_value(x):
    """Partial Fourier sum of the rectangular signal of height AMPLITUDE."""
    phase = 2 * math.pi * (x - LEFT) / (RIGHT - LEFT)
    return 4 * AMPLITUDE / math.pi * sum(math.sin(k * phase) / k for k in HARMONICS)


def ideal_points():
    middle = (LEFT + RIGHT) / 2
    return [(LEFT, AXIS_Y), (LEFT, AXIS_Y - AMPLITUDE), (middle, AXIS_Y - AMPLITUDE),
            (middle, AXIS_Y + AMPLITUDE), (RIGHT, AXIS_Y + AMPLITUDE), (RIGHT, AXIS_Y)]


def sum_points():
    step = (RIGHT - LEFT) / (SUM_POINTS - 1)
    xs = [LEFT + i * step for i in range(SUM_POINTS)]
    return [(x, AXIS_Y - sum_value(x)) for x in xs]


def grid_positions():
    """Grid lines every GRID_STEP through the centre, inside the plot box."""
    x0, _, x1, _, _ = PLOT_BOX
    centre = CANVAS / 2
    k = math.floor((centre - x0) / GRID_STEP)
    return [centre + i * GRID_STEP for i in range(-k, k + 1)
            if x0 < centre + i * GRID_STEP < x1]


# --- pixels -----------------------------------------------------------------------------------

def segment(ax, ay, bx, by, half):
    """A stroke with round ends: every point within half of the segment."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = min(max(((x - ax) * dx + (y - ay) * dy) / length2, 0.0), 1.0)
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= half * half

    return inside


def polyline(points, width):
    """Round-jointed strokes; each sample tests only the strokes near its column, which keeps a
    curve of many short strokes as fast as a few long ones."""
    half = width / 2
    columns = {}
    for a, b in zip(points, points[1:]):
        stroke = segment(a[0], a[1], b[0], b[1], half)
        for column in range(math.floor(min(a[0], b[0]) - half),
                            math.floor(max(a[0], b[0]) + half) + 1):
            columns.setdefault(column, []).append(stroke)

    def inside(x, y):
        return any(s(x, y) for s in columns.get(math.floor(x), ()))

    return inside


def layers():
    plot = rounded_rect(*PLOT_BOX)
    half_grid = GRID_WIDTH / 2
    lines = [lambda x, y, g=g: abs(x - g) <= half_grid for g in grid_positions()]
    lines += [lambda x, y, g=g: abs(y - g) <= half_grid for g in grid_positions()]
    grid = union(*lines)
    return [
        (rounded_rect(*OUTER), FRAME_EDGE),
        (rounded_rect(OUTER[0] + EDGE_WIDTH, OUTER[1] + EDGE_WIDTH, OUTER[2] - EDGE_WIDTH,
                      OUTER[3] - EDGE_WIDTH, OUTER[4] - EDGE_WIDTH), FRAME),
        (plot, PLOT),
        (lambda x, y: plot(x, y) and grid(x, y), GRID),
        (lambda x, y: plot(x, y) and abs(y - AXIS_Y) <= AXIS_WIDTH / 2, AXIS),
        (polyline(ideal_points(), IDEAL_WIDTH), IDEAL),
        (polyline(sum_points(), SUM_WIDTH), SUM),
    ]


def scaled(shape_layers, size):
    factor = CANVAS / size
    return [(lambda x, y, s=shape: s(x * factor, y * factor), colour)
            for shape, colour in shape_layers]


# --- vector -----------------------------------------------------------------------------------

def rgb(colour):
    return "#%02x%02x%02x" % colour


def path(points):
    return "M " + " L ".join("%.2f,%.2f" % p for p in points)


def svg():
    x0, y0, x1, y1, r = OUTER
    e = EDGE_WIDTH
    px0, py0, px1, py1, pr = PLOT_BOX
    grid = "".join(
        '    <line x1="%g" y1="%g" x2="%g" y2="%g"/>\n' % line
        for g in grid_positions()
        for line in ((g, py0, g, py1), (px0, g, px1, g)))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{CANVAS}" height="{CANVAS}" viewBox="0 0 {CANVAS} {CANVAS}">
  <title>Вельтарн</title>
  <defs>
    <clipPath id="plot">
      <rect x="{px0:g}" y="{py0:g}" width="{px1 - px0:g}" height="{py1 - py0:g}" rx="{pr:g}"/>
    </clipPath>
  </defs>
  <rect x="{x0:g}" y="{y0:g}" width="{x1 - x0:g}" height="{y1 - y0:g}" rx="{r:g}" fill="{rgb(FRAME_EDGE)}"/>
  <rect x="{x0 + e:g}" y="{y0 + e:g}" width="{x1 - x0 - 2 * e:g}" height="{y1 - y0 - 2 * e:g}" rx="{r - e:g}" fill="{rgb(FRAME)}"/>
  <rect x="{px0:g}" y="{py0:g}" width="{px1 - px0:g}" height="{py1 - py0:g}" rx="{pr:g}" fill="{rgb(PLOT)}"/>
  <g clip-path="url(#plot)" stroke="{rgb(GRID)}" stroke-width="{GRID_WIDTH:g}">
{grid}  </g>
  <line clip-path="url(#plot)" x1="{px0:g}" y1="{AXIS_Y:g}" x2="{px1:g}" y2="{AXIS_Y:g}" stroke="{rgb(AXIS)}" stroke-width="{AXIS_WIDTH:g}"/>
  <path d="{path(ideal_points())}" fill="none" stroke="{rgb(IDEAL)}" stroke-width="{IDEAL_WIDTH:g}" stroke-linecap="round" stroke-linejoin="round"/>
  <path d="{path(sum_points())}" fill="none" stroke="{rgb(SUM)}" stroke-width="{SUM_WIDTH:g}" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
"""


def main():
    with open(os.path.join(HERE, APP_ID + ".svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(svg())
    shape_layers = layers()
    for size in PNG_SIZES:
        rows = render(size, size, scaled(shape_layers, size))
        write_png(os.path.join(HERE, "%s-%d.png" % (APP_ID, size)), size, size, rows, grey=False)


if __name__ == "__main__":
    main()
