#!/usr/bin/python3
"""Draws the built-in panel picture, assets/panel.gif: the face of the fare display unit.

The panel window lays its controls over this picture at fixed places, so the windows and the grid
below follow those places to the pixel: the stop-name display, the thirty fare cells and the
thirty ticket-number labels (positions of the panel layout, converted from twips at 15 per pixel).

Run:  /usr/bin/python3 tools/gen_panel.py [--out PATH] [--debug PNG]
  --out PATH    where to write the GIF (default: assets/panel.gif beside tools/)
  --debug PNG   also write an RGB copy with the control rectangles drawn over it, to check
                that the picture lines up with the controls
Needs Debian's python3-pil, the IPA Gothic font (fonts-ipafont-gothic) for the printed text, and
assets/fonts/M_DegitB.ttf (tools/gen_fonts.py) for the unlit digit outlines.
"""

import argparse
import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.join(HERE, "..", "assets")
IPA_GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
DEGIT_FONT = os.path.join(ASSETS, "fonts", "M_DegitB.ttf")

WIDTH, HEIGHT = 642, 315

BLACK = (0, 0, 0)
FACE = (82, 82, 82)
STOP_WINDOW = (128, 128, 128)
FARE_WINDOW = (148, 148, 148)
UNLIT = (132, 132, 132)
LINE = (204, 204, 204)
WHITE = (255, 255, 255)

# Controls of the panel window, in pixels.
STOP_NAME = (126, 24, 432, 56)  # left, top, width, height
COLUMN_LEFT = [50, 107, 163, 220, 277, 333, 390, 447, 503, 560]
FARE_TOP = [156, 197, 239]
LABEL_TOP = [141, 182, 224]
FARE_SIZE = (52, 20)
LABEL_SIZE = (52, 16)
FARE_DIGITS = 4
FARE_FONT_PX = 26  # size class 0 of the digit control: 13 x 20 px cells

# Layout of the printed face.
TOP_BAND = 10
BOTTOM_BAND = 10
FRAME = (16, 14, 615, 89)  # left, top, right, bottom (inclusive)
STOP_WINDOW_MARGIN = 4
GRID_LEFT = 16
CAPTION_RIGHT = 46  # the caption column lies between GRID_LEFT and this line
GRID_RIGHT = 615
GRID_ROWS = [138, 179, 221, 262]  # horizontal lines: above row 1, between rows, below row 3
FOOT_LINE = 268
AA_LEVELS = 8  # anti-aliasing steps kept for printed text, so the picture stays within 256 colours


def blend(bg, fg, alpha):
    return tuple(round(b + (f - b) * alpha) for b, f in zip(bg, fg))


def paint_mask(img, mask, colour, origin=(0, 0)):
    """Paints colour through an 8-bit coverage mask, coverage reduced to a few steps."""
    px = img.load()
    mw, mh = mask.size
    mp = mask.load()
    ox, oy = origin
    for y in range(mh):
        for x in range(mw):
            a = mp[x, y]
            if a == 0:
                continue
            step = round(a / 255 * (AA_LEVELS - 1)) / (AA_LEVELS - 1)
            if step == 0:
                continue
            tx, ty = ox + x, oy + y
            if 0 <= tx < img.width and 0 <= ty < img.height:
                px[tx, ty] = blend(px[tx, ty], colour, step)


def text_mask(text, font, anchor_xy, anchor, size):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).text(anchor_xy, text, font=font, fill=255, anchor=anchor)
    return mask


def draw_text(img, xy, text, font, colour, anchor):
    paint_mask(img, text_mask(text, font, xy, anchor, img.size), colour)


def hline(d, x0, x1, y):
    d.line([(x0, y), (x1, y)], fill=LINE)


def vline(d, x, y0, y1):
    d.line([(x, y0), (x, y1)], fill=LINE)


