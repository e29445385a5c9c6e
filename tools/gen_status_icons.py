#!/usr/bin/python3
"""Draw the status icons of naval groups and ships into data/Ico.

  gen_status_icons.py [OUTDIR]      default: data/Ico beside this script's folder

The icons the naval panel, the ship cards and the supervisor editor show for a group's motion
(ancora, nogo, go, agguato, MANOVRA2), a ship's work in port (ripara, ripara1, cargoin, cargoout,
refuel), its state (inc1, inc2, ASSISTI, affonda, combat, patrol) and an active carrier (port3).
Drawn large and scaled down to 32 x 32. Needs Python 3 with PIL (Debian: python3-pil).
"""
import math
import os
import sys

from PIL import Image, ImageDraw

SS = 8
SIZE = 32

NAVY = (20, 40, 90, 255)
SEA = (60, 120, 200, 255)
GREY = (110, 115, 125, 255)
RED = (210, 30, 30, 255)
GREEN = (20, 150, 40, 255)
ORANGE = (245, 140, 0, 255)
YELLOW = (255, 215, 0, 255)
WHITE = (255, 255, 255, 255)
BROWN = (150, 95, 40, 255)


def s(*v):
    return [round(x * SS) for x in v]


def new():
    img = Image.new("RGBA", (SIZE * SS, SIZE * SS), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def save(img, folder, name):
    img = img.resize((SIZE, SIZE), Image.LANCZOS)
    img.save(os.path.join(folder, name), format="ICO", sizes=[(SIZE, SIZE)])


def hull(d, x, y, w, colour=GREY, tilt=0.0):
    """A ship seen from the side, bow right, its waterline at y."""
    pts = [(x, y - 5), (x + w, y - 5), (x + w - 4, y), (x + 3, y)]
    if tilt:
        cx, cy = x + w / 2, y
        c, sn = math.cos(tilt), math.sin(tilt)
        pts = [(cx + (px - cx) * c - (py - cy) * sn, cy + (px - cx) * sn + (py - cy) * c) for px, py in pts]
    d.polygon([tuple(s(*p)) for p in pts], fill=colour, outline=NAVY)
    if not tilt:
        d.rectangle(s(x + w * 0.35, y - 9, x + w * 0.6, y - 5), fill=colour, outline=NAVY, width=SS // 2)


def waves(d, y):
    for x0 in (2, 12, 22):
        d.arc(s(x0, y - 2, x0 + 8, y + 4), 200, 340, fill=SEA, width=SS * 2)


def arrow(d, x1, y1, x2, y2, colour, width=3):
    d.line(s(x1, y1, x2, y2), fill=colour, width=SS * width)
    a = math.atan2(y2 - y1, x2 - x1)
    head = [(x2 + math.cos(a) * 3, y2 + math.sin(a) * 3),
            (x2 + math.cos(a + 2.4) * 7, y2 + math.sin(a + 2.4) * 7),
            (x2 + math.cos(a - 2.4) * 7, y2 + math.sin(a - 2.4) * 7)]
    d.polygon([tuple(s(*p)) for p in head], fill=colour)


def flame(d, cx, base, h, w):
    outer = [(cx - w, base), (cx - w * 0.8, base - h * 0.5), (cx - w * 0.3, base - h * 0.35),
             (cx, base - h), (cx + w * 0.35, base - h * 0.45), (cx + w * 0.8, base - h * 0.6), (cx + w, base)]
    d.polygon([tuple(s(*p)) for p in outer], fill=ORANGE, outline=RED)
    inner = [(cx - w * 0.45, base), (cx, base - h * 0.55), (cx + w * 0.45, base)]
    d.polygon([tuple(s(*p)) for p in inner], fill=YELLOW)


def wrench(d, colour=GREY):
    d.line(s(8, 24, 21, 11), fill=colour, width=SS * 4)
    d.ellipse(s(17, 4, 28, 15), fill=colour)
    d.ellipse(s(21, 6, 26, 11), fill=(0, 0, 0, 0))
    d.polygon([tuple(s(*p)) for p in [(23, 4), (28, 4), (28, 9)]], fill=(0, 0, 0, 0))
    d.ellipse(s(5, 21, 11, 27), fill=colour)


def crate(d):
    d.rectangle(s(8, 14, 24, 28), fill=BROWN, outline=NAVY, width=SS)
    d.line(s(8, 21, 24, 21), fill=NAVY, width=SS)


def draw_all(folder):
    icons = {}

    img, d = new()  # at anchor in a friendly port
    d.ellipse(s(13, 3, 19, 9), outline=NAVY, width=SS * 2)
    d.line(s(16, 9, 16, 28), fill=NAVY, width=SS * 3)
    d.line(s(10, 13, 22, 13), fill=NAVY, width=SS * 3)
    d.arc(s(5, 14, 27, 30), 20, 160, fill=NAVY, width=SS * 3)
    icons["ancora.ico"] = img

    img, d = new()  # stopped at sea
    d.ellipse(s(3, 3, 29, 29), fill=WHITE, outline=RED, width=SS * 4)
    d.line(s(8, 16, 24, 16), fill=RED, width=SS * 5)
    icons["nogo.ico"] = img

    img, d = new()  # under way
    waves(d, 26)
    hull(d, 4, 22, 20)
    arrow(d, 6, 8, 24, 8, GREEN)
    icons["go.ico"] = img

    img, d = new()  # ambush: a periscope over the waves
    waves(d, 20)
    d.line(s(16, 19, 16, 7), fill=NAVY, width=SS * 3)
    d.line(s(16, 7, 21, 7), fill=NAVY, width=SS * 3)
    d.ellipse(s(20, 5, 24, 9), fill=RED)
    waves(d, 28)
    icons["agguato.ico"] = img

    img, d = new()  # manoeuvre
    d.arc(s(5, 6, 27, 28), 190, 80, fill=NAVY, width=SS * 3)
    arrow(d, 22, 26, 19, 28, NAVY, 2)
    hull(d, 9, 20, 14, GREY)
    icons["MANOVRA2.ico"] = img

    img, d = new()  # light repair
    wrench(d)
    icons["ripara.ico"] = img

    img, d = new()  # heavy repair
    wrench(d)
    d.rectangle(s(2, 2, 13, 13), fill=WHITE)
    d.line(s(7.5, 3, 7.5, 12), fill=RED, width=SS * 3)
    d.line(s(3, 7.5, 12, 7.5), fill=RED, width=SS * 3)
    icons["ripara1.ico"] = img

    img, d = new()  # loading
    crate(d)
    arrow(d, 16, 1, 16, 11, GREEN)
    icons["cargoin.ico"] = img

    img, d = new()  # unloading
    crate(d)
    arrow(d, 16, 12, 16, 2, ORANGE)
    icons["cargoout.ico"] = img

    img, d = new()  # refuelling: a drop of fuel
    d.polygon([tuple(s(*p)) for p in [(16, 3), (24, 17), (8, 17)]], fill=(30, 30, 30, 255))
    d.ellipse(s(8, 11, 24, 28), fill=(30, 30, 30, 255))
    d.ellipse(s(11, 15, 15, 20), fill=(140, 140, 140, 255))
    icons["refuel.ico"] = img

    img, d = new()  # fires aboard
    waves(d, 29)
    hull(d, 3, 26, 24)
    flame(d, 16, 17, 14, 7)
    icons["inc1.ico"] = img

    img, d = new()  # out of action, burning
    waves(d, 29)
    hull(d, 3, 26, 24, (70, 70, 75, 255))
    flame(d, 11, 18, 15, 6)
    flame(d, 21, 18, 12, 5)
    d.line(s(3, 3, 29, 29), fill=RED, width=SS * 2)
    icons["inc2.ico"] = img

    img, d = new()  # standing by to assist: a lifebuoy
    d.ellipse(s(3, 3, 29, 29), fill=WHITE, outline=RED, width=SS)
    d.ellipse(s(10, 10, 22, 22), fill=(0, 0, 0, 0), outline=RED, width=SS)
    for a in (45, 135, 225, 315):
        d.pieslice(s(3, 3, 29, 29), a - 18, a + 18, fill=RED)
    d.ellipse(s(10, 10, 22, 22), fill=(0, 0, 0, 0))
    icons["ASSISTI.ico"] = img

    img, d = new()  # scuttled or sinking
    hull(d, 6, 22, 20, GREY, tilt=0.55)
    d.rectangle(s(0, 21, 32, 32), fill=SEA)
    waves(d, 21)
    icons["affonda.ico"] = img

    img, d = new()  # in combat: crossed guns and a flash
    d.polygon([tuple(s(*p)) for p in [(16, 2), (19, 11), (29, 9), (21, 16), (28, 25), (17, 20), (12, 30),
                                       (12, 20), (3, 24), (10, 15), (3, 7), (13, 10)]], fill=YELLOW, outline=RED)
    icons["combat.ico"] = img

    img, d = new()  # combat air patrol over the group
    waves(d, 29)
    hull(d, 5, 26, 22)
    d.arc(s(3, 2, 29, 16), 180, 360, fill=NAVY, width=SS)
    d.polygon([tuple(s(*p)) for p in [(16, 3), (18, 8), (26, 9), (18, 11), (17, 15), (15, 15), (14, 11),
                                       (6, 9), (14, 8)]], fill=NAVY)
    icons["patrol.ico"] = img

    img, d = new()  # carrier active: a flat deck with an aircraft
    waves(d, 29)
    d.polygon([tuple(s(*p)) for p in [(2, 20), (30, 20), (27, 26), (5, 26)]], fill=GREY, outline=NAVY)
    d.rectangle(s(20, 14, 24, 20), fill=GREY, outline=NAVY, width=SS // 2)
    d.polygon([tuple(s(*p)) for p in [(9, 12), (11, 16), (17, 17), (11, 18), (10, 20), (8, 20), (8, 18),
                                       (2, 17), (8, 16)]], fill=GREEN)
    icons["port3.ico"] = img

    os.makedirs(folder, exist_ok=True)
    for name, img in icons.items():
        save(img, folder, name)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    draw_all(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "Ico"))
