"""The pictures put together the way the game shows them: the hero from his
layers, with his hands, the prize window, the title screen.  The checks look
at these, and the contact sheets show them."""

import os

from PIL import Image

from catalogue import (BACKGROUND, BODY_AT, BODY_AT_LEFT, HANDS, HANDS_BODY_AT,
                       HANDS_WITH_FACE, HERE, HERO_AREA, KEY, LAYER_OFFSETS, PICTURES,
                       PRIZE_CELLS, PRIZE_WINDOW, TITLE_HERO, TITLE_SHOWN, WHITE)


def load_pngs(names=None):
    """The built PNGs by name (all of catalogue.PICTURES unless names given)."""
    images = {}
    for name in names or [entry[0] for entry in PICTURES]:
        images[name] = Image.open(os.path.join(HERE, name + ".png"))
        images[name].load()
    return images


def compose(canvas, sprite, at):
    """The game's masked copy: every non-black sprite pixel replaces the target."""
    src = sprite.load()
    dst = canvas.load()
    ox, oy = at
    cw, ch = canvas.size
    w, h = sprite.size
    for y in range(h):
        for x in range(w):
            p = src[x, y]
            if p != KEY and 0 <= x + ox < cw and 0 <= y + oy < ch:
                dst[x + ox, y + oy] = p


def _layer(at, layer):
    return tuple(a + b for a, b in zip(at, LAYER_OFFSETS[layer]))


def hero(images, body=0, hair=2, face=0, at=BODY_AT, size=HERO_AREA,
         background=BACKGROUND):
    """The hero as the game composes him: body, face, then hair on top."""
    canvas = Image.new("RGB", size, background)
    canvas.paste(images["pics%d" % body], at)
    if face is not None:
        compose(canvas, images["faces%d" % face],
                _layer(at, "large face" if face >= 12 else "face"))
    if hair:
        compose(canvas, images["heads%d" % hair], _layer(at, "hair"))
    return canvas


def body_place(k, left=False):
    """Where the body stands in the hero's area with hands k."""
    return HANDS_BODY_AT.get(k, BODY_AT_LEFT if left else BODY_AT)


def hero_with_hands(images, k, hair=2, face=0, left=False):
    """The hero as the game draws him with hands k: body, the face (not with
    hands 3, 4 and 7), the hair, then the hands on top."""
    _size, (ox, oy), body = HANDS[k]
    if face is not None and k not in HANDS_WITH_FACE and face >= 12:
        face = 12 + body
    bx, by = body_place(k, left)
    canvas = hero(images, body, hair, None if k in HANDS_WITH_FACE else face, at=(bx, by))
    compose(canvas, images["hands%d" % k], (bx + ox, by + oy))
    return canvas


def prize_window(image, prize):
    """The prize window as the game shows it: white, one cell copied in."""
    (cx, cy, cw, ch), (tx, ty) = PRIZE_CELLS[prize]
    window = Image.new("RGB", PRIZE_WINDOW, WHITE)
    w, h = image.size
    cell = image.crop((cx, cy, cx + cw, min(cy + ch, h)))
    window.paste(cell, (tx, ty))
    return window


def title_screen(images, after_start):
    """The title picture's visible part with the hero drawn in: the body, the
    hair, then the small face, or the large one once the game has started."""
    canvas = images["title"].convert("RGB").crop((0, 0) + TITLE_SHOWN)
    canvas.paste(images["pics0"], TITLE_HERO["body"])
    compose(canvas, images["heads2"], TITLE_HERO["hair"])
    if after_start:
        compose(canvas, images["faces12"], TITLE_HERO["large face"])
    else:
        compose(canvas, images["faces0"], TITLE_HERO["face"])
    return canvas
