"""The dialog skin: background, header band, panel, push buttons, the close
and help buttons and the pieces of the progress bar."""

from PIL import Image

from . import canvas as cv
from . import layout as L
from .emblem import emblem


# ------------------------------------------------------------ background

def background():
    w, h = L.CLIENT
    top_h = L.CONTENT[1]
    frame = cv.vgradient((w, h), [(0.0, L.FRAME_TOP), (top_h / h, L.FRAME_MID),
                                  (1.0, L.FRAME_BOTTOM)])
    im = frame.convert("RGBA")

    # accent stripe along the top edge
    stripe = cv.hgradient((w, 3), [(0.0, L.DARK_BLUE), (0.35, L.BRIGHT_BLUE),
                                   (0.7, (94, 178, 226)), (1.0, L.DARK_BLUE)])
    im.paste(stripe, (0, 0))

    # soft glow behind the logo
    glow = cv.rgradient((360, 112), (92, 60), 150,
                        [(0.0, (86, 140, 200, 60)), (0.6, (86, 140, 200, 14)),
                         (1.0, (86, 140, 200, 0))], scale_y=0.55)
    part = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    part.paste(glow, (0, 3))
    im.alpha_composite(part)

    # logo: emblem, product name, tagline
    logo = emblem(60)
    im.alpha_composite(logo, (36, 28))
    name_font = cv.font("bold", 34)
    light_font = cv.font("regular", 34)
    x, base = 110, 66
    m = cv.text_mask((w, h), (x, base + 1), "VELTO", name_font, "ls")
    cv.paint(im, cv.blur(m, 1.2), (0, 0, 0), 0.6)
    m = cv.text_mask((w, h), (x, base), "VELTO", name_font, "ls")
    cv.paint(im, m, cv.vgradient((w, h), [(0.0, (255, 255, 255)), (base / h, (214, 226, 240)),
                                          (1.0, (214, 226, 240))]))
    x2 = x + cv.text_width("VELTO ", name_font)
    m = cv.text_mask((w, h), (x2, base), "PC Cleaner", light_font, "ls")
    cv.paint(im, m, L.SKY)
    tag = cv.text_mask((w, h), (x + 1, base + 22), "Download & Installation Guide",
                       cv.font("regular", 14), "ls")
    cv.paint(im, tag, (150, 168, 190))

    # content area: soft shadow, border, white card
    box = L.CONTENT
    card = cv.rrect_mask((w, h), box, L.CONTENT_RADIUS)
    cv.shadow(im, card, offset=(0, 3), radius=5, opacity=0.55)
    outer = cv.rrect_mask((w, h), (box[0] - 1, box[1] - 1, box[2] + 1, box[3] + 1),
                          L.CONTENT_RADIUS + 1)
    cv.paint(im, outer, (14, 19, 26))
    cv.paint(im, card, L.WHITE)

    # footer
    foot = cv.text_mask((w, h), (box[0] + 4, 510), "\u00a9 VELTO PC Utilities",
                        cv.font("regular", 12), "ls")
    cv.paint(im, foot, (112, 124, 140))

    # one-pixel edge around the window
    edge = Image.new("L", (w, h), 255)
    edge.paste(0, (1, 1, w - 1, h - 1))
    cv.paint(im, edge, L.FRAME_EDGE)
    im.paste(stripe.crop((0, 0, w, 2)), (0, 0))
    return im.convert("RGB")


# ----------------------------------------------------- band and panel

def header_band():
    w, h = 695, 60
    base = Image.new("RGBA", (w, h), L.WHITE + (255,))
    shape = cv.rrect_mask((w, h + 8), (0, 0, w, h + 8), 5).crop((0, 0, w, h))
    cv.paint(base, shape, L.BAND_BORDER)
    inner = cv.rrect_mask((w, h + 8), (1, 1, w - 1, h + 8), 4).crop((0, 0, w, h))
    cv.paint(base, inner, cv.vgradient((w, h), L.BAND_STOPS))
    hl = Image.new("L", (w, h), 0)
    hl.paste(255, (5, 1, w - 5, 2))
    cv.paint(base, hl, L.WHITE, 0.9)
    # blue accent under the band
    acc = Image.new("L", (w, h), 0)
    acc.paste(255, (1, h - 3, w - 1, h - 1))
    cv.paint(base, acc, cv.hgradient((w, h), [(0.0, L.DARK_BLUE), (0.5, L.BRIGHT_BLUE),
                                             (1.0, L.DARK_BLUE)]))
    line = Image.new("L", (w, h), 0)
    line.paste(255, (0, h - 1, w, h))
    cv.paint(base, line, (22, 62, 104))
    return base.convert("RGB")


