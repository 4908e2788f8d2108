"""The PNG resources of the guide: id, size and kind of every image.

This table is what the generated files are checked against. Page titles of
the four translated languages have free sizes within 351..430 x 41..45; the
sizes chosen for them live in titles.py and are checked against those
ranges here.
"""

RGB = "RGB"
RGBA = "RGBA"

# id -> (width, height, kind)
FIXED = {}


def _add(ids, w, h, kind):
    for i in ids:
        FIXED[i] = (w, h, kind)


_add([132], 798, 525, RGB)                      # dialog background
_add([175], 695, 60, RGB)                       # header band
_add([176], 695, 210, RGB)                      # content panel
_add([177, 178, 179, 205, 193, 194], 336, 42, RGBA)  # English titles (+2 spare)
_add([190], 113, 80, RGBA)                      # upgrade page picture
_add([137, 138, 139], 48, 70, RGBA)             # Help: hover, normal, pressed
_add(range(165, 175), 695, 60, RGB)             # language buttons
_add([180, 181, 182], 62, 23, RGB)              # Browse: normal, hover, pressed
_add([187, 188, 189], 88, 26, RGB)              # Next/Back/Cancel
_add([210, 211, 212, 213, 214, 215], 113, 80, RGBA)  # banner pictures
_add([218, 219, 220], 44, 18, RGBA)             # close: pressed, hover, normal
_add([221], 64, 21, RGB)                        # marquee block
_add([1249], 1, 21, RGB)                        # progress fill column
_add([1250], 1, 25, RGB)                        # progress track column
_add([1251, 1252], 4, 25, RGB)                  # progress track ends

# Titles of German, French, Spanish and Italian: size chosen by the titles.
TRANSLATED_TITLES = [191, 192] + list(range(195, 205)) + list(range(206, 210))
TITLE_W_RANGE = (351, 430)
TITLE_H_RANGE = (41, 45)

# Country flags: 22 pixels wide except the first three rows of the list.
FLAGS = list(range(1049, 1242))
FLAG_W_RANGE = (16, 22)
FLAG_H_RANGE = (9, 20)
NARROW_FLAGS = (1049, 1050, 1051)


def all_ids():
    ids = set(FIXED) | set(TRANSLATED_TITLES) | set(FLAGS)
    return sorted(ids)


def check(image_id, width, height, kind):
    """Problems with one generated image, as a list of messages."""
    problems = []
    if image_id in FIXED:
        w, h, k = FIXED[image_id]
        if (width, height) != (w, h):
            problems.append("%d: %dx%d, expected %dx%d" % (image_id, width, height, w, h))
        if kind != k:
            problems.append("%d: %s, expected %s" % (image_id, kind, k))
    elif image_id in TRANSLATED_TITLES:
        if not (TITLE_W_RANGE[0] <= width <= TITLE_W_RANGE[1]
                and TITLE_H_RANGE[0] <= height <= TITLE_H_RANGE[1]):
            problems.append("%d: title size %dx%d out of range" % (image_id, width, height))
        if image_id == 198 and width != 430:
            problems.append("198: Italian download title must be 430 wide, is %d" % width)
        if kind != RGBA:
            problems.append("%d: %s, expected RGBA" % (image_id, kind))
    elif image_id in FLAGS:
        if image_id in NARROW_FLAGS:
            ok_w = FLAG_W_RANGE[0] <= width <= FLAG_W_RANGE[1]
        else:
            ok_w = width == 22
        if not ok_w or not (FLAG_H_RANGE[0] <= height <= FLAG_H_RANGE[1]):
            problems.append("%d: flag size %dx%d out of range" % (image_id, width, height))
        if kind != RGBA:
            problems.append("%d: %s, expected RGBA" % (image_id, kind))
    else:
        problems.append("%d: not a resource of the guide" % image_id)
    return problems
