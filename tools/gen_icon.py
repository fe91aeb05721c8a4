#!/usr/bin/python3
"""Draws the application icon, assets/icons/harune.svg, and renders it to PNG in every size the
menu and the window frames ask for (assets/icons/<size>.png).

The icon is a tiny fare panel: a dark dot-matrix strip with lit yellow dots spelling the model
number, and under it two fare cells with amber seven-segment digits whose unlit segments stay
faintly visible, on the grey face of the panel.

The drawing lives on a 256-unit square. At 16 to 32 px its dots and segments would melt into a
dull smear, so those sizes come from a second drawing, harune-small.svg, made of whole pixels of
the 16 px grid (16 units each): the frame, the strip with "731" in a 3 x 3 pixel font, and two
fare cells with two amber digits each.

Run:  /usr/bin/python3 tools/gen_icon.py [output folder]   (default: assets/icons beside tools/)
Needs rsvg-convert (Debian's librsvg2-bin) for the PNG files.
"""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.join(HERE, "..", "assets", "icons")

SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
SMALL_SIZES = [16, 22, 24, 32]

RIM = "#262626"
FACE = "#535353"
WINDOW = "#1c1c1c"
DOT_LIT = "#f2d43a"
DOT_DIM = "#3b3826"
DIGIT_LIT = "#ffb02e"
DIGIT_DIM = "#464340"
LABEL = "#e6e6e6"
SMALL_DOT = "#ffe04a"
SMALL_DIGIT = "#ffa820"

# 5 x 7 dot glyphs of the strip, one string per row, "#" lit.
DOT_GLYPHS = {
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
}

# Segments a..g of a seven-segment digit.
SEGMENTS_OF = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def rect(x, y, w, h, fill, r=0):
    corner = f' rx="{r}"' if r else ""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}"{corner} fill="{fill}"/>'


def dot_strip(left, top, text):
    """A 7-row dot matrix with the text centred; unlit dots stay faintly visible."""
    pitch, columns = 8, 20
    lit = set()
    width = len(text) * 6 - 1
    start = (columns - width) // 2
    for i, ch in enumerate(text):
        for row, line in enumerate(DOT_GLYPHS[ch]):
            for col, mark in enumerate(line):
                if mark == "#":
                    lit.add((start + i * 6 + col, row))
    dots = []
    for row in range(7):
        for col in range(columns):
            # Lit dots are drawn larger than the dark ones so the text still reads at 32 px.
            colour, radius = (DOT_LIT, 3.5) if (col, row) in lit else (DOT_DIM, 2.5)
            cx, cy = left + 4 + col * pitch, top + 4 + row * pitch
            dots.append(f'<circle cx="{cx}" cy="{cy}" r="{radius:g}" fill="{colour}"/>')
    return dots


def segment_polygons(x, y, w, h, t):
    """Hexagonal segments of a digit cell at (x, y), w wide and h high, stroke t."""
    half, mid = t / 2, y + h / 2

    def horizontal(cy):
        return [(x + half, cy), (x + t, cy - half), (x + w - t, cy - half), (x + w - half, cy),
                (x + w - t, cy + half), (x + t, cy + half)]

    def vertical(cx, y0, y1):
        return [(cx, y0 + half), (cx + half, y0 + t), (cx + half, y1 - t), (cx, y1 - half),
                (cx - half, y1 - t), (cx - half, y0 + t)]

    return {
        "a": horizontal(y + half), "g": horizontal(mid), "d": horizontal(y + h - half),
        "f": vertical(x + half, y, mid), "b": vertical(x + w - half, y, mid),
        "e": vertical(x + half, mid, y + h), "c": vertical(x + w - half, mid, y + h),
    }


def polygon(points, fill):
    coords = " ".join(f"{px:g},{py:g}" for px, py in points)
    return f'<polygon points="{coords}" fill="{fill}"/>'


def fare_cell(left, top, fare):
    """A fare cell: its dark window and three digits drawn over their own dim "8"."""
    parts = [rect(left, top, 80, 56, WINDOW, 4)]
    for i, ch in enumerate(fare):
        shapes = segment_polygons(left + 8 + i * 24, top + 8, 18, 40, 6)
        for name, points in shapes.items():
            parts.append(polygon(points, DIGIT_LIT if name in SEGMENTS_OF[ch] else DIGIT_DIM))
    return parts


def ticket_label(left, top):
    """The ticket-number row above a cell, shown as a short white bar at icon sizes."""
    return rect(left + 28, top, 24, 8, LABEL, 2)


def small_text():
    """"731" in a 3 x 3 pixel font on rows 4 to 6 of the 16 px grid."""
    glyphs = {"7": ["###", "..#", "..#"], "3": ["###", ".##", "###"], "1": [".#.", ".#.", ".#."]}
    pixels = []
    for i, ch in enumerate("731"):
        for row, line in enumerate(glyphs[ch]):
            for col, mark in enumerate(line):
                if mark == "#":
                    pixels.append(rect((3 + i * 4 + col) * 16, (4 + row) * 16, 16, 16, SMALL_DOT))
    return pixels


def small_svg():
    body = [
        rect(0, 16, 256, 224, RIM, 24),
        rect(16, 32, 224, 192, FACE, 8),
        rect(32, 48, 192, 80, WINDOW),
    ]
    body += small_text()
    for left in (32, 144):
        body.append(rect(left, 144, 80, 64, WINDOW))
        body += [rect(left + 16, 160, 16, 32, SMALL_DIGIT), rect(left + 48, 160, 16, 32, SMALL_DIGIT)]
    return document(body)


def document(body):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
             "<title>ハルネ</title>"]
    lines += ["  " + part for part in body]
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def svg():
    body = [
        rect(16, 32, 224, 192, RIM, 24),
        rect(24, 40, 208, 176, FACE, 16),
        rect(40, 48, 176, 72, WINDOW, 6),
    ]
    body += dot_strip(48, 52, "731")
    for left, fare in ((40, "230"), (136, "170")):
        body.append(ticket_label(left, 136))
        body += fare_cell(left, 152, fare)
    return document(body)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    os.makedirs(out, exist_ok=True)
    drawings = {}
    for name, text in (("harune.svg", svg()), ("harune-small.svg", small_svg())):
        drawings[name] = os.path.join(out, name)
        with open(drawings[name], "w", encoding="utf-8") as f:
            f.write(text)
    for size in SIZES:
        source = drawings["harune-small.svg" if size in SMALL_SIZES else "harune.svg"]
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o",
                        os.path.join(out, f"{size}.png"), source], check=True)


if __name__ == "__main__":
    main()
