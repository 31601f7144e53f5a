#!/usr/bin/python3
"""Rebuild the hero's bitmaps (PNG) from the SVG drawings in src/, and the
desktop icons in ../icons/ from the window icon's drawing.

Run:  /usr/bin/python3 assets/pictures/build.py          rebuild and check
      /usr/bin/python3 assets/pictures/build.py --check  check the PNGs as
                                                         they are, and that
                                                         they match src/

Every drawing in src/ is in the body frame: the origin is the top-left corner
of the body picture, and each picture's viewBox is its rectangle in that
frame, so the layers line up by construction.  Shared parts come in through
<use href="file.svg#id">; the palette comes in through the xml-stylesheet
line at the top of each drawing.  Both are inlined here before rendering,
because rsvg-convert does not follow such references reliably and because
CSS classes on a <use> do not reach inside what it shows.
"""

import copy
import io
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
from collections import Counter, deque

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "src")
PARTS = "parts.svg"     # shared parts and the palette's gradients

SVG_NS = "http://www.w3.org/2000/svg"
XLINK_NS = "http://www.w3.org/1999/xlink"
ET.register_namespace("", SVG_NS)
ET.register_namespace("xlink", XLINK_NS)

BACKGROUND = (0xEE, 0xFF, 0xFE)   # the hero picture area, 0x00FEFFEE
SKIN = (0xFD, 0xE2, 0xCC)         # pale skin: what the face features lie on
INK = (0x24, 0x1C, 0x1C)          # the outline colour; lifts pure black
KEY = (0, 0, 0)
NEAR = 3   # an opaque picture's pixel this close to the background is background

# name, source, (width, height), kind, colour the figure's edge is blended on
PICTURES = [
    ("pics0", "pics0.svg", (130, 188), "opaque", BACKGROUND),
    ("pics1", "pics1.svg", (130, 188), "opaque", BACKGROUND),
] + [
    ("heads%d" % k, "heads%d.svg" % k, (110, 138), "sprite", BACKGROUND)
    for k in range(1, 9)
] + [
    ("faces%d" % k, "faces%d.svg" % k, (115, 96), "sprite", SKIN)
    for k in range(0, 12)
] + [
    ("faces12", "faces12.svg", (180, 168), "sprite", BACKGROUND),
    ("faces13", "faces13.svg", (180, 168), "sprite", BACKGROUND),
    ("icon", "icon.svg", (32, 32), "icon", None),
]

# Edges of a sprite that its figure may run off: the large face's cuff.
OPEN_EDGES = {"faces12": {"bottom"}, "faces13": {"bottom"}}

# Where each layer's top-left corner lies relative to the body's corner.
OFFSET = {"heads": (12, -17), "faces": (0, 36), "large": (-30, 20)}


class BuildError(Exception):
    pass


# ---------------------------------------------------------------- SVG input

def _tag(name):
    return "{%s}%s" % (SVG_NS, name)


def _href(el):
    return el.get("href") or el.get("{%s}href" % XLINK_NS)


_KEEP_ID = {_tag(t) for t in ("linearGradient", "radialGradient", "clipPath",
                              "mask", "filter", "pattern")}


class Drawing:
    """One source file, with its palette and its <use> references inlined."""

    _cache = {}

    @classmethod
    def load(cls, filename, chain=()):
        if filename in chain:
            raise BuildError("circular <use> through " + " > ".join(chain))
        if filename not in cls._cache:
            cls._cache[filename] = cls(filename, chain + (filename,))
        return cls._cache[filename]

    def __init__(self, filename, chain):
        self.filename = filename
        path = os.path.join(SRC, filename)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        self.styles = []
        for href in re.findall(r'<\?xml-stylesheet[^>]*href="([^"]+)"', text):
            with open(os.path.join(SRC, href), encoding="utf-8") as f:
                self.styles.append(f.read())
        self.root = ET.fromstring(text)
        self.defs = []            # every <defs> child this drawing needs
        self._chain = chain
        for defs in self.root.iter(_tag("defs")):
            self.defs.extend(list(defs))
        if filename != PARTS:
            # the palette's gradients live in the parts' <defs>
            self._take_defs(Drawing.load(PARTS, chain))
        self._inline_uses(self.root)

    def _take_defs(self, source):
        for d in source.defs:
            if d not in self.defs:
                self.defs.append(d)
        for css in source.styles:
            if css not in self.styles:
                self.styles.append(css)

    def _inline_uses(self, parent):
        for i, child in enumerate(list(parent)):
            if child.tag == _tag("use"):
                parent.remove(child)
                parent.insert(i, self._expand(child))
            elif child.tag != _tag("defs"):
                self._inline_uses(child)

    def _expand(self, use):
        href = _href(use) or ""
        filename, _, ident = href.partition("#")
        if not ident:
            raise BuildError("%s: <use> without #id: %r" % (self.filename, href))
        source = Drawing.load(filename, self._chain) if filename else self
        target = source.find(ident)
        if target is None:
            raise BuildError("%s: %s not found" % (self.filename, href))
        self._take_defs(source)
        group = ET.Element(_tag("g"))
        for key, value in use.attrib.items():
            if key in ("x", "y", "width", "height", "href") or key.endswith("}href"):
                continue
            group.set(key, value)
        x, y = use.get("x", "0"), use.get("y", "0")
        move = "translate(%s,%s)" % (x, y) if (x, y) != ("0", "0") else ""
        transform = " ".join(t for t in (use.get("transform", ""), move) if t)
        if transform:
            group.set("transform", transform)
        body = copy.deepcopy(target)
        if body.tag == _tag("symbol"):
            body.tag = _tag("g")
            body.attrib.pop("viewBox", None)
            body.attrib.pop("overflow", None)
        for el in body.iter():
            if el.tag not in _KEEP_ID:
                el.attrib.pop("id", None)
        group.append(body)
        return group

    def find(self, ident):
        for el in self.root.iter():
            if el.get("id") == ident:
                return el
        for el in self.defs:
            for sub in el.iter():
                if sub.get("id") == ident:
                    return sub
        return None

    def flat_svg(self):
        """The drawing as one self-contained SVG document."""
        return ET.tostring(self.flat_tree(), encoding="unicode")

    def flat_tree(self):
        root = copy.deepcopy(self.root)
        for defs in list(root.iter(_tag("defs"))):
            for parent in root.iter():
                if defs in list(parent):
                    parent.remove(defs)
        defs = ET.Element(_tag("defs"))
        seen = set()
        for d in self.defs:
            ident = d.get("id")
            if ident and ident in seen:
                continue
            seen.add(ident)
            defs.append(copy.deepcopy(d))
        style = ET.Element(_tag("style"))
        style.text = "\n".join(self.styles)
        root.insert(0, defs)
        root.insert(0, style)
        return root


