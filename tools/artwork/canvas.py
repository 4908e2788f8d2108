"""Drawing primitives shared by all pictures.

Shapes are rasterised as coverage masks at a multiple of the target
resolution and reduced by area averaging, which gives clean antialiased
edges without ringing. Fills are plain colours or gradient images; every
composition works on straight (not premultiplied) RGBA images.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SUPERSAMPLE = 4

FONT_DIRS = (
    "/usr/share/fonts/truetype/liberation2",
    "/usr/share/fonts/truetype/liberation",
)
FONT_FILES = {
    "regular": "LiberationSans-Regular.ttf",
    "bold": "LiberationSans-Bold.ttf",
}
FALLBACK_FONTS = {
    "regular": "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
}

_font_cache = {}


def font_path(weight):
    import os
    for d in FONT_DIRS:
        p = os.path.join(d, FONT_FILES[weight])
        if os.path.exists(p):
            return p
    return FALLBACK_FONTS[weight]


def font(weight, size):
    key = (weight, size)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(font_path(weight), size)
    return _font_cache[key]


# ---------------------------------------------------------------- colours

def mix(a, b, t):
    """Linear blend of two colours (tuples of equal length), t in 0..1."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def ramp(stops, t):
    """Colour of a multi-stop gradient at t; stops are (position, colour)."""
    if t <= stops[0][0]:
        return tuple(stops[0][1])
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            u = 0.0 if t1 == t0 else (t - t0) / (t1 - t0)
            return mix(c0, c1, u)
    return tuple(stops[-1][1])


def rgba(c, a=255):
    return tuple(c[:3]) + ((c[3],) if len(c) == 4 else (a,))


# -------------------------------------------------------------- gradients

def vgradient(size, stops, mode="RGBA"):
    """Vertical gradient over the full height: stops at 0.0 (top row) .. 1.0."""
    w, h = size
    col = Image.new(mode, (1, h))
    n = max(h - 1, 1)
    col.putdata([_fit(ramp(stops, y / n), mode) for y in range(h)])
    return col.resize((w, h), Image.NEAREST)


def hgradient(size, stops, mode="RGBA"):
    w, h = size
    row = Image.new(mode, (w, 1))
    n = max(w - 1, 1)
    row.putdata([_fit(ramp(stops, x / n), mode) for x in range(w)])
    return row.resize((w, h), Image.NEAREST)


def lgradient(size, p0, p1, stops, mode="RGBA"):
    """Linear gradient from point p0 (t = 0) to point p1 (t = 1)."""
    w, h = size
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    ll = dx * dx + dy * dy or 1.0
    data = []
    for y in range(h):
        for x in range(w):
            t = ((x + 0.5 - p0[0]) * dx + (y + 0.5 - p0[1]) * dy) / ll
            data.append(_fit(ramp(stops, min(max(t, 0.0), 1.0)), mode))
    im = Image.new(mode, size)
    im.putdata(data)
    return im


def rgradient(size, centre, radius, stops, mode="RGBA", scale_y=1.0):
    """Radial gradient around centre; t = distance / radius."""
    w, h = size
    cx, cy = centre
    data = []
    for y in range(h):
        for x in range(w):
            d = math.hypot(x + 0.5 - cx, (y + 0.5 - cy) / scale_y) / radius
            data.append(_fit(ramp(stops, min(d, 1.0)), mode))
    im = Image.new(mode, size)
    im.putdata(data)
    return im


def _fit(c, mode):
    if mode == "RGBA":
        return rgba(c)
    if mode == "RGB":
        return tuple(c[:3])
    if mode == "L":
        return c[0] if isinstance(c, tuple) else c
    raise ValueError(mode)


# ------------------------------------------------------------------ masks

