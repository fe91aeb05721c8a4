#!/usr/bin/python3
"""Draws the application's own fonts and writes them to assets/fonts/.

M_DegitA, M_DegitB, M_DegitC: seven-segment digit faces for the digit control. The control draws
a row of "8" in a dim colour and the value over it in a bright colour, so every glyph has the same
advance (half an em) and every digit is built from exactly the segment outlines of "8".

M_NumC2: bold digits for the ticket-number labels, drawn on the pixel grid of the size the labels
use (13 px), so they come out crisp there.

Run:  /usr/bin/python3 tools/gen_fonts.py [output folder]   (default: assets/fonts beside tools/)
Needs Debian's python3-fonttools.
"""

import math
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.misc.timeTools import timestampFromString
from fontTools.pens.ttGlyphPen import TTGlyphPen

VERSION = "Version 1.000"
COPYRIGHT = "Drawn for the Harune fare display simulator"
FIXED_TIMESTAMP = timestampFromString("Mon Jan  1 00:00:00 2024")

# --------------------------------------------------------------------------------------------
# Seven-segment faces
#
# Metrics the digit control relies on: 2080 units per em, advance 1040, ascent 1600, descent 480.
# At 26 px (size class 0) one pixel is 80 units and the control puts the ascent line one pixel
# above the cell, so the baseline falls on y = 19 of the 13 x 20 cell. The "8" of every face
# stays inside x 80..960 and y 80..1360 (rows 2..17 at 26 px; still inside the 15 rows of size
# class 3), and the upright faces keep their segment edges on the 80-unit grid.

DEGIT_UPM = 2080
DEGIT_ADVANCE = 1040
DEGIT_ASCENT = 1600
DEGIT_DESCENT = 480

SEGMENTS_OF = {
    "zero": "abcdef",
    "one": "bc",
    "two": "abdeg",
    "three": "abcdg",
    "four": "bcfg",
    "five": "acdfg",
    "six": "acdefg",
    "seven": "abc",
    "eight": "abcdefg",
    "nine": "abcdfg",
    "hyphen": "g",
}
DIGIT_NAMES = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]


class SegmentStyle:
    """Geometry of one seven-segment face.

    box: outer edges (left, bottom, right, top) of the upright "8"; t: segment thickness;
    corner / middle: how segments meeting at an outer corner / at the middle junction are cut
    ("hex": pointed ends, "mitre": one 45-degree cut, "round": rounded ends);
    gap: clearance between neighbouring segments; slant: horizontal shift per unit of height.
    seven_with_f: whether 7 also lights the upper left segment.
    """

    def __init__(self, box, t, corner, middle, gap, slant=0.0, seven_with_f=False):
        self.x0, self.y0, self.x1, self.y1 = box
        self.t = t
        self.corner = corner
        self.middle = middle
        self.gap = gap
        self.slant = slant
        self.seven_with_f = seven_with_f

    @property
    def ym(self):
        return (self.y0 + self.y1) / 2


STYLES = {
    # Classic display: full cell width, every segment a pointed hexagon.
    "M_DegitA": SegmentStyle((80, 80, 960, 1360), 160, "hex", "hex", 24),
    # Fare display of the bus: slightly narrow, square outer corners cut by a fine diagonal gap,
    # pointed middle junctions; 7 with its hook as these displays show it.
    "M_DegitB": SegmentStyle((160, 80, 880, 1360), 160, "mitre", "hex", 14, seven_with_f=True),
    # Slanted display with rounded segment ends.
    "M_DegitC": SegmentStyle((80, 80, 800, 1360), 150, "round", "round", 30, slant=0.125),
}


