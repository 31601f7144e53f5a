#!/usr/bin/python3
"""Compose the hero from the built PNGs the way the game does, on one sheet.

Run:  /usr/bin/python3 assets/pictures/contact_sheet.py [OUT.png [HANDS.png]]
      (default /tmp/hero_contact_sheet.png and /tmp/hands_contact_sheet.png)

Each panel is the 303 x 255 hero picture area (#EEFFFE): the body copied
whole, then the face and the hair put on through their black key.  The last
row is the title screen with the hero drawn in, and the window icon.

The second sheet shows every hands picture on the hero as the game draws it:
body, face (left out with hands 3, 4 and 7), hair, then the hands on top, at
both standing places (body at x 170 and 90; with hands 3 the body at 140, the
hair at 152 and the hands at 20,40); the tanned ones on the tanned body with
blond hair.  Its last row shows each hands picture alone, its black key
painted magenta, so that a stray or a dark fringe stands out.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from catalogue import BODY_AT_LEFT, HANDS  # noqa: E402
from compose import compose, hero, hero_with_hands, load_pngs, title_screen  # noqa: E402

GAP, LABEL = 6, 14


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
    left = BODY_AT_LEFT
    rows = []
    rows.append([("face %d" % f, hero(images, 0, 2, f)) for f in range(0, 6)])
    rows.append([("face %d" % f, hero(images, 0, 2, f)) for f in range(6, 12)])
    rows.append([("hair %d" % h, hero(images, 0, h, 0)) for h in (1, 2, 3, 4, 6)] +
                [("hair 5, tanned", hero(images, 1, 5, 0))])
    rows.append([("hair 7, tanned", hero(images, 1, 7, 0)),
                 ("hair 8, tanned", hero(images, 1, 8, 0)),
                 ("no hair", hero(images, 0, 0, 0)),
                 ("no hair, tanned", hero(images, 1, 0, 5)),
                 ("large face 12", hero(images, 0, 2, 12)),
                 ("large face 13, tanned", hero(images, 1, 5, 13))])
    rows.append([("x 90: face 7, hair 4", hero(images, 0, 4, 7, at=left)),
                 ("x 90: face 12, hair 0", hero(images, 0, 0, 12, at=left)),
                 ("x 90: tanned, face 9, hair 7", hero(images, 1, 7, 9, at=left)),
                 ("x 90: face 3, hair 6", hero(images, 0, 6, 3, at=left)),
                 ("x 90: tanned, face 13, hair 8", hero(images, 1, 8, 13, at=left)),
                 ("window icon", icon_panel(images))])
    rows.append([("title", title_screen(images, False)),
                 ("title after start", title_screen(images, True))])
    return rows


def hands_panels(images):
    """The hands on the hero, as the game puts them together, then each hands
    picture on its own."""
    h = hero_with_hands
    rows = []
    rows.append([("hands 1, face 0, hair 2", h(images, 1, 2, 0)),
                 ("hands 1, x 90, hair 1", h(images, 1, 1, 0, left=True)),
                 ("hands 1, hair 6 (wig)", h(images, 1, 6, 6)),
                 ("hands 5, tanned, hair 5", h(images, 5, 5, 0)),
                 ("hands 5, x 90, hair 7", h(images, 5, 7, 9, left=True))])
    rows.append([("hands 2, face 7, hair 2", h(images, 2, 2, 7)),
                 ("hands 2, x 90, hair 3", h(images, 2, 3, 7, left=True)),
                 ("hands 2, hair 6 (wig)", h(images, 2, 6, 7)),
                 ("hands 6, tanned, hair 5", h(images, 6, 5, 7)),
                 ("hands 6, x 90, hair 8", h(images, 6, 8, 7, left=True))])
    rows.append([("hands 3, hair 2", h(images, 3, 2)),
                 ("hands 3, hair 1", h(images, 3, 1)),
                 ("hands 3, hair 3", h(images, 3, 3)),
                 ("hands 3, hair 6 (wig)", h(images, 3, 6)),
                 ("hands 3, no hair", h(images, 3, 0))])
    rows.append([("hands 4, hair 2", h(images, 4, 2)),
                 ("hands 4, x 90, hair 3", h(images, 4, 3, left=True)),
                 ("hands 4, hair 6 (wig)", h(images, 4, 6)),
                 ("hands 7, tanned, hair 5", h(images, 7, 5)),
                 ("hands 7, x 90, hair 7", h(images, 7, 7, left=True))])
    alone = []
    for k in sorted(HANDS):
        sprite = images["hands%d" % k].convert("RGB")
        shown = Image.new("RGB", sprite.size, (255, 0, 255))
        compose(shown, sprite, (0, 0))
        alone.append(("hands%d.png" % k, shown))
    rows.append(alone[:3])
    rows.append(alone[3:])
    return rows


def sheet(rows, gap=GAP):
    """Rows of labelled panels on a grey sheet."""
    font = ImageFont.load_default()
    width = max(sum(p.size[0] + gap for _, p in row) for row in rows) + gap
    height = sum(max(p.size[1] for _, p in row) + LABEL + gap for row in rows) + gap
    out = Image.new("RGB", (width, height), (96, 96, 104))
    draw = ImageDraw.Draw(out)
    y = gap
    for row in rows:
        x = gap
        for label, panel in row:
            out.paste(panel, (x, y))
            draw.text((x + 2, y + panel.size[1] + 1), label, fill=(255, 255, 255), font=font)
            x += panel.size[0] + gap
        y += max(p.size[1] for _, p in row) + LABEL + gap
    return out


def main(argv):
    out = argv[0] if argv else "/tmp/hero_contact_sheet.png"
    hands_out = argv[1] if len(argv) > 1 else "/tmp/hands_contact_sheet.png"
    images = load_pngs()
    sheet(panels(images)).save(out)
    print("wrote " + out)
    sheet(hands_panels(images)).save(hands_out)
    print("wrote " + hands_out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
