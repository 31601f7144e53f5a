"""The checks of the built pictures: each file on its own, then the hero put
together from them as the game does, the callers, the prizes, the title, the
hands and the desktop icons.  Every check appends what it finds wrong to a
list of problems; build.py prints them and fails."""

import os
import re
import xml.etree.ElementTree as ET
from collections import Counter

from PIL import Image

from catalogue import (BACKGROUND, BASES, BODY_AT, CALLER_AT, HANDS, HANDS_BODY_AT,
                       HANDS_WITH_FACE, HERE,
                       ICON_SOURCE, KEY, LAYER_OFFSETS, PICTURES, PRIZE_CELLS, PRIZE_NAMES,
                       START_BUTTON, TITLE_BACKGROUND, TITLE_HERO, TITLE_LOGO, WHITE)
from compose import body_place, hero, hero_with_hands
from pixels import closed_edges, components, enclosed, in_box, near, pixels_of
from render import NEAR, build_icon_set, build_one, icon_files
from svg import BuildError

# Edges a picture's figure may run off: the hero's chest, the callers', the
# large face's cuff and every arm come in from below.
OPEN_EDGES = {name: ("bottom",) for name in
              ["pics0", "pics1", "faces12", "faces13"] +
              ["dolls%d" % k for k in CALLER_AT] + ["hands%d" % k for k in HANDS]}
CALLER_TOP = (2, 24)      # a caller's head (hair) begins within these rows
PRIZE_MARGIN = 2          # white kept between a product and its cell's edge

# ------------------------------------------------------------ one at a time


def open_png(path, label, size, mode, problems):
    """The PNG at path, if it is one, of the size and mode wanted."""
    if not os.path.exists(path):
        problems.append("%s is missing" % label)
        return None
    image = Image.open(path)
    if image.format != "PNG" or image.mode != mode or image.size != size:
        problems.append("%s is %s %s %dx%d, not PNG %s %dx%d"
                        % ((label, image.format, image.mode) + image.size + (mode,) + size))
        return None
    image.load()
    return image


def check_sprite(name, image, problems):
    px = image.load()
    w, h = image.size
    holes = enclosed(image, KEY)
    if holes:
        problems.append("%s: %d black pixels not connected to the edge (holes)"
                        % (name, len(holes)))
    if len(pixels_of(image, KEY)) == w * h:
        problems.append("%s: nothing is drawn" % name)
    for side, points in closed_edges(image.size, OPEN_EDGES.get(name, ())).items():
        touching = [p for p in points if px[p] != KEY]
        if touching:
            problems.append("%s: the figure is cut off at the %s edge, e.g. at %d,%d"
                            % ((name, side) + touching[0]))


def check_opaque(name, image, problems):
    """Every edge pixel the background, but where the figure may run off;
    no pixel almost but not exactly the background; the callers standing
    like the hero beside them."""
    background = BASES[name]
    w, h = image.size
    px = image.load()
    edge = dict.fromkeys(p for points in closed_edges(image.size, OPEN_EDGES.get(name, ())).values()
                         for p in points)
    off = [p for p in edge if px[p] != background]
    if off:
        problems.append("%s: %d edge pixels are not the background #%02X%02X%02X, "
                        "e.g. at %d,%d" % ((name, len(off)) + background + off[0]))
    almost = [p for p in image.getdata() if p != background and near(p, background, NEAR)]
    if almost:
        problems.append("%s: %d pixels almost but not exactly the background"
                        % (name, len(almost)))
    if name in ["dolls%d" % k for k in CALLER_AT]:
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


def check_icon(name, image, problems):
    w, h = image.size
    alpha = image.getchannel("A")
    corners = [alpha.getpixel(p) for p in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1))]
    if any(corners):
        problems.append("%s: corners are not see-through" % name)
    opaque = sum(1 for a in alpha.getdata() if a >= 128)
    if opaque < w * h // 3:
        problems.append("%s: only %d opaque pixels" % (name, opaque))


