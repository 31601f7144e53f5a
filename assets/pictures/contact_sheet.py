#!/usr/bin/python3
"""Compose the hero from the built PNGs the way the game does, on one sheet.

Run:  /usr/bin/python3 assets/pictures/contact_sheet.py [OUT.png]
      (default /tmp/hero_contact_sheet.png)

Each panel is the 303 x 255 hero picture area (#EEFFFE): the body copied
whole, then the face and the hair put on through their black key.  The last
row is the title screen's layout and the window icon.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build  # noqa: E402

TITLE_BACKGROUND = (0xEF, 0xFF, 0xFF)   # the title picture, 0x00FFFFEF
GAP, LABEL = 6, 14


def load_all():
    images = {}
    for name, _source, _size, _kind, _base in build.PICTURES:
        path = os.path.join(build.HERE, name + ".png")
        images[name] = Image.open(path)
        images[name].load()
    return images


def title_screen(images, large):
    """The title's right part: body, hair, then the face or the large face."""
    canvas = Image.new("RGB", (515, 305), TITLE_BACKGROUND)
    canvas.paste(images["pics0"], (360, 80))
    build.compose(canvas, images["heads2"], (372, 63))
    if large:
        build.compose(canvas, images["faces12"], (330, 100))
    else:
        build.compose(canvas, images["faces0"], (360, 116))
    return canvas


def icon_panel(images):
    icon = images["icon"].convert("RGBA")
    panel = Image.new("RGB", (303, 255), (236, 236, 236))
    dark = Image.new("RGBA", (40, 40), (60, 64, 72, 255))
    dark.alpha_composite(icon, (4, 4))
    panel.paste(dark.convert("RGB"), (10, 10))
    light = Image.new("RGBA", (40, 40), (255, 255, 255, 255))
    light.alpha_composite(icon, (4, 4))
    panel.paste(light.convert("RGB"), (10, 60))
    big = icon.resize((192, 192), Image.NEAREST)
    ground = Image.new("RGBA", (192, 192), (255, 255, 255, 255))
    ground.alpha_composite(big)
    panel.paste(ground.convert("RGB"), (100, 20))
    return panel


def panels(images):
    rows = []
    rows.append([("face %d" % f, build.hero(images, 0, 2, f)) for f in range(0, 6)])
    rows.append([("face %d" % f, build.hero(images, 0, 2, f)) for f in range(6, 12)])
    rows.append([("hair %d" % h, build.hero(images, 0, h, 0)) for h in (1, 2, 3, 4, 6)] +
                [("hair 5, tanned", build.hero(images, 1, 5, 0))])
    rows.append([("hair 7, tanned", build.hero(images, 1, 7, 0)),
                 ("hair 8, tanned", build.hero(images, 1, 8, 0)),
                 ("no hair", build.hero(images, 0, 0, 0)),
                 ("no hair, tanned", build.hero(images, 1, 0, 5)),
                 ("large face 12", build.hero(images, 0, 2, 12)),
                 ("large face 13, tanned", build.hero(images, 1, 5, 13))])
    rows.append([("x 90: face 7, hair 4", build.hero(images, 0, 4, 7, at=(90, 60))),
                 ("x 90: face 12, hair 0", build.hero(images, 0, 0, 12, at=(90, 60))),
                 ("x 90: tanned, face 9, hair 7", build.hero(images, 1, 7, 9, at=(90, 60))),
                 ("x 90: face 3, hair 6", build.hero(images, 0, 6, 3, at=(90, 60))),
                 ("x 90: tanned, face 13, hair 8", build.hero(images, 1, 8, 13, at=(90, 60))),
                 ("window icon", icon_panel(images))])
    rows.append([("title", title_screen(images, False)),
                 ("title after start", title_screen(images, True))])
    return rows


def sheet(rows):
    font = ImageFont.load_default()
    width = max(sum(p.size[0] + GAP for _, p in row) for row in rows) + GAP
    height = sum(max(p.size[1] for _, p in row) + LABEL + GAP for row in rows) + GAP
    out = Image.new("RGB", (width, height), (96, 96, 104))
    draw = ImageDraw.Draw(out)
    y = GAP
    for row in rows:
        x = GAP
        for label, panel in row:
            out.paste(panel, (x, y))
            draw.text((x + 2, y + panel.size[1] + 1), label, fill=(255, 255, 255), font=font)
            x += panel.size[0] + GAP
        y += max(p.size[1] for _, p in row) + LABEL + GAP
    return out


def main(argv):
    out = argv[0] if argv else "/tmp/hero_contact_sheet.png"
    sheet(panels(load_all())).save(out)
    print("wrote " + out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
