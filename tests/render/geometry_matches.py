#!/usr/bin/python3
"""The picture build and the game agree on every picture's size, each hands picture's size
and offset, the prize cells and the layers' offsets.

usage: geometry_matches.py GEOMETRY_DUMP   (the program that prints the game's figures)
"""

import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "assets", "pictures"))
import catalogue  # noqa: E402

game = json.loads(subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout)
build = {
    "sizes": {name: list(size) for name, size in catalogue.SIZES.items()},
    "hands": {str(k): [list(size), list(offset)] for k, (size, offset, _body) in catalogue.HANDS.items()},
    "prize_cells": {str(p): [list(cell), list(at)] for p, (cell, at) in catalogue.PRIZE_CELLS.items()},
    "layers": {name: list(offset) for name, offset in catalogue.LAYER_OFFSETS.items()},
    "body_at": list(catalogue.BODY_AT),
    "body_at_left": list(catalogue.BODY_AT_LEFT),
    "title_body_at": list(catalogue.TITLE_HERO["body"]),
}
# The layers on the title screen lie where they lie on the hero picture, from the body's corner.
for layer, key in (("hair", "hair"), ("face", "face"), ("large face", "large face")):
    x, y = catalogue.TITLE_HERO[layer]
    bx, by = catalogue.TITLE_HERO["body"]
    if [x - bx, y - by] != build["layers"][key]:
        build.setdefault("title_layers", {})[layer] = [x - bx, y - by]

differences = []
for key in sorted(set(build) | set(game)):
    if build.get(key) != game.get(key):
        differences.append("%s: the picture build says %s, the game %s" % (key, build.get(key), game.get(key)))
for line in differences:
    print("FAIL:", line)
if differences:
    sys.exit(1)
print("PASS: %d picture sizes, %d hands, %d prize cells and the layers agree"
      % (len(game["sizes"]), len(game["hands"]), len(game["prize_cells"])))