CHECK_KIND = {"sprite": check_sprite, "hands": check_sprite, "opaque": check_opaque,
              "icon": check_icon}


def read_pictures(problems):
    """name -> each built picture that is there, of its size and mode, each
    checked on its own."""
    images = {}
    for name, _source, size, kind, _base in PICTURES:
        image = open_png(os.path.join(HERE, name + ".png"), name + ".png", size,
                         "RGBA" if kind == "icon" else "RGB", problems)
        if image is not None:
            CHECK_KIND[kind](name, image, problems)
            images[name] = image
    return images


# ------------------------------------------------------- the hero together

HEAD_SEED = (67, 60)   # a point of the blank face, in the body frame


def head_area(body):
    """The pixels inside the head's outline: the skin reached from the face
    without crossing a dark line, widened by one pixel for the line's edge."""
    px = body.load()
    w, h = body.size
    area, todo = set(), [HEAD_SEED]
    while todo:
        p = todo.pop()
        if p in area or not (0 <= p[0] < w and 0 <= p[1] < h) or sum(px[p]) <= 3 * 128:
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
    ox, oy = LAYER_OFFSETS["face"]
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
    ox, oy = LAYER_OFFSETS["hair"]
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


def shut_in(canvas):
    """The background closed in by the figure, and its topmost pixel."""
    inside = enclosed(canvas, BACKGROUND)
    return inside, min(inside, key=lambda p: (p[1], p[0]), default=None)


def check_registration(images, problems):
    """Faces on the head, hair on the crown, no background inside the hero;
    the large face's tanned twin with exactly its outline (the game draws it
    through the pale one's mask)."""
    a, b = pixels_of(images["faces12"], KEY), pixels_of(images["faces13"], KEY)
    if a != b:
        problems.append("faces13 does not have the outline of faces12: "
                        "%d pixels differ" % len(a ^ b))
    check_faces_on_head(images, problems)
    check_hair_on_head(images, problems)
    combos = [(b, h, 0) for b in (0, 1) for h in range(9)]
    combos += [(0, h, f) for h in (0, 2) for f in range(13)]
    combos += [(1, h, f) for h in (0, 5) for f in list(range(12)) + [13]]
    for body, hair, face in combos:
        inside, first = shut_in(hero(images, body, hair, face))
        if inside:
            x, y = first
            problems.append("body %d, hair %d, face %d: %d background pixels "
                            "enclosed by the figure, e.g. at %d,%d of the body"
                            % (body, hair, face, len(inside), x - BODY_AT[0], y - BODY_AT[1]))


# ------------------------------------------------------ prizes and the title

def check_prize_cells(image, problems):
    """Every product lies inside its own cell, with a white margin, so the
    prize window shows one whole product and nothing of its neighbours."""
    w, h = image.size
    px = image.load()
    m = PRIZE_MARGIN
    inner = {prize: (cx + m, cy + m, min(cx + cw, w) - 1 - m, min(cy + ch, h) - 1 - m)
             for prize, ((cx, cy, cw, ch), _to) in PRIZE_CELLS.items()}
    counts = Counter()
    stray = []
    for y in range(h):
        for x in range(w):
            if px[x, y] == WHITE:
                continue
            prize = next((k for k, box in inner.items() if in_box((x, y), box)), None)
            if prize is None:
                stray.append((x, y))
            else:
                counts[prize] += 1
    if stray:
        problems.append("bottle: %d pixels outside the products' cells or within %d px "
                        "of a cell's edge, e.g. at %d,%d"
                        % ((len(stray), PRIZE_MARGIN) + stray[0]))
    for prize, ((cx, cy, cw, ch), _to) in PRIZE_CELLS.items():
        if counts[prize] < cw * min(ch, h - cy) // 5:
            problems.append("bottle: the %s's cell holds only %d drawn pixels"
                            % (PRIZE_NAMES[prize], counts[prize]))


