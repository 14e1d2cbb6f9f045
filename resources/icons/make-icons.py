#!/usr/bin/env python3
"""Draws Fortuva's icons and writes them as Windows .ico files.

Each icon holds an image drawn for every size the program asks for at every
display scale Windows offers, 100 to 350 % (app/MainLayout.cpp,
ImageSizesAt), so that no size is left to the loader's blurry stretching.

Pictures:
  Fortuva.ico  The main icon: a fanned stack of three white New-Year
               postcards with a thin dark outline, each with a row of red
               postal-code boxes along its top edge and red bars along its
               bottom edge.  16x16, 20x20 and 24x24 are pixel art whose
               cards are offset, not turned; 28 to 112 turn the cards with a
               layout on whole pixels for each size; 256x256 (large taskbar
               and Explorer views) scales the 32x32 layout.
               Entries: 32x32 and 16x16 at 256 colours (palettised bitmaps
               with a transparency mask), every other size as PNG with
               alpha.
  open.ico     Tool-button glyph for opening a winning-number file: an open
               yellow folder with a dark curved arrow at its top right.
  about.ico    Tool-button glyph for the about panel: a yellow question mark
               with a dark outline, so it stands out on button-face grey.
               Glyph entries: the 16x16 pixel art as PNG with alpha, with a
               256-colour copy for displays without alpha (its colour table
               only as long as the colours it uses); 20 to 56 drawn as
               shapes and stored as PNG with alpha.

PNG entries load on Windows Vista and later and are a fraction of the size
of 32-bit bitmaps; the 256-colour entries stay bitmaps, as older readers
expect.

Regenerate (from the repository root; standard library only, the output is
byte-identical on every run):
    python3 resources/icons/make-icons.py
Add "--preview DIR" to also write PNG previews of every image on a
checkerboard, enlarged 8x (the 256x256 picture 2x).  The PNG entries are
zlib-compressed, so they stay identical as long as zlib does.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------
# Images are lists of rows (top row first) of (r, g, b, a) tuples, a in 0..255.


def blank(size):
    return [[(0, 0, 0, 0)] * size for _ in range(size)]


# ---------------------------------------------------------------------------
# A small polygon rasteriser with supersampling, for the main icon and the
# larger glyphs.


class Canvas:
    """Supersampled canvas; each sample is an (r, g, b) tuple or None."""

    def __init__(self, size, ss=8):
        self.size = size
        self.ss = ss
        n = size * ss
        self.rows = [[None] * n for _ in range(n)]

    def polygon(self, pts, colour):
        """Fills a polygon given in output-pixel coordinates (even-odd)."""
        ss = self.ss
        n = self.size * ss
        ys = [p[1] for p in pts]
        j0 = max(0, int(math.floor(min(ys) * ss - 0.5)))
        j1 = min(n - 1, int(math.ceil(max(ys) * ss + 0.5)))
        edges = list(zip(pts, pts[1:] + pts[:1]))
        for j in range(j0, j1 + 1):
            y = (j + 0.5) / ss
            xs = []
            for (xa, ya), (xb, yb) in edges:
                if (ya <= y < yb) or (yb <= y < ya):
                    xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            row = self.rows[j]
            for k in range(0, len(xs) - 1, 2):
                # samples whose centre lies in [xa, xb)
                i0 = max(0, int(math.ceil(xs[k] * ss - 0.5)))
                i1 = min(n, int(math.ceil(xs[k + 1] * ss - 0.5)))
                if i1 > i0:
                    row[i0:i1] = [colour] * (i1 - i0)

    def image(self):
        """Averages the samples into an RGBA image (straight alpha)."""
        ss = self.ss
        out = []
        for y in range(self.size):
            band = self.rows[y * ss:(y + 1) * ss]
            line = []
            for x in range(self.size):
                r = g = b = cnt = 0
                for row in band:
                    for c in row[x * ss:(x + 1) * ss]:
                        if c is not None:
                            r += c[0]
                            g += c[1]
                            b += c[2]
                            cnt += 1
                if cnt == 0:
                    line.append((0, 0, 0, 0))
                else:
                    line.append((round(r / cnt), round(g / cnt), round(b / cnt),
                                 round(255 * cnt / (ss * ss))))
            out.append(line)
        return out


# ---------------------------------------------------------------------------
# Shapes for the canvas.  Offsets use mitred corners, which suits the gentle
# corners drawn here.


def offset(pts, d, closed):
    """Moves every edge of a polyline by d along its normal (-dy, dx): to the
    right of the direction of travel on screen, so inwards for a polygon that
    runs clockwise on screen."""
    n = len(pts)

    def normal(a, b):
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy)
        return (-dy / length, dx / length)

    out = []
    for i in range(n):
        if not closed and i in (0, n - 1):
            nx, ny = normal(*((pts[0], pts[1]) if i == 0 else (pts[-2], pts[-1])))
            out.append((pts[i][0] + nx * d, pts[i][1] + ny * d))
            continue
        n1 = normal(pts[i - 1], pts[i])
        n2 = normal(pts[i], pts[(i + 1) % n])
        mx, my = n1[0] + n2[0], n1[1] + n2[1]
        m = math.hypot(mx, my)
        mx, my = mx / m, my / m
        miter = d / (mx * n1[0] + my * n1[1])
        out.append((pts[i][0] + mx * miter, pts[i][1] + my * miter))
    return out


def stroke(path, width, cap=0.0):
    """The outline of a path drawn with a pen of the given width; both ends
    are cut square, cap further out along the path."""
    def beyond(end, nxt):
        dx, dy = end[0] - nxt[0], end[1] - nxt[1]
        length = math.hypot(dx, dy)
        return (end[0] + dx / length * cap, end[1] + dy / length * cap)

    p = list(path)
    if cap > 0:
        p = [beyond(p[0], p[1])] + p + [beyond(p[-1], p[-2])]
    return offset(p, width / 2, False) + offset(p, -width / 2, False)[::-1]


def moved(poly, dx, dy):
    return [(x + dx, y + dy) for x, y in poly]


def shaded(cv, shape, outline, band, colours, light=(-math.sqrt(0.5), -math.sqrt(0.5))):
    """Paints shape(d), the shape shrunk by d (grown where d < 0), with a dark
    outline of the given width, a highlight band on the side the light comes
    from and a shade band on the other.  colours: outline, main, light, shade.
    The highlight is the shape shrunk by band/2 and moved band/2 towards the
    light, which keeps it inside the shape."""
    dark, main, lit, shade = colours
    h = band / 2
    cv.polygon(shape(-outline), dark)
    cv.polygon(shape(0), shade)
    cv.polygon(moved(shape(h), light[0] * h, light[1] * h), lit)
    cv.polygon(shape(band), main)


# ---------------------------------------------------------------------------
# The main icon: three fanned postcards.

OUTLINE = (44, 44, 60)
CARD = (255, 255, 255)
CARD_BACK = (244, 244, 240)   # the cards behind, a touch darker for depth
RED = (224, 24, 24)

# Layout in icon pixels of the 32x32 picture.  The back cards turn clockwise
# around a point near the front card's bottom-right corner (pivot, measured
# from the front card's bottom-left corner), so their right-hand sides with the
# boxes and bars show; the whole fan is centred in the icon.
LAYOUT_32 = dict(
    card=(16, 22),            # width, height of one postcard
    pivot=(13.0, 4.0),
    # back card first, in degrees; slopes of 1:2 and 1:4 keep the stair
    # steps of the edges even
    angles=(math.degrees(math.atan(1 / 2)), math.degrees(math.atan(1 / 4)), 0),
    outline=1.0,
    boxes=dict(count=3, size=3.0, gap=1.0, top=2.0, right=2.0, line=1.0),
    bars=[(2.0, 16.0, 12.0, 2.0), (2.0, 19.0, 12.0, 1.0)],
)

# Up to 24x24 a turned card only smudges, so the small icons fan the cards by
# offsetting pixel-drawn ones (K outline, W paper, R red): for each size the
# card and the top-left corners of the cards, back card first.
SMALL_CARDS = {
    16: ([
        "KKKKKKKKKK",
        "KWWWWWWWWK",
        "KWRRRRRRRK",
        "KWRWRWRWRK",
        "KWRRRRRRRK",
        "KWWWWWWWWK",
        "KWWWWWWWWK",
        "KWRRRRRRWK",
        "KWWWWWWWWK",
        "KWRRRRRRWK",
        "KWWWWWWWWK",
        "KKKKKKKKKK",
    ], [(6, 0), (3, 2), (0, 4)]),
    20: ([
        "KKKKKKKKKKKK",
        "KWWWWWWWWWWK",
        "KWWRRRRRRRWK",
        "KWWRWRWRWRWK",
        "KWWRRRRRRRWK",
        "KWWWWWWWWWWK",
        "KWWWWWWWWWWK",
        "KWWWWWWWWWWK",
        "KWWWWWWWWWWK",
        "KWWWWWWWWWWK",
        "KWRRRRRRRWWK",
        "KWRRRRRRRWWK",
        "KWWWWWWWWWWK",
        "KWRRRRRRRWWK",
        "KWWWWWWWWWWK",
        "KKKKKKKKKKKK",
    ], [(8, 0), (4, 2), (0, 4)]),
    24: ([
        "KKKKKKKKKKKKKK",
        "KWWWWWWWWWWWWK",
        "KWRRRRRRRRRRWK",
        "KWRWWRWWRWWRWK",
        "KWRWWRWWRWWRWK",
        "KWRRRRRRRRRRWK",
        "KWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWK",
        "KWWWWWWWWWWWWK",
        "KWRRRRRRRRRWWK",
        "KWRRRRRRRRRWWK",
        "KWWWWWWWWWWWWK",
        "KWRRRRRRRRRWWK",
        "KWWWWWWWWWWWWK",
        "KKKKKKKKKKKKKK",
    ], [(10, 0), (5, 2), (0, 4)]),
}


def small_postcards(size):
    card, offsets = SMALL_CARDS[size]
    img = blank(size)
    for n, (ox, oy) in enumerate(offsets):
        paper = CARD if n == len(offsets) - 1 else CARD_BACK
        colours = {'K': OUTLINE, 'W': paper, 'R': RED}
        for v, row in enumerate(card):
            for u, ch in enumerate(row):
                img[oy + v][ox + u] = colours[ch] + (255,)
    return img


# From 28 to 112 each size is drawn on whole pixels of its own rather than
# scaled.
LAYOUTS = {
    28: dict(
        card=(15, 20),
        pivot=(12.0, 3.5),
        angles=LAYOUT_32['angles'],
        outline=1.0,
        boxes=dict(count=3, size=3.0, gap=1.0, top=2.0, right=2.0, line=1.0),
        bars=[(2.0, 14.0, 11.0, 2.0), (2.0, 17.0, 11.0, 1.0)],
    ),
    32: LAYOUT_32,
    36: dict(
        card=(18, 25),
        pivot=(14.5, 4.5),
        angles=LAYOUT_32['angles'],
        outline=1.0,
        boxes=dict(count=3, size=4.0, gap=1.0, top=2.0, right=2.0, line=1.0),
        bars=[(2.0, 18.0, 13.0, 3.0), (2.0, 22.0, 13.0, 1.0)],
    ),
    40: dict(
        card=(20, 28),
        pivot=(16.0, 5.0),
        angles=LAYOUT_32['angles'],
        outline=1.0,
        boxes=dict(count=3, size=4.0, gap=1.0, top=3.0, right=3.0, line=1.0),
        bars=[(2.0, 20.0, 15.0, 3.0), (2.0, 25.0, 15.0, 1.0)],
    ),
    48: dict(
        card=(24, 33),
        pivot=(19.5, 6.0),
        angles=LAYOUT_32['angles'],
        outline=2.0,
        boxes=dict(count=3, size=5.0, gap=1.0, top=3.0, right=3.0, line=1.0),
        bars=[(3.0, 23.0, 18.0, 3.0), (3.0, 28.0, 18.0, 1.0)],
    ),
    56: dict(
        card=(28, 38),
        pivot=(23.0, 7.0),
        angles=LAYOUT_32['angles'],
        outline=2.0,
        boxes=dict(count=3, size=6.0, gap=1.0, top=4.0, right=3.0, line=1.0),
        bars=[(3.0, 27.0, 21.0, 3.0), (3.0, 32.0, 21.0, 2.0)],
    ),
    64: dict(
        card=(32, 44),
        pivot=(26.0, 8.0),
        angles=LAYOUT_32['angles'],
        outline=2.0,
        boxes=dict(count=3, size=7.0, gap=1.0, top=4.0, right=4.0, line=2.0),
        bars=[(4.0, 32.0, 24.0, 4.0), (4.0, 38.0, 24.0, 2.0)],
    ),
    72: dict(
        card=(36, 50),
        pivot=(29.0, 9.0),
        angles=LAYOUT_32['angles'],
        outline=2.0,
        boxes=dict(count=3, size=8.0, gap=1.0, top=4.0, right=4.0, line=2.0),
        bars=[(4.0, 36.0, 27.0, 5.0), (4.0, 43.0, 27.0, 2.0)],
    ),
    80: dict(
        card=(40, 55),
        pivot=(32.0, 10.0),
        angles=LAYOUT_32['angles'],
        outline=2.0,
        boxes=dict(count=3, size=9.0, gap=1.0, top=5.0, right=5.0, line=2.0),
        bars=[(5.0, 40.0, 30.0, 5.0), (5.0, 47.0, 30.0, 3.0)],
    ),
    96: dict(
        card=(48, 66),
        pivot=(39.0, 12.0),
        angles=LAYOUT_32['angles'],
        outline=3.0,
        boxes=dict(count=3, size=11.0, gap=1.0, top=6.0, right=6.0, line=3.0),
        bars=[(6.0, 48.0, 36.0, 6.0), (6.0, 57.0, 36.0, 3.0)],
    ),
    112: dict(
        card=(56, 77),
        pivot=(45.0, 14.0),
        angles=LAYOUT_32['angles'],
        outline=3.0,
        boxes=dict(count=3, size=12.0, gap=2.0, top=7.0, right=7.0, line=3.0),
        bars=[(7.0, 56.0, 42.0, 7.0), (7.0, 66.0, 42.0, 3.0)],
    ),
}


def layout_for(size):
    if size in LAYOUTS:
        return LAYOUTS[size]
    # the 256x256 picture scales the 32x32 one, with finer lines
    k = size / 32.0
    base = LAYOUT_32
    line = 0.625 * k
    b = base['boxes']
    return dict(
        card=(base['card'][0] * k, base['card'][1] * k),
        pivot=(base['pivot'][0] * k, base['pivot'][1] * k),
        angles=base['angles'],
        outline=line,
        boxes=dict(count=b['count'], size=b['size'] * k, gap=b['gap'] * k,
                   top=b['top'] * k, right=b['right'] * k, line=0.75 * k),
        bars=[(x * k, y * k, w * k, h * k) for (x, y, w, h) in base['bars']],
    )


def card_transform(size, L):
    """Returns placed(angle): the map from card (u, v) to icon (x, y)."""
    w, h = L['card']
    rx, ry = L['pivot']

    def make(front, angle):
        fx, fy = front
        px, py = fx + rx, fy + h + ry
        a = math.radians(angle)
        ca, sa = math.cos(a), math.sin(a)

        def f(u, v):
            dx, dy = fx + u - px, fy + v - py
            return (px + dx * ca - dy * sa, py + dx * sa + dy * ca)
        return f

    # centre the fan's bounding box, keeping the front card on whole pixels
    pts = [make((0, 0), a)(u, v) for a in L['angles']
           for (u, v) in ((0, 0), (w, 0), (w, h), (0, h))]
    x0 = min(p[0] for p in pts)
    x1 = max(p[0] for p in pts)
    y0 = min(p[1] for p in pts)
    y1 = max(p[1] for p in pts)
    front = (round((size - (x1 - x0)) / 2 - x0), round((size - (y1 - y0)) / 2 - y0))
    return lambda angle: make(front, angle)


def draw_postcards(size):
    if size in SMALL_CARDS:
        return small_postcards(size)
    L = layout_for(size)
    cv = Canvas(size)
    w, h = L['card']
    lw = L['outline']
    bx = L['boxes']
    placed = card_transform(size, L)

    for n, angle in enumerate(L['angles']):
        f = placed(angle)

        def rect(x0, y0, x1, y1, colour):
            cv.polygon([f(x0, y0), f(x1, y0), f(x1, y1), f(x0, y1)], colour)

        paper = CARD if n == len(L['angles']) - 1 else CARD_BACK
        rect(0, 0, w, h, OUTLINE)
        rect(lw, lw, w - lw, h - lw, paper)
        # postal-code boxes, right-aligned along the top edge
        s, g, rl = bx['size'], bx['gap'], bx['line']
        x = w - bx['right'] - s
        y = bx['top']
        for _ in range(bx['count']):
            rect(x, y, x + s, y + s, RED)
            rect(x + rl, y + rl, x + s - rl, y + s - rl, paper)
            x -= s + g
        # red bars along the bottom edge
        for (bx0, by0, bw, bh) in L['bars']:
            rect(bx0, by0, bx0 + bw, by0 + bh, RED)
    return cv.image()


# ---------------------------------------------------------------------------
# The tool-button glyphs: 16x16 drawn pixel by pixel, larger sizes drawn as
# shapes on whole pixels where their edges are straight.

GLYPH_COLOURS = {
    '.': None,
    'K': (40, 32, 16),        # dark outline
    'A': (16, 16, 40),        # the arrow
    'Y': (255, 214, 40),      # yellow
    'W': (255, 246, 168),     # highlight
    'O': (214, 150, 0),       # shade
}

OPEN_FOLDER = [
    ".......AAAAA....",
    "......A.....A...",
    "......A......A..",
    ".............A..",
    "...........AAAAA",
    ".KKKK.......AAA.",
    "KWYYYK.......A..",
    "KYOOOOKKKKKK....",
    "KYOOOOOOOOOOK...",
    "KYOKKKKKKKKKKKK.",
    "KYKWWWWWWWWWWWK.",
    "KOKYYYYYYYYYYK..",
    "KKYYYYYYYYYYOK..",
    "KKYYYYYYYYYOK...",
    "KKOOOOOOOOOK....",
    ".KKKKKKKKKKK....",
]

QUESTION = [
    "....KKKKKKK.....",
    "...KWWWWWWYK....",
    "..KWYYYYYYYOK...",
    "..KWYKKKKKYYOK..",
    "..KKKK...KYYOK..",
    ".........KYYOK..",
    "........KYYYOK..",
    ".......KYYYOK...",
    "......KYYOOK....",
    "......KYYOK.....",
    "......KYYOK.....",
    "......KKKKK.....",
    "................",
    "......KKKKK.....",
    "......KWYOK.....",
    "......KKKKK.....",
]


def glyph(rows):
    assert len(rows) == 16 and all(len(r) == 16 for r in rows)
    img = []
    for r in rows:
        line = []
        for ch in r:
            c = GLYPH_COLOURS[ch]
            line.append((0, 0, 0, 0) if c is None else c + (255,))
        img.append(line)
    return img



# For each larger glyph: the width of the dark outline, of the highlight and
# shade bands, of the question mark's pen and of the arrow, in pixels.
GLYPH_PENS = {
    20: dict(outline=1, band=1, pen=4, arrow=2),
    24: dict(outline=1, band=1, pen=5, arrow=2),
    28: dict(outline=1, band=1, pen=5, arrow=2),
    32: dict(outline=2, band=2, pen=5, arrow=2),
    36: dict(outline=2, band=2, pen=6, arrow=2),
    40: dict(outline=2, band=2, pen=7, arrow=3),
    48: dict(outline=2, band=2, pen=8, arrow=3),
    56: dict(outline=3, band=3, pen=9, arrow=4),
}
COLOURS_YELLOW = tuple(GLYPH_COLOURS[c] for c in 'KYWO')


def draw_question(size):
    """The question mark of QUESTION, drawn for the given size."""
    g = GLYPH_PENS[size]
    k = size / 16.0
    lw, pen = g['outline'], g['pen']
    cv = Canvas(size)
    # the stem and the dot, centred, on whole pixels
    x0 = round(8 * k - pen / 2)
    dot_bottom = size - lw
    dot_top = dot_bottom - round(1.5 * k)
    stem_bottom = dot_top - 2 * lw - round(k)
    stem_top = stem_bottom - round(2 * k)
    # the hook: most of an ellipse from its left end over the top, then a
    # straight line down to the stem
    rx = 4.9 * k - pen / 2
    ry = 0.85 * rx
    cx, cy = 8 * k, lw + pen / 2 + ry
    path = [(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
            for a in (178 + 217 * i / 32 for i in range(33))]
    path += [(x0 + pen / 2, stem_top), (x0 + pen / 2, stem_bottom)]
    shaded(cv, lambda d: stroke(path, pen - 2 * d, max(0, -d)), lw, g['band'], COLOURS_YELLOW)
    dot = [(x0, dot_top), (x0 + pen, dot_top), (x0 + pen, dot_bottom), (x0, dot_bottom)]
    shaded(cv, lambda d: offset(dot, d, True), lw, g['band'], COLOURS_YELLOW)
    return cv.image()


def draw_open_folder(size):
    """The open folder and arrow of OPEN_FOLDER, drawn for the given size."""
    g = GLYPH_PENS[size]
    k = size / 16.0
    lw = g['outline']
    cv = Canvas(size)

    def on_pixels(pts):
        return [(round(x * k), min(round(y * k), size - lw)) for x, y in pts]

    back = on_pixels([(1, 6), (5, 6), (6.5, 8), (12, 8), (12, 15), (1, 15)])
    front = on_pixels([(3, 10), (14, 10), (11, 15), (2, 15)])
    above = (0, -1)
    # the back in shadow with a lit rim, the front flap lit from above
    shaded(cv, lambda d: offset(back, d, True), lw, g['band'],
           tuple(GLYPH_COLOURS[c] for c in 'KOYO'), above)
    shaded(cv, lambda d: offset(front, d, True), lw, g['band'], COLOURS_YELLOW, above)
    # the arrow: half an ellipse from the top left over to a head that points
    # down at the folder
    aw = g['arrow']
    cx, cy, rx = 10 * k, 3 * k, 3.5 * k
    ry = cy - aw / 2
    arc = [(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
           for a in (180 + 180 * i / 32 for i in range(33))]
    cv.polygon(stroke(arc, aw), GLYPH_COLOURS['A'])
    tip = cx + rx
    cv.polygon([(tip - 2.5 * k, round(4 * k)), (tip + 2.5 * k, round(4 * k)), (tip, round(7 * k))],
               GLYPH_COLOURS['A'])
    return cv.image()


# ---------------------------------------------------------------------------
# Colour reduction for the 256-colour entries (median cut, deterministic).


def median_cut(counts, limit):
    """counts: {rgb: n}.  Returns {rgb: palette rgb} with <= limit colours."""
    if not counts:
        return {}
    boxes = [sorted(counts)]

    def spread(box):
        best = (-1, 0)
        for ch in range(3):
            vals = [c[ch] for c in box]
            best = max(best, (max(vals) - min(vals), -ch))
        return best

    while len(boxes) < limit:
        cand = [(spread(b), i) for i, b in enumerate(boxes) if len(b) > 1]
        if not cand:
            break
        (rng, negch), i = max(cand)
        if rng <= 0:
            break
        box = sorted(boxes[i], key=lambda c: (c[-negch], c))
        total = sum(counts[c] for c in box)
        acc, cut = 0, 1
        for k, c in enumerate(box[:-1]):
            acc += counts[c]
            cut = k + 1
            if acc * 2 >= total:
                break
        boxes[i:i + 1] = [box[:cut], box[cut:]]
    mapping = {}
    for box in boxes:
        n = sum(counts[c] for c in box)
        avg = tuple(round(sum(c[ch] * counts[c] for c in box) / n) for ch in range(3))
        for c in box:
            mapping[c] = avg
    return mapping


def opaque(px):
    return px[3] >= 128


# ---------------------------------------------------------------------------
# File formats.


def and_mask(img):
    size = len(img)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(img):
        bits = bytearray(stride)
        for x, px in enumerate(row):
            if not opaque(px):
                bits[x >> 3] |= 0x80 >> (x & 7)
        out += bits
    return bytes(out)


def bmp_header(size, bpp, data_len, colours=0):
    """colours: the length of the colour table, 0 for all 2**bpp."""
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0,
                       data_len, 0, 0, colours, 0)


def entry_8bit(img, full_table=True):
    """A 256-colour bitmap.  Without full_table its colour table holds only the
    colours used, as a DIB may; the main icon keeps all 256 entries, as every
    display takes its 16x16 and 32x32 from these bitmaps, while a glyph's copy
    is read only where there is no alpha."""
    size = len(img)
    counts = {}
    for row in img:
        for px in row:
            if opaque(px):
                counts[px[:3]] = counts.get(px[:3], 0) + 1
    mapping = median_cut(counts, 255)
    palette = [(0, 0, 0)] + sorted(set(mapping.values()))
    index = {c: i for i, c in enumerate(palette)}
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    if full_table:
        pal += b'\0' * (4 * (256 - len(palette)))
    stride = (size + 3) & ~3
    xor = bytearray()
    for row in reversed(img):
        line = bytearray(stride)
        for x, px in enumerate(row):
            # transparent pixels stay black so the mask leaves the screen as is
            line[x] = index[mapping[px[:3]]] if opaque(px) else 0
        xor += line
    mask = and_mask(img)
    return bmp_header(size, 8, len(xor) + len(mask), 0 if full_table else len(palette)) + \
        pal + bytes(xor) + mask, 8


def png_bytes(img):
    raw = bytearray()
    for row in img:
        raw.append(0)
        for (r, g, b, a) in row:
            raw += bytes((r, g, b, a) if a else (0, 0, 0, 0))

    def chunk(tag, data):
        return (struct.pack('>I', len(data)) + tag + data +
                struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff))

    h, w = len(img), len(img[0])
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
            chunk(b'IEND', b''))


def entry_png(img):
    return png_bytes(img), 32


def write_ico(path, entries):
    """entries: list of (size, (data, bpp))."""
    head = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    dirs, blobs = b'', b''
    for size, (data, bpp) in entries:
        dim = 0 if size >= 256 else size
        dirs += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, bpp, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(head + dirs + blobs)


def write_preview(path, img, scale=8):
    """Enlarged preview on a checkerboard, so transparency shows."""
    out = []
    for y, row in enumerate(img):
        line = [px for px in row for _ in range(scale)]
        for sy in range(scale):
            yy = y * scale + sy
            comp = []
            for xx, (r, g, b, a) in enumerate(line):
                bg = 200 if ((xx // 4) + (yy // 4)) % 2 else 160
                comp.append((
                    (r * a + bg * (255 - a)) // 255,
                    (g * a + bg * (255 - a)) // 255,
                    (b * a + bg * (255 - a)) // 255, 255))
            out.append(comp)
    with open(path, 'wb') as f:
        f.write(png_bytes(out))


def as_8bit_view(img):
    """What the 256-colour entry shows: binary transparency."""
    return [[px[:3] + (255,) if opaque(px) else (0, 0, 0, 0) for px in row]
            for row in img]


# Every size the program asks for at an offered scale (the check of the built
# executable derives them from the same rule), and 256.
MAIN_SIZES = (16, 20, 24, 28, 32, 36, 40, 48, 56, 64, 72, 80, 96, 112, 256)
GLYPH_SIZES = (16, 20, 24, 28, 32, 36, 40, 48, 56)


def main(argv):
    preview = None
    if len(argv) == 2 and argv[0] == '--preview':
        preview = argv[1]
        os.makedirs(preview, exist_ok=True)
    elif argv:
        sys.exit('usage: make-icons.py [--preview DIR]')

    main_imgs = {s: draw_postcards(s) for s in MAIN_SIZES}
    # 32x32 and 16x16 at 256 colours as bitmaps; every other size as PNG with
    # alpha, a fraction of the size of a 32-bit bitmap
    write_ico(os.path.join(HERE, 'Fortuva.ico'),
              [(32, entry_8bit(main_imgs[32])), (16, entry_8bit(main_imgs[16]))] +
              [(s, entry_png(main_imgs[s])) for s in MAIN_SIZES if s not in (16, 32)])
    glyphs = {
        'open': {16: glyph(OPEN_FOLDER), **{s: draw_open_folder(s) for s in GLYPH_SIZES[1:]}},
        'about': {16: glyph(QUESTION), **{s: draw_question(s) for s in GLYPH_SIZES[1:]}},
    }
    for name, imgs in glyphs.items():
        write_ico(os.path.join(HERE, name + '.ico'),
                  [(16, entry_png(imgs[16])), (16, entry_8bit(imgs[16], full_table=False))] +
                  [(s, entry_png(imgs[s])) for s in GLYPH_SIZES[1:]])

    if preview:
        for s, img in main_imgs.items():
            scale = 2 if s == 256 else 8
            write_preview(os.path.join(preview, 'Fortuva-%d.png' % s), img, scale)
            if s in (16, 32):
                write_preview(os.path.join(preview, 'Fortuva-%d-8bit.png' % s),
                              as_8bit_view(img), scale)
        for name, imgs in glyphs.items():
            for s, img in imgs.items():
                write_preview(os.path.join(preview, '%s-%d.png' % (name, s)), img)


if __name__ == '__main__':
    main(sys.argv[1:])
