#!/usr/bin/env python3
"""Writes the built-in layouts (resources/layouts/*.layout) from the designs below.

A design is mostly a height map on the full-tile grid: each digit is the number of tiles
stacked at that cell (a blank or "." is none). A line starting with ">" is shifted right by
half a tile. Caps add half-offset tiles on top of four (or two) equal stacks. The script
checks what the game's reader checks (144 tiles, no overlap in a layer, every raised tile
covered by the layer below) and refuses to write a design that fails.

Run from the repository root: python3 tools/layouts/layouts.py --write
(without --write it only checks and prints each design's count before and after fitting).
"""
import sys

from layoutkit import DESIGNS, design, fault, fit, write

# --- Pyramids -------------------------------------------------------------------------

d = design("step-pyramid", "Step Pyramid", "Stufenpyramide",
           "Three terraces, each a tile in from the one below, and a ridge on top that lies\n"
           "half a tile down, across the two rows under it.")
d.heights("""
111111111111
122222222221
123333333321
123333333321
122222222221
111111111111
""")
for x in (8, 10, 12, 14):
    d.cap(x, 5)

d = design("sun-pyramid", "Sun Pyramid", "Sonnenpyramide",
           "A square of 7 x 7 with five smaller squares on it, each half a tile in from the\n"
           "one below and resting on four tiles, a ridge of two on top, and gates on three\n"
           "sides of the base. (A single top tile on four makes nearly every deal fail.)")
for k in range(6):
    for i in range(7 - k):
        for j in range(7 - k):
            d.add(2 + k + 2 * i, 2 + k + 2 * j, k)
d.add(7, 8, 6).add(9, 8, 6)
for x, y in ((0, 8), (16, 8), (8, 16)):
    d.add(x, y, 0)

d = design("twin-peaks", "Twin Peaks", "Zwillingsgipfel",
           "Two pointed mountains on one plateau; each climbs in four layers, half a tile in\n"
           "each time, to a single tile.")
for col in range(14):
    for row in range(6):
        d.add(2 * col, 2 * row, 0)
for first in (2, 8):
    for k in range(4):
        for i in range(4 - k):
            for j in range(4 - k):
                d.add(2 * first + k + 2 * i, 2 + k + 2 * j, k + 1)

# --- Bridges --------------------------------------------------------------------------

d = design("stone-bridge", "Stone Bridge", "Steinbrücke",
           "A long deck over a river, carried by three piers; the railings run along both\n"
           "edges and the piers stand out below.")
d.heights("""
1111111111111111111
2222222222222222222
2222222222222222222
1111111111111111111
33.....333.....33
33.....333.....33
""")

d = design("twin-bridges", "Twin Bridges", "Zwillingsbrücken",
           "Two causeways between three stacked islands, each causeway two tiles wide with a\n"
           "raised middle.")
d.heights("""
121.......121.......121
232.......232.......232
2321111111232111111123 2
2321112111232111211123 2
232.......232.......232
121.......121.......121
""".replace("3 2", "32"))

# --- Animals --------------------------------------------------------------------------

d = design("swallowtail", "Swallowtail", "Schwalbenschwanz",
           "A butterfly seen from above: two wings on each side of a raised body, the lower\n"
           "wings ending in tails.")
d.heights("""
1111.....1111
12221...12221
122221.122221
.12221212221.
..111121111..
...1222.2221.
..12221.12221
..121...121..
..11.....11..
""")

d = design("goldfish", "Goldfish", "Goldfisch",
           "A fish swimming left, with a round body, a fin on its back and a forked tail.")
d.heights("""
.....111.......
...1122211...11
.1122333211.111
11223332221111.
12233333321111.
11223332221111.
.1122333211.111
...1122211...11
.....111.......
""")

d = design("sitting-cat", "Sitting Cat", "Sitzende Katze",
           "A cat seen from the front: two ears, a raised head, a round body and a tail that\n"
           "curls to the right.")
d.heights("""
.1.....1....
.11...11....
.1222221....
.1233321....
.1222221....
..11111.....
.1222221....
122333221...
123333321...
123333321..1
122333221..1
.12222221111
""")

