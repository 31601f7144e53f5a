"""From a drawing to the finished picture the game compiles in.

rsvg-convert renders each drawing at its exact size with alpha; then, by the
picture's kind (see catalogue.PICTURES):

- sprite: alpha below one half becomes the pure black key; every other
  pixel becomes opaque, blended over what it will lie on (its base colour),
  so no dark fringe shows; a pixel that comes out exactly black becomes the
  outline colour; black closed inside the figure is filled;
- hands: the same, blended over the body picture itself, placed where the
  game places the hands, and holes filled with what lies below them;
- opaque: flattened onto its background, the faintest pixels made exactly it;
- icon: rendered from the drawing with its classes written out, alpha kept.

The desktop icons are rendered here too, from that same written-out drawing.
"""

import io
import os
import re
import subprocess
from collections import Counter

from PIL import Image

from catalogue import (APP_ID, BACKGROUND, HANDS, ICON_SIZES, ICON_SOURCE, ICON_THEME,
                       INK, KEY, PICTURES, SKIN)
from pixels import enclosed, near
from svg import BuildError, Drawing, standalone_svg

NEAR = 3   # an opaque picture's pixel this close to the background is background


def render_svg(svg, size, label):
    """Render an SVG document at exactly size, with alpha."""
    w, h = size
    proc = subprocess.run(
        ["rsvg-convert", "--format=png", "--width=%d" % w, "--height=%d" % h],
        input=svg.encode("utf-8"), capture_output=True)
    if proc.returncode != 0:
        raise BuildError("rsvg-convert failed on %s: %s"
                         % (label, proc.stderr.decode(errors="replace")))
    image = Image.open(io.BytesIO(proc.stdout)).convert("RGBA")
    if image.size != size:
        raise BuildError("%s rendered at %s, not %s" % (label, image.size, size))
    return image


def render(source, size):
    """Render a source drawing at exactly size, with alpha."""
    return render_svg(Drawing.load(source).flat_svg(), size, source)


# ----------------------------------------------------------------- sprites

def key_and_blend(rgba, ground):
    """The sprite of rgba: alpha below one half becomes the key, every other
    pixel opaque, blended over the pixel of ground (an RGB picture of the
    same size) it will lie on."""
    out = Image.new("RGB", rgba.size)
    src, gnd, dst = rgba.load(), ground.load(), out.load()
    w, h = rgba.size
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if a < 128:               # alpha below one half: see-through
                dst[x, y] = KEY
                continue
            f = a / 255.0
            c = tuple(int(round(v * f + bv * (1 - f)))
                      for v, bv in zip((r, g, b), gnd[x, y]))
            dst[x, y] = INK if c == KEY else c
    return out


def fill_holes(name, image, under=None):
    """Fill black areas not connected to the edge: with the colour the sprite
    lies on when that is known (a face's skin), else with the colour around."""
    px = image.load()
    w, h = image.size
    holes = enclosed(image, KEY)
    filled = []
    while holes:
        start = holes.pop()
        area, todo, border = [start], [start], Counter()
        while todo:
            x, y = todo.pop()
            for q in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if not (0 <= q[0] < w and 0 <= q[1] < h):
                    continue
                if q in holes:
                    holes.remove(q)
                    area.append(q)
                    todo.append(q)
                elif px[q] != KEY:
                    border[px[q]] += 1
        colour = under or (border.most_common(1)[0][0] if border else INK)
        for p in area:
            px[p] = colour
        filled.append((len(area), min(area), colour))
    for count, (x, y), colour in filled:
        print("  %s: filled a hole of %d px at %d,%d with #%02x%02x%02x"
              % ((name, count, x, y) + colour))
    return len(filled)


def make_sprite(name, rgba, base):
    """Key the background to pure black and blend the figure's edge on base."""
    out = key_and_blend(rgba, Image.new("RGB", rgba.size, base))
    fill_holes(name, out, base if base == SKIN else None)
    return out


# ------------------------------------------------------------------- hands
#
# A hands picture lies partly on the background, partly on the shirt and
# partly on the face, so its soft edge is blended over the body picture
# itself, put where the game puts it: skin under the features, stripes under
# a sleeve, #EEFFFE around a hand.  No fringe shows anywhere, and a closed
# black hole is filled with what the game would show through it.

