"""Banner pictures of the download and installation pages and the picture of
the upgrade notification page (113 x 80, with alpha)."""

import math

from PIL import Image

from . import canvas as cv

SIZE = (113, 80)


def _ground(im, x0, x1, y, depth=6, opacity=0.28):
    m = cv.mask(SIZE, lambda p: p.ellipse((x0, y - depth / 2, x1, y + depth / 2)))
    cv.paint(im, cv.blur(m, 2.2), (20, 30, 45), opacity)


def _gloss(im, shape, box, strength=0.45):
    x0, y0, x1, y1 = box
    g = cv.mask(SIZE, lambda p: p.ellipse((x0 - (x1 - x0) * 0.3, y0 - (y1 - y0) * 0.9,
                                            x1 + (x1 - x0) * 0.3, y0 + (y1 - y0) * 0.5)))
    cv.paint(im, cv.mask_mul(g, shape), cv.vgradient(SIZE, [
        (0.0, (255, 255, 255, 150)), (y1 / SIZE[1], (255, 255, 255, 0)),
        (1.0, (255, 255, 255, 0))]), strength)


def _vstops(y0, y1, c0, c1):
    h = SIZE[1]
    return [(0.0, c0), (max(0.0, y0 / h), c0), (min(1.0, y1 / h), c1), (1.0, c1)]


def _badge(im, cx, cy, r, top, bottom, rim):
    disc = cv.mask(SIZE, lambda p: p.circle(cx, cy, r))
    cv.shadow(im, disc, offset=(0, 2), radius=2.0, opacity=0.35)
    cv.paint(im, disc, rim)
    inner = cv.mask(SIZE, lambda p: p.circle(cx, cy, r - 1.3))
    cv.paint(im, inner, cv.vgradient(SIZE, _vstops(cy - r, cy + r, top, bottom)))
    _gloss(im, inner, (cx - r, cy - r, cx + r, cy + r * 0.2), 0.7)
    return disc


def _arrow(cx, cy, length, shaft, head, head_len, down=True):
    """Points of a block arrow centred at (cx, cy), pointing down or up."""
    s = 1 if down else -1
    top = cy - s * length / 2.0
    tip = cy + s * length / 2.0
    neck = tip - s * head_len
    pts = [(cx - shaft / 2, top), (cx + shaft / 2, top), (cx + shaft / 2, neck),
           (cx + head / 2, neck), (cx, tip), (cx - head / 2, neck), (cx - shaft / 2, neck)]
    return pts


def _drive(im, box):
    """A hard disk drive seen from the front."""
    x0, y0, x1, y1 = box
    body = cv.mask(SIZE, lambda p: p.rrect(box, 5))
    cv.shadow(im, body, offset=(0, 2), radius=2.0, opacity=0.4)
    cv.paint(im, body, (96, 106, 120))
    inner = cv.mask(SIZE, lambda p: p.rrect((x0 + 1, y0 + 1, x1 - 1, y1 - 1), 4))
    cv.paint(im, inner, cv.vgradient(SIZE, _vstops(y0, y1, (246, 248, 251), (178, 187, 199))))
    # lower strip with the activity light
    strip_top = y1 - (y1 - y0) * 0.38
    strip = cv.mask_mul(inner, cv.mask(SIZE, lambda p: p.rect((x0, strip_top, x1, y1))))
    cv.paint(im, strip, cv.vgradient(SIZE, _vstops(strip_top, y1, (120, 130, 144), (72, 80, 94))))
    seam = cv.mask(SIZE, lambda p: p.rect((x0 + 2, strip_top, x1 - 2, strip_top + 0.8)))
    cv.paint(im, seam, (255, 255, 255), 0.6)
    ly = (strip_top + y1) / 2.0
    led = cv.mask(SIZE, lambda p: p.circle(x1 - 9, ly, 2.2))
    cv.paint(im, cv.blur(led, 1.5), (120, 255, 120), 0.9)
    cv.paint(im, led, (96, 230, 96))
    for i in range(4):
        gx = x0 + 7 + i * 4
        g = cv.mask(SIZE, lambda p: p.rect((gx, ly - 2.5, gx + 2, ly + 2.5)))
        cv.paint(im, g, (44, 50, 60), 0.8)
    _gloss(im, inner, (x0, y0, x1, strip_top), 0.6)


