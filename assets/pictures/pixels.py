"""Finding areas of pixels: what the build and its checks look at."""

from collections import deque


def pixels_of(image, colour):
    w, h = image.size
    px = image.load()
    return {(x, y) for y in range(h) for x in range(w) if px[x, y] == colour}


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


def enclosed(image, colour):
    """The pixels of colour shut in: not reachable from the edge through it."""
    return pixels_of(image, colour) - reach(image, colour)


def components(points):
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


def in_box(p, box):
    """p within (x0, y0, x1, y1), inclusive."""
    return box[0] <= p[0] <= box[2] and box[1] <= p[1] <= box[3]


def closed_edges(size, open_sides=()):
    """side -> the pixels of that edge of a picture, for the sides not open;
    a pixel on an open side counts on none (the corners of a bottom a figure
    may run off)."""
    w, h = size
    sides = {"top": [(x, 0) for x in range(w)],
             "bottom": [(x, h - 1) for x in range(w)],
             "left": [(0, y) for y in range(h)],
             "right": [(w - 1, y) for y in range(h)]}
    free = {p for side in open_sides for p in sides[side]}
    return {side: [p for p in points if p not in free]
            for side, points in sides.items() if side not in open_sides}


def near(a, b, distance):
    """Colours a and b differ by at most distance in every channel."""
    return max(abs(u - v) for u, v in zip(a, b)) <= distance
