#!/usr/bin/python3
"""The real game in the language it was started in, read as a screen reader reads it.

usage: language_play.py ja|en

Run by language_test.sh inside a session bus, with the game already started: it reads the title,
starts the game with Return, reads the read-outs, the plans and the instruction line, plays a day
with the keyboard, and in English finds no Japanese anywhere in the window's tree.
"""

import sys
import time

import keyboard_play as kp

WORDS = {
    "en": {
        "start": "Start", "messages": "Messages", "instruction": "\u3000Choose what he does today",
        "readouts": {"Hair": "30,000", "Drive": "100", "Health": "100", "Day": "1"},
        "actions": {"Eat", "Snack", "Smoke", "Chill", "Go out", "Work", "Skip", "Sleep", "Party", "Drink"},
        "slot": "Action 1", "hero": "Mokuta-kun",
    },
    "ja": {
        "start": "はじめ", "messages": "お知らせ", "instruction": "\u3000今日の行動を決めてください",
        "readouts": {"髪": "30,000", "やる気": "100", "体調": "100", "日数": "1"},
        "actions": {"ごはん", "おやつ", "タバコ", "ぼんやり", "おでかけ", "バイト", "サボリ", "ねる", "よあそび", "おさけ"},
        "slot": "行動 1", "hero": "もくた君",
    },
}


def japanese(s):
    return any(0x3001 <= ord(c) <= 0x30FF or 0x4E00 <= ord(c) <= 0x9FFF or 0xFF00 <= ord(c) <= 0xFFEF
               for c in s or "")


def japanese_in_tree():
    """Every name, description and text of the window that holds kana or kanji."""
    found = []
    for n in kp.nodes():
        said = [n.name, n.description]
        if n.getRoleName() == "text":
            said.append(kp.text(n))
        found += [s for s in said if japanese(s)]
    return found


def instruction_typed(w):
    line = kp.named(w["messages"], "text")
    return line is not None and kp.text(line) == w["instruction"]


def next_day_dealt(w):
    plans = kp.plans()
    return (instruction_typed(w) and len(plans) == 3
            and not any(p.getState().contains(kp.pyatspi.STATE_CHECKED) for p in plans))


def main(language):
    w = WORDS[language]
    kp.wait_for(lambda: kp.app() is not None, 10, "the game never joined the assistive-tool bus")
    kp.wait_for(lambda: kp.named(w["start"], "push button") is not None, 10,
                "no start button named %s on the title" % w["start"])
    kp.key("Return")
    kp.wait_for(lambda: instruction_typed(w), 10, "Return did not start the game in %s" % language)
    for name, value in w["readouts"].items():
        box = kp.named(name, "text")
        kp.check(box is not None and kp.text(box) == value, "the read-out %s is not named or not %s" % (name, value))
    plans = kp.plans()
    kp.check(len(plans) == 3, "not three plans: %s" % [p.name for p in plans])
    for p in plans:
        kp.check(set(p.name.split("\n")) <= w["actions"] and len(p.name.split("\n")) == 3,
                 "a plan does not read as three %s actions: %r" % (language, p.name))
    hero = kp.named(w["hero"])
    kp.check(hero is not None and hero.description, "the hero's picture is not named %s or not described" % w["hero"])

    picked = plans[0].name.split("\n")[0]
    kp.key("1")
    kp.key("Return")
    kp.wait_for(lambda: kp.named(w["slot"], "text") is not None and kp.text(kp.named(w["slot"], "text")) == picked,
                5, "the day's first action does not read %r" % picked)
    if language != "ja":
        seen = japanese_in_tree()
        kp.check(not seen, "Japanese in the English window during the day: %s" % seen[:5])
    kp.wait_for(lambda: next_day_dealt(w), 30, "the day did not end with the next plans")
    if language != "ja":
        seen = japanese_in_tree()
        kp.check(not seen, "Japanese in the English window after the day: %s" % seen[:5])
    print("read in %s: %s, %s, plans %s" % (language, w["start"], w["instruction"].strip(),
                                             [p.name.replace("\n", "/") for p in plans]))
    if kp.failures:
        print("%d failures" % len(kp.failures), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
