"""Plays one game to a win by keyboard with Orca listening, and prints what Orca spoke.

Not a test: it writes the transcript of docs/accessibility.md. The player walks the ring
with the arrow keys, selects with Space, makes moves with Enter until the game can no
longer be won, takes moves back with Ctrl+Z, and wins with Ctrl+H and Enter.

usage: orca_transcript.py GAME READER_DEALS LANGUAGE(0 English, 1 German) OUTPUT
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reader_session  # noqa: E402

BONUS = {0: [("Bamboo flower", "Chrysanthemum", "Orchid", "Plum"), ("Spring", "Summer", "Autumn", "Winter")],
         1: [("Bambusblüte", "Chrysantheme", "Orchidee", "Pflaume"), ("Frühling", "Sommer", "Herbst", "Winter")]}
TEXTS = {0: {"lost": "This game can no longer be won", "won": "Game won!", "removed": "Pair removed"},
         1: {"lost": "Dieses Spiel ist nicht mehr zu gewinnen", "won": "Spiel gewonnen!", "removed": "Paar entfernt"}}


def kind(name, language):
    for group in BONUS[language]:
        if name in group:
            return group[0]
    return name


def main():
    game, deals, language, output = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    texts = TEXTS[language]
    desktop = reader_session.Desktop()
    desktop.start()
    try:
        listener = reader_session.Listener()
        log = os.path.join(desktop.folder, "orca.log")
        prefs = os.path.join(desktop.folder, "orca-prefs")
        os.makedirs(prefs)
        desktop.spawn(["orca", "--debug-file", log, "-u", prefs], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(8)  # Orca up before the game, as a blind player's would be
        subprocess.run([deals, "winnable", str(language)], env=desktop.env, check=True, capture_output=True)
        desktop.spawn([game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        listener.wait_for(lambda e: e[0] == "window:activate", 120)
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=desktop.env)
        listener.pump(3)

        def said(text, start, timeout=60):
            return listener.wait_for(lambda e: e[1] == "notification" and e[3] == 1 and e[2].startswith(text),
                                     timeout, start)

        def key(name, settle=1.0):
            mark = listener.mark()
            desktop.key(name)
            listener.pump(settle)
            return mark

        def focused():
            names = [e[2] for e in listener.events if e[0] == "focus:" and e[1] == "list item"]
            return names[-1] if names else None

        def lost_shown():
            shown = [e[3] for e in listener.events if e[1] == "label" and e[2] == texts["lost"]
                     and e[0] == "object:state-changed:showing"]
            return bool(shown) and shown[-1] == 1

        # Look around, select and deselect.
        for name in ("Right", "Right", "Down", "space", "Escape"):
            key(name)
        # Two moves by hint.
        for _ in range(2):
            mark = key("ctrl+h", 2)
            said("", mark)
            key("Return")
        # Moves of one's own choosing: walk the ring, select the first tile met, take the
        # pair with the next tile of its kind; turn at the board's end. Until the game is lost.
        for _ in range(30):
            if lost_shown():
                break
            selected, direction = None, 0
            for step in range(40):
                name = focused()
                if selected is None and name:
                    selected = name
                    key("space", 0.6)
                elif step > 0 and name and kind(name, language) == kind(selected, language):
                    key("space", 0.6)
                    mark = key("Return", 1.5)
                    said(texts["removed"], mark)
                    break
                before = len([e for e in listener.events if e[0] == "focus:"])
                key(("Right", "Down", "Left", "Up")[direction], 0.5)
                if len([e for e in listener.events if e[0] == "focus:"]) == before:
                    direction = (direction + 1) % 4
            else:
                key("Escape")
            listener.pump(3)
        # Back until the game can be won again.
        for _ in range(30):
            if not lost_shown():
                break
            key("ctrl+z", 3)
        # The rest by hints.
        for _ in range(75):
            mark = key("ctrl+h", 1.5)
            if said("", mark, 60) is None:
                break
            mark = key("Return", 1.5)
            if said(texts["won"].split("!")[0], mark, 3) is not None or \
               any(texts["won"] in e[2] for e in listener.events[mark:] if e[1] == "notification"):
                break
        listener.pump(5)
        lines = []
        with open(log, errors="replace") as debug:
            for line in debug:
                found = re.search(r"SPEECH OUTPUT: '(.*)'", line)
                if found and found.group(1).strip():
                    lines.append(found.group(1))
        with open(output, "w") as out:
            out.write("\n".join(lines) + "\n")
    finally:
        desktop.stop()


if __name__ == "__main__":
    main()