def _cube(im, x, y, s, top, left, right):
    """A small isometric cube with its top corner at (x, y) and edge s."""
    h = s * 0.5
    t = [(x, y), (x + s, y + h), (x, y + 2 * h), (x - s, y + h)]
    l = [(x - s, y + h), (x, y + 2 * h), (x, y + 2 * h + s), (x - s, y + h + s)]
    r = [(x, y + 2 * h), (x + s, y + h), (x + s, y + h + s), (x, y + 2 * h + s)]
    whole = cv.mask(SIZE, lambda p: (p.polygon(t), p.polygon(l), p.polygon(r)))
    cv.shadow(im, whole, offset=(1, 1), radius=1.2, opacity=0.3)
    cv.paint(im, cv.mask(SIZE, lambda p: p.polygon(l)), left)
    cv.paint(im, cv.mask(SIZE, lambda p: p.polygon(r)), right)
    cv.paint(im, cv.mask(SIZE, lambda p: p.polygon(t)), top)
    edge = cv.mask(SIZE, lambda p: (p.line([t[3], t[0], t[1]], 0.7, round_caps=False)))
    cv.paint(im, edge, (255, 255, 255), 0.6)


def _sparkle(im, cx, cy, r, colour=(84, 176, 240), glow=(170, 220, 255)):
    pts = []
    for i in range(8):
        a = math.radians(-90 + 45 * i)
        rr = r if i % 2 == 0 else r * 0.22
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    m = cv.mask(SIZE, lambda p: p.polygon(pts))
    cv.paint(im, cv.blur(m, 1.6), glow, 0.9)
    cv.paint(im, m, colour)


# -------------------------------------------------------------- pictures

def download_picture():
    im = cv.new_rgba(SIZE)
    _ground(im, 14, 92, 72)
    # monitor
    stand = cv.mask(SIZE, lambda p: p.polygon([(39, 57), (55, 57), (58, 67), (36, 67)]))
    cv.paint(im, stand, cv.vgradient(SIZE, _vstops(57, 67, (120, 128, 140), (70, 76, 88))))
    foot = cv.mask(SIZE, lambda p: p.rrect((28, 65, 66, 71), 2.5))
    cv.paint(im, foot, cv.vgradient(SIZE, _vstops(65, 71, (150, 158, 170), (80, 86, 98))))
    bezel = cv.mask(SIZE, lambda p: p.rrect((10, 8, 84, 59), 5))
    cv.shadow(im, bezel, offset=(0, 2), radius=2.0, opacity=0.4)
    cv.paint(im, bezel, cv.vgradient(SIZE, _vstops(8, 59, (92, 100, 114), (38, 43, 52))))
    screen = cv.mask(SIZE, lambda p: p.rect((14, 12, 80, 53)))
    cv.paint(im, screen, cv.lgradient(SIZE, (14, 12), (60, 60),
                                      [(0.0, (120, 190, 245)), (1.0, (30, 88, 160))]))
    # a download in progress on the screen
    track = cv.mask(SIZE, lambda p: p.rrect((21, 40, 73, 46), 3))
    cv.paint(im, track, (255, 255, 255), 0.9)
    bar = cv.mask(SIZE, lambda p: p.rrect((22, 41, 53, 45), 2))
    cv.paint(im, bar, cv.vgradient(SIZE, _vstops(41, 45, (130, 220, 110), (50, 160, 50))))
    for i, w in enumerate((34, 26)):
        ln = cv.mask(SIZE, lambda p: p.rrect((21, 19 + i * 7, 21 + w, 23 + i * 7), 2))
        cv.paint(im, ln, (255, 255, 255), 0.55)
    _gloss(im, screen, (14, 12, 80, 34), 0.55)
    # green badge with an arrow pointing down
    _badge(im, 85, 50, 18, (120, 214, 104), (34, 138, 48), (24, 100, 36))
    arrow = cv.mask(SIZE, lambda p: p.polygon(_arrow(85, 51, 22, 7, 17, 9, down=True)))
    cv.shadow(im, arrow, offset=(0, 1), radius=0.8, colour=(10, 70, 20), opacity=0.6)
    cv.paint(im, arrow, (255, 255, 255))
    return cv.clean_alpha(im)


