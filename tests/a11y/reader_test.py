"""What a blind player receives from the real game through the accessibility bus.

Runs the game under a private X server with the AT-SPI bus and checks, as an AT-SPI client,
the events a screen reader turns into speech: a selection by keyboard, a move, undo and
redo, the lost-game warning, the dead end, the shuffle out of it, the demo starting and
stopping, a pause, a hint with the ring moving to it, a win, and F10 then Right in the
menus. The dead-end game runs with the helpers on: the free pairs after each move, the
matches of a selected tile. Exits 77 (skipped) only when the buses cannot start.

usage: reader_test.py GAME READER_DEALS
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reader_session  # noqa: E402

SKIPPED = 77
WAIT = 120  # seconds; generous for a busy machine


class Failure(Exception):
    pass


def spoken(listener, text, start, exact=False, within=False, pattern=False):
    """Index of the first notification shown from start on whose text is (or starts with, or
    with within holds, or with pattern is all matched by the regular expression) text."""
    def heard(name):
        if pattern:
            return re.fullmatch(text, name) is not None
        if exact:
            return name == text
        return text in name if within else name.startswith(text)

    def match(event):
        kind, role, name, detail = event
        return (kind == "object:state-changed:showing" and role == "notification" and detail == 1
                and heard(name))
    index = listener.wait_for(match, WAIT, start)
    if index is None:
        said = [e[2] for e in listener.events[start:] if e[1] == "notification" and e[3] == 1]
        if os.environ.get("READER_TEST_VERBOSE"):
            print("\n".join(map(str, listener.events[start - 30:])))
        raise Failure(f"the reader never heard {text!r}; notifications since: {said}")
    return index


def focus_events(listener, start):
    return [(e[1], e[2]) for e in listener.events[start:] if e[0] == "focus:"]


class Game:
    def __init__(self, desktop, listener, game, deals, *kind):
        self.desktop, self.listener = desktop, listener
        stored = subprocess.run([deals, *kind], env=desktop.env, capture_output=True, text=True, check=True)
        self.pairs = [tuple(int(n) for n in line.split()) for line in stored.stdout.splitlines() if line]
        self.start = listener.mark()
        self.process = desktop.spawn([game], stdout=subprocess.DEVNULL, stderr=None if os.environ.get("READER_TEST_VERBOSE") else subprocess.DEVNULL)
        if listener.wait_for(lambda e: e[0] == "window:activate" and e[2] == "Tessaron", WAIT, self.start) is None:
            raise Failure("the game window never became active")
        self.tiles = self.find_tiles()
        # The pointer rests off the window, so no menu item is chosen by hovering.
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=desktop.env, check=True)

    def find_tiles(self):
        app = self.listener.application("Tessaron")
        if app is None:
            raise Failure("the game is not on the accessibility bus")
        pyatspi = self.listener.pyatspi
        board = pyatspi.findDescendant(app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_PANEL
                                       and o.name == "Board")
        if board is None:
            raise Failure("no panel named Board")
        tiles = [child for child in board if child is not None and child.getRole() == pyatspi.ROLE_LIST_ITEM]
        if len(tiles) != 144:
            raise Failure(f"the board shows {len(tiles)} tiles to a reader, not 144")
        # The pictures are stacked from the top tile down, so a reader lists tile 144 first.
        return tiles[::-1]

    def press(self, tile):
        """The reader's own way to click a tile: its press action."""
        self.tiles[tile - 1].queryAction().doAction(0)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(30)
        except subprocess.TimeoutExpired:
            self.process.kill()


def dead_end_game(desktop, listener, game, deals):
    g = Game(desktop, listener, game, deals, "dead-end", "helpers")
    try:
        # The deal cannot be won: the warning is spoken, not only shown. When the solver answers
        # within the start's turn, it is said after the start's text in the same announcement.
        spoken(listener, "This game can no longer be won", g.start, within=True)

        # Selection by keyboard: the first arrow shows the ring, Space selects the ringed tile.
        mark = listener.mark()
        desktop.key("Right")
        if listener.wait_for(lambda e: e[0] == "focus:" and e[1] == "list item", WAIT, mark) is None:
            raise Failure("the ring reached no tile")
        ringed = focus_events(listener, mark)[-1][1]
        mark = listener.mark()
        desktop.key("space")
        spoken(listener, re.escape(ringed) + r" selected, (No free tile matches|1 free tile matches|\d+ free tiles match)",
               mark, pattern=True)
        mark = listener.mark()
        desktop.key("Escape")
        spoken(listener, f"{ringed} deselected", mark)

        mark = listener.mark()
        g.press(88)
        g.press(114)
        desktop.key("Return")
        spoken(listener, r"Pair removed, 142 of 144, (1 free pair|\d+ free pairs)", mark, pattern=True)
        mark = listener.mark()
        desktop.key("ctrl+z")
        spoken(listener, "Pair put back, 144 of 144", mark)
        mark = listener.mark()
        desktop.key("ctrl+v")
        spoken(listener, "Pair removed, 142 of 144", mark)

        mark = listener.mark()
        g.press(89)
        g.press(101)
        desktop.key("Return")
        spoken(listener, "Pair removed, 140 of 144, 0 free pairs. Bad luck - no further move possible!", mark)

        # Out of the dead end by a shuffle; the demo plays on until a key stops it.
        mark = listener.mark()
        desktop.key("ctrl+f")
        spoken(listener, "Tiles shuffled: the game can be won again", mark, exact=True)
        mark = listener.mark()
        desktop.key("ctrl+d")
        spoken(listener, "Demo started: any key or click stops it", mark, exact=True)
        listener.pump(2)  # its moves are not spoken one by one
        mark = listener.mark()
        desktop.key("Escape")
        spoken(listener, "Demo stopped", mark, exact=True)

        # F10 opens the first menu; Right goes on to the next, and the reader stays there.
        mark = listener.mark()
        desktop.key("F10")
        if listener.wait_for(lambda e: e[0] == "focus:" and e[2] == "File", WAIT, mark) is None:
            raise Failure(f"F10 did not reach the File menu: {focus_events(listener, mark)}")
        mark = listener.mark()
        desktop.key("Right")
        if listener.wait_for(lambda e: e[0] == "focus:" and e[2] == "Game", WAIT, mark) is None:
            raise Failure(f"Right did not reach the Game menu: {focus_events(listener, mark)}")
        listener.pump(3)  # whatever the window system still sends
        last = focus_events(listener, mark)[-1]
        if last[0] != "menu item":
            raise Failure(f"after F10 and Right the reader is on {last}, not in the Game menu")
        desktop.key("Escape", "Escape")
        option_items(g, listener)
    finally:
        g.close()


