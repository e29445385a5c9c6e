#!/usr/bin/env python3
"""Build the day and night map bitmaps from a raw land mask, and check them.

  gen_maps.py build  MASK.raw OUTDIR   mask: 2034x924 bytes, top row first,
                                       0 = sea, 1 = land, 2 = lake
  gen_maps.py verify OUTDIR
"""
import sys
from PIL import Image

W, H = 2034, 924
MAP_W, MAP_H = 15250, 6930          # game map units covered by the bitmap

DAY_NAME = "Med1colDay.Bmp"
NIGHT_NAME = "med1colnight.bmp"

# Sea must be a single exact colour: the game tests land/sea by pixel colour.
PALETTES = {
    DAY_NAME: {
        "sea":   (120, 170, 220),
        "land":  (196, 190, 138),
        "coast": (112, 98, 70),
        "lake":  (165, 205, 235),
    },
    NIGHT_NAME: {
        "sea":   (20, 30, 70),
        "land":  (66, 60, 52),
        "coast": (105, 96, 82),
        "lake":  (45, 62, 105),
    },
}

SEA, LAND, LAKE, COAST = 0, 1, 2, 3


def classify(mask):
    """Mark land pixels with a sea pixel as 4-neighbour as coast."""
    out = bytearray(mask)
    for y in range(H):
        row = y * W
        for x in range(W):
            i = row + x
            if mask[i] != LAND:
                continue
            if ((x > 0 and mask[i - 1] == SEA) or
                    (x < W - 1 and mask[i + 1] == SEA) or
                    (y > 0 and mask[i - W] == SEA) or
                    (y < H - 1 and mask[i + W] == SEA)):
                out[i] = COAST
    return out


def build(mask_path, outdir):
    mask = open(mask_path, "rb").read()
    if len(mask) != W * H:
        sys.exit("mask size %d, expected %d" % (len(mask), W * H))
    if max(mask) > LAKE:
        sys.exit("unexpected mask value %d" % max(mask))
    cls = classify(mask)
    for name, pal in PALETTES.items():
        lut = [pal["sea"], pal["land"], pal["lake"], pal["coast"]]
        data = b"".join(bytes(lut[c]) for c in range(4))
        rgb = bytearray(W * H * 3)
        for i, c in enumerate(cls):
            rgb[3 * i:3 * i + 3] = data[3 * c:3 * c + 3]
        img = Image.frombytes("RGB", (W, H), bytes(rgb))
        img.save("%s/%s" % (outdir, name), format="BMP")   # 24-bit, uncompressed
        print("wrote %s/%s" % (outdir, name))


def to_px(x, y):
    return int(x * W / MAP_W), int(y * H / MAP_H)


def lonlat_to_map(lon, lat):
    return (lon - 5.2) * 622.449, (41.7 - lat) * 693.0


def verify(outdir):
    ok = True
    for name, pal in PALETTES.items():
        path = "%s/%s" % (outdir, name)
        raw = open(path, "rb").read(54)
        bpp = int.from_bytes(raw[28:30], "little")
        comp = int.from_bytes(raw[30:34], "little")
        hdr = int.from_bytes(raw[14:18], "little")
        img = Image.open(path)
        px = img.load()
        sea = pal["sea"]
        print("%s: %dx%d, %d bpp, compression %d, header %d" %
              (name, img.width, img.height, bpp, comp, hdr))
        if (img.width, img.height) != (W, H) or bpp != 24 or comp != 0 or raw[:2] != b"BM":
            print("  FAIL: bad format")
            ok = False
        print("  sea colour RGB %s, BGR value %d (0x%06X)" %
              (sea, sea[0] + sea[1] * 256 + sea[2] * 65536,
               sea[0] + sea[1] * 256 + sea[2] * 65536))

        def is_sea(x, y):
            return px[to_px(x, y)] == sea

        def check(label, want_sea, x, y):
            nonlocal ok
            got = is_sea(x, y)
            res = "ok" if got == want_sea else "FAIL"
            if got != want_sea:
                ok = False
            print("  %-28s (%5d,%5d) px %s: %s [%s]" %
                  (label, x, y, to_px(x, y), "sea" if got else "land", res))

        check("north Aegean point", True, 12210, 990)
        for label, lon, lat in (("Sicily 14.0E 37.5N", 14.0, 37.5),
                                ("Crete 24.9E 35.2N", 24.9, 35.2),
                                ("Malta 14.42E 35.89N", 14.42, 35.89),
                                ("Pantelleria 11.98E 36.79N", 11.98, 36.79),
                                ("Lampedusa 12.58E 35.51N", 12.58, 35.51),
                                ("Rhodes 28.05E 36.2N", 28.05, 36.2)):
            x, y = lonlat_to_map(lon, lat)
            check(label, False, int(x), int(y))

        for label, x0, x1, y0, y1 in (("west entry band", 5, 160, 1801, 3300),
                                      ("east entry band", 15000, 15150, 4551, 5950)):
            p0, p1 = to_px(x0, y0), to_px(x1, y1)
            bad = [(i, j) for j in range(p0[1], p1[1] + 1)
                   for i in range(p0[0], p1[0] + 1) if px[i, j] != sea]
            n = (p1[0] - p0[0] + 1) * (p1[1] - p0[1] + 1)
            if bad:
                ok = False
                print("  %s px %s..%s: %d of %d pixels NOT sea: %s [FAIL]" %
                      (label, p0, p1, len(bad), n, bad[:40]))
            else:
                print("  %s px %s..%s: all %d pixels sea [ok]" % (label, p0, p1, n))

        colours = img.getcolors(16)
        print("  colours used: %s" % sorted(colours, reverse=True))
    print("verification %s" % ("passed" if ok else "FAILED"))
    return ok


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "build":
        build(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == "verify":
        sys.exit(0 if verify(sys.argv[2]) else 1)
    else:
        sys.exit(__doc__)
