#!/usr/bin/python3
"""The real game played with the keyboard alone, checked through the desktop's assistive-tool bus.

Run by keyboard_test.sh inside a session bus, with the game already started; it presses keys
with xdotool and reads the window as a screen reader would (AT-SPI).
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "harness"))
from bus import app, nodes  # noqa: E402  (the bus walk is shared with the measuring tools)

INSTRUCTION = "\u3000今日の行動を決めてください"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)
    return ok


def key(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)
    time.sleep(0.12)


def showing(n):
    return n.getState().contains(pyatspi.STATE_SHOWING)


def named(name, role=None):
    for n in nodes():
        if n.name == name and (role is None or n.getRoleName() == role):
            return n
    return None


def text(n):
    t = n.queryText()
    return t.getText(0, t.characterCount)


def focused():
    for n in nodes():
        if n.getState().contains(pyatspi.STATE_FOCUSED) and n.getRoleName() != "filler":
            return n
    return None


def pressable():
    """The showing elements that offer a press to an assistive tool."""
    names = set()
    for n in nodes():
        try:
            action = n.queryAction()
            if showing(n) and "Press" in [action.getName(i) for i in range(action.nActions)]:
                names.add(n.name)
        except (NotImplementedError, GLib.GError):
            pass  # not pressable, or its actions changed while it was asked
    return names


def plans():
    return [n for n in nodes() if n.getRoleName() == "radio button"]


def plans_dealt():
    """A new day waits: the instruction typed, the plans pressable and none picked."""
    can = pressable()
    return (text(named("お知らせ")) == INSTRUCTION and all(p.name in can for p in plans())
            and not any(p.getState().contains(pyatspi.STATE_CHECKED) for p in plans()))


def wait_for(condition, seconds, what):
    end = time.time() + seconds
    while time.time() < end:
        pump()
        if condition():
            return True
        time.sleep(0.1)
    return check(False, what)


# What the window announces to a screen reader, as the bus reports it: a notification that
# shows, saying what its one line says.
announced = []


def on_announcement(event):
    source = event.source
    if source is not None and event.detail1 and source.getRoleName() == "notification":
        announced.append(source.getChildAtIndex(0).name)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def day_count():
    return int(text(named("日数")) or 0)


def roulette_spun_off_a_bonus_day():
    day = day_count()
    return "ゲット" in text(named("お知らせ")) and not (day % 5 == 0 and day % 15 != 0)


def title():
    check(wait_for(lambda: app() is not None, 10, "the game never joined the assistive-tool bus"), "")
    # Listened for once the game is on the bus, so that its bridge surely hears of the listener.
    pyatspi.Registry.registerEventListener(on_announcement, "object:state-changed:showing")
    wait_for(lambda: focused() is not None and focused().name == "はじめ", 5,
             "the start button does not have the focus on the title")
    check(pressable() == {"はじめ"}, "on the title only はじめ may be pressed: %s" % pressable())
    for k in ["Tab"] * 6 + ["shift+Tab"] * 6:
        key(k)
        f = focused()
        check(f is not None and f.name == "はじめ", "%s on the title left はじめ for %s" % (k, f and f.name))
    key("Return")
    wait_for(lambda: text(named("お知らせ")) == INSTRUCTION, 10, "Return did not start the game")
    wait_for(lambda: INSTRUCTION.strip() in announced, 5, "the first message was not announced")


def day_one():
    # Shift+Tab from the instruction line, then Space: the roulette under its cover stays still.
    key("shift+Tab")
    key("space")
    time.sleep(0.5)
    check("Go" not in pressable() and not roulette_spun_off_a_bonus_day(), "Shift+Tab and Space reached the roulette")
    for name, value in [("髪", "30,000"), ("やる気", "100"), ("体調", "100"), ("日数", "1")]:
        box = named(name, "text")
        check(box is not None and text(box) == value, "the read-out %s is not named or not %s" % (name, value))
    met = []
    for k in ["Tab"] * 30 + ["shift+Tab"] * 30:
        key(k)
        f = focused()
        met.append(f.name if f else None)
        check(f is not None and showing(f), "%s went to something not showing: %s" % (k, f and f.name))
    check("Go" not in met and "yes" not in met, "the Tab key reached a covered or hidden button: %s" % met)
    check("お知らせ" in met and "もっと" in met, "the Tab key missed the instruction line or もっと")
    check(not roulette_spun_off_a_bonus_day(), "a key spun the roulette on day 1")


def extents(name):
    box = named(name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


def resize_window(width, height):
    window = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True, check=True).stdout.strip()
    subprocess.run(["xdotool", "windowsize", "--sync", window, str(width), str(height)], check=True)
    time.sleep(0.3)


def enlarge():
    """A tiling desktop's tile: the game sits centred, and its elements say where they now are."""
    before = extents("もっと")
    resize_window(900, 600)
    moved = (before[0] + 192, before[1] + 147, before[2], before[3])
    wait_for(lambda: extents("もっと") == moved, 5, "enlarged, もっと says it is at %s, not %s" % (extents("もっと"), moved))
    return before