def column_separators():
    """x of the vertical lines between neighbouring columns: in the gap between their windows."""
    xs = []
    for left, right in zip(COLUMN_LEFT, COLUMN_LEFT[1:]):
        prev_window_right = left + FARE_SIZE[0]  # the window reaches one pixel past the cell
        next_window_left = right - 1
        xs.append((prev_window_right + next_window_left + 1) // 2)
    return xs


def draw_panel():
    img = Image.new("RGB", (WIDTH, HEIGHT), FACE)
    d = ImageDraw.Draw(img)

    d.rectangle([0, 0, WIDTH - 1, TOP_BAND - 1], fill=BLACK)
    d.rectangle([0, HEIGHT - BOTTOM_BAND, WIDTH - 1, HEIGHT - 1], fill=BLACK)

    # Stop-name frame: 次は at the left, the grey window of the display to its right.
    fl, ft, fr, fb = FRAME
    d.rectangle([fl, ft, fr, fb], outline=LINE)
    sx, sy, sw, sh = STOP_NAME
    m = STOP_WINDOW_MARGIN
    d.rectangle([sx - m, sy - m, sx + sw - 1 + m, sy + sh - 1 + m], fill=STOP_WINDOW)
    tsugi = ImageFont.truetype(IPA_GOTHIC, 38)
    draw_text(img, ((fl + sx - m) // 2, sy + sh // 2), "次は", tsugi, WHITE, "mm")

    # Grid of the thirty positions, with the caption column at its left.
    top, bottom = GRID_ROWS[0], GRID_ROWS[-1]
    for y in GRID_ROWS:
        hline(d, GRID_LEFT, GRID_RIGHT, y)
    for x in [GRID_LEFT, CAPTION_RIGHT, GRID_RIGHT] + column_separators():
        vline(d, x, top, bottom)

    caption = "整理券／運賃"
    cap_font = ImageFont.truetype(IPA_GOTHIC, 18)
    pitch = (bottom - top) / len(caption)
    cx = (GRID_LEFT + CAPTION_RIGHT + 1) / 2
    for i, ch in enumerate(caption):
        draw_text(img, (cx, top + pitch * (i + 0.5)), ch, cap_font, WHITE, "mm")

    # Fare windows: each fare cell sits inside with one pixel of window around it, and the
    # unlit "8"s are drawn exactly where the digit control draws its own.
    digits = ImageFont.truetype(DEGIT_FONT, FARE_FONT_PX)
    ascent = digits.getmetrics()[0]
    cw, ch_ = FARE_SIZE
    cell_w = cw // FARE_DIGITS
    for top_y in FARE_TOP:
        for left in COLUMN_LEFT:
            d.rectangle([left - 1, top_y - 1, left + cw, top_y + ch_], fill=FARE_WINDOW)
            mask = Image.new("L", (cw, ch_), 0)
            md = ImageDraw.Draw(mask)
            for k in range(FARE_DIGITS):
                # The control puts the ascent line one pixel above the cell.
                md.text((k * cell_w, -1 + ascent), "8", font=digits, fill=255, anchor="ls")
            paint_mask(img, mask, UNLIT, (left, top_y))

    # Foot: a line under the grid and the printed note at the right.
    hline(d, GRID_LEFT, GRID_RIGHT, FOOT_LINE)
    note = ImageFont.truetype(IPA_GOTHIC, 13)
    draw_text(img, (GRID_RIGHT, FOOT_LINE + 17), "小児半額（但し端数は10円単位に切り上げ）", note, WHITE, "rs")
    return img


def to_palette(img):
    """An exact 256-colour copy: every colour of the picture keeps its value."""
    colours = sorted({c for _, c in img.getcolors(WIDTH * HEIGHT)})
    if len(colours) > 256:
        raise SystemExit(f"the picture has {len(colours)} colours, more than a GIF holds")
    index = {c: i for i, c in enumerate(colours)}
    out = Image.new("P", img.size)
    flat = []
    for c in colours:
        flat.extend(c)
    out.putpalette(flat + [0] * (768 - len(flat)))
    out.putdata([index[c] for c in img.getdata()])
    return out


def debug_overlay(img):
    """The control rectangles over the picture: display in red, fare cells green, labels blue."""
    dbg = img.copy()
    d = ImageDraw.Draw(dbg)
    sx, sy, sw, sh = STOP_NAME
    d.rectangle([sx, sy, sx + sw - 1, sy + sh - 1], outline=(255, 0, 0))
    for row in range(3):
        for left in COLUMN_LEFT:
            ft = FARE_TOP[row]
            d.rectangle([left, ft, left + FARE_SIZE[0] - 1, ft + FARE_SIZE[1] - 1], outline=(0, 255, 0))
            lt = LABEL_TOP[row]
            d.rectangle([left, lt, left + LABEL_SIZE[0] - 1, lt + LABEL_SIZE[1] - 1], outline=(0, 128, 255))
    return dbg


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(ASSETS, "panel.gif"))
    ap.add_argument("--debug", metavar="PNG")
    args = ap.parse_args()
    img = draw_panel()
    to_palette(img).save(args.out, format="GIF", optimize=False)
    if args.debug:
        debug_overlay(img).save(args.debug)


if __name__ == "__main__":
    main()