class Pen:
    """Draws on a supersampled mask in target pixel coordinates.

    A box (x0, y0, x1, y1) covers x0 <= x < x1 like a pixel rectangle.
    """

    def __init__(self, draw, ss):
        self.d = draw
        self.ss = ss

    def _p(self, pts):
        s = self.ss
        return [(x * s, y * s) for x, y in pts]

    def _box(self, box):
        s = self.ss
        x0, y0, x1, y1 = box
        return (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1)

    def polygon(self, pts, fill=255):
        self.d.polygon(self._p(pts), fill=fill)

    def rect(self, box, fill=255):
        self.d.rectangle(self._box(box), fill=fill)

    def ellipse(self, box, fill=255):
        self.d.ellipse(self._box(box), fill=fill)

    def circle(self, cx, cy, r, fill=255):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill)

    def rrect(self, box, r, fill=255):
        if r <= 0:
            self.rect(box, fill)
            return
        self.d.rounded_rectangle(self._box(box), radius=r * self.ss, fill=fill)

    def line(self, pts, width, fill=255, round_caps=True):
        s = self.ss
        p = self._p(pts)
        self.d.line(p, fill=fill, width=max(1, int(round(width * s))), joint="curve")
        if round_caps:
            r = width * s / 2.0
            for (x, y) in (p[0], p[-1]):
                self.d.ellipse((x - r, y - r, x + r, y + r), fill=fill)

    def ring(self, cx, cy, r_out, r_in, fill=255):
        self.circle(cx, cy, r_out, fill)
        self.circle(cx, cy, r_in, 0)

    def arc_band(self, cx, cy, r_out, r_in, a0, a1, fill=255, steps=96):
        """Annular sector between angles a0..a1 (degrees, clockwise from +x)."""
        pts = []
        for i in range(steps + 1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            pts.append((cx + r_out * math.cos(a), cy + r_out * math.sin(a)))
        for i in range(steps, -1, -1):
            a = math.radians(a0 + (a1 - a0) * i / steps)
            pts.append((cx + r_in * math.cos(a), cy + r_in * math.sin(a)))
        self.polygon(pts, fill)


def mask(size, fn, ss=SUPERSAMPLE):
    """Coverage mask of the shapes that fn draws with a Pen."""
    w, h = size
    m = Image.new("L", (w * ss, h * ss), 0)
    fn(Pen(ImageDraw.Draw(m), ss))
    return m.reduce(ss) if ss > 1 else m


def rrect_mask(size, box, r):
    return mask(size, lambda p: p.rrect(box, r))


def mask_mul(a, b):
    return ImageChops.multiply(a, b)


def mask_sub(a, b):
    return ImageChops.subtract(a, b)


def mask_add(a, b):
    return ImageChops.add(a, b)


def mask_scale(m, factor):
    return m.point(lambda v: int(round(v * factor)))


def blur(m, radius):
    return m.filter(ImageFilter.GaussianBlur(radius))


def shift(m, dx, dy):
    out = Image.new(m.mode, m.size, 0)
    out.paste(m, (dx, dy))
    return out


# -------------------------------------------------------------- painting

def paint(dst, m, fill, opacity=1.0):
    """Composite fill (colour or image) through mask m onto RGBA image dst."""
    if isinstance(fill, Image.Image):
        layer = fill.convert("RGBA").copy()
    else:
        layer = Image.new("RGBA", dst.size, rgba(fill))
    a = layer.getchannel("A")
    a = ImageChops.multiply(a, m)
    if opacity != 1.0:
        a = mask_scale(a, opacity)
    layer.putalpha(a)
    dst.alpha_composite(layer)


def shadow(dst, m, offset=(0, 2), radius=2.0, colour=(0, 0, 0), opacity=0.35):
    s = blur(shift(m, *offset), radius)
    paint(dst, s, colour, opacity)


def new_rgba(size, colour=(0, 0, 0, 0)):
    return Image.new("RGBA", size, colour)


def flatten(im, background):
    """Opaque RGB image of im composited over a colour or an RGB(A) image."""
    if isinstance(background, Image.Image):
        base = background.convert("RGBA").copy()
    else:
        base = Image.new("RGBA", im.size, rgba(background))
    base.alpha_composite(im)
    return base.convert("RGB")


def clean_alpha(im):
    """Zero the colour of fully transparent pixels (smaller, stable files)."""
    im = im.convert("RGBA")
    a = im.getchannel("A")
    keep = a.point(lambda v: 255 if v else 0)
    blank = Image.new("RGBA", im.size, (0, 0, 0, 0))
    return Image.composite(im, blank, keep)


# ------------------------------------------------------------------ text

def text_mask(size, xy, text, fnt, anchor="la"):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).text(xy, text, fill=255, font=fnt, anchor=anchor)
    return m


def text_width(text, fnt):
    return fnt.getlength(text)