def scan_picture():
    im = cv.new_rgba(SIZE)
    _ground(im, 8, 96, 73)
    _drive(im, (8, 40, 84, 69))
    # registry blocks on top of the drive
    _cube(im, 27, 14, 9, (128, 196, 255), (46, 120, 200), (28, 86, 156))
    _cube(im, 45, 23, 9, (255, 196, 110), (232, 140, 40), (188, 104, 22))
    _cube(im, 18, 23, 8, (150, 230, 150), (60, 170, 70), (38, 128, 48))
    # magnifying glass
    cx, cy, r = 80.0, 31.0, 15.0
    handle = cv.mask(SIZE, lambda p: p.line([(cx + 11, cy + 11), (cx + 23, cy + 24)], 7))
    cv.shadow(im, handle, offset=(0, 2), radius=1.5, opacity=0.4)
    cv.paint(im, handle, cv.lgradient(SIZE, (cx + 15, cy + 12), (cx + 12, cy + 22),
                                      [(0.0, (96, 70, 52)), (1.0, (44, 30, 22))]))
    lens = cv.mask(SIZE, lambda p: p.circle(cx, cy, r))
    cv.paint(im, lens, (200, 232, 255), 0.45)
    glint = cv.mask_mul(lens, cv.mask(SIZE, lambda p: p.ellipse((cx - 11, cy - 12, cx + 4, cy - 2))))
    cv.paint(im, glint, (255, 255, 255), 0.6)
    ring = cv.mask(SIZE, lambda p: p.ring(cx, cy, r + 2.5, r - 0.5))
    cv.shadow(im, ring, offset=(0, 2), radius=1.5, opacity=0.35)
    cv.paint(im, ring, cv.vgradient(SIZE, _vstops(cy - r, cy + r, (196, 204, 214), (82, 92, 106))))
    return cv.clean_alpha(im)


def clean_picture():
    im = cv.new_rgba(SIZE)
    _ground(im, 6, 104, 73)
    _drive(im, (6, 40, 78, 69))
    # broom leaning over the drive
    handle = cv.mask(SIZE, lambda p: p.line([(104, 4), (74, 44)], 4.5))
    cv.shadow(im, handle, offset=(1, 2), radius=1.5, opacity=0.35)
    cv.paint(im, handle, cv.lgradient(SIZE, (100, 10), (103, 13),
                                      [(0.0, (222, 170, 108)), (1.0, (150, 96, 46))]))
    bristles = [(70, 40), (82, 50), (78, 72), (54, 66)]
    bm = cv.mask(SIZE, lambda p: p.polygon(bristles))
    cv.shadow(im, bm, offset=(1, 2), radius=1.5, opacity=0.35)
    cv.paint(im, bm, cv.lgradient(SIZE, (76, 44), (62, 70),
                                  [(0.0, (250, 214, 110)), (1.0, (214, 150, 40))]))
    for i in range(1, 6):
        t = i / 6.0
        a = (70 + 12 * t, 40 + 10 * t)
        b = (54 + 24 * t, 66 + 6 * t)
        ln = cv.mask(SIZE, lambda p: p.line([a, b], 0.8, round_caps=False))
        cv.paint(im, ln, (170, 110, 30), 0.55)
    band = cv.mask(SIZE, lambda p: p.polygon([(69, 39), (72, 36), (85, 46), (82, 50)]))
    cv.paint(im, band, cv.lgradient(SIZE, (76, 38), (78, 48),
                                    [(0.0, (226, 70, 60)), (1.0, (150, 30, 28))]))
    # shine
    _sparkle(im, 22, 24, 9)
    _sparkle(im, 40, 12, 6)
    _sparkle(im, 50, 30, 4.5)
    return cv.clean_alpha(im)