def shrink_back(before):
    resize_window(515, 305)
    wait_for(lambda: extents("もっと") == before, 5, "shrunk back, もっと is at %s, not %s" % (extents("もっと"), before))


def question_or_spin():
    can = pressable()
    return ("yes" in can and "no" in can) or "Go" in can


def play_one_day(digit):
    """Picks a plan by its digit and plays the day with Return; returns the tree walk's seconds."""
    day = day_count()
    before = len(announced)
    key(digit)
    plan = [p for p in plans() if p.getState().contains(pyatspi.STATE_CHECKED)]
    check(len(plan) == 1 and plan[0].description.endswith(digit),
          "the digit %s picked %s" % (digit, [p.description for p in plan]))
    key("Return")
    time.sleep(1.0)
    started = time.time()
    count = len(nodes())
    walk_s = time.time() - started
    print("tree walk during day %d: %d nodes in %.3f s" % (day, count, walk_s))
    wait_for(lambda: question_or_spin() or plans_dealt(), 40, "day %d did not end" % day)
    # Each message is announced once, whole: never a piece that a later announcement completes.
    typed = announced[before:]
    pieces = [t for i, t in enumerate(typed) if any(u != t and u.startswith(t) for u in typed[i + 1:])]
    check(typed and not pieces, "the instruction line was announced in pieces: %s" % typed)
    return walk_s


RISKY = {"よあそび": 5, "タバコ": 1, "おさけ": 1, "サボリ": 1}


def safest_plan():
    """The digit of the plan least likely to cost the hero his hair before a question comes."""
    scored = []
    for p in plans():
        risk = sum(RISKY.get(action, 0) for action in p.name.split("\n"))
        scored.append((risk, p.description[-1]))
    return min(scored)[1]


def answer_no():
    """The focus stays where the player put it, unless that went away with the question."""
    before = focused()
    key("n")
    wait_for(lambda: "no" not in pressable(), 5, "N did not answer the question")
    f = focused()
    expected = "お知らせ" if before is None or before.name in ("yes", "no") else before.name
    check(f is not None and f.name == expected, "after N the focus went to %s, not %s" % (f and f.name, expected))


def until_a_question():
    """Days by the keyboard until a yes/no question comes (a bonus day's prize or a caller)."""
    walks = []
    while day_count() <= 16:
        pump()
        can = pressable()
        if "yes" in can and "no" in can:
            answer_no()
            return walks
        if "Go" in can:
            check(can == {"Go", "BGM"}, "on the bonus day more than Go and BGM can be pressed: %s" % can)
            key("Return")
        elif "おしまい" in can:
            check(False, "the game ended before a question came")
            return walks
        elif plans_dealt():
            walks.append(play_one_day(safest_plan()))
            check(not roulette_spun_off_a_bonus_day(), "the roulette spun off a bonus day")
        time.sleep(0.25)
    check(False, "no yes/no question came by day 16")
    return walks


def main():
    title()
    # The first day is played in an enlarged window, the rest at the game's own size.
    before = enlarge()
    day_one()
    walks = [play_one_day("2")]
    shrink_back(before)
    walks += until_a_question()
    print("tree walks during days: %s s" % ", ".join("%.3f" % w for w in walks))
    if failures:
        print("%d failures" % len(failures), file=sys.stderr)
        return 1
    print("PASS: the title, day 1 in an enlarged window, a day by keys, a bonus day and a question, all by the keyboard")
    return 0


if __name__ == "__main__":
    sys.exit(main())