# ------------------------------------------------- styles written into the shapes
#
# The desktop's icon loaders read an SVG without stylesheets, so the icon is
# also written out with every class turned into the colours and lines it
# stands for.  The palette's selectors are single classes and chains of them
# (".tan .skin"); a longer chain wins, then the later rule, then the shape's
# own style attribute, as in CSS.

def _css_rules(texts):
    rules = []
    for text in texts:
        text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
        for selectors, body in re.findall(r"([^{}]+)\{([^}]*)\}", text):
            decls = _declarations(body)
            for selector in selectors.split(","):
                chain = selector.split()
                if not chain or not all(re.fullmatch(r"\.[\w-]+", c) for c in chain):
                    raise BuildError("cannot write the rule %r into the shapes"
                                     % selector.strip())
                rules.append((len(chain), len(rules), [c[1:] for c in chain], decls))
    rules.sort(key=lambda r: r[:2])
    return rules


def _declarations(text):
    decls = []
    for decl in text.split(";"):
        prop, colon, value = decl.partition(":")
        if colon:
            value = value.strip()
            decls.append((prop.strip(), re.sub(r"^(-?[\d.]+)px$", r"\1", value)))
    return decls


def _matches(chain, classes, above):
    """chain's last class on the element, the others in order on its ancestors."""
    if chain[-1] not in classes:
        return False
    want = list(chain[:-1])
    for ancestor in reversed(above):
        if want and want[-1] in ancestor:
            want.pop()
    return not want


def _referenced_ids(root):
    ids = set()
    for el in root.iter():
        for key, value in el.attrib.items():
            ids.update(re.findall(r"url\(#([^)]+)\)", value))
            if key in ("href", "{%s}href" % XLINK_NS) and value.startswith("#"):
                ids.add(value[1:])
    return ids


def standalone_svg(source):
    """source as one SVG with no stylesheet: every class written out as
    attributes, and only the definitions the drawing points at."""
    drawing = Drawing.load(source)
    rules = _css_rules(drawing.styles)
    root = drawing.flat_tree()

    def paint(el, above):
        classes = set((el.get("class") or "").split())
        decls = [d for _n, _o, chain, ds in rules if _matches(chain, classes, above)
                 for d in ds] + _declarations(el.get("style") or "")
        for key in ("class", "style"):
            el.attrib.pop(key, None)
        for prop, value in decls:
            el.set(prop, value)
        for child in el:
            paint(child, above + [classes])

    root.remove(root.find(_tag("style")))
    paint(root, [])
    defs = root.find(_tag("defs"))
    root.remove(defs)
    wanted, todo = set(), _referenced_ids(root)
    while todo - wanted:
        wanted |= todo
        todo = set().union(*(_referenced_ids(d) for d in defs if d.get("id") in wanted))
    for d in list(defs):
        if d.get("id") not in wanted:
            defs.remove(d)
    if len(defs):
        root.insert(0, defs)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            "<!-- Built from assets/pictures/src/%s by assets/pictures/build.py;"
            " edit that drawing, not this file. -->\n" % source
            + ET.tostring(root, encoding="unicode") + "\n")


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


# ----------------------------------------------------------- post-processing

def reach(image, colour):
    """The pixels of colour reachable from the edge through that colour."""
    w, h = image.size
    px = image.load()
    reached = set()
    todo = deque([(x, 0) for x in range(w)] + [(x, h - 1) for x in range(w)] +
                 [(0, y) for y in range(h)] + [(w - 1, y) for y in range(h)])
    while todo:
        p = todo.popleft()
        if p in reached or px[p] != colour:
            continue
        reached.add(p)
        x, y = p
        for q in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= q[0] < w and 0 <= q[1] < h:
                todo.append(q)
    return reached


def pixels_of(image, colour):
    w, h = image.size
    px = image.load()
    return {(x, y) for y in range(h) for x in range(w) if px[x, y] == colour}


def edge_black(image):
    return reach(image, KEY)