def recovery_picture():
    im = cv.new_rgba(SIZE)
    _ground(im, 26, 90, 74, opacity=0.22)
    cx, cy = 56.0, 39.0
    # clock
    face = cv.mask(SIZE, lambda p: p.circle(cx, cy, 24))
    cv.shadow(im, face, offset=(0, 2), radius=2.0, opacity=0.35)
    cv.paint(im, face, cv.vgradient(SIZE, _vstops(cy - 24, cy + 24, (170, 182, 198), (90, 102, 120))))
    dial = cv.mask(SIZE, lambda p: p.circle(cx, cy, 21))
    cv.paint(im, dial, cv.vgradient(SIZE, _vstops(cy - 21, cy + 21, (255, 255, 255), (222, 230, 240))))
    for i in range(12):
        a = math.radians(i * 30)
        r0, r1 = (15.5, 19.5) if i % 3 == 0 else (17.0, 19.5)
        tick = cv.mask(SIZE, lambda p: p.line([(cx + r0 * math.sin(a), cy - r0 * math.cos(a)),
                                                (cx + r1 * math.sin(a), cy - r1 * math.cos(a))],
                                               1.6 if i % 3 == 0 else 0.9))
        cv.paint(im, tick, (60, 72, 90))
    hands = cv.mask(SIZE, lambda p: (p.line([(cx, cy), (cx - 7, cy - 8)], 2.4),
                                     p.line([(cx, cy), (cx + 2, cy - 15)], 1.7)))
    cv.paint(im, hands, (30, 40, 56))
    hub = cv.mask(SIZE, lambda p: p.circle(cx, cy, 2.2))
    cv.paint(im, hub, (200, 40, 40))
    # restore arrow turning back (counter-clockwise) around the clock
    a0, a1 = -62.0, 212.0
    band = cv.mask(SIZE, lambda p: p.arc_band(cx, cy, 35, 29, a0, a1))
    ang = math.radians(a0)
    base = (cx + 32 * math.cos(ang), cy + 32 * math.sin(ang))
    tangent = (math.sin(ang), -math.cos(ang))
    normal = (math.cos(ang), math.sin(ang))
    head = [(base[0] + normal[0] * 8.5, base[1] + normal[1] * 8.5),
            (base[0] + tangent[0] * 12, base[1] + tangent[1] * 12),
            (base[0] - normal[0] * 8.5, base[1] - normal[1] * 8.5)]
    hm = cv.mask(SIZE, lambda p: p.polygon(head))
    arrow = cv.mask_add(band, hm)
    cv.shadow(im, arrow, offset=(0, 2), radius=1.8, opacity=0.35)
    cv.paint(im, arrow, cv.vgradient(SIZE, _vstops(4, 76, (110, 210, 100), (28, 128, 44))))
    hl = cv.mask_mul(arrow, cv.mask(SIZE, lambda p: p.arc_band(cx, cy, 34.6, 33.2, a0, a1)))
    cv.paint(im, hl, (255, 255, 255), 0.5)
    return cv.clean_alpha(im)


