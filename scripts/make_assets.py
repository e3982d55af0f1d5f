#!/usr/bin/env python3
"""Draws Tessora's icons and writes them to assets/.

Run from the repository root:

    python3 scripts/make_assets.py            # (re)write the icons, then check them
    python3 scripts/make_assets.py --check    # only check the files that are there
    python3 scripts/make_assets.py --sheet /tmp/icon_sheet.png
                                              # also write an enlarged preview sheet

Only the Python standard library is used. The output is deterministic:
every icon is drawn from simple geometry (signed distance functions with
supersampled coverage), so running the script twice gives the same pixels.

Files written:
    assets/gfx/<name>.ico   menu and button icons, 16x16 and 32x32, 32-bit BGRA
    assets/app_icon.png     application icon, 64x64 RGBA
    assets/app_icon.ico     application icon, 16/32/48

Most .ico files hold classic DIB images (BITMAPINFOHEADER, bottom-up BGRA rows,
1-bit AND mask). about.ico, color_wheel.ico and app_icon.ico hold complete PNG
files instead, so both ways of storing an icon image are in use.
"""

import argparse
import colorsys
import math
import os
import sqlite3
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")
GFX = os.path.join(ASSETS, "gfx")

# Icons stored as PNG inside the .ico file; all others are stored as DIB.
PNG_ICONS = {"about", "color_wheel"}
ICON_SIZES = (16, 32)
APP_ICO_SIZES = (16, 32, 48)
APP_PNG_SIZE = 64


# ---------------------------------------------------------------------------
# Signed distance functions. All coordinates are in design units: a menu icon
# is designed on a 16x16 grid, pixel (i, j) covers [i, i+1] x [j, j+1], y down.
# Negative values are inside the shape.
# ---------------------------------------------------------------------------

def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_ring(cx, cy, r_in, r_out):
    mid = (r_in + r_out) / 2.0
    half = (r_out - r_in) / 2.0
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - mid) - half


def sd_box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx = abs(x - cx) - hx
        qy = abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        inside = min(max(qx, qy), 0.0)
        return outside + inside - r
    return f


def _seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def sd_line(ax, ay, bx, by, width):
    """A stroke with round caps."""
    half = width / 2.0
    return lambda x, y: _seg_dist(x, y, ax, ay, bx, by) - half


def sd_polyline(points, width):
    half = width / 2.0
    segs = list(zip(points, points[1:]))

    def f(x, y):
        return min(_seg_dist(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - half
    return f


def sd_polygon(points):
    pts = list(points)
    n = len(pts)

    def f(x, y):
        d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
        sign = 1.0
        j = n - 1
        for i in range(n):
            vix, viy = pts[i]
            vjx, vjy = pts[j]
            ex, ey = vjx - vix, vjy - viy
            wx, wy = x - vix, y - viy
            ll = ex * ex + ey * ey
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / ll)) if ll else 0.0
            bx, by = wx - ex * t, wy - ey * t
            d = min(d, bx * bx + by * by)
            c1 = y >= viy
            c2 = y < vjy
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
            j = i
        return sign * math.sqrt(d)
    return f


def sd_arc(cx, cy, r, a0, a1, width):
    """Stroke along a circle from angle a0 to a1 (degrees, screen coordinates:
    0 = right, 90 = down, 270 = up), round caps."""
    half = width / 2.0
    p0 = (cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0)))
    p1 = (cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1)))
    sweep = (a1 - a0) % 360.0 or 360.0

    def f(x, y):
        ang = math.degrees(math.atan2(y - cy, x - cx))
        if (ang - a0) % 360.0 <= sweep:
            return abs(math.hypot(x - cx, y - cy) - r) - half
        return min(math.hypot(x - p0[0], y - p0[1]),
                   math.hypot(x - p1[0], y - p1[1])) - half
    return f