_BODIES = {}


def body_picture(name):
    """A body picture as its source builds it (for the hands' blending)."""
    if name not in _BODIES:
        entry = next(e for e in PICTURES if e[0] == name)
        _BODIES[name] = build_one(*entry)
    return _BODIES[name]


def hands_ground(k, body):
    """What hands k lies on in the game, in its own rectangle: the body picture
    at the hands' offset, the background around it (no hair: the hands keep
    off the hair, which the checks make sure of)."""
    size, (ox, oy), _body = HANDS[k]
    ground = Image.new("RGB", size, BACKGROUND)
    ground.paste(body, (-ox, -oy))
    return ground


def build_hands(name, source, size, body):
    k = int(name[len("hands"):])
    ground = hands_ground(k, body_picture(body))
    out = key_and_blend(render(source, size), ground)
    dst, gnd = out.load(), ground.load()
    holes = enclosed(out, KEY)
    for x, y in holes:
        dst[x, y] = gnd[x, y] if gnd[x, y] != KEY else INK
    if holes:
        print("  %s: filled %d enclosed black pixels with what lies below, e.g. at "
              "%d,%d of the body" % ((name, len(holes)) +
                                     tuple(a + b for a, b in zip(min(holes), HANDS[k][1]))))
    return out


# ---------------------------------------------------------- opaque pictures

def make_opaque(rgba, background):
    """Flatten onto the background; the faintest edge pixels become it exactly."""
    flat = Image.new("RGBA", rgba.size, background + (255,))
    flat.alpha_composite(rgba)
    flat = flat.convert("RGB")
    px = flat.load()
    w, h = flat.size
    for y in range(h):
        for x in range(w):
            if near(px[x, y], background, NEAR):
                px[x, y] = background
    return flat


def _font_families(svg):
    found = set()
    for value in re.findall(r'font-family\s*[:=]\s*["\']?([^;"\'>]+)', svg):
        for family in value.split(","):
            family = family.strip().strip("'\"")
            if family and family not in ("serif", "sans-serif", "monospace"):
                found.add(family)
    return found


def build_opaque(source, size, background):
    """Render and flatten onto the picture's own background.  Lettering needs
    its fonts installed: without them rsvg-convert would quietly fall back to
    another face, so that is an error here."""
    svg = Drawing.load(source).flat_svg()
    for family in sorted(_font_families(svg)):
        proc = subprocess.run(["fc-list", family], capture_output=True, text=True)
        if proc.returncode != 0 or not proc.stdout.strip():
            raise BuildError("%s needs the font %r: install fonts-kouzan-mouhitsu "
                             "(see README.md)" % (source, family))
    return make_opaque(render_svg(svg, size, source), background)


def build_one(name, source, size, kind, base):
    """The finished picture of one entry of catalogue.PICTURES."""
    if kind == "opaque":
        return build_opaque(source, size, base)
    if kind == "sprite":
        return make_sprite(name, render(source, size), base)
    if kind == "hands":
        return build_hands(name, source, size, base)
    if kind == "icon":
        return render_svg(standalone_svg(source), size, source)
    raise BuildError("%s: no such kind of picture: %r" % (name, kind))


# ------------------------------------------------------------ desktop icons
#
# The desktop shows the game by the hero's face, the drawing of the window
# icon: written out once without its stylesheet, for the desktop to scale,
# and as PNGs at the sizes desktops ask for, all from that one drawing.

def icon_files():
    """(path, pixel size) of every desktop icon; size None for the drawing."""
    files = [(os.path.join(ICON_THEME, "scalable", "apps", APP_ID + ".svg"), None)]
    files += [(os.path.join(ICON_THEME, "%dx%d" % (n, n), "apps", APP_ID + ".png"), n)
              for n in ICON_SIZES]
    return files


def build_icon_set():
    """path -> the SVG text or the PNG image the icon's drawing makes."""
    svg = standalone_svg(ICON_SOURCE)
    return {path: svg if n is None else render_svg(svg, (n, n), ICON_SOURCE)
            for path, n in icon_files()}


def write_icon_set(built):
    for path, made in built.items():
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if isinstance(made, str):
            with open(path, "w", encoding="utf-8") as f:
                f.write(made)
        else:
            made.save(path, optimize=True)
