#!/usr/bin/env python3
"""Write data/Data/coobasiX.txt and coobasiY.txt: the map point of each base.

A base's point is the top-left corner of its 200 x 200 square; the square is centred on the real
port or airfield, placed on the map by x = (lon - 5.2) * 622.449, y = (41.7 - lat) * 693.
The two Malta bases lie 100 map units apart, so their squares are set side by side over the
island, each still holding its own site. GIBILTERRA and ALESSANDRIA lie beyond the map: their
squares stand at the west edge just south of the entry band and in the south-east corner.
"""
import os

MAP_W, MAP_H, SQUARE = 15250, 6930, 200

# base number order: name, latitude N, longitude E
BASES = [
    ("TARANTO", 40.464, 17.247),        # Mar Grande
    ("NAPOLI", 40.838, 14.262),
    ("PALERMO", 38.127, 13.367),
    ("MESSINA", 38.196, 15.561),
    ("SIRACUSA", 37.062, 15.285),
    ("CAGLIARI", 39.208, 9.110),
    ("TRIPOLI", 32.897, 13.185),
    ("BENGASI", 32.118, 20.059),
    ("TOBRUCK", 32.075, 23.975),
    ("CASTELVETRANO", 37.630, 12.770),  # airfield
    ("PACHINO", 36.700, 15.080),        # airfield
    ("MALTA HQ", 35.898, 14.514),       # Valletta, Grand Harbour
    ("MALTA BS", 35.894, 14.415),       # Ta' Qali airfield
]

# Squares placed by hand (top-left corners).
PLACED = {
    "MALTA HQ": (5744, 3921),     # east half: holds Valletta
    "MALTA BS": (5540, 3924),     # west half: holds Ta' Qali
    "GIBILTERRA": (5, 3320),      # west edge, below the entry band y 1801..3300
    "ALESSANDRIA": (15050, 6730), # south-east corner, below the entry band y 4551..5950
}


def to_map(lat, lon):
    return (lon - 5.2) * 622.449, (41.7 - lat) * 693


def points():
    out = []
    for name, lat, lon in BASES:
        if name in PLACED:
            out.append((name, *PLACED[name]))
            continue
        x, y = to_map(lat, lon)
        out.append((name, round(x) - SQUARE // 2, round(y) - SQUARE // 2))
    out.append(("GIBILTERRA", *PLACED["GIBILTERRA"]))
    out.append(("ALESSANDRIA", *PLACED["ALESSANDRIA"]))
    for name, x, y in out:
        assert 0 <= x and x + SQUARE <= MAP_W and 0 <= y and y + SQUARE <= MAP_H, name
    for name, lat, lon in BASES:
        if name.startswith("MALTA"):
            x, y = to_map(lat, lon)
            px, py = PLACED[name]
            assert px <= x <= px + SQUARE and py <= y <= py + SQUARE, name
    return out


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "Data")
    pts = points()
    for axis, name in ((1, "coobasiX.txt"), (2, "coobasiY.txt")):
        with open(os.path.join(root, name), "wb") as f:
            f.write(b"".join(b"%d\r\n" % p[axis] for p in pts))
    for p in pts:
        print("%-14s %6d %6d" % p)


if __name__ == "__main__":
    main()
