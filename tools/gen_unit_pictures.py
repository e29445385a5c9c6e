#!/usr/bin/python3
"""Draw the placeholders of the unit pictures into data/Data/immagini.

  gen_unit_pictures.py [OUTDIR]      default: data/Data/immagini beside this script's folder

The unit card of the main window shows a ship class's picture from immagini/navi/<class>.bmp and
an aircraft type's from immagini/AEREI/<name>.bmp; a unit without a picture keeps the placeholder
nondisp.bmp of its folder, drawn here at the card's picture size (200 x 68).
Needs Python 3 with PIL (Debian: python3-pil).
"""
import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gen_icons import SS, canvas, finish, plane, s, ship, text  # noqa: E402

W, H = 200, 68


def placeholder(draw_unit):
    img, d = canvas(W, H)
    d.rectangle(s(0, 0, W - 1, H - 1), fill=(205, 215, 225, 255))
    draw_unit(d)
    text(d, (W / 2, 60), "IMMAGINE NON DISPONIBILE", 8, (70, 70, 80, 255))
    return finish(img, W, H).convert("RGB")


def ship_unit(d):
    d.rectangle(s(0, 44, W - 1, 50), fill=(150, 175, 200, 255))
    ship(d, 55, 46, 90, (120, 125, 135, 255))


def aircraft_unit(d):
    plane(d, W / 2, 25, 50, (120, 125, 135, 255))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "Data", "immagini")
    for folder, unit in (("navi", ship_unit), ("AEREI", aircraft_unit)):
        os.makedirs(os.path.join(out, folder), exist_ok=True)
        placeholder(unit).save(os.path.join(out, folder, "nondisp.bmp"), format="BMP")
    print("unit placeholders written to", os.path.normpath(out))


if __name__ == "__main__":
    main()
