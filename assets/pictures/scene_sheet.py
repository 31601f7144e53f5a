#!/usr/bin/python3
"""Put the callers, the prize bottles and the title screen together from the
built PNGs the way the game shows them, on one sheet.

Run:  /usr/bin/python3 assets/pictures/scene_sheet.py [OUT.png]
      (default /tmp/scene_sheet.png)

- the girl and the friend, each opaque at 0,40 of the hero's 303 x 255 area
  (#EEFFFE), beside the hero: body at 170,60, face 0 at 170,96, hair 2 at
  182,43, the sprites copied through their black key;
- the old man alone at 80,40;
- the prize window (57 x 73, white) with each of the four cells of
  bottle.png copied in (rows past the sheet copy nothing), then the sheet;
- the title's visible top 515 x 305 with the hero drawn onto it, once with
  the small face and once after the start, with the large face and the
  greeting; a grey box where the start button lies.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import contact_sheet  # noqa: E402
from catalogue import (BACKGROUND, CALLER_AT, HERO_AREA, PRIZE_CELLS, PRIZE_WINDOW,  # noqa: E402
                       START_BUTTON, TITLE_GREETING)
from compose import hero, load_pngs, prize_window, title_screen  # noqa: E402

GAP = 8
GREETING_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"


def with_hero(images, caller):
    """A caller beside the hero: opaque over his area."""
    canvas = hero(images, 0, 2, 0)
    canvas.paste(images["dolls%d" % caller], CALLER_AT[caller])
    return canvas


def alone(images, caller):
    canvas = Image.new("RGB", HERO_AREA, BACKGROUND)
    canvas.paste(images["dolls%d" % caller], CALLER_AT[caller])
    return canvas


def prize_panel(images):
    """The four prize windows side by side on the dialog's grey, then the sheet."""
    sheet = images["bottle"]
    w, h = PRIZE_WINDOW
    panel = Image.new("RGB", (4 * (w + 12) + sheet.size[0] + 24, max(h, sheet.size[1]) + 24),
                      (212, 208, 200))
    x = 12
    for prize in sorted(PRIZE_CELLS):
        panel.paste(prize_window(sheet, prize), (x, 12))
        x += w + 12
    panel.paste(sheet, (x + 6, 12))
    return panel


def title(images, after_start):
    """The title screen with the start button, and the greeting after it."""
    canvas = title_screen(images, after_start)
    draw = ImageDraw.Draw(canvas)
    x, y, w, h = START_BUTTON
    draw.rectangle((x, y, x + w, y + h), fill=(200, 200, 200), outline=(120, 120, 120))
    try:
        font = ImageFont.truetype(GREETING_FONT, 14)
    except OSError:
        font = ImageFont.load_default()
    draw.text((x + 12, y + 13), "はじめ", fill=(0, 0, 0), font=font)
    if after_start:
        # the greeting, small bold blue, in its box
        gx, gy, _gw, _gh = TITLE_GREETING
        for dx in (0, 1):
            draw.text((gx + 2 + dx, gy + 1), "レッツ育毛！", fill=(0, 0, 255), font=font)
    return canvas


def rows(images):
    return [
        [("girl beside the hero", with_hero(images, 1)),
         ("friend beside the hero", with_hero(images, 2)),
         ("old man alone", alone(images, 3))],
        [("prize window: spray, teal bottle, yellow bottle, jar; then bottle.png",
          prize_panel(images))],
        [("title", title(images, False)),
         ("title after the start", title(images, True))],
    ]


def main(argv):
    out = argv[0] if argv else "/tmp/scene_sheet.png"
    images = load_pngs(["pics0", "heads2", "faces0", "faces12",
                        "dolls1", "dolls2", "dolls3", "bottle", "title"])
    contact_sheet.sheet(rows(images), GAP).save(out)
    print("wrote " + out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
