"""Page titles in the five languages.

All titles are drawn at the same point of the header band, so every image
puts its baseline at the same height and uses the same font size; only the
image sizes differ between the languages.
"""

import math

from PIL import Image

from . import canvas as cv
from . import layout as L

FONT_SIZE = 21
BASELINE = 29
LEFT = 2

ENGLISH = {
    177: "Downloading VELTO PC Cleaner",
    179: "License Agreement",
    178: "Installing VELTO PC Cleaner",
    205: "Free Upgrade Notification",
    193: "Installation Complete",
    194: "Welcome to VELTO PC Cleaner",
}

TRANSLATED = {
    # German: download, licence, installation, upgrade notification
    191: ("VELTO PC Cleaner wird heruntergeladen", 430, 44),
    201: ("Lizenzvereinbarung", 360, 44),
    192: ("VELTO PC Cleaner wird installiert", 400, 44),
    206: ("Kostenlose Upgrade-Benachrichtigung", 420, 44),
    # French
    195: ("Téléchargement de VELTO PC Cleaner", 410, 43),
    202: ("Contrat de licence", 352, 43),
    196: ("Installation de VELTO PC Cleaner", 380, 43),
    207: ("Avis de mises à niveau gratuites", 370, 43),
    # Spanish
    199: ("Descargando VELTO PC Cleaner", 365, 41),
    204: ("Contrato de licencia", 355, 41),
    200: ("Instalando VELTO PC Cleaner", 351, 41),
    209: ("Aviso de actualizaciones gratuitas", 385, 41),
    # Italian
    198: ("Download di VELTO PC Cleaner", 430, 45),
    203: ("Contratto di licenza", 356, 45),
    197: ("Installazione di VELTO PC Cleaner", 385, 45),
    208: ("Notifica di aggiornamenti gratuiti", 375, 45),
}


def title(text, width, height):
    fnt = cv.font("bold", FONT_SIZE)
    needed = LEFT + math.ceil(cv.text_width(text, fnt)) + 2
    if needed > width:
        raise ValueError("title %r needs %d pixels, has %d" % (text, needed, width))
    size = (width, height)
    m = cv.text_mask(size, (LEFT, BASELINE), text, fnt, "ls")
    im = cv.new_rgba(size)
    # light engraving below the letters, then the letters in a soft blue ramp
    cv.paint(im, cv.shift(m, 0, 1), (255, 255, 255), 0.85)
    top = BASELINE - 16
    stops = [(0.0, L.BLUE), (top / height, L.BLUE), (BASELINE / height, L.DARK_BLUE),
             (1.0, L.DARK_BLUE)]
    cv.paint(im, m, cv.vgradient(size, stops))
    return cv.clean_alpha(im)


def all_titles():
    out = {}
    for image_id, text in ENGLISH.items():
        out[image_id] = title(text, 336, 42)
    for image_id, (text, w, h) in TRANSLATED.items():
        out[image_id] = title(text, w, h)
    return out
