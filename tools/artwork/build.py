"""Draws every resource picture and writes it into resources/."""

import os

from . import emblem, flags, langbuttons, output, pictures, skin, titles


def skin_images():
    return {
        132: skin.background(),
        175: skin.header_band(),
        176: skin.panel(),
        # Next, Back and Cancel: normal, hover, pressed
        187: skin.nav_button("normal"),
        188: skin.nav_button("hover"),
        189: skin.nav_button("pressed"),
        # Browse: normal, hover, pressed
        180: skin.browse_button("normal"),
        181: skin.browse_button("hover"),
        182: skin.browse_button("pressed"),
        # Help: hover, normal, pressed
        137: skin.help_button("hover"),
        138: skin.help_button("normal"),
        139: skin.help_button("pressed"),
        # close button at the top right corner: pressed, hover, normal
        218: skin.close_button("pressed"),
        219: skin.close_button("hover"),
        220: skin.close_button("normal"),
        # progress bar
        221: skin.marquee_block(),
        1249: skin.fill_column(),
        1250: skin.track_column(),
        1251: skin.track_end("left"),
        1252: skin.track_end("right"),
    }


def build(root, log=print):
    writer = output.Writer(root)
    groups = [
        ("skin", skin_images),
        ("page titles", titles.all_titles),
        ("language buttons", langbuttons.all_buttons),
        ("pictures", pictures.all_pictures),
        ("country flags", flags.all_flags),
    ]
    for name, make in groups:
        images = make()
        for image_id in sorted(images):
            writer.add(image_id, images[image_id])
        log("  %-17s %3d images, %7d bytes"
            % (name, len(images), sum(writer.sizes[i] for i in images)))
    total = writer.finish()

    icon_path = os.path.join(root, "resources", "icon", "velto.ico")
    icon_bytes = output.write_icon(icon_path, emblem.icon_images())
    log("  %-17s %3d sizes,  %7d bytes" % ("icon", 4, icon_bytes))

    with open(os.path.join(root, "resources", "FLAGS-LICENSE"), "w",
              encoding="utf-8", newline="\n") as f:
        f.write(flags.licence_text())

    return writer.sizes, total

