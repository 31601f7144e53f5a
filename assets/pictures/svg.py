"""Reading the drawings in src/: each as one SVG document with everything
it links to brought in.

Shared parts come in through <use href="file.svg#id">, the palette through
the xml-stylesheet lines at the top of each drawing.  Both are inlined here
before rendering, because rsvg-convert does not follow such references
reliably and because CSS classes on a <use> do not reach inside what it
shows.
"""

import copy
import os
import re
import xml.etree.ElementTree as ET

from catalogue import SRC

PARTS = "parts.svg"     # shared parts and the palette's gradients

SVG_NS = "http://www.w3.org/2000/svg"
XLINK_NS = "http://www.w3.org/1999/xlink"
ET.register_namespace("", SVG_NS)
ET.register_namespace("xlink", XLINK_NS)


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
