#!/usr/bin/python3
"""The real game played by keys alone, checked by what Orca says (its debug log's SPEECH OUTPUT).

Usage: orca_play.py GAME ORCA_LOG    (run by orca_test.sh, with Orca already starting)

Two short games with the same draws (MOKUTA_SEED=1): one opens on day 4 and plays it, then the
bonus day, whose prize is declined with N; the other opens on day 14 and meets the caller of
day 15, who is answered with Y.
"""

import os
import re
import subprocess
import sys
import time

GAME, LOG = os.path.abspath(sys.argv[1]), sys.argv[2]
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?= ?[\[{])", re.S)


class Failed(Exception):
    pass


class Speech:
    """What Orca has said, read in order: each wait takes the first match after the last one."""

    def __init__(self):
        self.next = 0

    @staticmethod
    def said():
        try:
            with open(LOG, encoding="utf-8", errors="replace") as log:
                return SPOKEN.findall(log.read())
        except FileNotFoundError:
            return []

    def wait(self, pattern, what, seconds=20):
        end = time.time() + seconds
        while True:
            said = self.said()
            for i in range(self.next, len(said)):
                # Orca ends what it says with a full stop of its own.
                found = re.search(pattern, said[i].removesuffix("."))
                if found:
                    self.next = i + 1
                    return found
            if time.time() > end:
                raise Failed("%s (waited for /%s/)" % (what, pattern))
            time.sleep(0.2)


speech = Speech()
games = []


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    time.sleep(0.3)


def hairs(text):
    return int(text.replace(",", ""))


def wait_window(game, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        # By its class: a title in Japanese cannot be matched without a UTF-8 locale.
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "^mokuta$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        if game.poll() is not None:
            break
        time.sleep(0.2)
    raise Failed("the game's window did not appear")


def start(first_day):
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k not in ("LANG", "LANGUAGE")}
    env.update(MOKUTA_SEED="1", MOKUTA_FIRST_DAY=str(first_day), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    with open(LOG + ".game", "a") as errors:
        game = subprocess.Popen([GAME], cwd=os.path.dirname(GAME), env=env, stderr=errors)
    games.append(game)
    window = wait_window(game)
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False, timeout=10)
    speech.wait(r"^はじめ push button", "Orca never read the start button on the title", 40)
    key("Return")
    speech.wait(r"^レッツ育毛！", "the title's greeting was not said")
    return game


def day_begins(day):
    """The read-outs, the hero's look and the plans, then the instruction; returns the plans."""
    speech.wait(r"^髪 30,000本、日数 %d、やる気 100、体調 100$" % day, "the read-outs were not said whole at the start")
    speech.wait(r"顔", "the hero's look was not said")
    plans = speech.wait(r"^今日の行動、1 (.+?)。2 (.+?)。3 (.+?)。", "the plans dealt were not said").groups()
    speech.wait(r"^今日の行動を決めてください", "the day's instruction was not said")
    return [p.split("、") for p in plans]


def read_outs_by_tab(day):
    # From the instruction line the Tab key reads the read-outs left to right, each one whole.
    for name, value in [("髪", "30,000"), ("日数", str(day)), ("やる気", "100"), ("体調", "100")]:
        key("Tab")
        speech.wait(r"^%s read only text" % name, "Tab did not reach the read-out %s" % name, 10)
        speech.wait(r"^%s$" % re.escape(value), "Orca did not read %s as %s" % (name, value), 10)


def play_the_day(plans, digit, hair, lost=0):
    """Picks a plan by its digit, plays it with Return; returns the hair count said after the day.

    A caller's day begins before the window next shows the slots cleared, so the count said
    then has already lost the day's 100 hairs (`lost`).
    """
    actions = plans[int(digit) - 1]
    key(digit)
    speech.wait(r"^選択 %s %s" % (digit, re.escape("、".join(actions))), "the picked plan was not said")
    key("Return")
    for action in actions:
        result = speech.wait(r"^%s (成功|失敗) (-?\d+)" % re.escape(action), "the action %s was not said with its outcome" % action)
        change = int(result.group(2))
        if change > 0 and result.group(1) == "失敗" or change < 0 and result.group(1) == "成功":
            raise Failed("the outcome and the change disagree: %s" % result.group(0))
        hair += change
    said = speech.wait(r"^髪 ([\d,]+)本", "the read-outs were not said after the day")
    if hairs(said.group(1)) != hair - lost:
        raise Failed("after the day 髪 was said as %s, the actions add up to %d" % (said.group(1), hair))
    return hair - lost


def bonus_day(hair):
    speech.wait(r"^ボーナスデーです", "the bonus day was not announced")
    speech.wait(r"^髪 %s本、日数 5$" % format(hair - 100, ","), "the day's 100 lost hairs and day 5 were not said")
    speech.wait(r"^ルーレットで育毛剤をゲットしてください", "the roulette's instruction was not said")
    key("Return")
    speech.wait(r"^育毛剤をゲット！", "the prize won was not said", 30)
    speech.wait(r"^育毛剤を使用しますか？ 成功率 ?\d+%", "the question with its odds was not said")
    key("n")
    speech.wait(r"^育毛剤は使いません", "the answer N was not said")
    speech.wait(r"^日数 6", "day 6 was not said after the bonus day")
    speech.wait(r"^今日の行動を決めてください", "the next day's instruction was not said after N")
    speech.wait(r"^今日の行動、1 ", "the next day's plans were not said")


def caller(hair):
    speech.wait(r"^ボーナスデーです", "the caller's day was not announced")
    speech.wait(r"^誰かが呼んでいます", "the call was not said")
    speech.wait(r"^この話にのりますか？", "the caller's question was not said")
    speech.wait(r"^ＹｅｓかＮｏを選んでください", "the instruction to answer was not said")
    # The buttons are described by the question they answer.
    for _ in range(5):
        key("Tab")
    speech.wait(r"^no push button", "Tab did not reach the no button", 10)
    speech.wait(r"この話にのりますか？", "the no button is not described by the question", 5)
    key("y")
    speech.wait(r"^すっかり日焼けしました。", "the caller's scene was not said", 30)
    speech.wait(r"^けっこうイケてるじゃん。", "the hero's line was not said", 30)
    brought = speech.wait(r"^髪の毛が20,000本(増えました|減りました)。", "what the offer did to the hair was not said", 30)
    hair += 20000 if brought.group(1) == "増えました" else -20000
    speech.wait(r"^髪 %s本" % format(hair, ","), "the new hair count was not said after the caller", 10)
    speech.wait(r"^今日の行動を決めてください", "the next day's instruction was not said after the caller", 20)


def end(game):
    game.terminate()
    game.wait(20)


def main():
    speech.wait(r"^Screen reader on", "Orca did not start", 60)
    try:
        game = start(4)
        plans = day_begins(4)
        read_outs_by_tab(4)
        bonus_day(play_the_day(plans, "2", 30000))
        end(game)

        game = start(14)
        plans = day_begins(14)
        caller(play_the_day(plans, "1", 30000, lost=100))
        end(game)
    except (Failed, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure, file=sys.stderr)
        with open(LOG + ".game", errors="replace") as errors:
            print("The game said:", errors.read()[-2000:], file=sys.stderr)
        print("Orca said, from the last check on:", file=sys.stderr)
        for line in speech.said()[max(0, speech.next - 5):]:
            print("  " + line.replace("\n", " / "), file=sys.stderr)
        return 1
    finally:
        for game in games:
            if game.poll() is None:
                game.kill()
    print("PASS: what Orca said was what the screen showed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
