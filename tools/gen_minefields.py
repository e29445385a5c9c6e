#!/usr/bin/env python3
"""Write the map rectangles of the 24 mine fields (Data/Minex1, Minex2, Miney1, Miney2 .txt).

  gen_minefields.py DATA_DIR BITMAP

The fields lie on the sea lanes and harbour approaches of the central Mediterranean; each is given
by its longitude and latitude bounds and turned into map units with the maps' projection:
x = (lon - 5.2) * 622.449, y = (41.7 - lat) * 693. Every pixel of every rectangle must be sea on
the day map, and no two fields may overlap.
"""
import struct
import sys

W, H = 2034, 924
MAP_W, MAP_H = 15250, 6930
SEA = (120, 170, 220)

# name, west and east longitude, south and north latitude
FIELDS = [
    ("Canale di Sicilia: Capo Bon - Pantelleria", 11.25, 11.75, 36.90, 37.30),
    ("Canale di Sicilia: Pantelleria est", 12.15, 12.60, 36.40, 36.80),
    ("Banco Skerki", 10.55, 11.05, 37.50, 37.90),
    ("Isole Egadi: Marettimo", 11.55, 11.95, 37.75, 38.15),
    ("Malta: Grand Harbour", 14.55, 14.95, 35.93, 36.30),
    ("Malta: approdi sud", 14.30, 14.80, 35.40, 35.75),
    ("Malta: Gozo - Comino", 13.75, 14.15, 35.93, 36.30),
    ("Tripoli: approdi", 12.95, 13.45, 32.95, 33.35),
    ("Tripoli: Homs", 14.05, 14.55, 32.85, 33.25),
    ("Bengasi: approdi", 19.45, 19.95, 32.05, 32.45),
    ("Tobruch: approdi", 23.85, 24.35, 32.18, 32.58),
    ("Derna - Golfo di Bomba", 22.55, 23.05, 32.85, 33.25),
    ("Taranto: Golfo di Taranto", 16.95, 17.40, 39.90, 40.28),
    ("Stretto di Messina: accesso sud", 15.40, 15.80, 37.52, 37.90),
    ("Stretto di Messina: accesso nord", 15.35, 15.80, 38.33, 38.62),
    ("Siracusa - Augusta", 15.35, 15.80, 36.85, 37.25),
    ("Capo Passero", 15.00, 15.45, 36.20, 36.58),
    ("Golfo di Cagliari", 9.10, 9.60, 38.68, 39.05),
    ("La Galite", 8.45, 9.05, 37.60, 37.97),
    ("Biserta: approdi", 9.90, 10.40, 37.38, 37.75),
    ("Golfo di Napoli: Bocca di Capri", 13.85, 14.35, 40.12, 40.50),
    ("Palermo: approdi", 13.15, 13.65, 38.25, 38.60),
    ("Lampedusa", 12.00, 12.45, 35.05, 35.42),
    ("Capo Spartivento calabro", 16.00, 16.45, 37.45, 37.85),
]


def to_map(lon, lat):
    return round((lon - 5.2) * 622.449), round((41.7 - lat) * 693.0)


def load_bitmap(path):
    raw = open(path, "rb").read()
    offset = struct.unpack_from("<I", raw, 10)[0]
    width, height = struct.unpack_from("<ii", raw, 18)
    bpp = struct.unpack_from("<H", raw, 28)[0]
    if (width, height, bpp) != (W, H, 24):
        sys.exit("%s: expected a %dx%d 24-bit bitmap" % (path, W, H))
    row = (W * 3 + 3) // 4 * 4

    def colour(i, j):  # bottom-up rows, BGR
        o = offset + (H - 1 - j) * row + i * 3
        return raw[o + 2], raw[o + 1], raw[o]
    return colour


def main(data_dir, bitmap):
    colour = load_bitmap(bitmap)
    rects = []
    ok = True
    for n, (name, west, east, south, north) in enumerate(FIELDS, 1):
        x1, y1 = to_map(west, north)
        x2, y2 = to_map(east, south)
        land = sum(1 for j in range(y1 * H // MAP_H, y2 * H // MAP_H + 1)
                   for i in range(x1 * W // MAP_W, x2 * W // MAP_W + 1) if colour(i, j) != SEA)
        for m, (a1, a2, b1, b2) in enumerate(rects, 1):
            if x1 < a2 and a1 < x2 and y1 < b2 and b1 < y2:
                print("field %d overlaps field %d" % (n, m))
                ok = False
        if land:
            print("field %d (%s): %d land pixels" % (n, name, land))
            ok = False
        print("%2d %-36s x %5d..%5d  y %4d..%4d" % (n, name, x1, x2, y1, y2))
        rects.append((x1, x2, y1, y2))
    if not ok:
        sys.exit("mine fields rejected")
    for k, fname in enumerate(("Minex1.txt", "Minex2.txt", "Miney1.txt", "Miney2.txt")):
        with open("%s/%s" % (data_dir, fname), "wb") as f:
            f.write(b"".join(b"%d\r\n" % r[k] for r in rects))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