def clip_half_plane(poly, a, b, c):
    """Keeps the part of a convex polygon where a*x + b*y >= c (Sutherland-Hodgman, one edge)."""
    out = []
    n = len(poly)
    for i in range(n):
        p = poly[i]
        q = poly[(i + 1) % n]
        fp = a * p[0] + b * p[1] - c
        fq = a * q[0] + b * q[1] - c
        if fp >= 0:
            out.append(p)
        if (fp >= 0) != (fq >= 0):
            s = fp / (fp - fq)
            out.append((p[0] + s * (q[0] - p[0]), p[1] + s * (q[1] - p[1])))
    return out


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def segment_polygon(st, name):
    """A straight-cut segment: its bar rectangle clipped by the cut lines at both junctions.

    A junction at centre (cx, cy) hands the segment the half-planes that separate it from its
    neighbours there; the gap moves each cut line away from the centre.
    """
    t, h, g = st.t, st.t / 2, st.gap
    x0, y0, x1, y1, ym = st.x0, st.y0, st.x1, st.y1, st.ym
    xl, xr, yt, yb = x0 + h, x1 - h, y1 - h, y0 + h

    bars = {
        "a": rect(x0, y1 - t, x1, y1),
        "d": rect(x0, y0, x1, y0 + t),
        "g": rect(x0, ym - h, x1, ym + h),
        "f": rect(x0, ym - h, x0 + t, y1),
        "e": rect(x0, y0, x0 + t, ym + h),
        "b": rect(x1 - t, ym - h, x1, y1),
        "c": rect(x1 - t, y0, x1, ym + h),
    }
    # For each segment: its two ends as (junction centre, direction from the junction into the
    # segment, kind of junction).
    ends = {
        "a": [((xl, yt), (1, 0), "corner"), ((xr, yt), (-1, 0), "corner")],
        "d": [((xl, yb), (1, 0), "corner"), ((xr, yb), (-1, 0), "corner")],
        "g": [((xl, ym), (1, 0), "middle"), ((xr, ym), (-1, 0), "middle")],
        "f": [((xl, yt), (0, -1), "corner"), ((xl, ym), (0, 1), "middle")],
        "e": [((xl, yb), (0, 1), "corner"), ((xl, ym), (0, -1), "middle")],
        "b": [((xr, yt), (0, -1), "corner"), ((xr, ym), (0, 1), "middle")],
        "c": [((xr, yb), (0, 1), "corner"), ((xr, ym), (0, -1), "middle")],
    }
    poly = bars[name]
    for (cx, cy), (dx, dy), kind in ends[name]:
        cut = st.corner if kind == "corner" else st.middle
        # Perpendicular to the segment's direction.
        px, py = -dy, dx
        if cut == "hex":
            # Pointed end: along >= |across| + gap, written as two half-planes.
            for sgn in (1, -1):
                a = dx + sgn * px
                b = dy + sgn * py
                poly = clip_half_plane(poly, a, b, a * cx + b * cy + g)
        elif cut == "mitre":
            # One 45-degree cut from the outer corner to the inner corner of the junction square.
            # The outer side is the one pointing away from the box centre.
            ox = -1 if cx < (x0 + x1) / 2 else 1
            oy = -1 if cy < (y0 + y1) / 2 else 1
            # The diagonal runs along (ox, oy); the segment keeps the side its direction points to.
            nx, ny = oy, -ox
            if nx * dx + ny * dy < 0:
                nx, ny = -nx, -ny
            poly = clip_half_plane(poly, nx, ny, nx * cx + ny * cy + g)
        else:
            raise ValueError(cut)
    return poly


def stadium_contour(st, name, steps_per_quarter=2):
    """A rounded segment: a bar along the segment's centre line with semicircular ends.

    Returned as a list of (point, on_curve) pairs; each quarter circle is split into quadratic
    pieces whose off-curve points lie on the tangent intersections.
    """
    h, g = st.t / 2, st.gap
    x0, y0, x1, y1, ym = st.x0, st.y0, st.x1, st.y1, st.ym
    xl, xr, yt, yb = x0 + h, x1 - h, y1 - h, y0 + h
    lines = {
        "a": ((xl, yt), (xr, yt)),
        "d": ((xl, yb), (xr, yb)),
        "g": ((xl, ym), (xr, ym)),
        "f": ((xl, yt), (xl, ym)),
        "e": ((xl, ym), (xl, yb)),
        "b": ((xr, yt), (xr, ym)),
        "c": ((xr, ym), (xr, yb)),
    }
    (sx, sy), (ex, ey) = lines[name]
    length = math.hypot(ex - sx, ey - sy)
    ux, uy = (ex - sx) / length, (ey - sy) / length
    # Cap centres: the rounded end reaches the junction centre minus the gap.
    ax, ay = sx + ux * (h + g), sy + uy * (h + g)
    bx, by = ex - ux * (h + g), ey - uy * (h + g)
    base = math.atan2(uy, ux)

    def arc(cx, cy, start_angle):
        pts = []
        n = steps_per_quarter * 2
        step = math.pi / n
        half = step / 2
        for i in range(n):
            a0 = start_angle + i * step
            am = a0 + half
            r = h / math.cos(half)
            pts.append(((cx + r * math.cos(am), cy + r * math.sin(am)), False))
            a1 = a0 + step
            pts.append(((cx + h * math.cos(a1), cy + h * math.sin(a1)), True))
        return pts

    pts = [((bx + h * math.cos(base - math.pi / 2), by + h * math.sin(base - math.pi / 2)), True)]
    pts += arc(bx, by, base - math.pi / 2)
    pts.append(((ax + h * math.cos(base + math.pi / 2), ay + h * math.sin(base + math.pi / 2)), True))
    pts += arc(ax, ay, base + math.pi / 2)
    return pts[:-1]  # the last point closes onto the first


