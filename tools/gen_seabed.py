#!/usr/bin/python3
"""Draw the sea-bed maps ArchBmp/MedFondaliG.bmp (day) and MedFondaliN.bmp (night).

  gen_seabed.py [ARCHBMP]      default: data/ArchBmp beside this script's folder

They cover the same window as the day and night maps (2034 x 924 pixels, map units
0..15250 x 0..6930) and are built from them: land, coast and lakes keep the map's
colours, and the sea is shaded in bands.

No bathymetry is packaged for Debian, so the depth is a stand-in: the distance of each
sea pixel from the nearest coast (a chamfer distance transform), cut into five bands,
the lightest along the shore. It reads as "shallow near the coast, deep offshore",
which is all the map overlay needs; it is not a survey.
Needs Python 3 with PIL (Debian: python3-pil).
"""
import os
import sys

from PIL import Image

W, H = 2034, 924
MAPS = {
    # source map, sea colour of the source, output, band colours shallow -> deep
    "day": ("Med1colDay.Bmp", (120, 170, 220), "MedFondaliG.bmp",
            [(200, 232, 248), (160, 207, 238), (120, 170, 220), (78, 128, 190), (40, 82, 150)]),
    "night": ("med1colnight.bmp", (20, 30, 70), "MedFondaliN.bmp",
              [(70, 100, 150), (48, 72, 122), (32, 48, 96), (20, 30, 70), (10, 15, 42)]),
}
# Band limits in pixels from the coast (one pixel is about 1.1 km).
BANDS = [4, 10, 24, 50]
BIG = 1 << 30


def distance_from_coast(sea):
    """Chamfer 3-4 distance of every sea pixel from the nearest non-sea pixel, in pixels."""
    d = [0 if not sea[i] else BIG for i in range(W * H)]
    for y in range(H):
        row = y * W
        for x in range(W):
            i = row + x
            v = d[i]
            if v == 0:
                continue
            if x > 0 and d[i - 1] + 3 < v:
                v = d[i - 1] + 3
            if y > 0:
                j = i - W
                if d[j] + 3 < v:
                    v = d[j] + 3
                if x > 0 and d[j - 1] + 4 < v:
                    v = d[j - 1] + 4
                if x < W - 1 and d[j + 1] + 4 < v:
                    v = d[j + 1] + 4
            d[i] = v
    for y in range(H - 1, -1, -1):
        row = y * W
        for x in range(W - 1, -1, -1):
            i = row + x
            v = d[i]
            if v == 0:
                continue
            if x < W - 1 and d[i + 1] + 3 < v:
                v = d[i + 1] + 3
            if y < H - 1:
                j = i + W
                if d[j] + 3 < v:
                    v = d[j] + 3
                if x < W - 1 and d[j + 1] + 4 < v:
                    v = d[j + 1] + 4
                if x > 0 and d[j - 1] + 4 < v:
                    v = d[j - 1] + 4
            d[i] = v
    return [v / 3.0 for v in d]


def band(dist):
    for k, limit in enumerate(BANDS):
        if dist <= limit:
            return k
    return len(BANDS)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "ArchBmp")
    day = Image.open(os.path.join(folder, MAPS["day"][0])).convert("RGB")
    if day.size != (W, H):
        sys.exit("unexpected map size %s" % (day.size,))
    sea_colour = MAPS["day"][1]
    sea = [p == sea_colour for p in day.getdata()]
    bands = [band(v) for v in distance_from_coast(sea)]
    for src, src_sea, out, colours in MAPS.values():
        img = Image.open(os.path.join(folder, src)).convert("RGB")
        pixels = list(img.getdata())
        shaded = [colours[bands[i]] if pixels[i] == src_sea else pixels[i] for i in range(W * H)]
        res = Image.new("RGB", (W, H))
        res.putdata(shaded)
        res.save(os.path.join(folder, out), format="BMP")
        print("wrote", os.path.normpath(os.path.join(folder, out)))


if __name__ == "__main__":
    main()
