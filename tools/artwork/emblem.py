"""The product emblem: a blue rounded tile with a white "V" that doubles as a
check mark, and a small sparkle. Used by the program icon and the logo in
the dialog's top frame."""

import math

from PIL import Image

from . import canvas as cv

TILE_STOPS = [(0.0, (104, 178, 240)), (0.45, (48, 118, 190)), (1.0, (18, 62, 116))]


def sparkle_points(cx, cy, r, inner=0.28):
    pts = []
    for i in range(8):
        a = math.radians(-90 + 45 * i)
        rr = r if i % 2 == 0 else r * inner
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def v_points(x, y, s, heavy=False):
    """The "V" tick inside a tile of side s at (x, y)."""
    if heavy:
        u = [(0.12, 0.26), (0.34, 0.26), (0.49, 0.56), (0.66, 0.18), (0.89, 0.18),
             (0.59, 0.84), (0.40, 0.84)]
    else:
        u = [(0.16, 0.28), (0.315, 0.28), (0.487, 0.615), (0.69, 0.21), (0.855, 0.21),
             (0.56, 0.80), (0.415, 0.80)]
    return [(x + a * s, y + b * s) for a, b in u]


def emblem(size, detail=True):
    """Emblem as an RGBA image of size x size pixels."""
    s = float(size)
    im = cv.new_rgba((size, size))
    pad = max(0.5, s * 0.03) if detail else 0.0
    r = s * 0.22
    box = (pad, pad, s - pad, s - pad)
    tile = cv.mask((size, size), lambda p: p.rrect(box, r))
    if detail and size >= 32:
        cv.shadow(im, tile, offset=(0, max(1, size // 40)), radius=max(0.6, s / 48),
                  opacity=0.45)
    body = cv.lgradient((size, size), (0, 0), (s * 0.55, s), TILE_STOPS)
    cv.paint(im, tile, body)
    # rim: a slightly darker edge gives the tile a crisp outline
    inner = cv.mask((size, size), lambda p: p.rrect(
        (box[0] + s * 0.035, box[1] + s * 0.035, box[2] - s * 0.035, box[3] - s * 0.035),
        r * 0.85))
    cv.paint(im, cv.mask_sub(tile, inner), (12, 46, 92), 0.55)
    if detail:
        # gloss on the upper half
        gloss = cv.mask((size, size), lambda p: p.ellipse(
            (-s * 0.25, -s * 0.62, s * 1.25, s * 0.50)))
        gloss = cv.mask_mul(gloss, inner)
        g = cv.vgradient((size, size), [(0.0, (255, 255, 255, 120)), (0.5, (255, 255, 255, 18)),
                                        (1.0, (255, 255, 255, 0))])
        cv.paint(im, gloss, g)
    vm = cv.mask((size, size), lambda p: p.polygon(v_points(0, 0, s, heavy=not detail)))
    if detail and size >= 32:
        cv.shadow(im, vm, offset=(0, max(1, size // 48)), radius=max(0.5, s / 64),
                  colour=(8, 36, 80), opacity=0.5)
    cv.paint(im, vm, cv.vgradient((size, size), [(0.0, (255, 255, 255)), (1.0, (222, 238, 252))]))
    if detail:
        sp = cv.mask((size, size), lambda p: p.polygon(sparkle_points(s * 0.79, s * 0.70, s * 0.11)))
        cv.paint(im, sp, (196, 240, 255))
        sp2 = cv.mask((size, size), lambda p: p.polygon(sparkle_points(s * 0.24, s * 0.70, s * 0.06)))
        cv.paint(im, sp2, (196, 240, 255), 0.8)
    return im


def icon_images():
    """The program icon's images: 16, 32, 48 and 256 pixels."""
    out = []
    for size in (16, 32, 48, 256):
        out.append(cv.clean_alpha(emblem(size, detail=size >= 32)))
    return out