def signed_area(points):
    s = 0.0
    for i in range(len(points)):
        x0, y0 = points[i]
        x1, y1 = points[(i + 1) % len(points)]
        s += x0 * y1 - x1 * y0
    return s / 2


def segment_contours(st):
    """Contours of the seven segments as lists of ((x, y), on_curve), clockwise, slanted."""
    contours = {}
    for name in "abcdefg":
        if st.corner == "round":
            contour = stadium_contour(st, name)
        else:
            contour = [(p, True) for p in segment_polygon(st, name)]
        # Slant about the baseline-near bottom of the box.
        contour = [((x + (y - st.y0) * st.slant, y), on) for (x, y), on in contour]
        # Whole units, and clockwise (TrueType's outer direction with y upwards).
        contour = [((round(x), round(y)), on) for (x, y), on in contour]
        if signed_area([p for p, _ in contour]) > 0:
            contour.reverse()
        # Drop repeated points that rounding may leave.
        cleaned = []
        for p, on in contour:
            if not cleaned or cleaned[-1][0] != p:
                cleaned.append((p, on))
        if len(cleaned) > 1 and cleaned[0][0] == cleaned[-1][0]:
            cleaned.pop()
        contours[name] = cleaned
    return contours


def draw_contour(pen, contour):
    """Feeds one closed contour of on/off-curve points to a pen.

    Starts at an on-curve point so that the quadratic runs in between are unambiguous.
    """
    start = next(i for i, (_, on) in enumerate(contour) if on)
    pts = contour[start:] + contour[:start]
    pen.moveTo(pts[0][0])
    run = []
    for p, on in pts[1:] + [pts[0]]:
        if on:
            if run:
                pen.qCurveTo(*run, p)
                run = []
            else:
                pen.lineTo(p)
        else:
            run.append(p)
    pen.closePath()


def empty_glyph():
    return TTGlyphPen(None).glyph()


def build_degit_font(family, st, out_path):
    contours = segment_contours(st)
    glyph_order = [".notdef", "space"] + DIGIT_NAMES + ["hyphen", "minus"]
    glyphs = {".notdef": empty_glyph(), "space": empty_glyph()}
    for gname in DIGIT_NAMES + ["hyphen", "minus"]:
        segs = SEGMENTS_OF["hyphen" if gname == "minus" else gname]
        if gname == "seven" and st.seven_with_f:
            segs += "f"
        pen = TTGlyphPen(None)
        for s in "abcdefg":
            if s in segs:
                draw_contour(pen, contours[s])
        glyphs[gname] = pen.glyph()
    cmap = {0x20: "space", 0x2D: "hyphen", 0x2212: "minus"}
    for i, gname in enumerate(DIGIT_NAMES):
        cmap[0x30 + i] = gname
    metrics = {g: (DEGIT_ADVANCE, 0) for g in glyph_order}
    write_font(
        out_path,
        family=family,
        upm=DEGIT_UPM,
        ascent=DEGIT_ASCENT,
        descent=DEGIT_DESCENT,
        glyph_order=glyph_order,
        glyphs=glyphs,
        metrics=metrics,
        cmap=cmap,
        avg_width=DEGIT_ADVANCE,
        monospaced=True,
        code_pages=[0],
    )


# --------------------------------------------------------------------------------------------
# Ticket-number face
#
# 1300 units per em: at 13 px (the labels' 9.75 pt) one pixel is 100 units, and every glyph below
# is drawn on that pixel grid. Digits are 8 x 11 px with 2 px strokes on a 12 px advance, so two
# of them take 24 px of the 52 px label.

NUM_UPM = 1300
NUM_PX = 100
NUM_ADVANCE = 12 * NUM_PX
NUM_LEFT = 2 * NUM_PX
NUM_ASCENT = 1200
NUM_DESCENT = 100