def black_pixels(image):
    return pixels_of(image, KEY)


def fill_holes(name, image, under=None):
    """Fill black areas not connected to the edge: with the colour the sprite
    lies on when that is known (a face's skin), else with the colour around."""
    px = image.load()
    w, h = image.size
    holes = black_pixels(image) - edge_black(image)
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
    out = Image.new("RGB", rgba.size)
    src, dst = rgba.load(), out.load()
    w, h = rgba.size
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if a < 128:               # alpha below one half: see-through
                dst[x, y] = KEY
                continue
            f = a / 255.0
            c = tuple(int(round(v * f + bv * (1 - f)))
                      for v, bv in zip((r, g, b), base))
            dst[x, y] = INK if c == KEY else c
    fill_holes(name, out, base if base == SKIN else None)
    return out


def make_opaque(rgba, background=BACKGROUND):
    """Flatten onto the background; the faintest edge pixels become it exactly."""
    flat = Image.new("RGBA", rgba.size, background + (255,))
    flat.alpha_composite(rgba)
    flat = flat.convert("RGB")
    px = flat.load()
    w, h = flat.size
    for y in range(h):
        for x in range(w):
            if max(abs(a - b) for a, b in zip(px[x, y], background)) <= NEAR:
                px[x, y] = background
    return flat


def build_one(name, source, size, kind, base):
    if kind == "icon":
        return render_svg(standalone_svg(source), size, source)
    if kind == "flat":
        return build_flat(name, source, size, base)
    if kind == "hands":
        return build_hands(name, source, size, base)
    rgba = render(source, size)
    if kind == "sprite":
        return make_sprite(name, rgba, base)
    if kind == "opaque":
        return make_opaque(rgba)
    return rgba


# ------------------------------------------------------------------ checks

def check_sprite(name, image, problems):
    px = image.load()
    w, h = image.size
    black = black_pixels(image)
    inner = black - edge_black(image)
    if inner:
        problems.append("%s: %d black pixels not connected to the edge (holes)"
                        % (name, len(inner)))
    if len(black) == w * h:
        problems.append("%s: nothing is drawn" % name)
    edges = {"top": [(x, 0) for x in range(w)],
             "bottom": [(x, h - 1) for x in range(w)],
             "left": [(0, y) for y in range(h)],
             "right": [(w - 1, y) for y in range(h)]}
    for side, points in edges.items():
        touching = [p for p in points if px[p] != KEY]
        if touching and side not in OPEN_EDGES.get(name, ()):
            problems.append("%s: the figure is cut off at the %s edge, e.g. at %d,%d"
                            % ((name, side) + touching[0]))


def check_opaque(name, image, problems):
    w, h = image.size
    px = image.load()
    # Only the shirt may reach an edge, and only the bottom one.
    border = [(x, 0) for x in range(w)] + [(0, y) for y in range(h - 1)] + \
             [(w - 1, y) for y in range(h - 1)]
    off = [p for p in border if px[p] != BACKGROUND]
    if off:
        problems.append("%s: %d edge pixels are not the background #EEFFFE, e.g. at %d,%d"
                        % ((name, len(off)) + off[0]))
    near = [p for p in image.getdata() if p != BACKGROUND and
            max(abs(a - b) for a, b in zip(p, BACKGROUND)) <= NEAR]
    if near:
        problems.append("%s: %d pixels almost but not exactly the background"
                        % (name, len(near)))


def check_icon(name, image, problems):
    w, h = image.size
    alpha = image.getchannel("A")
    corners = [alpha.getpixel(p) for p in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1))]
    if any(corners):
        problems.append("%s: corners are not see-through" % name)
    opaque = sum(1 for a in alpha.getdata() if a >= 128)
    if opaque < w * h // 3:
        problems.append("%s: only %d opaque pixels" % (name, opaque))


def check_file(name, size, kind, problems):
    path = os.path.join(HERE, name + ".png")
    if not os.path.exists(path):
        problems.append("%s.png is missing" % name)
        return None
    image = Image.open(path)
    if image.format != "PNG":
        problems.append("%s.png is not a PNG" % name)
    want = "RGBA" if kind == "icon" else "RGB"
    if image.mode != want:
        problems.append("%s.png is %s, not %s" % (name, image.mode, want))
        return None
    if image.size != size:
        problems.append("%s.png is %dx%d, not %dx%d" % ((name,) + image.size + size))
        return None
    image.load()
    {"sprite": check_sprite, "opaque": check_opaque,
     "icon": check_icon, "flat": check_flat,
     "hands": check_sprite}[kind](name, image, problems)
    return image


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


def hero(images, body=0, hair=2, face=0, at=(170, 60), size=(303, 255),
         background=BACKGROUND):
    """The hero as the game composes him: body, face, then hair on top."""
    canvas = Image.new("RGB", size, background)
    bx, by = at
    canvas.paste(images["pics%d" % body], at)
    if face is not None:
        off = OFFSET["large"] if face >= 12 else OFFSET["faces"]
        compose(canvas, images["faces%d" % face], (bx + off[0], by + off[1]))
    if hair:
        off = OFFSET["heads"]
        compose(canvas, images["heads%d" % hair], (bx + off[0], by + off[1]))
    return canvas


HEAD_SEED = (67, 60)   # a point of the blank face, in the body frame


