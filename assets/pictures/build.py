#!/usr/bin/python3
"""Rebuild the hero's bitmaps (PNG) from the SVG drawings in src/, and the
desktop icons in ../icons/ from the window icon's drawing.

Run:  /usr/bin/python3 assets/pictures/build.py          rebuild and check
      /usr/bin/python3 assets/pictures/build.py --check  check the PNGs as
                                                         they are, and that
                                                         they match src/

What there is to build, and where the game puts it:  catalogue.py
Reading a drawing with what it links to:              svg.py
From a drawing to the finished picture:               render.py
The game's way of putting pictures together:          compose.py
The checks:                                           checks.py
"""

import os
import sys

import checks
from catalogue import HERE, PICTURES
from render import build_icon_set, build_one, write_icon_set
from svg import BuildError


def build_all(problems):
    """Write every picture and desktop icon afresh from its drawing."""
    for entry in PICTURES:
        try:
            image = build_one(*entry)
        except BuildError as e:
            problems.append(str(e))
            continue
        image.save(os.path.join(HERE, entry[0] + ".png"), optimize=True)
    try:
        write_icon_set(build_icon_set())
    except BuildError as e:
        problems.append(str(e))


def main(argv):
    check_only = "--check" in argv
    problems = []
    if not check_only:
        build_all(problems)
    images = checks.read_pictures(problems)
    icons = checks.read_icon_set(problems)
    try:
        if check_only:
            checks.check_unchanged(images, icons, problems)
        checks.check_all(images, problems)
    except BuildError as e:
        problems.append(str(e))
    for p in problems:
        print("ERROR: " + p, file=sys.stderr)
    if problems:
        print("%d problems" % len(problems), file=sys.stderr)
        return 1
    print("%d pictures and %d desktop icons %s and checked"
          % (len(images), len(icons), "found" if check_only else "built"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