def sd_union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def sd_intersect(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def sd_subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def sd_grow(f, d):
    """Grow (d > 0) or shrink (d < 0) a shape."""
    return lambda x, y: f(x, y) - d


# ---------------------------------------------------------------------------
# Colours: tuples (r, g, b) or (r, g, b, a) with components 0..255.
# ---------------------------------------------------------------------------

def rgba(c):
    return tuple(c) if len(c) == 4 else (c[0], c[1], c[2], 255)


def darker(c, f=0.62):
    c = rgba(c)
    return (round(c[0] * f), round(c[1] * f), round(c[2] * f), c[3])


def lighter(c, f=0.45):
    c = rgba(c)
    return tuple(round(v + (255 - v) * f) for v in c[:3]) + (c[3],)


WHITE = (255, 255, 255)
PAPER = (250, 250, 250)
PAPER_LINE = (108, 116, 128)
INK = (52, 58, 70)
BLUE = (45, 125, 210)
GREEN = (46, 160, 84)
RED = (214, 52, 46)
PURPLE = (126, 72, 190)
ORANGE = (236, 126, 20)
SWATCH = (32, 164, 156)

MARK_R = (226, 46, 46)
MARK_G = (38, 170, 60)
MARK_B = (40, 96, 226)


# ---------------------------------------------------------------------------
# Canvas: straight-alpha input colours, premultiplied float storage.
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, size, units=16.0, line_px=None):
        self.size = size
        self.scale = size / float(units)            # pixels per design unit
        self.ss = 8 if size <= 16 else (6 if size <= 32 else 4)
        if line_px is None:
            line_px = 1.0 if size <= 16 else (2.0 if size <= 48 else 2.5)
        self.line = line_px / self.scale            # outline width in units
        self.pix = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
        step = 1.0 / self.ss
        self.offsets = [((i + 0.5) * step, (j + 0.5) * step)
                        for j in range(self.ss) for i in range(self.ss)]

    def shape(self, sdf, fill, outline=None, line=None, blend="over", clip=None):
        """Fill a shape. `fill` is a colour or a function (x, y) -> colour in
        design units. If `outline` is given, the outermost `line` units
        (default: one outline width) inside the shape get that colour."""
        n = self.size
        sc = self.scale
        lw = (self.line if line is None else line) if outline is not None else 0.0
        fill_fn = fill if callable(fill) else None
        fill_c = None if fill_fn else rgba(fill)
        out_c = rgba(outline) if outline is not None else None
        diag = 0.75 / sc                             # half pixel diagonal, with margin
        inv = 1.0 / (self.ss * self.ss)
        if clip is not None:
            base = sdf
            sdf = lambda x, y: max(base(x, y), clip(x, y))
        for py in range(n):
            for px in range(n):
                ux, uy = (px + 0.5) / sc, (py + 0.5) / sc
                dc = sdf(ux, uy)
                if dc > diag:
                    continue
                sr = sg = sb = sa = 0.0
                full_inside = dc < -(lw + diag)
                for ox, oy in self.offsets:
                    x, y = (px + ox) / sc, (py + oy) / sc
                    if full_inside:
                        d = -1e9
                    else:
                        d = sdf(x, y)
                        if d > 0:
                            continue
                    if d > -lw:
                        c = out_c
                    elif fill_fn is not None:
                        c = rgba(fill_fn(x, y))
                    else:
                        c = fill_c
                    a = c[3] / 255.0
                    sr += c[0] / 255.0 * a
                    sg += c[1] / 255.0 * a
                    sb += c[2] / 255.0 * a
                    sa += a
                if sa <= 0.0:
                    continue
                sr *= inv
                sg *= inv
                sb *= inv
                sa *= inv
                p = self.pix[py * n + px]
                if blend == "screen":
                    # Light mixing on an opaque area: 1 - (1-s)(1-d), by coverage.
                    for k, s in enumerate((sr, sg, sb)):
                        cs = s / sa
                        mixed = 1.0 - (1.0 - cs) * (1.0 - p[k])
                        p[k] = p[k] + sa * (mixed - p[k])
                else:
                    k = 1.0 - sa
                    p[0] = sr + p[0] * k
                    p[1] = sg + p[1] * k
                    p[2] = sb + p[2] * k
                    p[3] = sa + p[3] * k

    def rgba_rows(self):
        """Top-down rows of straight-alpha RGBA bytes."""
        n = self.size
        rows = []
        for py in range(n):
            row = bytearray()
            for px in range(n):
                r, g, b, a = self.pix[py * n + px]
                if a <= 1e-6:
                    row += b"\0\0\0\0"
                    continue
                a8 = min(255, max(0, int(round(a * 255))))
                if a8 == 0:
                    row += b"\0\0\0\0"
                    continue
                row += bytes(min(255, max(0, int(round(v / a * 255)))) for v in (r, g, b))
                row.append(a8)
            rows.append(bytes(row))
        return rows