d = design("fiddler-crab", "Fiddler Crab", "Winkerkrabbe",
           "A crab with one big claw raised on the left, a small one on the right, a raised\n"
           "shell and four legs on each side.")
d.heights("""
111..........
1221.......11
1221........1
.11...........
..1111111111.
1.1233333321.1
.12334444332.
1.1233333321.1
..1111111111.
.1.1.....1.1.
1...1...1...1
""")

d = design("garden-snail", "Garden Snail", "Weinbergschnecke",
           "A snail creeping right: a high spiral shell over a long flat foot, two feelers.")
d.heights("""
..11111.........
.1222221......1.
123333321....1..
123444321...1...
1234543211.1....
123444321.11....
.12333321111....
111122211111111
1111111111111111
""")

# --- Letters --------------------------------------------------------------------------

d = design("capital-h", "Capital H", "Großes H",
           "The letter H: two tall posts joined by a raised bar, all three stacked.")
d.heights("""
3333......3333
3333......3333
3443......3443
3443......3443
34432222223443
34432222223443
3443......3443
3443......3443
3333......3333
3333......3333
""")

d = design("capital-x", "Capital X", "Großes X",
           "The letter X: two crossing strokes that step half a tile down each row, with a\n"
           "stacked crossing.")
d.heights("""
2211......1122
.2211....1122.
..2211..1122..
...22111122...
....223322....
....223322....
...22111122...
..2211..1122..
.2211....1122.
2211......1122
""")

d = design("initials", "Initials T and S", "Initialen T und S",
           "The letters T and S side by side, each two tiles high.")
d.heights("""
2222222..2222222
2222222..2222222
..222....22.....
..222....22.....
..222....2222222
..222....2222222
..222.........22
..222.........22
..222....2222222
..222....2222222
""")

# --- Rings ----------------------------------------------------------------------------

d = design("stone-ring", "Stone Ring", "Steinring",
           "A round wall of stones with a raised rim, open in the middle.")
d.heights("""
....11111111....
..111222222111..
.1122111111221..
112211....112211
12211......11221
1221........1221
1221........1221
12211......11221
112211....112211
.1122111111221.
..111222222111..
....11111111....
""")

d = design("two-rings", "Two Rings", "Zwei Ringe",
           "Two rings linked by a shared stack where they touch.")
d.heights("""
...11111...11111...
.1122222111222221.
.12.....232.....21
12......232......21
12......232......21
.12.....232.....21
.1122222111222221.
...11111...11111...
""")

d = design("moon-gate", "Moon Gate", "Mondtor",
           "A round gate in a garden wall: the ring stands on the wall, whose tiles lie\n"
           "half a tile off in every other row.")
d.heights("""
......1111......
....11222211....
...1221..1221...
..121......121..
..121......121..
..121......121..
1111111111111111
>111111111111111
1111111111111111
""")

# --- Flat and wide, tall and narrow ---------------------------------------------------

d = design("long-wall", "Long Wall", "Lange Mauer",
           "A wall of three rows of 36, with battlements on its outer rows: the widest layout.")
for i in range(36):
    for row in range(3):
        d.add(2 * i, 2 * row, 0)
for i in range(0, 36, 2):
    d.add(2 * i, 0, 1)
    d.add(2 * i + 2, 4, 1)

d = design("open-plain", "Open Plain", "Weite Ebene",
           "Nine rows of sixteen tiles on the table and nothing on top: every tile is only\n"
           "ever freed from the ends of its row.")
for row in range(9):
    for i in range(16):
        d.add(2 * i, 2 * row, 0)

d = design("lighthouse", "Lighthouse", "Leuchtturm",
           "A tall narrow tower on a wide rock, with a gallery under the lantern on top.")
d.heights("""
...1...
..121..
.11211.
..222..
..232..
..232..
..232..
..232..
..232..
..232..
..232..
..232..
.12321.
1223221
1122211
1111111
""")

d = design("column", "Column", "Säule",
           "A slender column three tiles wide and twenty rows high, thicker at base and capital.")
d.heights("""
11111
12221
.232.
.222.
.232.
.222.
.232.
.222.
.232.
.222.
.232.
.222.
.232.
.222.
.232.
.222.
.232.
12221
11111
""")

