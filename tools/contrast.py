#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Contrast of the window's texts and pegs, and of the pieces' edges on the board's pictures,
as WCAG 2 defines it: (L1 + 0.05) / (L2 + 0.05) of the relative luminances.

Usage: tools/contrast.py [SCREENSHOT.png ...]
Prints the ratios of the window's fixed colour pairs, then for each screenshot of the main
window (tools/screenshot.sh, 1024x768, the window at its usual place) the worst ratio between a
piece place's surrounding picture pixels and the better of a piece's two bevel edges (white
and mid grey), over the result row and the 15 rows of 8 places."""

import subprocess
import sys

FACE = (239, 239, 239)  # the window's face colour under the game's look
CLIENT = (118, 118)     # the client area's corner on a 1024x768 virtual screen


def luminance(colour):
    def channel(v):
        v /= 255
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = colour
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def ratio(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def pixels(path):
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return lambda x, y: tuple(raw[(y * 1024 + x) * 3:(y * 1024 + x) * 3 + 3])


def worst_edge(path):
    px = pixels(path)
    worst = (99.0, 0, 0)
    for row in range(16):
        top = 13 if row == 0 else 480 - 28 * row
        for place in range(1, 9):
            left = 62 + 44 * (place - 1)
            ring = [(x, y) for x in range(left - 2, left + 42)
                    for y in (top - 2, top - 1, top + 22, top + 23)]
            ring += [(x, y) for y in range(top, top + 22)
                     for x in (left - 2, left - 1, left + 40, left + 41)]
            for x, y in ring:
                c = px(CLIENT[0] + x, CLIENT[1] + y)
                best = max(ratio(c, (255, 255, 255)), ratio(c, (128, 128, 128)))
                worst = min(worst, (best, row, place))
    return worst


def main():
    pairs = [
        ("captions and buttons, black on the face", (0, 0, 0), FACE),
        ("row numbers reached, Hit and Miss labels", (100, 100, 100), FACE),
        ("record labels, dark red", (128, 0, 0), FACE),
        ("total running time, mid grey", (128, 128, 128), FACE),
        ("row numbers not yet reached, light grey", (192, 192, 192), FACE),
        ("hit peg, black on the face", (0, 0, 0), FACE),
        ("miss peg's grey edge on the face", (128, 128, 128), FACE),
        ("miss peg against a hit peg", (255, 255, 255), (0, 0, 0)),
    ]
    for name, fg, bg in pairs:
        print("%-45s %5.2f" % (name, ratio(fg, bg)))
    for path in sys.argv[1:]:
        value, row, place = worst_edge(path)
        print("%s: worst piece edge %.2f (row %d, place %d)" % (path, value, row, place))


if __name__ == "__main__":
    main()