# ---------------------------------------------------------------------------
# A tiny 3x5 pixel font for the marks on the copy icons.
# ---------------------------------------------------------------------------

FONT = {
    "1": [".#", "##", ".#", ".#", ".#"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "F": ["###", "#..", "##.", "#..", "#.."],
}


def text_boxes(text, x, y, gap=1):
    """Unit boxes for `text` drawn with the pixel font, top-left at (x, y)."""
    boxes = []
    for ch in text:
        glyph = FONT[ch]
        for j, row in enumerate(glyph):
            for i, bit in enumerate(row):
                if bit == "#":
                    boxes.append(sd_box(x + i, y + j, x + i + 1, y + j + 1))
        x += len(glyph[0]) + gap
    return boxes


def text_width(text, gap=1):
    return sum(len(FONT[ch][0]) for ch in text) + gap * (len(text) - 1)


# ---------------------------------------------------------------------------
# The icons. Each draw function gets a fresh Canvas (16 design units wide).
# ---------------------------------------------------------------------------

def round_badge(cv, colour):
    cv.shape(sd_circle(8, 8, 7.5), colour, darker(colour))
    # soft highlight in the upper half
    cv.shape(sd_intersect(sd_circle(8, 8, 6.5), sd_circle(8, 2.5, 6.5)),
             lighter(colour, 0.18))


def draw_about(cv):
    round_badge(cv, BLUE)
    cv.shape(sd_circle(8, 4.5, 1.3), WHITE)
    cv.shape(sd_union(sd_box(7, 7, 9, 12), sd_box(6, 7, 9, 8), sd_box(6, 11, 10, 12)), WHITE)


def draw_help(cv):
    round_badge(cv, GREEN)
    w = 1.9
    q = sd_union(sd_arc(8, 6.0, 2.35, 185, 440, w),
                 sd_line(8.0, 8.5, 8.0, 9.4, w))
    cv.shape(q, WHITE)
    cv.shape(sd_circle(8, 12.1, 1.15), WHITE)


def draw_exit(cv):
    round_badge(cv, RED)
    cv.shape(sd_arc(8, 8.5, 3.8, 300, 600, 1.7), WHITE)
    cv.shape(sd_line(8, 3.6, 8, 8.0, 2.0), WHITE)


def draw_find(cv):
    handle = sd_line(10.6, 10.6, 14.0, 14.0, 3.2)
    cv.shape(handle, (128, 88, 56), (66, 42, 24))
    cv.shape(sd_circle(6.5, 6.5, 5.5), (120, 128, 140), (58, 64, 76))
    glass = sd_circle(6.5, 6.5, 3.55)
    cv.shape(glass, (206, 232, 252))
    cv.shape(sd_arc(6.5, 6.5, 2.2, 195, 255, 1.1), (255, 255, 255, 235), clip=glass)


def draw_edit(cv):
    # pencil from the tip at lower left to the eraser at upper right
    tip = (1.6, 14.4)
    d = (math.sqrt(0.5), -math.sqrt(0.5))
    nrm = (math.sqrt(0.5), math.sqrt(0.5))
    hw = 2.35

    def P(s, t):
        return (tip[0] + s * d[0] + t * nrm[0], tip[1] + s * d[1] + t * nrm[1])

    s_cone, s_band0, s_band1, s_end = 4.2, 12.6, 14.2, 16.6
    outline = (70, 50, 30)
    sil = sd_polygon([P(0, 0), P(s_cone, -hw), P(s_end, -hw), P(s_end, hw), P(s_cone, hw)])
    cv.shape(sil, outline)
    inner = sd_grow(sil, -cv.line)
    parts = [
        ([P(-1, 0), P(s_cone, -hw - 1), P(s_cone, hw + 1)], (242, 208, 158)),       # wood
        ([P(s_cone, -hw - 1), P(s_band0, -hw - 1), P(s_band0, 0), P(s_cone, 0)],
         (255, 204, 52)),                                                            # body, lit
        ([P(s_cone, 0), P(s_band0, 0), P(s_band0, hw + 1), P(s_cone, hw + 1)],
         (238, 166, 22)),                                                            # body, shade
        ([P(s_band0, -hw - 1), P(s_band1, -hw - 1), P(s_band1, hw + 1), P(s_band0, hw + 1)],
         (190, 196, 206)),                                                           # metal band
        ([P(s_band1, -hw - 1), P(s_end + 1, -hw - 1), P(s_end + 1, hw + 1),
          P(s_band1, hw + 1)], (240, 128, 146)),                                     # eraser
    ]
    for poly, colour in parts:
        cv.shape(sd_polygon(poly), colour, clip=inner)
    # graphite point
    cv.shape(sd_polygon([P(-1, 0), P(1.9, -1.3), P(1.9, 1.3)]), (50, 50, 56), clip=sil)
    # dividers between the parts
    for s in (s_cone, s_band0, s_band1):
        cv.shape(sd_line(*P(s, -hw), *P(s, hw), cv.line * 0.9), (*outline, 200), clip=sil)


def draw_showall(cv):
    cv.shape(sd_box(1, 1, 15, 16, 1.0), PAPER, PAPER_LINE)
    items = [(MARK_R, 13), (ORANGE, 11), (MARK_G, 13), (MARK_B, 10)]
    for i, (colour, end) in enumerate(items):
        y = 3 + i * 3
        cv.shape(sd_box(3, y, 5, y + 2), colour)
        cv.shape(sd_box(6, y, end, y + 2), (138, 144, 156))


def draw_color_wheel(cv):
    def hue(x, y):
        ang = math.atan2(y - 8, x - 8)               # 0 = right, clockwise on screen
        h = ((ang + math.pi / 2) / (2 * math.pi)) % 1.0   # red at the top
        r, g, b = colorsys.hsv_to_rgb(h, 0.92, 1.0)
        return (round(r * 255), round(g * 255), round(b * 255))

    ring = sd_ring(8, 8, 3.0, 7.5)
    cv.shape(ring, (70, 70, 78))
    cv.shape(sd_grow(ring, -cv.line), hue)


def draw_color_delete(cv):
    sw = sd_box(1, 1, 12, 12, 1.5)
    cv.shape(sw, SWATCH, darker(SWATCH, 0.55))
    cv.shape(sd_intersect(sd_grow(sw, -cv.line), sd_polygon([(0, 0), (13, 0), (0, 13)])),
             lighter(SWATCH, 0.22))
    cv.shape(sd_circle(11.5, 11.5, 4.5), RED, darker(RED, 0.55))
    w = 1.5
    cv.shape(sd_union(sd_line(9.7, 9.7, 13.3, 13.3, w), sd_line(13.3, 9.7, 9.7, 13.3, w)), WHITE)


def copy_sheets(cv):
    """Two stacked sheets; returns the inner box of the front sheet."""
    cv.shape(sd_box(0, 0, 12, 11, 1.0), (226, 230, 236), PAPER_LINE)
    cv.shape(sd_box(2, 4, 16, 16, 1.0), PAPER, PAPER_LINE)
    return (3, 5, 15, 15)


def draw_copy_int(cv):
    x0, y0, x1, y1 = copy_sheets(cv)
    text = "123"
    x = x0 + (x1 - x0 - text_width(text)) // 2
    y = y0 + (y1 - y0 - 5) // 2
    cv.shape(sd_union(*text_boxes(text, x, y)), (30, 70, 160))


def draw_copy_hex(cv):
    x0, y0, x1, y1 = copy_sheets(cv)
    text = "FF"
    x = x0 + (x1 - x0 - text_width(text) + 1) // 2
    y = y0 + (y1 - y0 - 5) // 2
    cv.shape(sd_union(*text_boxes(text, x, y)), PURPLE)


def draw_copy_rgb(cv):
    x0, y0, x1, y1 = copy_sheets(cv)
    x = x0 + 2
    for colour in (MARK_R, MARK_G, MARK_B):
        cv.shape(sd_box(x, y0 + 2, x + 2, y1 - 2), colour)
        x += 3


ICONS = [
    ("about", draw_about),
    ("copy_int", draw_copy_int),
    ("copy_hex", draw_copy_hex),
    ("copy_rgb", draw_copy_rgb),
    ("edit", draw_edit),
    ("exit", draw_exit),
    ("find", draw_find),
    ("help", draw_help),
    ("showall", draw_showall),
    ("color_wheel", draw_color_wheel),
    ("color_delete", draw_color_delete),
]


def draw_app_icon(size):
    """The application icon, designed on a 64x64 grid: a dark rounded tile
    with three overlapping circles of light that mix where they meet."""
    line_px = {16: 1.0, 32: 1.0, 48: 1.5}.get(size, 2.0)
    cv = Canvas(size, units=64.0, line_px=line_px)
    top, bottom = (58, 70, 98), (30, 36, 54)

    def tile_col(x, y):
        t = max(0.0, min(1.0, (y - 2) / 60.0))
        return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))

    cv.shape(sd_box(2, 2, 62, 62, 13), tile_col, (16, 20, 32))
    r = 15.0
    for (cx, cy), colour in (((32, 24.5), (240, 40, 56)),
                             ((23.5, 39), (30, 200, 76)),
                             ((40.5, 39), (44, 100, 250))):
        cv.shape(sd_circle(cx, cy, r), colour, blend="screen")
    return cv


