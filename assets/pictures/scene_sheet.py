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
import build  # noqa: E402
import contact_sheet  # noqa: E402

GAP = 8
GREETING_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"


def load(names):
    images = {}
    for name in names:
        images[name] = Image.open(os.path.join(build.HERE, name + ".png"))
        images[name].load()
    return images


def with_hero(images, caller):
    """A caller opaque at 0,40, the hero beside her or him at 170,60."""
    canvas = Image.new("RGB", (303, 255), build.BACKGROUND)
    canvas.paste(images["pics0"], (170, 60))
    build.compose(canvas, images["faces0"], (170, 96))
    build.compose(canvas, images["heads2"], (182, 43))
    canvas.paste(images[caller], (0, 40))
    return canvas


def alone(images, caller, at):
    canvas = Image.new("RGB", (303, 255), build.BACKGROUND)
    canvas.paste(images[caller], at)
    return canvas


def prize_panel(images):
    """The four prize windows side by side on the dialog's grey, then the sheet."""
    sheet = images["bottle"]
    w, h = build.PRIZE_WINDOW
    panel = Image.new("RGB", (4 * (w + 12) + sheet.size[0] + 24, max(h, sheet.size[1]) + 24),
                      (212, 208, 200))
    x = 12
    for label in build.PRIZE_CELLS:
        panel.paste(build.prize_window(sheet, label), (x, 12))
        x += w + 12
    panel.paste(sheet, (x + 6, 12))
    return panel


def title(images, after_start):
    canvas = images["title"].crop((0, 0, 515, 305))
    canvas.paste(images["pics0"], (360, 80))
    build.compose(canvas, images["heads2"], (372, 63))
    if after_start:
        build.compose(canvas, images["faces12"], (330, 100))
    else:
        build.compose(canvas, images["faces0"], (360, 116))
    draw = ImageDraw.Draw(canvas)
    # the start button "はじめ" at x 232..305, y 264..305
    draw.rectangle((232, 264, 305, 305), fill=(200, 200, 200), outline=(120, 120, 120))
    try:
        font = ImageFont.truetype(GREETING_FONT, 14)
    except OSError:
        font = ImageFont.load_default()
    draw.text((244, 277), "はじめ", fill=(0, 0, 0), font=font)
    if after_start:
        # the greeting, small bold blue, in its 97 x 17 box at 376,40
        for dx in (0, 1):
            draw.text((378 + dx, 41), "レッツ育毛！", fill=(0, 0, 255), font=font)
    return canvas


def rows(images):
    return [
        [("girl beside the hero", with_hero(images, "dolls1")),
         ("friend beside the hero", with_hero(images, "dolls2")),
         ("old man alone", alone(images, "dolls3", (80, 40)))],
        [("prize window: spray, teal bottle, yellow bottle, jar; then bottle.png",
          prize_panel(images))],
        [("title", title(images, False)),
         ("title after the start", title(images, True))],
    ]


def main(argv):
    out = argv[0] if argv else "/tmp/scene_sheet.png"
    images = load(["pics0", "heads2", "faces0", "faces12",
                   "dolls1", "dolls2", "dolls3", "bottle", "title"])
    contact_sheet.sheet(rows(images), GAP).save(out)
    print("wrote " + out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