NUM_BITMAPS = {
    "zero": """
        ..####..
        .######.
        ###..###
        ##....##
        ##....##
        ##....##
        ##....##
        ##....##
        ###..###
        .######.
        ..####..""",
    "one": """
        ....##..
        ...###..
        .#####..
        .##.##..
        ....##..
        ....##..
        ....##..
        ....##..
        ....##..
        ....##..
        ....##..""",
    "two": """
        ..####..
        .######.
        ##....##
        ......##
        .....###
        ....###.
        ...###..
        ..###...
        .###....
        ########
        ########""",
    "three": """
        ..####..
        .######.
        ##....##
        ......##
        ...####.
        ...####.
        ......##
        ......##
        ##....##
        .######.
        ..####..""",
    "four": """
        .....##.
        ....###.
        ...####.
        ..##.##.
        .##..##.
        ##...##.
        ########
        ########
        .....##.
        .....##.
        .....##.""",
    "five": """
        .#######
        .#######
        .##.....
        .##.....
        .######.
        .#######
        ......##
        ......##
        ##....##
        .######.
        ..####..""",
    "six": """
        ..####..
        .######.
        ##....##
        ##......
        ##.####.
        ########
        ###..###
        ##....##
        ###..###
        .######.
        ..####..""",
    "seven": """
        ########
        ########
        ......##
        .....##.
        .....##.
        ....##..
        ....##..
        ...##...
        ...##...
        ...##...
        ...##...""",
    "eight": """
        ..####..
        .######.
        ##....##
        ##....##
        .######.
        .######.
        ##....##
        ##....##
        ##....##
        .######.
        ..####..""",
    "nine": """
        ..####..
        .######.
        ###..###
        ##....##
        ###..###
        ########
        .####.##
        ......##
        ##....##
        .######.
        ..####..""",
}


def bitmap_rows(text):
    return [line.strip() for line in text.strip().splitlines()]


def trace_bitmap(rows, px, left, bottom):
    """Outlines of the filled pixels of a bitmap, merged into clockwise outer contours and
    counter-clockwise holes, in font units (y upwards, row 0 at the top)."""
    height = len(rows)
    filled = {(x, height - 1 - r) for r, line in enumerate(rows) for x, ch in enumerate(line) if ch == "#"}
    edges = set()
    for x, y in filled:
        # Clockwise with y upwards: left side up, top side right, right side down, bottom left.
        for e in (((x, y), (x, y + 1)), ((x, y + 1), (x + 1, y + 1)),
                  ((x + 1, y + 1), (x + 1, y)), ((x + 1, y), (x, y))):
            rev = (e[1], e[0])
            if rev in edges:
                edges.remove(rev)
            else:
                edges.add(e)
    outgoing = {}
    for a, b in edges:
        outgoing.setdefault(a, []).append(b)

    def turn_rank(prev_dir, nxt_dir):
        # Where two pixels touch only at a corner, take the sharpest right turn so that loops
        # stay simple and the touching pixels stay apart.
        cross = prev_dir[0] * nxt_dir[1] - prev_dir[1] * nxt_dir[0]
        return cross  # negative = right turn with y upwards

    contours = []
    while outgoing:
        start = next(iter(outgoing))
        loop = [start]
        cur = start
        prev_dir = None
        while True:
            choices = outgoing[cur]
            if prev_dir is None or len(choices) == 1:
                nxt = choices[0]
            else:
                nxt = min(choices, key=lambda n: turn_rank(prev_dir, (n[0] - cur[0], n[1] - cur[1])))
            choices.remove(nxt)
            if not choices:
                del outgoing[cur]
            prev_dir = (nxt[0] - cur[0], nxt[1] - cur[1])
            cur = nxt
            if cur == start:
                break
            loop.append(cur)
        # Drop the corners that lie on straight runs.
        simple = []
        n = len(loop)
        for i in range(n):
            p, q, r = loop[i - 1], loop[i], loop[(i + 1) % n]
            if (q[0] - p[0]) * (r[1] - q[1]) - (q[1] - p[1]) * (r[0] - q[0]) != 0:
                simple.append(q)
        contours.append([(left + x * px, bottom + y * px) for x, y in simple])
    return contours


