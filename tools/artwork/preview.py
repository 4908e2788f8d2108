"""Composite pictures of the wizard pages, made from the written resources
the way the dialog places them, for looking at the artwork as a whole."""

import os

from PIL import Image, ImageDraw

from . import canvas as cv
from . import layout as L


def _load(root, image_id):
    im = Image.open(os.path.join(root, "resources", "png", "%d.png" % image_id))
    return im.convert("RGBA")


def _put(page, im, at):
    page.alpha_composite(im, (int(at[0]), int(at[1])))


def _progress(page, root, at, width, fraction):
    x0, y0 = at
    _put(page, _load(root, 1251), (x0, y0))
    col = _load(root, 1250)
    for x in range(x0 + 4, x0 + width - 4):
        _put(page, col, (x, y0))
    _put(page, _load(root, 1252), (x0 + width - 4, y0))
    fill = _load(root, 1249)
    for x in range(x0 + 4, x0 + int((width) * fraction)):
        _put(page, fill, (x, y0 + 2))
    text = "%d%%" % int(fraction * 100 + 0.5)
    f = cv.font("regular", 12)
    d = ImageDraw.Draw(page)
    tw = cv.text_width(text, f)
    d.text((x0 + (width - tw) / 2, y0 + 13), text, fill=(255, 255, 255), font=f, anchor="lm")


def _caption(page, at, size, text, colour, bold=True, height=15, dy=2):
    f = cv.font("bold" if bold else "regular", height - 2)
    d = ImageDraw.Draw(page)
    tw = cv.text_width(text, f)
    d.text((at[0] + (size[0] - tw) / 2, at[1] + size[1] / 2 + dy), text, fill=colour,
           font=f, anchor="lm")


def _text(page, xy, text, size, colour, bold=False):
    d = ImageDraw.Draw(page)
    d.text(xy, text, fill=colour, font=cv.font("bold" if bold else "regular", size))


def _frame(root):
    page = _load(root, 132)
    _put(page, _load(root, 220), L.CLOSE_AT)
    return page


def _band(root, page, title_id):
    _put(page, _load(root, 175), L.HEADER_AT)
    _put(page, _load(root, 176), L.PANEL_AT)
    if title_id:
        _put(page, _load(root, title_id), L.TITLE_AT)


def _buttons(root, page, next_text="Next", cancel_text="Cancel", hover_next=False):
    _put(page, _load(root, 188 if hover_next else 187), L.NEXT_AT)
    _put(page, _load(root, 187), L.CANCEL_AT)
    _caption(page, L.NEXT_AT, (88, 26), next_text, (240, 240, 240))
    _caption(page, L.CANCEL_AT, (88, 26), cancel_text, (240, 240, 240))


def welcome(root):
    page = _frame(root)
    pairs = [(168, 169), (166, 167), (170, 171), (172, 173), (174, 165)]
    for i, (normal, hover) in enumerate(pairs):
        _put(page, _load(root, hover if i == 3 else normal),
             (L.LANGUAGE_BUTTON_X, L.LANGUAGE_BUTTON_Y[i]))
    return page


def download(root, title_id=177, picture=212, fraction=0.42):
    page = _frame(root)
    _band(root, page, title_id)
    _put(page, _load(root, picture), L.BANNER_AT)
    bx, by = L.BANNER_AT
    _text(page, (bx + 113, by + 5), "DOWNLOAD", 15, (120, 120, 120), True)
    _text(page, (bx + 113, by + 30), "The download process is now in progress.", 13,
          (35, 83, 128), True)
    for i, line in enumerate(["Upon completion, VELTO PC Cleaner Download & Install Manager "
                              "will invite you to",
                              "proceed with installation.  After the installation process "
                              "is complete,",
                              "the VELTO PC Cleaner application will open automatically."]):
        _text(page, (bx + 113, by + 45 + i * 16), line, 13, (120, 120, 120))
    _text(page, (114, 361), "Downloading VELTO PC Cleaner \u2026 Please wait!", 12,
          (30, 78, 123))
    _progress(page, root, L.PROGRESS_AT, 569, fraction)
    _buttons(root, page, hover_next=False)
    return page


def licence(root):
    page = _frame(root)
    _band(root, page, 179)
    d = ImageDraw.Draw(page)
    d.rectangle((73, 227, 419, 376), fill=(255, 255, 255), outline=(130, 135, 144))
    for i in range(8):
        _text(page, (80, 233 + i * 16), "License agreement text line %d" % (i + 1), 11,
              (40, 40, 40))
    _text(page, (435, 226), "Destination folder:", 11, L.NAVY, True)
    _text(page, (435, 243), "Press Browse to change destination folder", 11, (77, 82, 83))
    d.rectangle((435, 262, 734, 284), fill=(255, 255, 255), outline=(130, 135, 144))
    _text(page, (440, 266), "C:\\Program Files\\VELTO PC Cleaner", 12, (0, 0, 0))
    _put(page, _load(root, 180), L.BROWSE_AT)
    _caption(page, L.BROWSE_AT, (62, 23), "Browse...", (0, 0, 0), bold=False, height=14)
    _text(page, (435, 325), "Space available:", 11, L.NAVY, True)
    _text(page, (435, 344), "Space Required:", 11, L.NAVY, True)
    d.line((420, 348, 684, 348), fill=(249, 249, 249))
    d.line((420, 347, 684, 347), fill=(249, 249, 249))
    d.rectangle((73, 385, 86, 398), fill=(255, 255, 255), outline=(80, 80, 80))
    _text(page, (93, 385), "I accept this License Agreement", 12, (0, 0, 0))
    _buttons(root, page, hover_next=True)
    return page


def registration(root):
    page = _frame(root)
    _band(root, page, 205)
    _put(page, _load(root, 190), L.UPGRADE_PICTURE_AT)
    _text(page, (210, 225), "In an effort to provide the best customer experience, the VELTO",
          12, (77, 82, 83))
    _text(page, (210, 259), "To be the first to receive FREE updates ...", 12, L.DARK_BLUE, True)
    d = ImageDraw.Draw(page)
    d.line((60, 348, 684, 348), fill=(249, 249, 249))
    _buttons(root, page, "Finish", "Skip")
    return page


def write_previews(root, prefix):
    pages = {
        "welcome": welcome(root),
        "download": download(root),
        "download-it": download(root, 198, 213, 0.77),
        "licence": licence(root),
        "install": download(root, 178, 210, 1.0),
        "registration": registration(root),
    }
    written = []
    for name, page in pages.items():
        path = "%s%s.png" % (prefix, name)
        page.convert("RGB").save(path)
        written.append(path)
    return written
