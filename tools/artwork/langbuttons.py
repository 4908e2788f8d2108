"""The five wide language buttons of the welcome page (695 x 60, opaque).

Each button is a card on the white content area with the language's flag,
its name and an invitation in that language, and a round arrow on the
right. The hover image (also used while pressed) tints the card blue.
"""

from PIL import Image

from . import canvas as cv
from . import layout as L

SIZE = (695, 60)
FLAG_BOX = (22, 18, 58, 42)   # 36 x 24

# image ids: (normal, hover)
BUTTONS = {
    "en": (168, 169),
    "de": (166, 167),
    "es": (170, 171),
    "fr": (172, 173),
    "it": (174, 165),
}

CAPTIONS = {
    "en": ("English", "Continue the installation in English"),
    "de": ("Deutsch", "Installation auf Deutsch fortsetzen"),
    "es": ("Español", "Continuar la instalación en español"),
    "fr": ("Français", "Continuer l'installation en français"),
    "it": ("Italiano", "Continua l'installazione in italiano"),
}


# ---------------------------------------------------------------- flags

def _stripes(fm, box, colours, vertical, weights=None):
    x0, y0, x1, y1 = box
    weights = weights or [1] * len(colours)
    total = float(sum(weights))
    pos = 0.0
    for colour, w in zip(colours, weights):
        a = pos / total
        b = (pos + w) / total
        pos += w
        if vertical:
            band = (x0 + (x1 - x0) * a, y0, x0 + (x1 - x0) * b, y1)
        else:
            band = (x0, y0 + (y1 - y0) * a, x1, y0 + (y1 - y0) * b)
        cv.paint(fm, cv.mask(SIZE, lambda p: p.rect(band)), colour)


def _union_flag(fm, box):
    x0, y0, x1, y1 = box
    sx = (x1 - x0) / 60.0
    sy = (y1 - y0) / 30.0

    def P(x, y):
        return (x0 + x * sx, y0 + y * sy)

    cv.paint(fm, cv.mask(SIZE, lambda p: p.rect(box)), (1, 33, 105))
    # white saltire
    diag = cv.mask(SIZE, lambda p: (p.line([P(0, 0), P(60, 30)], 6 * sy * 1.1, round_caps=False),
                                    p.line([P(0, 30), P(60, 0)], 6 * sy * 1.1, round_caps=False)))
    cv.paint(fm, diag, (255, 255, 255))

    # red saltire, counterchanged: each arm lies on one side of the diagonal
    def arm(cx, cy, ex, ey, side):
        dx, dy = ex - cx, ey - cy
        n = (dx * dx + dy * dy) ** 0.5
        nx, ny = -dy / n * side, dx / n * side
        w = 2.0
        return [P(cx, cy), P(ex, ey), P(ex + nx * w, ey + ny * w), P(cx + nx * w, cy + ny * w)]

    red = cv.mask(SIZE, lambda p: (p.polygon(arm(30, 15, 0, 0, 1)), p.polygon(arm(30, 15, 60, 30, 1)),
                                   p.polygon(arm(30, 15, 60, 0, 1)), p.polygon(arm(30, 15, 0, 30, 1))))
    cv.paint(fm, red, (200, 16, 46))
    cv.paint(fm, cv.mask(SIZE, lambda p: (p.rect((x0, y0 + 10 * sy, x1, y0 + 20 * sy)),
                                          p.rect((x0 + 25 * sx, y0, x0 + 35 * sx, y1)))),
             (255, 255, 255))
    cv.paint(fm, cv.mask(SIZE, lambda p: (p.rect((x0, y0 + 12 * sy, x1, y0 + 18 * sy)),
                                          p.rect((x0 + 27 * sx, y0, x0 + 33 * sx, y1)))),
             (200, 16, 46))


def _spain(fm, box):
    _stripes(fm, box, [(198, 11, 30), (255, 196, 0), (198, 11, 30)], False, [1, 2, 1])
    x0, y0, x1, y1 = box
    # a simplified coat of arms towards the hoist
    w = (x1 - x0)
    cx, cy = x0 + w * 0.32, (y0 + y1) / 2.0
    shield = cv.mask(SIZE, lambda p: p.rrect((cx - 3, cy - 3.5, cx + 3, cy + 4), 1.5))
    cv.paint(fm, shield, (176, 30, 36))
    cv.paint(fm, cv.mask(SIZE, lambda p: p.rect((cx - 5.5, cy - 3, cx - 4.2, cy + 4))), (170, 140, 90))
    cv.paint(fm, cv.mask(SIZE, lambda p: p.rect((cx + 4.2, cy - 3, cx + 5.5, cy + 4))), (170, 140, 90))
    cv.paint(fm, cv.mask(SIZE, lambda p: p.rect((cx - 2, cy - 5.5, cx + 2, cy - 4))), (200, 150, 40))