def head_area(body):
    """The pixels inside the head's outline: the skin reached from the face
    without crossing a dark line, widened by one pixel for the line's edge."""
    px = body.load()
    w, h = body.size
    light = lambda p: sum(px[p]) > 3 * 128
    area, todo = set(), [HEAD_SEED]
    while todo:
        p = todo.pop()
        if p in area or not (0 <= p[0] < w and 0 <= p[1] < h) or not light(p):
            continue
        area.add(p)
        x, y = p
        todo.extend(((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)))
    return area | {(x + dx, y + dy) for x, y in area
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))}


def check_faces_on_head(images, problems):
    head = head_area(images["pics0"])
    if len(head) > 130 * 188 // 2 or (67, 100) not in head:
        problems.append("pics0: the head's outline is not closed around the face")
        return
    ox, oy = OFFSET["faces"]
    for k in range(12):
        face = images["faces%d" % k]
        fpx = face.load()
        w, h = face.size
        off = [(x + ox, y + oy) for y in range(h) for x in range(w)
               if fpx[x, y] != KEY and (x + ox, y + oy) not in head]
        if off:
            problems.append("faces%d: %d pixels outside the head's outline, e.g. at "
                            "%d,%d of the body" % ((k, len(off)) + off[0]))


def check_hair_on_head(images, problems):
    """Each hair covers the outline of the crown: it sits on the head."""
    bpx = images["pics0"].load()
    crown = []
    ox, oy = OFFSET["heads"]
    for x in range(ox, ox + 110):
        top = next((y for y in range(188) if bpx[x, y] != BACKGROUND), None)
        if top is not None and top <= 12:
            crown.append((x, top))
    if len(crown) < 30:
        problems.append("pics0: no round crown at the top of the head")
        return
    for k in range(1, 9):
        hpx = images["heads%d" % k].load()
        bare = [(x, y) for x, y in crown
                if any(hpx[x - ox, y + d - oy] == KEY for d in (0, 1, 2))]
        if bare:
            problems.append("heads%d: does not cover the crown at %d columns, e.g. "
                            "at %d,%d of the body: the hair floats" % ((k, len(bare)) + bare[0]))


def check_registration(images, problems):
    """Faces on the head, hair on the crown, no background inside the hero."""
    check_faces_on_head(images, problems)
    check_hair_on_head(images, problems)
    combos = [(b, h, 0) for b in (0, 1) for h in range(9)]
    combos += [(0, h, f) for h in (0, 2) for f in range(13)]
    combos += [(1, h, f) for h in (0, 5) for f in list(range(12)) + [13]]
    for body, hair, face in combos:
        canvas = hero(images, body, hair, face)
        inside = pixels_of(canvas, BACKGROUND) - reach(canvas, BACKGROUND)
        if len(inside) > 0:
            x, y = min(inside, key=lambda p: (p[1], p[0]))
            problems.append("body %d, hair %d, face %d: %d background pixels "
                            "enclosed by the figure, e.g. at %d,%d of the body"
                            % (body, hair, face, len(inside), x - 170, y - 60))



def check_all(images, problems):
    if "faces12" in images and "faces13" in images:
        a, b = black_pixels(images["faces12"]), black_pixels(images["faces13"])
        if a != b:
            problems.append("faces13 does not have the outline of faces12: "
                            "%d pixels differ" % len(a ^ b))
    if all(n in images for n, *_ in PICTURES):
        check_registration(images, problems)
    check_cast(images, problems)
    check_hands(images, problems)


# ------------------------------------- the callers, the prize bottles, the title
#
# Opaque pictures that are not the hero: each is flattened onto its own exact
# background colour (given as the fifth field of its PICTURES entry).

WHITE = (0xFF, 0xFF, 0xFF)
TITLE_BACKGROUND = (0xEF, 0xFF, 0xFF)    # the title picture, 0x00FFFFEF

PICTURES += [
    ("dolls1", "dolls1.svg", (120, 208), "flat", (0xEF, 0xFF, 0xFE)),   # the girl
    ("dolls2", "dolls2.svg", (136, 207), "flat", BACKGROUND),           # the friend
    ("dolls3", "dolls3.svg", (143, 207), "flat", BACKGROUND),           # the old man
    ("bottle", "bottle.svg", (65, 135), "flat", WHITE),                 # the prizes
    ("title", "title.svg", (515, 335), "flat", TITLE_BACKGROUND),
]
FLAT_BACKGROUND = {name: base for name, _s, _z, kind, base in PICTURES if kind == "flat"}

# The callers stand in the hero's area cut off by the bottom edge, like him.
CUT_AT_BOTTOM = {"dolls1", "dolls2", "dolls3"}
CALLER_TOP = (2, 24)          # the first row of the head (hair) lies in here

# The prize window (57 x 73, white) copies one of these cells of bottle.png
# (x, y, w, h) to a point of itself; rows past the sheet copy nothing.
PRIZE_WINDOW = (57, 73)
PRIZE_CELLS = {"spray": ((0, 0, 32, 67), (10, 5)),
               "teal bottle": ((32, 0, 32, 67), (10, 5)),
               "yellow bottle": ((0, 69, 32, 66), (12, 5)),
               "jar": ((32, 80, 32, 66), (10, 5))}
PRIZE_MARGIN = 2              # white kept between a product and its cell's edge

