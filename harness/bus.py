"""The game's window as an assistive tool finds it on the accessibility bus, for tests and tools."""

import pyatspi
from gi.repository import GLib


def app():
    """The game's application on the bus, or None while it is not there."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name == "mokuta":
            return a
    return None


def nodes(root=None):
    """Every object under root (the game's application unless given), as a screen reader walks them."""
    root = root or app()
    found, todo = [], [root]
    while todo:
        n = todo.pop()
        found.append(n)
        try:
            todo.extend(c for c in (n.getChildAtIndex(i) for i in range(n.childCount)) if c is not None)
        except GLib.GError:
            pass  # gone while it was asked
    return found