def panel_colour(row):
    """Colour of the panel's fill at a row (0 = top of the panel)."""
    return cv.ramp(L.PANEL_STOPS, row / 209.0)


def panel():
    w, h = 695, 210
    base = Image.new("RGBA", (w, h), L.WHITE + (255,))
    shape = cv.rrect_mask((w, h), (0, 0, w, h), 5)
    cv.paint(base, shape, L.PANEL_BORDER)
    inner = cv.rrect_mask((w, h), (1, 1, w - 1, h - 1), 4)
    col = Image.new("RGB", (1, h))
    col.putdata([panel_colour(y) for y in range(h)])
    cv.paint(base, inner, col.resize((w, h), Image.NEAREST))
    return base.convert("RGB")


# ------------------------------------------------------------- buttons

NAV_STYLES = {
    # name: (top, bottom, border, highlight alpha)
    "normal": ((78, 136, 190), (33, 84, 136), (22, 58, 98), 0.45),
    "hover": ((98, 162, 218), (44, 104, 162), (26, 70, 118), 0.55),
    "pressed": ((30, 72, 118), (52, 106, 158), (16, 46, 82), 0.12),
}


def _push_button(size, top, bottom, border, gloss, background_rows, radius=4):
    w, h = size
    base = Image.new("RGB", (w, h))
    col = Image.new("RGB", (1, h))
    col.putdata([background_rows(y) for y in range(h)])
    base = col.resize((w, h), Image.NEAREST).convert("RGBA")
    outer = cv.rrect_mask((w, h), (0, 0, w, h), radius)
    cv.paint(base, outer, border)
    inner = cv.rrect_mask((w, h), (1, 1, w - 1, h - 1), radius - 1)
    cv.paint(base, inner, cv.vgradient((w, h), [(0.0, top), (1.0, bottom)]))
    # glossy upper half and a bright inner top line
    upper = cv.mask_mul(inner, cv.rrect_mask((w, h), (1, 1, w - 1, h // 2 + 1), radius - 1))
    cv.paint(base, upper, cv.vgradient((w, h), [(0.0, (255, 255, 255, 60)),
                                                (0.5, (255, 255, 255, 12)),
                                                (1.0, (255, 255, 255, 0))]), gloss)
    top_line = Image.new("L", (w, h), 0)
    top_line.paste(255, (radius, 1, w - radius, 2))
    cv.paint(base, top_line, (255, 255, 255), gloss)
    return base.convert("RGB")


def nav_button(state):
    top, bottom, border, gloss = NAV_STYLES[state]
    return _push_button((88, 26), top, bottom, border, gloss, lambda y: L.WHITE)


BROWSE_STYLES = {
    "normal": ((255, 255, 255), (226, 231, 237), (150, 162, 176), 0.8),
    "hover": ((246, 251, 255), (204, 226, 247), (92, 145, 200), 0.8),
    "pressed": ((196, 217, 239), (228, 239, 250), (72, 118, 168), 0.0),
}


def browse_button(state):
    top, bottom, border, gloss = BROWSE_STYLES[state]
    y0 = L.BROWSE_AT[1] - L.PANEL_AT[1]
    return _push_button((62, 23), top, bottom, border, gloss,
                        lambda y: panel_colour(y0 + y), radius=3)


def close_button(state):
    """Small button at the top right corner: a tab with a cross."""
    w, h = 44, 18
    im = cv.new_rgba((w, h))
    shape = cv.rrect_mask((w, h), (0, 0, w, h), 4)
    fills = {
        "normal": ([(0.0, (255, 255, 255, 34)), (1.0, (255, 255, 255, 16))], (200, 212, 226)),
        "hover": ([(0.0, (232, 92, 80, 255)), (1.0, (190, 42, 36, 255))], (255, 255, 255)),
        "pressed": ([(0.0, (150, 30, 26, 255)), (1.0, (184, 48, 42, 255))], (240, 220, 220)),
    }
    stops, glyph = fills[state]
    cv.paint(im, shape, cv.vgradient((w, h), stops))
    rim = cv.mask_sub(shape, cv.rrect_mask((w, h), (1, 1, w - 1, h - 1), 3))
    cv.paint(im, rim, (255, 255, 255, 255) if state == "normal" else (120, 20, 16, 255),
             0.22 if state == "normal" else 0.6)
    cx, cy, r = w / 2.0, h / 2.0, 4.0
    cross = cv.mask((w, h), lambda p: (p.line([(cx - r, cy - r), (cx + r, cy + r)], 1.7),
                                        p.line([(cx - r, cy + r), (cx + r, cy - r)], 1.7)))
    cv.paint(im, cross, glyph)
    return cv.clean_alpha(im)


def help_button(state):
    """Round badge with a question mark; the caption is drawn below it."""
    w, h = 48, 70
    im = cv.new_rgba((w, h))
    cx, cy, r = 24.0, 21.0, 15.0
    disc = cv.mask((w, h), lambda p: p.circle(cx, cy, r))
    cv.shadow(im, disc, offset=(0, 2), radius=2, opacity=0.5)
    styles = {
        "normal": [(0.0, (104, 170, 230)), (1.0, (28, 80, 138))],
        "hover": [(0.0, (130, 196, 250)), (1.0, (40, 104, 170))],
        "pressed": [(0.0, (24, 70, 124)), (1.0, (62, 120, 180))],
    }
    cv.paint(im, disc, cv.vgradient((w, h), [(0.0, styles[state][0][1]),
                                             ((cy - r) / h, styles[state][0][1]),
                                             ((cy + r) / h, styles[state][1][1]),
                                             (1.0, styles[state][1][1])]))
    ring = cv.mask((w, h), lambda p: p.ring(cx, cy, r, r - 1.2))
    cv.paint(im, ring, (255, 255, 255), 0.35)
    if state != "pressed":
        gloss = cv.mask_mul(disc, cv.mask((w, h), lambda p: p.ellipse(
            (cx - r + 3, cy - r + 1.5, cx + r - 3, cy + 1))))
        cv.paint(im, gloss, (255, 255, 255), 0.28)
    q = cv.text_mask((w, h), (cx, cy + 1), "?", cv.font("bold", 22), "mm")
    cv.paint(im, q, (255, 255, 255))
    return cv.clean_alpha(im)


# ------------------------------------------------------- progress bar

TRACK_BORDER = (150, 164, 180)
TRACK_INNER = [(0.0, (214, 221, 229)), (0.25, (232, 237, 242)), (1.0, (248, 250, 252))]
TRACK_ROWS = 25


def track_colours():
    """Colours of one column of the empty track, top to bottom."""
    rows = [TRACK_BORDER]
    for y in range(1, TRACK_ROWS - 1):
        rows.append(cv.ramp(TRACK_INNER, (y - 1) / (TRACK_ROWS - 3)))
    rows.append((186, 196, 208))
    return rows


def track_column():
    im = Image.new("RGB", (1, TRACK_ROWS))
    im.putdata(track_colours())
    return im


def track_end(side):
    """Rounded end of the track; side 'left' or 'right'."""
    w, h = 4, TRACK_ROWS
    big_w = 12
    y0 = L.PROGRESS_AT[1] - L.PANEL_AT[1]
    bg = Image.new("RGB", (1, h))
    bg.putdata([panel_colour(y0 + y) for y in range(h)])
    base = bg.resize((big_w, h), Image.NEAREST).convert("RGBA")
    outer = cv.rrect_mask((big_w, h), (0, 0, big_w, h), 4)
    cv.paint(base, outer, TRACK_BORDER)
    inner = cv.rrect_mask((big_w, h), (1, 1, big_w - 1, h - 1), 3)
    col = track_column().resize((big_w, h), Image.NEAREST)
    cv.paint(base, inner, col)
    im = base.convert("RGB").crop((0, 0, w, h))
    # the bottom border row is lighter than the top one, like the column
    if side == "right":
        im = im.transpose(Image.FLIP_LEFT_RIGHT)
    return im


FILL_STOPS = [(0.0, (140, 192, 236)), (0.46, (82, 142, 198)), (0.50, (56, 114, 170)),
              (1.0, (36, 86, 140))]
FILL_ROWS = 21


def fill_colours():
    return [cv.ramp(FILL_STOPS, y / (FILL_ROWS - 1)) for y in range(FILL_ROWS)]


def fill_column():
    im = Image.new("RGB", (1, FILL_ROWS))
    im.putdata(fill_colours())
    return im


def marquee_block():
    """Block of the marquee mode: fill colours fading into the track."""
    w, h = 64, FILL_ROWS
    track = track_colours()[2:2 + h]
    fill = fill_colours()
    im = Image.new("RGB", (w, h))
    px = []
    for y in range(h):
        for x in range(w):
            d = min(x + 0.5, w - x - 0.5) / 18.0
            t = min(1.0, d)
            t = t * t * (3 - 2 * t)
            px.append(cv.mix(track[y], fill[y], t))
    im.putdata(px)
    return im