def _gear_points(cx, cy, r_out, r_in, teeth):
    pts = []
    n = teeth * 4
    for i in range(n):
        a = 2 * math.pi * i / n
        r = r_out if (i % 4) in (1, 2) else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def apps_picture():
    im = cv.new_rgba(SIZE)
    _ground(im, 10, 100, 73)
    win = (10, 7, 86, 66)
    wm = cv.mask(SIZE, lambda p: p.rrect(win, 4))
    cv.shadow(im, wm, offset=(0, 2), radius=2.0, opacity=0.4)
    cv.paint(im, wm, (78, 96, 120))
    body = cv.mask(SIZE, lambda p: p.rrect((11, 8, 85, 65), 3))
    cv.paint(im, body, cv.vgradient(SIZE, _vstops(8, 65, (255, 255, 255), (226, 233, 242))))
    bar = cv.mask_mul(body, cv.mask(SIZE, lambda p: p.rect((10, 7, 86, 18))))
    cv.paint(im, bar, cv.vgradient(SIZE, _vstops(8, 18, (100, 160, 222), (36, 92, 158))))
    for i, c in enumerate(((255, 110, 96), (255, 200, 80), (110, 210, 110))):
        dot = cv.mask(SIZE, lambda p: p.circle(17 + i * 6, 12.5, 2))
        cv.paint(im, dot, c)
    colours = [((92, 170, 240), (34, 100, 190)), ((130, 220, 110), (40, 150, 60)),
               ((255, 190, 90), (224, 120, 30)), ((190, 140, 240), (110, 60, 180)),
               ((255, 120, 110), (200, 44, 40)), ((90, 220, 220), (20, 140, 160))]
    for i, (top, bottom) in enumerate(colours):
        gx = 17 + (i % 3) * 22
        gy = 23 + (i // 3) * 20
        box = (gx, gy, gx + 16, gy + 15)
        tile = cv.mask(SIZE, lambda p: p.rrect(box, 3))
        cv.shadow(im, tile, offset=(0, 1), radius=0.8, opacity=0.3)
        cv.paint(im, tile, cv.vgradient(SIZE, _vstops(gy, gy + 15, top, bottom)))
        _gloss(im, tile, (gx, gy, gx + 16, gy + 7), 0.7)
    # gear in front of the window
    cx, cy = 88.0, 55.0
    gear = cv.mask(SIZE, lambda p: (p.polygon(_gear_points(cx, cy, 17, 13, 10)),
                                    p.circle(cx, cy, 13.5)))
    hole = cv.mask(SIZE, lambda p: p.circle(cx, cy, 5))
    gear = cv.mask_sub(gear, hole)
    cv.shadow(im, gear, offset=(0, 2), radius=1.8, opacity=0.45)
    cv.paint(im, gear, cv.lgradient(SIZE, (cx - 12, cy - 14), (cx + 10, cy + 16),
                                    [(0.0, (214, 220, 228)), (0.5, (150, 160, 174)),
                                     (1.0, (86, 96, 112))]))
    rim = cv.mask_mul(gear, cv.mask(SIZE, lambda p: p.ring(cx, cy, 9.5, 8.2)))
    cv.paint(im, rim, (70, 80, 96), 0.5)
    return cv.clean_alpha(im)


def speed_picture():
    """Gauge of a fast system (spare banner picture)."""
    im = cv.new_rgba(SIZE)
    _ground(im, 16, 98, 72)
    cx, cy = 57.0, 50.0
    outer = cv.mask(SIZE, lambda p: p.arc_band(cx, cy, 40, 0.1, 180, 360))
    base = cv.mask(SIZE, lambda p: p.rrect((cx - 40, cy - 1, cx + 40, cy + 14), 5))
    body = cv.mask_add(outer, base)
    cv.shadow(im, body, offset=(0, 2), radius=2.0, opacity=0.4)
    cv.paint(im, body, cv.vgradient(SIZE, _vstops(10, 64, (92, 102, 118), (38, 44, 54))))
    face = cv.mask(SIZE, lambda p: p.arc_band(cx, cy, 36, 0.1, 180, 360))
    cv.paint(im, face, cv.vgradient(SIZE, _vstops(14, 50, (255, 255, 255), (214, 224, 236))))
    zones = [((236, 70, 60), 180, 225), ((250, 190, 60), 225, 280), ((90, 190, 80), 280, 360)]
    for colour, a0, a1 in zones:
        z = cv.mask(SIZE, lambda p: p.arc_band(cx, cy, 33, 27, a0, a1))
        cv.paint(im, z, colour)
    for i in range(11):
        a = math.radians(180 + i * 18)
        tick = cv.mask(SIZE, lambda p: p.line([(cx + 22 * math.cos(a), cy + 22 * math.sin(a)),
                                                (cx + 25 * math.cos(a), cy + 25 * math.sin(a))],
                                               1.0))
        cv.paint(im, tick, (60, 70, 86))
    a = math.radians(325)
    needle = [(cx + 30 * math.cos(a), cy + 30 * math.sin(a)),
              (cx + 3 * math.cos(a + math.pi / 2), cy + 3 * math.sin(a + math.pi / 2)),
              (cx - 5 * math.cos(a), cy - 5 * math.sin(a)),
              (cx + 3 * math.cos(a - math.pi / 2), cy + 3 * math.sin(a - math.pi / 2))]
    nm = cv.mask(SIZE, lambda p: p.polygon(needle))
    cv.shadow(im, nm, offset=(0, 1), radius=1.0, opacity=0.4)
    cv.paint(im, nm, (200, 36, 36))
    hub = cv.mask(SIZE, lambda p: p.circle(cx, cy, 4.5))
    cv.paint(im, hub, cv.vgradient(SIZE, _vstops(cy - 4, cy + 4, (120, 130, 146), (40, 46, 56))))
    _sparkle(im, 92, 16, 7)
    return cv.clean_alpha(im)


def upgrade_picture():
    """Envelope with an upgrade badge (registration for free upgrades)."""
    im = cv.new_rgba(SIZE)
    _ground(im, 10, 96, 73)
    box = (10, 24, 82, 70)
    env = cv.mask(SIZE, lambda p: p.rrect(box, 3))
    cv.shadow(im, env, offset=(0, 2), radius=2.0, opacity=0.4)
    cv.paint(im, env, (150, 160, 176))
    inner = cv.mask(SIZE, lambda p: p.rrect((11, 25, 81, 69), 2.5))
    cv.paint(im, inner, cv.vgradient(SIZE, _vstops(25, 69, (255, 255, 255), (222, 230, 240))))
    lower = cv.mask_mul(inner, cv.mask(SIZE, lambda p: p.polygon([(10, 70), (46, 44), (82, 70)])))
    cv.paint(im, lower, cv.vgradient(SIZE, _vstops(44, 70, (240, 244, 250), (206, 216, 230))))
    lines = cv.mask(SIZE, lambda p: (p.line([(12, 68), (46, 44), (80, 68)], 0.9),
                                     p.line([(12, 27), (46, 52), (80, 27)], 1.1)))
    cv.paint(im, lines, (150, 162, 180))
    flap = cv.mask_mul(inner, cv.mask(SIZE, lambda p: p.polygon([(11, 25), (81, 25), (46, 51)])))
    cv.paint(im, flap, cv.vgradient(SIZE, _vstops(25, 51, (250, 252, 255), (230, 236, 244))))
    _badge(im, 84, 26, 18, (255, 196, 90), (230, 110, 20), (176, 80, 10))
    arrow = cv.mask(SIZE, lambda p: p.polygon(_arrow(84, 25, 22, 7, 18, 10, down=False)))
    cv.shadow(im, arrow, offset=(0, 1), radius=0.8, colour=(120, 50, 0), opacity=0.6)
    cv.paint(im, arrow, (255, 255, 255))
    return cv.clean_alpha(im)


def all_pictures():
    return {
        212: download_picture(),
        213: scan_picture(),
        215: clean_picture(),
        210: recovery_picture(),
        211: apps_picture(),
        214: speed_picture(),
        190: upgrade_picture(),
    }