def render_icon(draw, size):
    cv = Canvas(size)
    draw(cv)
    return cv.rgba_rows()


# ---------------------------------------------------------------------------
# File formats
# ---------------------------------------------------------------------------

PNG_SIG = b"\x89PNG\r\n\x1a\n"


def _chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_bytes(rows):
    """A complete RGBA PNG file from top-down RGBA rows."""
    h = len(rows)
    w = len(rows[0]) // 4
    raw = b"".join(b"\0" + row for row in rows)          # filter type 0 on every row
    return (PNG_SIG
            + _chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + _chunk(b"IDAT", zlib.compress(raw, 9))
            + _chunk(b"IEND", b""))


def dib_bytes(rows):
    """Icon image as BITMAPINFOHEADER + bottom-up BGRA + AND mask."""
    h = len(rows)
    w = len(rows[0]) // 4
    mask_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):                           # bottom-up
        for i in range(w):
            r, g, b, a = row[4 * i:4 * i + 4]
            xor += bytes((b, g, r, a))
        bits = bytearray(mask_stride)
        for i in range(w):
            if row[4 * i + 3] == 0:                      # 1 = transparent
                bits[i // 8] |= 0x80 >> (i % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, data) where data is a DIB or a PNG file."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    blobs = b""
    for size, data in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        blobs += data
        offset += len(data)
    return out + entries + blobs


# ---------------------------------------------------------------------------
# Reading back (used by --check and for the preview sheet)
# ---------------------------------------------------------------------------

class CheckError(Exception):
    pass


def _require(cond, msg):
    if not cond:
        raise CheckError(msg)


def read_png(data):
    """Decode an RGBA or RGB 8-bit PNG; returns (w, h, top-down RGBA rows)."""
    _require(data[:8] == PNG_SIG, "no PNG signature")
    pos = 8
    ihdr = None
    idat = b""
    seen_end = False
    while pos < len(data):
        _require(pos + 8 <= len(data), "truncated PNG chunk header")
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        _require(len(body) == length, "truncated PNG chunk")
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        _require(zlib.crc32(kind + body) & 0xFFFFFFFF == crc, "bad CRC in %r" % kind)
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            seen_end = True
            break
        pos += 12 + length
    _require(ihdr is not None and seen_end, "PNG without IHDR or IEND")
    w, h, depth, ctype, comp, filt, interlace = ihdr
    _require(depth == 8 and ctype in (2, 6) and interlace == 0,
             "unsupported PNG (depth %d, colour type %d)" % (depth, ctype))
    bpp = 4 if ctype == 6 else 3
    raw = zlib.decompress(idat)
    stride = w * bpp
    _require(len(raw) == h * (stride + 1), "PNG data has the wrong size")
    rows = []
    prev = bytearray(stride)
    for y in range(h):
        ft = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ft == 0:
                pred = 0
            elif ft == 1:
                pred = a
            elif ft == 2:
                pred = b
            elif ft == 3:
                pred = (a + b) // 2
            elif ft == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
            else:
                raise CheckError("bad PNG filter type %d" % ft)
            line[i] = (line[i] + pred) & 0xFF
        prev = line
        if bpp == 3:
            rgba_line = bytearray()
            for i in range(w):
                rgba_line += line[3 * i:3 * i + 3] + b"\xff"
            rows.append(bytes(rgba_line))
        else:
            rows.append(bytes(line))
    return w, h, rows


def read_dib(data, w, h):
    hdr = struct.unpack("<IiiHHIIiiII", data[:40])
    size, bw, bh, planes, bits, comp = hdr[:6]
    _require(size == 40, "BITMAPINFOHEADER size is %d" % size)
    _require(bw == w and bh == 2 * h, "DIB is %dx%d, expected %dx%d" % (bw, bh, w, 2 * h))
    _require(planes == 1 and bits == 32 and comp == 0,
             "DIB is not uncompressed 32-bit (planes %d, bits %d, compression %d)"
             % (planes, bits, comp))
    mask_stride = ((w + 31) // 32) * 4
    need = 40 + w * h * 4 + mask_stride * h
    _require(len(data) == need, "DIB has %d bytes, expected %d" % (len(data), need))
    rows = []
    for y in range(h):
        src = data[40 + (h - 1 - y) * w * 4:40 + (h - y) * w * 4]
        row = bytearray()
        for i in range(w):
            b, g, r, a = src[4 * i:4 * i + 4]
            row += bytes((r, g, b, a))
        rows.append(bytes(row))
    mask_base = 40 + w * h * 4
    for y in range(h):
        bits_row = data[mask_base + (h - 1 - y) * mask_stride:
                        mask_base + (h - y) * mask_stride]
        for i in range(w):
            transparent = bool(bits_row[i // 8] & (0x80 >> (i % 8)))
            _require(transparent == (rows[y][4 * i + 3] == 0),
                     "AND mask disagrees with alpha at %d,%d" % (i, y))
    return rows


def read_ico(data):
    """Returns a list of (w, h, kind, rows) where kind is 'png' or 'dib'."""
    _require(len(data) >= 6, "file too short")
    reserved, typ, count = struct.unpack("<HHH", data[:6])
    _require(reserved == 0 and typ == 1, "not an icon file (reserved %d, type %d)"
             % (reserved, typ))
    _require(count > 0, "icon file without images")
    images = []
    end = 6 + 16 * count
    for k in range(count):
        w, h, ncol, res, planes, bits, nbytes, off = struct.unpack(
            "<BBBBHHII", data[6 + 16 * k:22 + 16 * k])
        w, h = w or 256, h or 256
        _require(ncol == 0 and res == 0 and planes == 1 and bits == 32,
                 "entry %d: colour count %d, reserved %d, planes %d, bits %d"
                 % (k, ncol, res, planes, bits))
        _require(off >= end and off + nbytes <= len(data), "entry %d outside the file" % k)
        blob = data[off:off + nbytes]
        if blob[:8] == PNG_SIG:
            pw, ph, rows = read_png(blob)
            _require((pw, ph) == (w, h), "entry %d: PNG is %dx%d, entry says %dx%d"
                     % (k, pw, ph, w, h))
            images.append((w, h, "png", rows))
        else:
            images.append((w, h, "dib", read_dib(blob, w, h)))
    return images


def alpha_stats(rows):
    alphas = [row[i] for row in rows for i in range(3, len(row), 4)]
    return (sum(1 for a in alphas if a == 0), sum(1 for a in alphas if a == 255),
            sum(1 for a in alphas if 0 < a < 255))


# ---------------------------------------------------------------------------
# Building and checking
# ---------------------------------------------------------------------------

def build():
    """Returns {relative path: bytes} of everything this script makes, plus the
    pixel rows for comparing PNG data independently of the zlib version."""
    files = {}
    pixels = {}
    for name, draw in ICONS:
        images = []
        for size in ICON_SIZES:
            rows = render_icon(draw, size)
            pixels[(name, size)] = rows
            data = png_bytes(rows) if name in PNG_ICONS else dib_bytes(rows)
            images.append((size, data))
        files[os.path.join("gfx", name + ".ico")] = ico_bytes(images)
    app_images = []
    for size in APP_ICO_SIZES:
        rows = draw_app_icon(size).rgba_rows()
        pixels[("app_icon", size)] = rows
        app_images.append((size, png_bytes(rows)))
    files["app_icon.ico"] = ico_bytes(app_images)
    rows = draw_app_icon(APP_PNG_SIZE).rgba_rows()
    pixels[("app_icon", APP_PNG_SIZE)] = rows
    files["app_icon.png"] = png_bytes(rows)
    return files, pixels


def write_files(files):
    os.makedirs(GFX, exist_ok=True)
    for rel, data in sorted(files.items()):
        path = os.path.join(ASSETS, rel)
        with open(path, "wb") as fh:
            fh.write(data)
        print("wrote %s (%d bytes)" % (os.path.relpath(path, ROOT), len(data)))


def check_icons(expected_pixels=None):
    problems = []
    for name, _ in ICONS:
        rel = os.path.join("gfx", name + ".ico")
        path = os.path.join(ASSETS, rel)
        try:
            with open(path, "rb") as fh:
                images = read_ico(fh.read())
            sizes = sorted(w for w, h, kind, rows in images)
            _require(sizes == sorted(ICON_SIZES), "sizes %s" % sizes)
            for w, h, kind, rows in images:
                _require(w == h, "image is not square")
                want = "png" if name in PNG_ICONS else "dib"
                _require(kind == want, "%dx%d is stored as %s, expected %s" % (w, h, kind, want))
                clear, solid, soft = alpha_stats(rows)
                _require(clear > 0 and solid > 0 and soft > 0,
                         "%dx%d alpha looks wrong (%d clear, %d solid, %d soft)"
                         % (w, h, clear, solid, soft))
                if expected_pixels is not None:
                    _require(rows == expected_pixels[(name, w)],
                             "%dx%d pixels differ from a fresh drawing" % (w, h))
        except (OSError, CheckError, struct.error, zlib.error) as exc:
            problems.append("%s: %s" % (rel, exc))
    for rel, sizes in (("app_icon.ico", APP_ICO_SIZES),):
        try:
            with open(os.path.join(ASSETS, rel), "rb") as fh:
                images = read_ico(fh.read())
            _require(sorted(w for w, h, k, r in images) == sorted(sizes),
                     "sizes differ from %s" % (sizes,))
            for w, h, kind, rows in images:
                if expected_pixels is not None:
                    _require(rows == expected_pixels[("app_icon", w)],
                             "%dx%d pixels differ from a fresh drawing" % (w, h))
        except (OSError, CheckError, struct.error, zlib.error) as exc:
            problems.append("%s: %s" % (rel, exc))
    try:
        with open(os.path.join(ASSETS, "app_icon.png"), "rb") as fh:
            w, h, rows = read_png(fh.read())
        _require((w, h) == (APP_PNG_SIZE, APP_PNG_SIZE), "app_icon.png is %dx%d" % (w, h))
        if expected_pixels is not None:
            _require(rows == expected_pixels[("app_icon", APP_PNG_SIZE)],
                     "pixels differ from a fresh drawing")
    except (OSError, CheckError, struct.error, zlib.error) as exc:
        problems.append("app_icon.png: %s" % exc)
    return problems


def check_sample_sql():
    problems = []
    path = os.path.join(ASSETS, "sample_collection.sql")
    try:
        with open(path, encoding="utf-8") as fh:
            script = fh.read()
        db = sqlite3.connect(":memory:")
        db.executescript(script)
        cols = [r[1] for r in db.execute("PRAGMA table_info(colours)")]
        _require(cols == ["id", "kategorie", "palette", "name", "farbe1", "farbe2", "farbe3"],
                 "columns are %s" % cols)
        rows = db.execute("SELECT id, kategorie, palette, name, farbe1, farbe2, farbe3 "
                          "FROM colours").fetchall()
        _require(len(rows) >= 30, "only %d rows" % len(rows))
        for row in rows:
            for text in row[1:4]:
                _require(text and text == text.strip(), "row %s: empty or padded text" % row[0])
            for colour in row[4:]:
                parts = colour.split(",")
                _require(len(parts) == 3 and all(p.isdigit() and 0 <= int(p) <= 255
                                                 for p in parts),
                         "row %s: bad colour %r" % (row[0], colour))
        db.close()
    except (OSError, CheckError, sqlite3.Error, UnicodeDecodeError) as exc:
        problems.append("sample_collection.sql: %s" % exc)
    return problems


def check_help():
    problems = []
    path = os.path.join(ASSETS, "help", "index.html")
    try:
        with open(path, encoding="utf-8") as fh:
            html = fh.read()
        _require('<meta charset="utf-8">' in html, "no utf-8 charset")
        _require("<title>Tessora Hilfe</title>" in html, "title missing")
        low = html.lower()
        for bad in ("<script", "http://", "https://", "@font-face", "@import"):
            _require(bad not in low, "contains %r" % bad)
    except (OSError, CheckError, UnicodeDecodeError) as exc:
        problems.append("help/index.html: %s" % exc)
    return problems


# ---------------------------------------------------------------------------
# Preview sheet
# ---------------------------------------------------------------------------

def write_sheet(path):
    """All icons as read back from the files: 16x16 and 32x32 enlarged 4x,
    and at their real size on a light and a dark strip."""
    icons = []
    for name, _ in ICONS:
        with open(os.path.join(GFX, name + ".ico"), "rb") as fh:
            icons.append({w: rows for w, h, kind, rows in read_ico(fh.read())})
    with open(os.path.join(ASSETS, "app_icon.ico"), "rb") as fh:
        app = {w: rows for w, h, kind, rows in read_ico(fh.read())}
    with open(os.path.join(ASSETS, "app_icon.png"), "rb") as fh:
        app[64] = read_png(fh.read())[2]

    cell = 136
    pad = 8
    width = pad + len(icons) * cell
    height = pad + 64 + pad + 128 + pad + 48 + pad + 64 + pad + 64 + pad
    bg = (214, 214, 214)
    canvas = [[bg for _ in range(width)] for _ in range(height)]

    def blit(rows, x0, y0, scale, back=None):
        n = len(rows)
        for y in range(n):
            row = rows[y]
            for x in range(n):
                r, g, b, a = row[4 * x:4 * x + 4]
                for dy in range(scale):
                    for dx in range(scale):
                        yy, xx = y0 + y * scale + dy, x0 + x * scale + dx
                        base = back or canvas[yy][xx]
                        canvas[yy][xx] = tuple(
                            (c * a + bc * (255 - a) + 127) // 255 for c, bc in zip((r, g, b), base))

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                canvas[y][x] = colour

    y16 = pad
    y32 = y16 + 64 + pad
    ystrip = y32 + 128 + pad
    yapp = ystrip + 48 + pad
    fill(0, ystrip, width, ystrip + 24, (246, 246, 246))
    fill(0, ystrip + 24, width, ystrip + 48, (48, 50, 56))
    for k, img in enumerate(icons):
        x = pad + k * cell
        blit(img[16], x, y16, 4)
        blit(img[32], x, y32, 4)
        blit(img[16], x, ystrip + 4, 1)
        blit(img[16], x, ystrip + 28, 1)
    x = pad
    for size in (16, 32, 48, 64):
        blit(app[size], x, yapp, 1)
        x += size + pad
    x += pad
    blit(app[16], x, yapp, 4)
    x += 64 + pad
    blit(app[32], x, yapp, 2)
    x += 64 + pad
    yy = yapp + 64 + pad
    for k, img in enumerate(icons):
        blit(img[32], pad + k * 40, yy, 1)
        blit(img[32], pad + k * 40, yy + 32, 1, back=(48, 50, 56))
    rows = [bytes(v for px in line for v in px + (255,)) for line in canvas]
    with open(path, "wb") as fh:
        fh.write(png_bytes(rows))
    print("wrote preview %s (%dx%d)" % (path, width, height))


def main():
    ap = argparse.ArgumentParser(description="Draw and check Tessora's icons.")
    ap.add_argument("--check", action="store_true",
                    help="only check the existing files in assets/, write nothing")
    ap.add_argument("--sheet", metavar="PNG",
                    help="also write an enlarged preview of all icons to this file")
    args = ap.parse_args()

    if args.check:
        _, pixels = build()
    else:
        files, pixels = build()
        write_files(files)
    problems = check_icons(pixels) + check_sample_sql() + check_help()
    if args.sheet:
        write_sheet(args.sheet)
    for p in problems:
        print("PROBLEM: " + p, file=sys.stderr)
    if problems:
        return 1
    print("all assets OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