def check_title(name, image, problems):
    """Nothing outside the logo's box: neither where the game draws the hero
    nor under the start button (with 3 px round it, down to the bottom) nor
    anywhere else; in the box a red-pink line above a blue name."""
    w, h = image.size
    px = image.load()
    hero_x = min(x for x, _y in TITLE_HERO.values())
    bx, by, bw, _bh = START_BUTTON
    button = (bx - 3, by - 3, bx + bw + 3, h - 1)
    on_hero, on_button, stray = [], [], []
    pink = blue = pink_y = blue_y = 0
    for y in range(h):
        for x in range(w):
            p = px[x, y]
            if p == TITLE_BACKGROUND:
                continue
            if x >= hero_x:
                on_hero.append((x, y))
            elif in_box((x, y), button):
                on_button.append((x, y))
            elif in_box((x, y), TITLE_LOGO):
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
        problems.append(name + ": %d pixels drawn where the hero stands (x >= %d), "
                        "e.g. at %d,%d" % ((len(on_hero), hero_x) + on_hero[0]))
    if on_button:
        problems.append(name + ": %d pixels drawn under the start button, e.g. at %d,%d"
                        % ((len(on_button),) + on_button[0]))
    if stray:
        problems.append(name + ": %d pixels drawn outside the logo's box, where the "
                        "ground is plain, e.g. at %d,%d" % ((len(stray),) + stray[0]))
    if pink < 400:
        problems.append(name + ": the logo has only %d red-pink pixels: where is the "
                        "line of small lettering?" % pink)
    if blue < 4000:
        problems.append(name + ": the logo has only %d blue pixels: where is the "
                        "hero's name?" % blue)
    if pink and blue and pink_y / pink >= blue_y / blue:
        problems.append(name + ": the small red-pink line is not above the hero's name")


# ----------------------------------------------------------------- the hands
#
# The hands lie over everything the game draws of the hero: body, face and
# hair.  Hands 3, 4 and 7 bring the hero's own eyes, brows, nose, mouth and
# blush, because the game leaves the face layer out with them.

# Hair the hero can wear with each body (heads4 only at the full-hair ending,
# which takes the hands away).
HANDS_HAIRS = {0: (0, 1, 2, 3, 6), 1: (0, 5, 6, 7, 8)}
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


def check_hands_meet_body(k, sprite, body, problems):
    """Every piece of the picture rests on the hero's body, comes in from the
    open bottom edge, or is allowed to float (the smoke)."""
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

    for piece in components(figure):
        if any(y == h - 1 for _x, y in piece) or any(on_body(x, y) for x, y in piece):
            continue
        if not any(all(in_box((x + ox, y + oy), box) for x, y in piece)
                   for box in HANDS_FLOATING.get(k, ())):
            x, y = min(piece, key=lambda p: (p[1], p[0]))
            problems.append("hands%d: a piece of %d px floats free of the hero, e.g. at "
                            "%d,%d of the body" % (k, len(piece), x + ox, y + oy))


def check_hands_off_hair(k, sprite, images, problems):
    """The hair lies below the hands: nothing of them may cover any hair."""
    ox, oy = HANDS[k][1]
    hx, hy = LAYER_OFFSETS["hair"]
    px = sprite.load()
    w, h = sprite.size
    for hair in (1, 2, 3, 5, 6, 7, 8):
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
    skin = [(u, v) for u, v in on_face if near(at(u, v), bpx[u, v], 12)]
    if len(skin) > 4:
        problems.append("%s: %d pixels paint skin over the face, e.g. at %d,%d of "
                        "the body" % ((name, len(skin)) + min(skin)))
    for label, mx, my, r in FACE_MARKS:
        marks = [(u, v) for u in range(mx - r, mx + r + 1) for v in range(my - r, my + r + 1)
                 if (u - mx) ** 2 + (v - my) ** 2 <= r * r and at(u, v) != KEY
                 and sum(at(u, v)) < DARK_MARK]
        if not marks:
            problems.append("%s: no %s within %d px of %d,%d, where the faces put it"
                            % (name, label, r, mx, my))
    # The eye itself is the largest dark blob near its place (a brow or a lash
    # line standing apart is smaller); its middle must be where the faces
    # put theirs, give or take the glance of an eye.
    dark = [(u, v) for u in range(20, 115) for v in range(40, 100)
            if at(u, v) != KEY and sum(at(u, v)) < 240]
    blobs = components(dark)
    for label, mx, my in EYE_CENTRES:
        around = [b for b in blobs if any(abs(u - mx) <= 10 and abs(v - my) <= 10 for u, v in b)]
        if not around:
            problems.append("%s: no dark %s near %d,%d" % (name, label, mx, my))
            continue
        eye = max(around, key=len)
        cx = sum(u for u, _v in eye) / len(eye)
        cy = sum(v for _u, v in eye) / len(eye)
        if abs(cx - mx) > 3.5 or abs(cy - my) > 3.5:
            problems.append("%s: the %s is centred at %.1f,%.1f, not at %d,%d like "
                            "the faces'" % (name, label, cx, cy, mx, my))