# The title: the logo keeps to its box and the ground all round it is plain;
# the hero is drawn from x 330 on (the greeting at 376,40 lies there too);
# the start button covers its box.  Boxes are (x0, y0, x1, y1), inclusive.
TITLE_LOGO = (32, 58, 329, 215)
TITLE_HERO_X = 330
TITLE_BUTTON = (232 - 3, 264 - 3, 305 + 3, 334)


def _font_families(svg):
    found = set()
    for value in re.findall(r'font-family\s*[:=]\s*["\']?([^;"\'>]+)', svg):
        for family in value.split(","):
            family = family.strip().strip("'\"")
            if family and family not in ("serif", "sans-serif", "monospace"):
                found.add(family)
    return found


def build_flat(name, source, size, background):
    """Render and flatten onto the picture's own background.  Lettering needs
    its fonts installed: without them rsvg-convert would quietly fall back to
    another face, so that is an error here."""
    svg = Drawing.load(source).flat_svg()
    for family in sorted(_font_families(svg)):
        proc = subprocess.run(["fc-list", family], capture_output=True, text=True)
        if proc.returncode != 0 or not proc.stdout.strip():
            raise BuildError("%s needs the font %r: install fonts-kouzan-mouhitsu "
                             "(see README.md)" % (source, family))
    return make_opaque(render(source, size), background)


def check_flat(name, image, problems):
    background = FLAT_BACKGROUND[name]
    w, h = image.size
    px = image.load()
    border = [(x, 0) for x in range(w)] + [(0, y) for y in range(h)] + \
             [(w - 1, y) for y in range(h)]
    if name not in CUT_AT_BOTTOM:
        border += [(x, h - 1) for x in range(w)]
    off = [p for p in border if px[p] != background]
    if off:
        problems.append("%s: %d edge pixels are not the background #%02X%02X%02X, "
                        "e.g. at %d,%d" % ((name, len(off)) + background + off[0]))
    near = [p for p in image.getdata() if p != background and
            max(abs(a - b) for a, b in zip(p, background)) <= NEAR]
    if near:
        problems.append("%s: %d pixels almost but not exactly the background"
                        % (name, len(near)))
    if name in CUT_AT_BOTTOM:
        rows = [y for y in range(h) if any(px[x, y] != background for x in range(w))]
        if not rows:
            problems.append("%s: nothing is drawn" % name)
            return
        if not CALLER_TOP[0] <= rows[0] <= CALLER_TOP[1]:
            problems.append("%s: the head begins at row %d, not within rows %d..%d "
                            "like the hero's beside it" % ((name, rows[0]) + CALLER_TOP))
        bottom = sum(1 for x in range(w) if px[x, h - 1] != background)
        if bottom < w // 2:
            problems.append("%s: the figure fills only %d of the bottom row: it should "
                            "be cut off by the bottom edge like the hero's chest"
                            % (name, bottom))


def check_prize_cells(image, problems):
    """Every product lies inside its own cell, with a white margin, so the
    prize window shows one whole product and nothing of its neighbours."""
    w, h = image.size
    px = image.load()
    inner = {}
    for label, ((cx, cy, cw, ch), _to) in PRIZE_CELLS.items():
        m = PRIZE_MARGIN
        inner[label] = (cx + m, cy + m, min(cx + cw, w) - 1 - m, min(cy + ch, h) - 1 - m)
    counts = Counter()
    stray = []
    for y in range(h):
        for x in range(w):
            if px[x, y] == WHITE:
                continue
            for label, (x0, y0, x1, y1) in inner.items():
                if x0 <= x <= x1 and y0 <= y <= y1:
                    counts[label] += 1
                    break
            else:
                stray.append((x, y))
    if stray:
        problems.append("bottle: %d pixels outside the products' cells or within %d px "
                        "of a cell's edge, e.g. at %d,%d"
                        % ((len(stray), PRIZE_MARGIN) + stray[0]))
    for label, ((cx, cy, cw, ch), _to) in PRIZE_CELLS.items():
        if counts[label] < cw * min(ch, h - cy) // 5:
            problems.append("bottle: the %s's cell holds only %d drawn pixels"
                            % (label, counts[label]))


def prize_window(image, label):
    """The prize window as the game shows it: white, one cell copied in."""
    (cx, cy, cw, ch), (tx, ty) = PRIZE_CELLS[label]
    window = Image.new("RGB", PRIZE_WINDOW, WHITE)
    w, h = image.size
    cell = image.crop((cx, cy, cx + cw, min(cy + ch, h)))
    window.paste(cell, (tx, ty))
    return window


def _in_box(p, box):
    return box[0] <= p[0] <= box[2] and box[1] <= p[1] <= box[3]


