"""Plays one game to a win by keyboard with Orca listening, and prints what Orca spoke.

Not a test: it writes the transcript of docs/accessibility.md. The player walks the ring
with the arrow keys, selects with Space and clears with Escape, takes two pairs by Ctrl+H
and Enter, then pairs of its own choosing (pressed through the tiles' press action, then
Enter) until the game can no longer be won, takes moves back with Ctrl+Z until it can, and
wins with Ctrl+H and Enter.

usage: orca_transcript.py GAME READER_DEALS LANGUAGE(0 English, 1 German) OUTPUT
"""
import os
import re
import shutil
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
            """The ringed tile as (name, place), or None."""
            listener.pump()
            if not listener.places:
                return None
            index, place = listener.places[-1]
            return listener.events[index][2], place

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
        # Moves of one's own choosing, until the game can no longer be won: a pair of free
        # tiles of one kind, pressed through their press action (a reader's "activate"), then
        # Enter.
        pyatspi = listener.pyatspi
        app = listener.application("Tessaron")
        board = pyatspi.findDescendant(app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_PANEL)
        for _ in range(40):
            if lost_shown():
                break
            free = {}
            for tile in board:
                if tile is None or tile.getRole() != pyatspi.ROLE_LIST_ITEM:
                    continue
                state = tile.getState()
                if state.contains(pyatspi.STATE_ENABLED) and state.contains(pyatspi.STATE_VISIBLE):
                    free.setdefault(kind(tile.name, language), []).append(tile)
            pairs = [tiles for tiles in free.values() if len(tiles) >= 2]
            if not pairs:
                break
            for tile in pairs[-1][:2]:
                tile.queryAction().doAction(0)
                listener.pump(1)
            mark = key("Return", 1.5)
            said(texts["removed"], mark)
            listener.pump(3)  # time for the warning
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
            if listener.wait_for(lambda e: e[1] == "notification" and texts["won"] in e[2], 10, mark) is not None:
                break
        # Orca writes its log behind the events: wait until it has been quiet for a while.
        quiet_since, size = time.monotonic(), -1
        deadline = time.monotonic() + 300
        while time.monotonic() - quiet_since < 10 and time.monotonic() < deadline:
            listener.pump(1)
            if os.path.getsize(log) != size:
                size, quiet_since = os.path.getsize(log), time.monotonic()
        lines = []
        with open(log, errors="replace") as debug:
            for line in debug:
                found = re.search(r"SPEECH OUTPUT: '(.*?)' ?\{", line)
                if found and found.group(1).strip():
                    lines.append(found.group(1))
        with open(output, "w") as out:
            out.write("\n".join(lines) + "\n")
        shutil.copyfile(log, output + ".orca.log")
    finally:
        desktop.stop()


if __name__ == "__main__":
    main()
