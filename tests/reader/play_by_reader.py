#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays whole games of Mirvalon as a blind player's screen reader would: it finds the game on
the accessibility bus, sets the language and the rules through the menus, presses pieces of the
palette and the OK button by their accessible actions, and reads every answer from the board's
table and the spoken notes, never from pixels. It works out each next row from the answers
alone. Prints one line per row as it was spoken and exits non-zero unless every game is won.

Usage: play_by_reader.py PROGRAM LANGUAGE:POSITIONS ...   (LANGUAGE sk or en)
Run inside a D-Bus session with the accessibility bus up and DISPLAY set."""

import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

PIECES = 11
MENUS = {
    "sk": {"view": "Zobrazenie", "positions": "Počet pozícií", "n positions": "{} pozícií",
           "pieces": "Počet kociek", "n pieces": "{} kociek", "new game": "Nová hra - počítač",
           "palette": "Paleta", "board": "Hracia plocha"},
    "en": {"view": "View", "positions": "Positions", "n positions": "{} positions",
           "pieces": "Pieces", "n pieces": "{} pieces", "new game": "New computer game",
           "palette": "Palette", "board": "Board"},
}
spoken = []
focused = []


def pump(seconds=0.0):
    """Lets the bus deliver what the game said, for at least `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def heard(event):
    if event.source and event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
        spoken.append(event.source.name)  # the notes are named by what they just said


def focus_moved(event):
    if event.detail1 and event.source and event.source.getRole() == pyatspi.ROLE_LIST_ITEM:
        focused.append(event.source.name)


def wait_for(what, find, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except GLib.GError:
            found = None
        if found:
            return found
        pump(0.1)
    raise SystemExit("reader: %s did not appear" % what)


def keysym(name):
    return {"Right": 0xFF53, "Down": 0xFF54, "F11": 0xFFC8}[name]


def descendants(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.childCount):
        yield from descendants(node.getChildAtIndex(i), depth + 1)


def find(root, role, name=None):
    for node in descendants(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def act(node, action="Press"):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == action.lower():
            actions.doAction(i)
            return
    raise SystemExit("reader: %r has no action %s" % (node.name, action))


def menu_item(app, *path):
    node = find(app, pyatspi.ROLE_MENU_BAR)
    for name in path:
        node = next((n for n in descendants(node)
                     if n.name == name and n.getRole() in (pyatspi.ROLE_MENU_ITEM,
                                                          pyatspi.ROLE_MENU,
                                                          pyatspi.ROLE_RADIO_MENU_ITEM,
                                                          pyatspi.ROLE_CHECK_MENU_ITEM)), None)
        if node is None:
            raise SystemExit("reader: no menu item %r" % name)
    return node


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def close_messages(app, main):
    """Reads and closes each message the game shows over its window; returns what they said."""
    said = []
    for _ in range(10):
        pump(0.3)
        others = [w for w in windows(app) if w is not None and w != main and
                  w.getState().contains(pyatspi.STATE_VISIBLE)]
        if not others:
            return said
        box = others[-1]
        texts = [n.name for n in descendants(box)
                 if n.getRole() == pyatspi.ROLE_LABEL and n.name.strip()]
        said.append(" ".join(texts))
        buttons = [n for n in descendants(box) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        no = [b for b in buttons if b.name in ("Nie", "Ne", "No", "OK")]
        act((no or buttons)[0])
    return said


def give_keyboard(game, main):
    """A virtual screen has no window manager to hand the keyboard to the game's window."""
    subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(game.pid), "--name",
                    "Mirvalon", "windowfocus", "--sync"], check=True)
    wait_for("the window's activation", lambda: main.getState().contains(pyatspi.STATE_ACTIVE))


def next_row(history, positions, rng):
    """A row consistent with every answer so far, the pieces tried in a shuffled order."""
    order = list(range(1, PIECES + 1))
    rng.shuffle(order)
    counts = [dict() for _ in history]
    for k, (row, _, _) in enumerate(history):
        for piece in row:
            counts[k][piece] = counts[k].get(piece, 0) + 1
    row, used = [], {}
    hits = [0] * len(history)
    common = [0] * len(history)

    def place(position):
        if position == positions:
            return all(hits[k] == h and common[k] == h + m for k, (_, h, m) in enumerate(history))
        left = positions - position - 1
        for piece in order:
            if used.get(piece):
                continue  # each piece once
            added = []
            fits = True
            for k, (guess, h, m) in enumerate(history):
                hit = guess[position] == piece
                shared = counts[k].get(piece, 0) > used.get(piece, 0)
                hits[k] += hit
                common[k] += shared
                added.append((hit, shared))
                if hits[k] > h or hits[k] + left < h or common[k] > h + m or \
                        common[k] + left < h + m:
                    fits = False
            if fits:
                row.append(piece)
                used[piece] = 1
                if place(position + 1):
                    return True
                row.pop()
                used[piece] = 0
            for k, (hit, shared) in enumerate(added):
                hits[k] -= hit
                common[k] -= shared
        return False

    if not place(0):
        raise SystemExit("reader: the answers contradict each other")
    return row


def play(program, language, positions, seed):
    words = MENUS[language]
    home = tempfile.mkdtemp(prefix="mirvalon-reader.")
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=home + "/share", XDG_CONFIG_HOME=home + "/config",
               XDG_CACHE_HOME=home + "/cache", QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    focused.clear()
    game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the game on the bus", lambda: next(
            (a for a in desktop if a is not None and a.get_process_id() == game.pid), None))
        main = wait_for("the main window", lambda: next(
            (w for w in windows(app) if w is not None and "Mirvalon" in w.name), None))
        if language == "en":
            act(menu_item(app, "Nastavenie", "Jazyk", "Anglický"))
        act(menu_item(app, words["view"], words["positions"], words["n positions"].format(positions)))
        act(menu_item(app, words["view"], words["pieces"], words["n pieces"].format(PIECES)))
        act(wait_for("the new game button", lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, words["new game"])))
        palette = wait_for("the palette", lambda: find(main, pyatspi.ROLE_LIST, words["palette"]))
        board = find(main, pyatspi.ROLE_TABLE, words["board"]).queryTable()
        # The keyboard player's focus on the palette is the reader's focus too.
        give_keyboard(game, main)
        wait_for("the palette's focus", lambda: palette.queryComponent().grabFocus() and
                 palette.getState().contains(pyatspi.STATE_FOCUSED))
        for key in ("Right", "Right", "Down"):
            pyatspi.Registry.generateKeyboardEvent(
                keysym(key), None, pyatspi.KEY_SYM)
        wait_for("the focus on the palette", lambda: len(focused) >= 4)
        print("%s, %d places; the focus followed Right, Right, Down: %s" % (
            language, positions, " -> ".join(focused[:4])))
        ok = find(main, pyatspi.ROLE_PUSH_BUTTON, "OK")
        rng = random.Random(seed)
        history = []
        for row_number in range(1, 16):
            wait_for("the open row", lambda: palette.getChildAtIndex(0).getState().contains(
                pyatspi.STATE_FOCUSABLE))
            row = next_row(history, positions, rng)
            for piece in row:
                act(palette.getChildAtIndex(piece - 1))
            placed = [board.getAccessibleAt(row_number, c).name for c in range(1, positions + 1)]
            before = len(spoken)
            act(ok)
            cell = board.getAccessibleAt(row_number, positions + 1)
            # The answer is in the table and in what was said as the row was confirmed.
            said = wait_for("the answer of row %d" % row_number, lambda: re.search(r"\d", cell.name) and next(
                (s for s in spoken[before:] if s.endswith(": " + cell.name)), None))
            h, m = (int(n) for n in re.findall(r"\d+", cell.name)[:2])
            print("  %-50s | %s" % (", ".join(placed), said))
            history.append((row, h, m))
            if h == positions:
                for text in close_messages(app, main):
                    print("  message: " + text.replace("\n", " "))
                give_keyboard(game, main)
                asked = len(spoken)
                pyatspi.Registry.generateKeyboardEvent(keysym("F11"), None, pyatspi.KEY_SYM)
                print("  F11: " + wait_for("the time and score", lambda: spoken[asked:] and spoken[-1]))
                return True
        return False
    finally:
        game.send_signal(signal.SIGKILL)
        game.wait()


def main():
    program, games = sys.argv[1], sys.argv[2:]
    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(focus_moved, "object:state-changed:focused")
    won = 0
    for k, game in enumerate(games):
        language, positions = game.split(":")
        if play(program, language, int(positions), seed=k + 1):
            won += 1
        else:
            print("  not won in 15 rows")
    print("won %d of %d games by the accessibility bus alone" % (won, len(games)))
    return 0 if won == len(games) else 1


if __name__ == "__main__":
    sys.exit(main())