def check_title(image, problems):
    w, h = image.size
    px = image.load()
    on_hero, on_button, stray = [], [], []
    pink = blue = pink_y = blue_y = 0
    for y in range(h):
        for x in range(w):
            p = px[x, y]
            if p == TITLE_BACKGROUND:
                continue
            if x >= TITLE_HERO_X:
                on_hero.append((x, y))
            elif _in_box((x, y), TITLE_BUTTON):
                on_button.append((x, y))
            elif _in_box((x, y), TITLE_LOGO):
                r, g, b = p
                if r > 180 and g < 150 and r - b > 40:
                    pink += 1
                    pink_y += y
                elif b > 150 and r < 120 and b - g > 30:
                    blue += 1
                    blue_y += y
            else:
                stray.append((x, y))
    if on_hero:
        problems.append("title: %d pixels drawn where the hero stands (x >= %d), "
                        "e.g. at %d,%d" % ((len(on_hero), TITLE_HERO_X) + on_hero[0]))
    if on_button:
        problems.append("title: %d pixels drawn under the start button, e.g. at %d,%d"
                        % ((len(on_button),) + on_button[0]))
    if stray:
        problems.append("title: %d pixels drawn outside the logo's box, where the "
                        "ground is plain, e.g. at %d,%d" % ((len(stray),) + stray[0]))
    if pink < 400:
        problems.append("title: the logo has only %d red-pink pixels: where is the "
                        "line of small lettering?" % pink)
    if blue < 4000:
        problems.append("title: the logo has only %d blue pixels: where is the "
                        "hero's name?" % blue)
    if pink and blue and pink_y / pink >= blue_y / blue:
        problems.append("title: the small red-pink line is not above the hero's name")


def check_cast(images, problems):
    if "bottle" in images:
        check_prize_cells(images["bottle"], problems)
    if "title" in images:
        check_title(images["title"], problems)


# ------------------------------------------------------------------ the hands
#
# The hands pictures lie over everything the game draws of the hero: body,
# face and hair.  They are drawn in the body frame like the rest.  Hands 3, 4
# and 7 bring the hero's own eyes, brows, nose, mouth and blush, because the
# game leaves the face layer out with them; with hands 3 the whole hero
# stands at x 140, which leaves the body frame as it is.
#
# A hands picture lies partly on the background, partly on the shirt and
# partly on the face, so its soft edge is blended over the body picture
# itself, put where the game puts it: skin under the features, stripes under
# a sleeve, #EEFFFE around a hand.  No fringe shows anywhere, and a closed
# black hole is filled with what the game would show through it.

# k: size, offset of its corner from the body's corner, the body it lies on
HANDS = {
    1: ((65, 145), (-24, 42), "pics0"),
    2: ((104, 82), (-60, 106), "pics0"),
    3: ((300, 207), (-120, -20), "pics0"),
    4: ((230, 148), (-50, 40), "pics0"),
    5: ((65, 145), (-24, 42), "pics1"),
    6: ((104, 82), (-60, 106), "pics1"),
    7: ((230, 148), (-50, 40), "pics1"),
}
PICTURES += [("hands%d" % k, "hands%d.svg" % k, size, "hands", body)
             for k, (size, _offset, body) in sorted(HANDS.items())]
# The arms come in from below, like the hero's chest and the girl's: the
# bottom edge is the only one a hands picture may run off.
OPEN_EDGES.update({"hands%d" % k: {"bottom"} for k in HANDS})

HANDS_WITH_FACE = {3, 4, 7}        # the game draws no face layer with these
TANNED_HANDS = {5, 6, 7}
# Hair the hero can wear with each look (heads4 only at the full-hair ending,
# which takes the hands away).
HANDS_HAIRS = {False: (0, 1, 2, 3, 6), True: (0, 5, 6, 7, 8)}
# Parts that may float free of the hero (body frame, x0, y0, x1, y1
# inclusive): the cigarette's smoke.
HANDS_FLOATING = {1: [(-24, 42, -2, 92)], 5: [(-24, 42, -2, 92)],
                  4: [(-24, 40, -2, 92)], 7: [(-24, 40, -2, 92)]}
# Where the faces put the features (body frame): x, y, how near a mark must be
# (a dark pixel of it: the eye, the nose's line, the inside of the mouth).
DARK_MARK = 400            # the sum of r, g and b of a pixel that is "dark"
FACE_MARKS = [("left eye", 49, 68, 6), ("right eye", 85, 68, 6),
              ("nose", 69, 82, 4), ("mouth", 67, 99, 6)]
