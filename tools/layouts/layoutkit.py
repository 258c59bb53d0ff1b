"""The kit the layout designs are written with: a design, its height maps and caps, the
fitting to 144 tiles, the checks the game's reader makes, and the writing of the file."""
import os

OUT = os.path.join("resources", "layouts")


class Design:
    def __init__(self, key, english, german, note):
        self.key, self.english, self.german, self.note = key, english, german, note
        self.tiles = set()

    def add(self, x, y, layer):
        self.tiles.add((x, y, layer))
        return self

    def heights(self, art, ox=0, oy=0):
        """Height map: digit = stack height at (2 * column + ox (+1 after ">"), 2 * row + oy)."""
        lines = [l for l in art.split("\n")]
        while lines and not lines[0].strip():
            lines.pop(0)
        for row, line in enumerate(lines):
            shift = 0
            if line.startswith(">"):
                shift, line = 1, line[1:]
            for col, ch in enumerate(line):
                if ch.isdigit():
                    for layer in range(int(ch)):
                        self.add(2 * col + ox + shift, 2 * row + oy, layer)
        return self

    def top(self, x, y):
        """The layer a tile put at (x, y) would rest on plus one, if the four units below are level."""
        best = -1
        for layer in range(10):
            if all(self.covered(x + dx, y + dy, layer) for dx in (0, 1) for dy in (0, 1)):
                best = layer
        return best + 1

    def covered(self, ux, uy, layer):
        return any((tx, ty, layer) in self.tiles for tx in (ux - 1, ux) for ty in (uy - 1, uy))

    def cap(self, x, y):
        """A tile at (x, y) on the highest layer that fully covers it."""
        layer = self.top(x, y)
        if layer == 0 and any(self.covered(x + dx, y + dy, 0) for dx in (0, 1) for dy in (0, 1)):
            raise SystemExit("%s: cap at %d,%d has nothing level below" % (self.key, x, y))
        return self.add(x, y, layer)


def fit(d):
    """Brings a design to 144 tiles: takes off the highest free tiles farthest from the middle,
    or adds tiles on level stacks nearest to the middle, lowest first, in mirrored pairs."""
    def centre():
        xs = [t[0] for t in d.tiles]
        ys = [t[1] for t in d.tiles]
        return (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
    ox = min(t[0] for t in d.tiles)
    oy = min(t[1] for t in d.tiles)
    d.tiles = {(x - ox, y - oy, layer) for x, y, layer in d.tiles}
    while len(d.tiles) != 144:
        cx, cy = centre()
        if len(d.tiles) > 144:
            loose = [t for t in d.tiles if not any(
                (t[0] + dx, t[1] + dy, t[2] + 1) in d.tiles for dx in (-1, 0, 1) for dy in (-1, 0, 1))]
            pick = max(loose, key=lambda t: (t[2], abs(t[0] - cx) + abs(t[1] - cy), -t[1], t[0]))
            mirror = (int(2 * cx - pick[0]), pick[1], pick[2])
            d.tiles.discard(pick)
            if len(d.tiles) > 144 and mirror in loose:
                d.tiles.discard(mirror)
        else:
            spots = {(t[0], t[1]) for t in d.tiles}
            options = []
            for x, y in spots:
                layer = d.top(x, y)
                if (x, y, layer) in d.tiles or any((x + dx, y + dy, layer) in d.tiles
                                                   for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                    continue
                options.append((layer, abs(x - cx) + abs(y - cy), y, x))
            layer, _, y, x = min(options)
            d.add(x, y, layer)
            mirror = int(2 * cx - x)
            if len(d.tiles) < 144 and mirror != x and (layer, abs(mirror - cx) + abs(y - cy), y, mirror) in options:
                d.add(mirror, y, layer)
    return d


def fault(d):
    tiles = sorted(d.tiles)
    if len(tiles) != 144:
        return "%d tiles" % len(tiles)
    for a in tiles:
        for b in tiles:
            if a < b and a[2] == b[2] and abs(a[0] - b[0]) <= 1 and abs(a[1] - b[1]) <= 1:
                return "overlap %s %s" % (a, b)
        x, y, layer = a
        if layer > 0 and not all(d.covered(x + dx, y + dy, layer - 1) for dx in (0, 1) for dy in (0, 1)):
            return "not resting %s" % (a,)
    if min(t[0] for t in tiles) != 0 or min(t[1] for t in tiles) != 0:
        return "does not start at 0, 0"
    return None


def write(d):
    lines = ["tessaron-layout 1"]
    lines += ["# " + l for l in d.note.split("\n")]
    lines += ["key " + d.key, "name-en " + d.english, "name-de " + d.german]
    layers = sorted({t[2] for t in d.tiles}, reverse=True)
    for layer in layers:
        lines.append("# layer %d" % layer)
        rows = sorted({t[1] for t in d.tiles if t[2] == layer}, reverse=True)
        for y in rows:
            xs = sorted(t[0] for t in d.tiles if t[2] == layer and t[1] == y)
            run = [xs[0]]
            for x in xs[1:] + [None]:
                if x is not None and x == run[-1] + 2:
                    run.append(x)
                    continue
                if len(run) == 1:
                    lines.append("tile %d %d %d" % (run[0], y, layer))
                else:
                    lines.append("row %d %d %d %d" % (run[0], y, layer, len(run)))
                if x is not None:
                    run = [x]
    with open(os.path.join(OUT, d.key + ".layout"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


DESIGNS = []


def design(key, english, german, note):
    d = Design(key, english, german, note)
    DESIGNS.append(d)
    return d


