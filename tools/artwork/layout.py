"""Where the dialog puts its pictures, and the colours of the skin.

All positions are client pixels of the 798 x 525 wizard window.
"""

CLIENT = (798, 525)

# White content area of the background (left, top, right, bottom; exclusive).
CONTENT = (31, 112, 770, 487)
CONTENT_RADIUS = 8

HEADER_AT = (53, 143)        # header band, 695 x 60
PANEL_AT = (53, 207)         # content panel, 695 x 210
TITLE_AT = (73, 154)         # page titles
BANNER_AT = (96, 223)        # banner board (picture at its top left)
UPGRADE_PICTURE_AT = (100, 222)
PROGRESS_AT = (114, 379)     # progress bar, 569 x 26
NEXT_AT = (660, 437)
CANCEL_AT = (565, 437)
BROWSE_AT = (435, 289)
CLOSE_AT = (747, 2)
HELP_AT = (716, 24)
LANGUAGE_BUTTON_X = 50
LANGUAGE_BUTTON_Y = (135, 200, 265, 330, 397)

# Accent colours of the product.
BLUE = (61, 107, 150)
DARK_BLUE = (30, 78, 123)
NAVY = (17, 58, 114)
BRIGHT_BLUE = (74, 144, 214)
SKY = (125, 182, 235)
GREEN = (76, 166, 76)
WHITE = (255, 255, 255)

# The dark frame.
FRAME_TOP = (43, 55, 71)
FRAME_MID = (29, 37, 49)
FRAME_BOTTOM = (21, 27, 36)
FRAME_EDGE = (66, 80, 99)

# Header band (grey gradient) and panel (light gradient).
BAND_STOPS = [(0.0, (252, 252, 253)), (0.5, (239, 241, 244)), (1.0, (223, 227, 232))]
BAND_BORDER = (193, 200, 210)
PANEL_STOPS = [(0.0, (233, 238, 245)), (0.07, (245, 248, 251)), (0.15, (255, 255, 255)),
               (1.0, (255, 255, 255))]
PANEL_BORDER = (214, 221, 231)