EYE_CENTRES = [("left eye", 49, 68), ("right eye", 85, 68)]

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
    off the hair, which the checks below make sure of)."""
    size, (ox, oy), _body = HANDS[k]
    ground = Image.new("RGB", size, BACKGROUND)
    ground.paste(body, (-ox, -oy))
    return ground


def build_hands(name, source, size, body):
    k = int(name[len("hands"):])
    rgba = render(source, size)
    ground = hands_ground(k, body_picture(body))
    out = Image.new("RGB", size)
    src, gnd, dst = rgba.load(), ground.load(), out.load()
    w, h = size
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if a < 128:                  # alpha below one half: see-through
                dst[x, y] = KEY
                continue
            f = a / 255.0
            c = tuple(int(round(v * f + bv * (1 - f)))
                      for v, bv in zip((r, g, b), gnd[x, y]))
            dst[x, y] = INK if c == KEY else c
    holes = black_pixels(out) - edge_black(out)
    for x, y in holes:
        dst[x, y] = gnd[x, y] if gnd[x, y] != KEY else INK
    if holes:
        print("  %s: filled %d enclosed black pixels with what lies below, e.g. at "
              "%d,%d of the body" % ((name, len(holes)) +
                                     tuple(a + b for a, b in zip(min(holes), HANDS[k][1]))))
    return out


def hero_with_hands(images, k, hair=2, face=0, left=False):
    """The hero as the game draws him with hands k: body, the face (not with
    hands 3, 4 and 7), the hair, then the hands on top.  With hands 3 the body
    stands at x 140, else at 170, or 90 when he stands left."""
    body = int(HANDS[k][2][len("pics"):])
    bx = 140 if k == 3 else (90 if left else 170)
    tanned = k in TANNED_HANDS
    if face is not None and k not in HANDS_WITH_FACE and face >= 12:
        face = 13 if tanned else 12
    canvas = hero(images, body, hair,
                  None if k in HANDS_WITH_FACE else face, at=(bx, 60))
    ox, oy = HANDS[k][1]
    compose(canvas, images["hands%d" % k], (bx + ox, 60 + oy))
    return canvas


def _components(points):
    """8-connected pieces of a set of pixels."""
    left = set(points)
    pieces = []
    while left:
        start = left.pop()
        piece, todo = [start], [start]
        while todo:
            x, y = todo.pop()
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    q = (x + dx, y + dy)
                    if q in left:
                        left.remove(q)
                        piece.append(q)
                        todo.append(q)
        pieces.append(piece)
    return pieces


def check_hands_meet_body(k, sprite, body, problems):
    """Every piece of the picture rests on the hero's body, comes in from the
    open bottom edge, or is allowed to float (the smoke)."""
    name = "hands%d" % k
    px, bpx = sprite.load(), body.load()
    w, h = sprite.size
    ox, oy = HANDS[k][1]
    bw, bh = body.size
    figure = [(x, y) for y in range(h) for x in range(w) if px[x, y] != KEY]

    def on_body(x, y):
        for dx, dy in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)):
            u, v = x + ox + dx, y + oy + dy
            if 0 <= u < bw and 0 <= v < bh and bpx[u, v] != BACKGROUND:
                return True
        return False

    for piece in _components(figure):
        if any(y == h - 1 for _x, y in piece) or any(on_body(x, y) for x, y in piece):
            continue
        inside = [box for box in HANDS_FLOATING.get(k, ())
                  if all(box[0] <= x + ox <= box[2] and box[1] <= y + oy <= box[3]
                         for x, y in piece)]
        if not inside:
            x, y = min(piece, key=lambda p: (p[1], p[0]))
            problems.append("%s: a piece of %d px floats free of the hero, e.g. at "
                            "%d,%d of the body" % (name, len(piece), x + ox, y + oy))


def check_hands_off_hair(k, sprite, images, problems):
    """The hair lies below the hands: nothing of them may cover any hair."""
    ox, oy = HANDS[k][1]
    hx, hy = OFFSET["heads"]
    px = sprite.load()
    w, h = sprite.size
    for hair in range(1, 9):
        if hair == 4:
            continue
        hpx = images["heads%d" % hair].load()
        hw, hh = images["heads%d" % hair].size
        over = [(x + ox, y + oy) for y in range(h) for x in range(w)
                if px[x, y] != KEY and 0 <= x + ox - hx < hw and 0 <= y + oy - hy < hh
                and hpx[x + ox - hx, y + oy - hy] != KEY]
        if over:
            problems.append("hands%d: %d pixels cover the hair of heads%d, e.g. at "
                            "%d,%d of the body" % ((k, len(over), hair) + min(over)))


def check_hands_face(k, sprite, body, head, problems):
    """Hands 3, 4 and 7 put the hero's features where the faces put theirs,
    and paint no skin over the blank face below; the others keep off the face."""
    name = "hands%d" % k
    ox, oy = HANDS[k][1]
    px, bpx = sprite.load(), body.load()
    w, h = sprite.size

    def at(u, v):
        x, y = u - ox, v - oy
        return px[x, y] if 0 <= x < w and 0 <= y < h else KEY

    on_face = [(u, v) for u, v in head if at(u, v) != KEY]
    if k not in HANDS_WITH_FACE:
        if on_face:
            problems.append("%s: %d pixels cover the face, e.g. at %d,%d of the body"
                            % ((name, len(on_face)) + min(on_face)))
        return
    skin = [(u, v) for u, v in on_face
            if max(abs(a - b) for a, b in zip(at(u, v), bpx[u, v])) <= 12]
    if len(skin) > 4:
        problems.append("%s: %d pixels paint skin over the face, e.g. at %d,%d of "
                        "the body" % ((name, len(skin)) + min(skin)))
    for label, mx, my, r in FACE_MARKS:
        near = [(u, v) for u in range(mx - r, mx + r + 1) for v in range(my - r, my + r + 1)
                if (u - mx) ** 2 + (v - my) ** 2 <= r * r and at(u, v) != KEY
                and sum(at(u, v)) < DARK_MARK]
        if not near:
            problems.append("%s: no %s within %d px of %d,%d, where the faces put it"
                            % (name, label, r, mx, my))
    # The eye itself is the largest dark blob near its place (a brow or a lash
    # line standing apart is smaller); its middle must be where the faces
    # put theirs, give or take the glance of an eye.
    dark = [(u, v) for u in range(20, 115) for v in range(40, 100)
            if at(u, v) != KEY and sum(at(u, v)) < 240]
    blobs = _components(dark)
    for label, mx, my in EYE_CENTRES:
        near = [b for b in blobs if any(abs(u - mx) <= 10 and abs(v - my) <= 10 for u, v in b)]
        if not near:
            problems.append("%s: no dark %s near %d,%d" % (name, label, mx, my))
            continue
        eye = max(near, key=len)
        cx = sum(u for u, _v in eye) / len(eye)
        cy = sum(v for _u, v in eye) / len(eye)
        if abs(cx - mx) > 3.5 or abs(cy - my) > 3.5:
            problems.append("%s: the %s is centred at %.1f,%.1f, not at %d,%d like "
                            "the faces'" % (name, label, cx, cy, mx, my))


def check_hands_pockets(k, images, problems):
    """Put together as the game does, at each standing place and with each
    hair: no background closed in between the hands and the hero (a gap
    between an arm and the body, a hand that nearly touches the head)."""
    places = (False,) if k == 3 else (False, True)
    for left in places:
        for hair in HANDS_HAIRS[k in TANNED_HANDS]:
            canvas = hero_with_hands(images, k, hair, 0 if k not in (2, 6) else 7, left)
            inside = pixels_of(canvas, BACKGROUND) - reach(canvas, BACKGROUND)
            if inside:
                bx = 140 if k == 3 else (90 if left else 170)
                x, y = min(inside, key=lambda p: (p[1], p[0]))
                problems.append("hands%d with hair %d%s: %d background pixels closed "
                                "in by the figure, e.g. at %d,%d of the body"
                                % (k, hair, ", standing left" if left else "",
                                   len(inside), x - bx, y - 60))


def check_hands(images, problems):
    names = ["hands%d" % k for k in HANDS]
    needed = names + ["pics0", "pics1"] + ["heads%d" % h for h in range(1, 9)] + \
        ["faces0", "faces7"]
    if not all(n in images for n in needed):
        return
    head = head_area(images["pics0"])
    for k in sorted(HANDS):
        sprite = images["hands%d" % k]
        body = images[HANDS[k][2]]
        check_hands_meet_body(k, sprite, body, problems)
        check_hands_off_hair(k, sprite, images, problems)
        check_hands_face(k, sprite, body, head, problems)
        check_hands_pockets(k, images, problems)


# ------------------------------------------------------------ the desktop icons
#
# The desktop shows the game by the hero's face, the drawing of the window
# icon: written out once without its stylesheet, for the desktop to scale,
# and as PNGs at the sizes desktops ask for, all from that one drawing.

APP_ID = "jp.mokuta_kun.mokuta"
ICON_SOURCE = "icon.svg"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
ICON_THEME = os.path.join(os.path.dirname(HERE), "icons", "hicolor")


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


def check_standalone(label, text, problems):
    """Desktop icon loaders follow no stylesheet and no other file."""
    try:
        ET.fromstring(text)
    except ET.ParseError as e:
        problems.append("%s: not well-formed: %s" % (label, e))
    for what, pattern in (("a stylesheet", r"<\?xml-stylesheet|<style"),
                          ("a class", r"\sclass="),
                          ("a link to another file", r"href=\"(?!#)|url\((?!#)")):
        found = re.search(pattern, text)
        if found:
            problems.append("%s holds %s (%r)" % (label, what, found.group(0)))


def check_icon_set(problems, fresh=None):
    """The icons are there, of their sizes, with see-through corners; with
    fresh (what the drawing builds now), also unchanged from it."""
    found = 0
    for path, n in icon_files():
        label = os.path.relpath(path, os.path.dirname(HERE))
        if not os.path.exists(path):
            problems.append("%s is missing" % label)
            continue
        found += 1
        if n is None:
            with open(path, encoding="utf-8") as f:
                made = f.read()
            check_standalone(label, made, problems)
            same = fresh is None or made == fresh[path]
        else:
            made = Image.open(path)
            if made.format != "PNG" or made.mode != "RGBA" or made.size != (n, n):
                problems.append("%s is %s %s %dx%d, not PNG RGBA %dx%d"
                                % ((label, made.format, made.mode) + made.size + (n, n)))
                continue
            check_icon(label, made, problems)
            same = fresh is None or made.tobytes() == fresh[path].tobytes()
        if not same:
            problems.append("%s is not what src/%s builds: rebuild it" % (label, ICON_SOURCE))
    return found


# -------------------------------------------------------------------- main

def main(argv):
    check_only = "--check" in argv
    problems = []
    built = {}
    if not check_only:
        for name, source, size, kind, base in PICTURES:
            try:
                built[name] = build_one(name, source, size, kind, base)
            except BuildError as e:
                problems.append(str(e))
                continue
            built[name].save(os.path.join(HERE, name + ".png"), optimize=True)
        try:
            write_icon_set(build_icon_set())
        except BuildError as e:
            problems.append(str(e))
    images = {}
    for name, source, size, kind, base in PICTURES:
        image = check_file(name, size, kind, problems)
        if image is not None:
            images[name] = image
    if check_only:
        for name, source, size, kind, base in PICTURES:
            if name not in images:
                continue
            try:
                fresh = build_one(name, source, size, kind, base)
            except BuildError as e:
                problems.append(str(e))
                continue
            if fresh.tobytes() != images[name].tobytes():
                problems.append("%s.png is not what src/%s builds: rebuild it"
                                % (name, source))
    try:
        icons = check_icon_set(problems, build_icon_set() if check_only else None)
    except BuildError as e:
        problems.append(str(e))
        icons = 0
    check_all(images, problems)
    for p in problems:
        print("ERROR: " + p, file=sys.stderr)
    if problems:
        print("%d problems" % len(problems), file=sys.stderr)
        return 1
    print("%d pictures and %d desktop icons %s and checked"
          % (len(images), icons, "found" if check_only else "built"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