def flag(code):
    """The language's flag with rounded corners, gloss and a soft shadow."""
    fm = cv.new_rgba(SIZE)
    box = FLAG_BOX
    if code == "en":
        _union_flag(fm, box)
    elif code == "de":
        _stripes(fm, box, [(20, 20, 20), (221, 0, 0), (255, 206, 0)], False)
    elif code == "es":
        _spain(fm, box)
    elif code == "fr":
        _stripes(fm, box, [(0, 85, 164), (255, 255, 255), (239, 65, 53)], True)
    elif code == "it":
        _stripes(fm, box, [(0, 146, 70), (255, 255, 255), (206, 43, 55)], True)
    shape = cv.rrect_mask(SIZE, box, 3)
    out = cv.new_rgba(SIZE)
    cv.shadow(out, shape, offset=(0, 2), radius=2.0, opacity=0.35)
    fm.putalpha(cv.mask_mul(fm.getchannel("A"), shape))
    out.alpha_composite(fm)
    # gloss: light top half, slightly darker bottom
    x0, y0, x1, y1 = box
    cv.paint(out, shape, cv.vgradient(SIZE, [
        (0.0, (255, 255, 255, 0)), (y0 / 60.0, (255, 255, 255, 110)),
        ((y0 + y1) / 120.0, (255, 255, 255, 20)), ((y0 + y1) / 120.0 + 0.01, (0, 0, 0, 0)),
        (y1 / 60.0, (0, 0, 0, 40)), (1.0, (0, 0, 0, 0))]))
    rim = cv.mask_sub(shape, cv.rrect_mask(SIZE, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), 2))
    cv.paint(out, rim, (0, 0, 0), 0.25)
    return out


# -------------------------------------------------------------- buttons

STATES = {
    "normal": {
        "fill": [(0.0, (255, 255, 255)), (1.0, (241, 244, 248))],
        "border": (210, 218, 228),
        "name": L.DARK_BLUE,
        "line": (108, 118, 130),
        "disc": [(0.0, (240, 244, 249)), (1.0, (214, 222, 232))],
        "disc_rim": (188, 198, 212),
        "chevron": (96, 120, 150),
        "accent": None,
    },
    "hover": {
        "fill": [(0.0, (246, 251, 255)), (1.0, (214, 232, 250))],
        "border": (112, 162, 214),
        "name": L.NAVY,
        "line": (62, 92, 126),
        "disc": [(0.0, (104, 170, 230)), (1.0, (30, 86, 148))],
        "disc_rim": (26, 70, 122),
        "chevron": (255, 255, 255),
        "accent": [(0.0, L.BRIGHT_BLUE), (1.0, L.DARK_BLUE)],
    },
}


def button(code, state):
    st = STATES[state]
    w, h = SIZE
    im = Image.new("RGBA", SIZE, L.WHITE + (255,))
    outer = cv.rrect_mask(SIZE, (0, 0, w, h), 6)
    cv.paint(im, outer, st["border"])
    inner = cv.rrect_mask(SIZE, (1, 1, w - 1, h - 1), 5)
    cv.paint(im, inner, cv.vgradient(SIZE, st["fill"]))
    top = Image.new("L", SIZE, 0)
    top.paste(255, (6, 1, w - 6, 2))
    cv.paint(im, top, (255, 255, 255), 0.9)
    if st["accent"]:
        bar = cv.mask_mul(inner, cv.mask(SIZE, lambda p: p.rect((1, 1, 6, h - 1))))
        cv.paint(im, bar, cv.vgradient(SIZE, st["accent"]))

    im.alpha_composite(flag(code))

    name, line = CAPTIONS[code]
    m = cv.text_mask(SIZE, (76, 29), name, cv.font("bold", 20), "ls")
    cv.paint(im, cv.shift(m, 0, 1), (255, 255, 255), 0.8)
    cv.paint(im, m, st["name"])
    m = cv.text_mask(SIZE, (77, 47), line, cv.font("regular", 13), "ls")
    cv.paint(im, m, st["line"])

    cx, cy, r = w - 40.0, h / 2.0, 14.0
    disc = cv.mask(SIZE, lambda p: p.circle(cx, cy, r))
    if state == "hover":
        cv.shadow(im, disc, offset=(0, 1), radius=1.5, opacity=0.3)
    cv.paint(im, disc, st["disc_rim"])
    disc_in = cv.mask(SIZE, lambda p: p.circle(cx, cy, r - 1))
    cv.paint(im, disc_in, cv.vgradient(SIZE, [(0.0, st["disc"][0][1]),
                                              ((cy - r) / h, st["disc"][0][1]),
                                              ((cy + r) / h, st["disc"][1][1]),
                                              (1.0, st["disc"][1][1])]))
    chev = cv.mask(SIZE, lambda p: p.line([(cx - 3, cy - 6), (cx + 3.5, cy), (cx - 3, cy + 6)], 2.6))
    cv.paint(im, chev, st["chevron"])
    return im.convert("RGB")


def all_buttons():
    out = {}
    for code, (normal, hover) in BUTTONS.items():
        out[normal] = button(code, "normal")
        out[hover] = button(code, "hover")
    return out