def check_hands_pockets(k, images, problems):
    """Put together as the game does, at each standing place and with each
    hair: no background closed in between the hands and the hero (a gap
    between an arm and the body, a hand that nearly touches the head)."""
    places = (False,) if k in HANDS_BODY_AT else (False, True)
    for left in places:
        for hair in HANDS_HAIRS[HANDS[k][2]]:
            canvas = hero_with_hands(images, k, hair, 0 if k not in (2, 6) else 7, left)
            inside, first = shut_in(canvas)
            if inside:
                x, y = first
                bx, by = body_place(k, left)
                problems.append("hands%d with hair %d%s: %d background pixels closed "
                                "in by the figure, e.g. at %d,%d of the body"
                                % (k, hair, ", standing left" if left else "",
                                   len(inside), x - bx, y - by))


def check_hands(images, problems):
    head = head_area(images["pics0"])
    for k in sorted(HANDS):
        sprite = images["hands%d" % k]
        body = images["pics%d" % HANDS[k][2]]
        check_hands_meet_body(k, sprite, body, problems)
        check_hands_off_hair(k, sprite, images, problems)
        check_hands_face(k, sprite, body, head, problems)
        check_hands_pockets(k, images, problems)


# --------------------------------------------------------- the desktop icons

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


def icon_label(path):
    return os.path.relpath(path, os.path.dirname(HERE))


def read_icon_set(problems):
    """path -> each desktop icon that is there (the SVG's text, the PNGs of
    their sizes, RGBA), each checked on its own."""
    icons = {}
    for path, n in icon_files():
        label = icon_label(path)
        if n is None:
            if not os.path.exists(path):
                problems.append("%s is missing" % label)
                continue
            with open(path, encoding="utf-8") as f:
                icons[path] = f.read()
            check_standalone(label, icons[path], problems)
            continue
        image = open_png(path, label, (n, n), "RGBA", problems)
        if image is not None:
            check_icon(label, image, problems)
            icons[path] = image
    return icons


# ----------------------------------------------------------------- together

def check_all(images, problems):
    """The checks of the pictures together, once all of them are there."""
    if len(images) < len(PICTURES):
        return
    check_registration(images, problems)
    check_prize_cells(images["bottle"], problems)
    for title in ("title", "title_en"):
        check_title(title, images[title], problems)
    check_hands(images, problems)


def check_unchanged(images, icons, problems):
    """Each picture and icon there is exactly what its drawing builds now."""

    def compare(label, source, made, build):
        try:
            fresh = build()
        except BuildError as e:
            problems.append(str(e))
            return
        same = made == fresh if isinstance(made, str) else made.tobytes() == fresh.tobytes()
        if not same:
            problems.append("%s is not what src/%s builds: rebuild it" % (label, source))

    for entry in PICTURES:
        if entry[0] in images:
            compare(entry[0] + ".png", entry[1], images[entry[0]], lambda: build_one(*entry))
    if icons:
        fresh_icons = build_icon_set()
        for path, made in icons.items():
            compare(icon_label(path), ICON_SOURCE, made, lambda: fresh_icons[path])