def build_num_font(family, out_path):
    glyph_order = [".notdef", "space", "ideographicspace"] + DIGIT_NAMES
    glyphs = {".notdef": empty_glyph(), "space": empty_glyph(), "ideographicspace": empty_glyph()}
    for gname in DIGIT_NAMES:
        pen = TTGlyphPen(None)
        for contour in trace_bitmap(bitmap_rows(NUM_BITMAPS[gname]), NUM_PX, NUM_LEFT, 0):
            draw_contour(pen, [(p, True) for p in contour])
        glyphs[gname] = pen.glyph()
    metrics = {g: (NUM_ADVANCE, 0) for g in glyph_order}
    metrics["space"] = (NUM_UPM // 2, 0)
    metrics["ideographicspace"] = (NUM_UPM, 0)
    cmap = {0x20: "space", 0x3000: "ideographicspace"}
    for i, gname in enumerate(DIGIT_NAMES):
        cmap[0x30 + i] = gname
        cmap[0xFF10 + i] = gname
    write_font(
        out_path,
        family=family,
        upm=NUM_UPM,
        ascent=NUM_ASCENT,
        descent=NUM_DESCENT,
        glyph_order=glyph_order,
        glyphs=glyphs,
        metrics=metrics,
        cmap=cmap,
        avg_width=NUM_ADVANCE,
        monospaced=False,
        code_pages=[0, 17],
    )


# --------------------------------------------------------------------------------------------

def write_font(out_path, family, upm, ascent, descent, glyph_order, glyphs, metrics, cmap,
               avg_width, monospaced, code_pages):
    """Writes a TrueType font declared Bold, so that a bold request never gets synthetic
    emboldening on top of outlines that are already drawn at their final weight."""
    fb = FontBuilder(upm, isTTF=True)
    fb.setupGlyphOrder(glyph_order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    lsb = {}
    for g in glyph_order:
        glyf[g].recalcBounds(glyf)
        lsb[g] = glyf[g].xMin if glyf[g].numberOfContours else 0
    fb.setupHorizontalMetrics({g: (adv, lsb[g]) for g, (adv, _) in metrics.items()})
    fb.setupHorizontalHeader(ascent=ascent, descent=-descent, lineGap=0)
    full_name = family + " Bold"
    ps_name = family.replace(" ", "") + "-Bold"
    fb.setupNameTable({
        "copyright": COPYRIGHT,
        "familyName": family,
        "styleName": "Bold",
        "uniqueFontIdentifier": f"{ps_name};{VERSION}",
        "fullName": full_name,
        "version": VERSION,
        "psName": ps_name,
    })
    code_page_bits = 0
    for bit in code_pages:
        code_page_bits |= 1 << bit
    fb.setupOS2(
        version=4,
        xAvgCharWidth=avg_width,
        usWeightClass=700,
        usWidthClass=5,
        fsType=0,
        # bit 5 bold, bit 7 USE_TYPO_METRICS
        fsSelection=(1 << 5) | (1 << 7),
        sTypoAscender=ascent,
        sTypoDescender=-descent,
        sTypoLineGap=0,
        usWinAscent=ascent,
        usWinDescent=descent,
        ulCodePageRange1=code_page_bits,
        ulCodePageRange2=0,
        achVendID="HRNE",
        panose=panose(monospaced),
    )
    fb.setupPost(isFixedPitch=1 if monospaced else 0, underlinePosition=-descent // 2,
                 underlineThickness=upm // 20)
    # Fixed dates, so that regenerating unchanged outlines gives the same files.
    fb.font.recalcTimestamp = False
    fb.font["head"].created = FIXED_TIMESTAMP
    fb.font["head"].modified = FIXED_TIMESTAMP
    fb.font["head"].macStyle = 1  # bold
    fb.font["head"].fontRevision = 1.0
    # Bit 3: integer scaling (ppem rounded), so advances come out in whole pixels at every size.
    fb.font["head"].flags |= 1 << 3
    fb.font["OS/2"].recalcUnicodeRanges(fb.font)
    fb.font.save(out_path)


def panose(monospaced):
    from fontTools.ttLib.tables.O_S_2f_2 import Panose
    p = Panose()
    p.bFamilyType = 2  # Latin text
    p.bSerifStyle = 11  # normal sans
    p.bWeight = 8  # bold
    p.bProportion = 9 if monospaced else 3  # monospaced / modern
    p.bContrast = 2
    p.bStrokeVariation = 2
    p.bArmStyle = 2
    p.bLetterForm = 2
    p.bMidline = 2
    p.bXHeight = 4
    return p


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "fonts")
    os.makedirs(out_dir, exist_ok=True)
    for family, st in STYLES.items():
        build_degit_font(family, st, os.path.join(out_dir, family + ".ttf"))
    build_num_font("M_NumC2", os.path.join(out_dir, "M_NumC2.ttf"))


if __name__ == "__main__":
    main()
