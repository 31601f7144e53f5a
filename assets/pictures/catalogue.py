"""Every picture the game has, and where the game puts it.

Plain data, nothing but the standard library: the picture build renders and
checks from it, the contact sheets compose from it, and other scripts may
import it to compare it with the game's own tables.  Sizes are (width,
height), places and offsets (x, y), rectangles (x, y, width, height) unless
a comment says otherwise; all in pixels.

Drawings live in the body frame: the origin is the top-left corner of the
body picture, and each drawing's viewBox is its own rectangle in that frame
(see README.md).
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "src")

# ------------------------------------------------------------------ colours

BACKGROUND = (0xEE, 0xFF, 0xFE)        # the hero's area, 0x00FEFFEE
GIRL_BACKGROUND = (0xEF, 0xFF, 0xFE)   # the girl's picture, 0x00FEFFEF
TITLE_BACKGROUND = (0xEF, 0xFF, 0xFF)  # the title picture, 0x00FFFFEF
WHITE = (0xFF, 0xFF, 0xFF)             # the prize sheet and the prize window
SKIN = (0xFD, 0xE2, 0xCC)              # pale skin: what the face features lie on
INK = (0x24, 0x1C, 0x1C)               # the outline colour, never pure black
KEY = (0, 0, 0)                        # a sprite's see-through background

# ---------------------------------------------------------- the hero's area

HERO_AREA = (303, 255)      # the inside of the picture the hero is drawn in
BODY_AT = (170, 60)         # where the body picture's corner stands in it
BODY_AT_LEFT = (90, 60)     # ... when the hero stands left (his hands move along)

# Where each layer's corner lies from the body's corner.
LAYER_OFFSETS = {"hair": (12, -17), "face": (0, 36), "large face": (-30, 20)}

# The hands pictures, by number: their size, the offset of their corner from
# the body's corner, and the body picture they lie on (0 pale, 1 tanned).
HANDS = {
    1: ((65, 145), (-24, 42), 0),      # smoking: a V sign and a cigarette
    2: ((104, 82), (-60, 106), 0),     # cheering with a fan
    3: ((300, 207), (-120, -20), 0),   # shopping with the girl
    4: ((230, 148), (-50, 40), 0),     # drinking
    5: ((65, 145), (-24, 42), 1),
    6: ((104, 82), (-60, 106), 1),
    7: ((230, 148), (-50, 40), 1),
}
HANDS_BODY_AT = {3: (140, 60)}   # with the shopping picture the body stands here
HANDS_WITH_FACE = (3, 4, 7)      # these bring the hero's features: no face layer

# The callers' pictures, by number, and where their corner stands in the
# hero's area (the girl and the friend beside him, the old man alone).
CALLER_AT = {1: (0, 40), 2: (0, 40), 3: (80, 40)}

# ------------------------------------------------------------------ prizes

PRIZE_WINDOW = (57, 73)     # the bonus day's prize window, white
# By prize number: the cell of the prize sheet (bottle.png) shown for it, and
# the place in the prize window it is copied to.  Rows past the sheet copy
# nothing.
PRIZE_CELLS = {
    1: ((0, 0, 32, 67), (10, 5)),
    2: ((32, 0, 32, 67), (10, 5)),
    3: ((0, 69, 32, 66), (12, 5)),
    4: ((32, 80, 32, 66), (10, 5)),
}
PRIZE_NAMES = {1: "spray", 2: "teal bottle", 3: "yellow bottle", 4: "jar"}

# ------------------------------------------------------------------- title

# Where the title screen draws the hero's layers on the title picture.
TITLE_HERO = {"body": (360, 80), "hair": (372, 63), "face": (360, 116),
              "large face": (330, 100)}
TITLE_GREETING = (376, 40, 97, 17)     # the greeting after the start
START_BUTTON = (232, 264, 73, 41)      # はじめ, over the title picture
TITLE_SHOWN = (515, 305)               # the part of the title picture on screen
# The logo keeps inside this box (x0, y0, x1, y1, inclusive); all round it
# the title picture is plain background.
TITLE_LOGO = (32, 58, 329, 215)

# ---------------------------------------------------------------- pictures

# Every picture the game compiles in: name (the PNG is name.png), source in
# src/, size, kind, and its base: the colour the figure's soft edge is
# blended on (sprites), the exact background (opaque pictures), or the body
# picture it lies on (hands).  Kinds:
#   opaque  flattened onto its background and copied whole
#   sprite  a pure black background, the key the game draws it through
#   hands   a sprite blended over the body it lies on
#   icon    the window icon, with its alpha
PICTURES = (
    [("pics%d" % k, "pics%d.svg" % k, (130, 188), "opaque", BACKGROUND) for k in (0, 1)]
    + [("heads%d" % k, "heads%d.svg" % k, (110, 138), "sprite", BACKGROUND)
       for k in range(1, 9)]
    + [("faces%d" % k, "faces%d.svg" % k, (115, 96), "sprite", SKIN) for k in range(12)]
    + [("faces%d" % k, "faces%d.svg" % k, (180, 168), "sprite", BACKGROUND)
       for k in (12, 13)]
    + [("icon", "icon.svg", (32, 32), "icon", None),
       ("dolls1", "dolls1.svg", (120, 208), "opaque", GIRL_BACKGROUND),   # the girl
       ("dolls2", "dolls2.svg", (136, 207), "opaque", BACKGROUND),        # the friend
       ("dolls3", "dolls3.svg", (143, 207), "opaque", BACKGROUND),        # the old man
       ("bottle", "bottle.svg", (65, 135), "opaque", WHITE),              # the prizes
       ("title", "title.svg", (515, 335), "opaque", TITLE_BACKGROUND),
       ("title_en", "title_en.svg", (515, 335), "opaque", TITLE_BACKGROUND)]  # in English
    + [("hands%d" % k, "hands%d.svg" % k, size, "hands", "pics%d" % body)
       for k, (size, _offset, body) in sorted(HANDS.items())]
)

SIZES = {name: size for name, _source, size, _kind, _base in PICTURES}
BASES = {name: base for name, _source, _size, _kind, base in PICTURES}

# ----------------------------------------------------------- desktop icons

APP_ID = "jp.mokuta_kun.mokuta"
ICON_SOURCE = "icon.svg"                       # the window icon's drawing
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)    # the PNGs, square
ICON_THEME = os.path.join(os.path.dirname(HERE), "icons", "hicolor")