# --- Half offsets ---------------------------------------------------------------------

d = design("brickwork", "Brickwork", "Mauerwerk",
           "Eight courses of bricks, each course half a tile off the one above it, and a\n"
           "second layer laid across the joints of the first.")
for row in range(8):
    base = row % 2
    for i in range(10):
        d.add(base + 2 * i, 2 * row, 0)
    for i in range(8):
        d.add(base + 3 + 2 * i, 2 * row, 1)

d = design("honeycomb", "Honeycomb", "Bienenwabe",
           "Rows of cells, every other row half a tile to the right, built up to a dome.")
d.heights("""
...11111111...
>..1111111111.
..1122222211..
>.11222222211.
.112233332211.
>.11223332211.
..1122222211..
>..1222222221.
...11111111...
""")

d = design("diamond", "Diamond", "Raute",
           "A cut stone: rows of 1 to 8 tiles and back, each row half a tile in from its\n"
           "neighbours, and two smaller diamonds on it, half a tile in again.")
for row in range(15):
    width = 8 - abs(7 - row)
    for layer in range(3):
        for i in range(width - layer):
            d.add(8 - width + layer + 2 * i, 2 * row, layer)

d = design("staircase", "Staircase", "Treppe",
           "A flight of stairs climbing to the right, each step one layer higher, seen from\n"
           "above.")
d.heights("""
11223344
11223344
11223344
11223344
11223344
11223344
11223344
""")

d = design("hourglass", "Hourglass", "Sanduhr",
           "Two triangles meeting at a narrow waist, sand piled in the lower one.")
d.heights("""
11111111111
.111111111.
..1111111..
...11111...
....111....
.....1.....
....121....
...12221...
..1223221..
.122333221.
12233433221
""")

d = design("crossroads", "Crossroads", "Kreuzung",
           "Two roads crossing, a stacked market square where they meet.")
d.heights("""
.....1111.....
.....1111.....
.....1111.....
.....1221.....
11111233211111
11112344321111
11112344321111
11111233211111
.....1221.....
.....1111.....
.....1111.....
.....1111.....
""")

d = design("windmill", "Windmill", "Windmühle",
           "Four sails turning around a stacked hub; each sail is three tiles wide, seven\n"
           "long, and raised along its middle.")
cells = {(i, j): 1 for i in (-1, 0) for j in (-1, 0)}
for i in (-1, 0):
    for j in (-1, 0):
        cells[(i, j)] = 3
for i in (0, 1, 2):
    for j in range(-8, -1):
        cells[(i, j)] = 2 if i == 1 else 1
for _ in range(3):
    cells.update({(-j - 1, i): h for (i, j), h in list(cells.items()) if (-j - 1, i) not in cells})
for (i, j), h in cells.items():
    for layer in range(h):
        d.add(2 * (i + 8), 2 * (j + 8), layer)

d = design("arrowhead", "Arrowhead", "Pfeilspitze",
           "A broad arrowhead pointing up, its barbs stepping out half a tile a row.")
d.heights("""
......1......
.....121.....
....12221....
...1223221...
..122333221..
.12223432221.
1222333332221
11..12221..11
.....121.....
.....111.....
""")

d = design("sailboat", "Sailboat", "Segelboot",
           "A boat with a tall sail, a small jib and a long hull on the water.")
d.heights("""
......1......
......11.....
.....121.....
....1221.....
...12221.....
..122221.1...
.1222221.11..
12222221.121.
........1221.
111111111111.
.1222222222211
..11111111111.
""")


if __name__ == "__main__":
    bad = False
    for d in DESIGNS:
        before = len(d.tiles)
        fit(d)
        problem = fault(d)
        print("%-14s was %d" % (d.key, before), end=" ")
        layers = max(t[2] for t in d.tiles) + 1 if d.tiles else 0
        print("%-14s %4d tiles %d layers %s" % (d.key, len(d.tiles), layers, problem or "ok"))
        if problem:
            bad = True
        elif "--write" in sys.argv:
            write(d)
    sys.exit(1 if bad else 0)