def application_locale(listener, app):
    """The language the game tells a reader through the Application interface (Qt 6.4 gives
    no per-object locale, so get_object_locale has nothing to read)."""
    from gi.repository import Gio, GLib
    connection = Gio.DBusConnection.new_for_address_sync(
        accessibility_bus_address(),
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    try:
        reply = connection.call_sync(app.app.bus_name, app.path, "org.a11y.atspi.Application", "GetLocale",
                                     GLib.Variant("(u)", (0,)), None, Gio.DBusCallFlags.NONE, WAIT * 1000, None)
        return reply.unpack()[0]
    finally:
        connection.close_sync(None)


def accessibility_bus_address():
    return subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
                           "org.a11y.Bus.GetAddress"], capture_output=True, text=True, check=True).stdout.strip()


def option_items(g, listener):
    """The Option menu's check items are check boxes with their state, toggled by a reader's
    action; the language item also changes the language the game gives the reader."""
    pyatspi = listener.pyatspi
    app = listener.application("Tessaron")
    boxes = {o.name: o for o in pyatspi.findAllDescendants(
        app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_CHECK_BOX)}
    for name, checked in (("Play against the clock", False), ("Warn when the game is lost", True),
                          ("English", True), ("Deutsch", False)):
        if name not in boxes:
            raise Failure(f"no check box {name!r} in the menus, only {sorted(boxes)}")
        if boxes[name].getState().contains(pyatspi.STATE_CHECKED) != checked:
            raise Failure(f"{name!r} is not {'checked' if checked else 'unchecked'} for a reader")

    def toggle(name, checked):
        mark = listener.mark()
        boxes[name].queryAction().doAction(0)
        if listener.wait_for(lambda e: e[0] == "object:state-changed:checked" and e[2] == name
                             and e[3] == checked, WAIT, mark) is None:
            raise Failure(f"toggling {name!r} gave no checked={checked} change")

    def expect_locale(language):
        # The item may be checked before the game has switched its language.
        deadline = time.monotonic() + WAIT
        while not (told := application_locale(listener, app)).startswith(language):
            if time.monotonic() > deadline:
                raise Failure(f"the game tells the reader the language {told!r}, not {language!r}")
            listener.pump(0.2)

    toggle("Warn when the game is lost", 0)
    toggle("Warn when the game is lost", 1)
    expect_locale("en_")
    toggle("Deutsch", 1)
    expect_locale("de_")
    toggle("English", 1)
    expect_locale("en_")


def winnable_game(desktop, listener, game, deals):
    g = Game(desktop, listener, game, deals, "winnable")
    try:
        # P pauses, and the reader hears it; P again goes on.
        mark = listener.mark()
        desktop.key("p")
        spoken(listener, "Paused", mark)
        desktop.key("p")
        mark = listener.mark()
        desktop.key("ctrl+h")
        hint = spoken(listener, "Hint: ", mark)
        ringed = [e for e in listener.events[mark:hint] if e[0] == "focus:" and e[1] == "list item"]
        if not ringed:
            raise Failure("the ring did not move to the hinted tile")
        if not listener.events[hint][2].startswith("Hint: " + ringed[-1][2] + ", Layer "):
            raise Failure(f"the hint {listener.events[hint][2]!r} does not name the ringed tile {ringed[-1][2]!r}")
        mark = listener.mark()
        desktop.key("Escape")
        spoken(listener, "", mark)

        # All but the last pair in a known order, the last by a hint, as a blind player would.
        for number, (first, second) in enumerate(g.pairs[:-1], start=1):
            mark = listener.mark()
            g.press(first)
            g.press(second)
            desktop.key("Return")
            spoken(listener, f"Pair removed, {144 - 2 * number} of 144", mark)
        mark = listener.mark()
        desktop.key("ctrl+h")
        spoken(listener, "Hint: ", mark)
        mark = listener.mark()
        desktop.key("Return")
        spoken(listener, "Pair removed, 0 of 144. Game won!", mark)
    finally:
        g.close()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    game, deals = sys.argv[1:]
    desktop = reader_session.Desktop()
    try:
        try:
            desktop.start()
        except reader_session.BusUnavailable as problem:
            print(f"SKIPPED: the accessibility bus cannot start here: {problem}")
            return SKIPPED
        listener = reader_session.Listener()
        for play in (dead_end_game, winnable_game):
            try:
                play(desktop, listener, game, deals)
            except Failure as failure:
                print(f"FAILED in {play.__name__}: {failure}")
                return 1
            print(f"passed: {play.__name__}")
        return 0
    finally:
        desktop.stop()


if __name__ == "__main__":
    sys.exit(main())
