"""Country flags of the registration page's country list.

The pictures come from Debian's famfamfam-flag-png package (16 x 11 icons,
public domain) and are enlarged to 22 pixels width. The first three rows of
the country list keep the shape of their flag: Nepal (a double pennant),
the square Swiss flag and the square flag of Vatican City.
"""

import os

from PIL import Image

from . import canvas as cv

FLAG_DIR = "/usr/share/flags/countries/16x11"
LICENCE_SOURCE = "/usr/share/doc/famfamfam-flag-png/copyright"
PACKAGE = "famfamfam-flag-png"
SOURCE_PACKAGE = "famfamfam-flag"

# Country codes of the list rows, row 0 first.
ROWS = (
    "NP CH VA AF AL DZ AD AO AG AR AM AU AT AZ BH BD BB BY BE BZ BJ BT BO BA BW "
    "BR BN BG BF BI KH CM CA CV TD CL CO CR CI HR CU CY DK DJ DM TL EC EG SV GQ "
    "ER EE ET FM FJ FI FR GA GE DE GH GR GD GT GN GW GY HT HN HU IS IN ID IR IQ "
    "IE IL IT JM JP JO KZ KE KI KW KG LA LV LB LS LR LY LI LT LU MK MG MW MY MV "
    "ML MT MR MU MX MD MC MN ME MA MZ MM NA NR NZ NI NE NG KP NO OM PK PW PA PG "
    "PY PE PL PT QA RO RU RW KN LC VC WS SM ST SA SN RS SL SG SK SI SO ZA KR ES "
    "LK SD SR SZ SE CH TJ TZ TH BS CF KM CZ CG DO GM MH NL CN PH CG SC SB AE GB "
    "US TG TO TT TN TR TM TV UG UA UY UZ VU VE VN YE ZM ZW"
).split()

# The two Congo rows show the two Congo flags: the Democratic Republic
# (icon "cd") first, then the Republic of the Congo (icon "cg").
ICON_OF_ROW = {163: "cd", 170: "cg"}

WIDTH = 22


def resource_of_row(row):
    if row <= 58:
        return 1049 + row
    if row == 59:
        return 1241
    return 1048 + row


def _icon(code):
    path = os.path.join(FLAG_DIR, code + ".png")
    return Image.open(path).convert("RGBA")


def _enlarge(im, size):
    # Resample in premultiplied form so transparent edges do not darken.
    return im.convert("RGBa").resize(size, Image.LANCZOS).convert("RGBA")


def _wide(im):
    w, h = im.size
    height = int(round(h * WIDTH / float(w)))
    return _enlarge(im, (WIDTH, height))


def nepal():
    # 9 x 11 pennant; 16 pixels wide keeps its proportions within the list.
    return _enlarge(_icon("np"), (16, 20))


def swiss_square():
    return _enlarge(_icon("ch"), (16, 16))


def swiss_wide():
    """The Swiss cross on a 3:2 field, built from the square icon by
    widening the red on both sides of the cross."""
    sq = _icon("ch")
    cols = [0, 1, 2, 2, 2, 3, 3, 4, 5, 6, 7, 7, 8, 8, 8, 9, 10]
    wide = Image.new("RGBA", (len(cols), sq.height))
    for x, c in enumerate(cols):
        wide.paste(sq.crop((c, 0, c + 1, sq.height)), (x, 0))
    return _enlarge(wide, (WIDTH, 15))


def vatican_square():
    """The Vatican flag is square: the plain rows above and below the
    emblem of the 16 x 11 icon are repeated to make it 16 x 16."""
    icon = _icon("va")
    rows = [0, 1, 2, 2, 2, 3, 4, 5, 6, 7, 8, 8, 8, 8, 9, 10]
    sq = Image.new("RGBA", (icon.width, len(rows)))
    for y, r in enumerate(rows):
        sq.paste(icon.crop((0, r, icon.width, r + 1)), (0, y))
    return sq


def flag_of_row(row):
    if row == 0:
        return nepal()
    if row == 1:
        return swiss_square()
    if row == 2:
        return vatican_square()
    code = ROWS[row]
    if code == "CH":
        return swiss_wide()
    icon = ICON_OF_ROW.get(row, code.lower())
    return _wide(_icon(icon))


def all_flags():
    if len(ROWS) != 193:
        raise ValueError("country list has %d rows" % len(ROWS))
    out = {}
    for row in range(len(ROWS)):
        rid = resource_of_row(row)
        if rid in out:
            raise ValueError("flag %d used twice" % rid)
        out[rid] = cv.clean_alpha(flag_of_row(row))
    return out


def licence_text():
    with open(LICENCE_SOURCE, encoding="utf-8") as f:
        copyright_text = f.read()
    return (
        "Country flag images of the guide (PNG resources 1049 to 1241)\n"
        "================================================================\n\n"
        "The country flags are the icons of the Debian package %s\n"
        "(Debian source package %s; upstream: the famfamfam flag icons by\n"
        "Mark James), enlarged by tools/make-artwork to 22 pixels width. Nepal\n"
        "(16 x 20) and the square flags of Switzerland and Vatican City (16 x 16)\n"
        "keep their own shape; the wide Swiss flag and the square Vatican flag\n"
        "are rearranged from the package's icons.\n\n"
        "The package's copyright file (%s) reads:\n\n"
        "----------------------------------------------------------------\n"
        "%s"
        "----------------------------------------------------------------\n"
        % (PACKAGE, SOURCE_PACKAGE, LICENCE_SOURCE, copyright_text)
    )
