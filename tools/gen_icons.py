#!/usr/bin/python3
"""Draw the main window's icons and pictures into data/Ico.

  gen_icons.py [OUTDIR]      default: data/Ico beside this script's folder

Weather and daylight icons (sole, luna, mare, vento, levels 0..3), the window's own icon, the level
icons of the base panel (star, porto, aerop 1..3, ok2), and the pictures of the main window's
graphical buttons and panel tools (Ico/FrmMain/*.png). Everything is drawn large
and scaled down, so the edges are smooth at the size the window shows.
The side flags (GB, US, IT, DE) come from gen_card_pictures.py; icon names are
matched without regard to case.
Needs Python 3 with PIL (Debian: python3-pil).
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

SS = 8  # supersampling factor
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def canvas(w, h, bg=(0, 0, 0, 0)):
    img = Image.new("RGBA", (w * SS, h * SS), bg)
    return img, ImageDraw.Draw(img)


def s(*v):
    """Design units (pixels of the final picture) to canvas units."""
    return [round(x * SS) for x in v]


def finish(img, w, h):
    return img.resize((w, h), Image.LANCZOS)


def save_ico(img, path):
    img.save(path, format="ICO", sizes=[img.size])


# ---------------------------------------------------------------- weather pieces

def sun(d, cx, cy, r, rays=True):
    if rays:
        for k in range(12):
            a = k * math.pi / 6
            d.line(s(cx + math.cos(a) * (r + 2), cy + math.sin(a) * (r + 2),
                     cx + math.cos(a) * (r + 6), cy + math.sin(a) * (r + 6)),
                   fill=(255, 190, 0, 255), width=SS * 2)
    d.ellipse(s(cx - r, cy - r, cx + r, cy + r), fill=(255, 215, 0, 255),
              outline=(220, 120, 0, 255), width=SS)


def moon(d, cx, cy, r, bg):
    d.ellipse(s(cx - r, cy - r, cx + r, cy + r), fill=(250, 245, 200, 255))
    d.ellipse(s(cx - r + 5, cy - r - 2, cx + r + 5, cy + r - 2), fill=bg)


def cloud(d, x, y, w, colour, outline):
    """A cloud w wide whose base line is at y, left end at x."""
    h = w * 0.55
    parts = [(x + w * 0.05, y - h * 0.55, x + w * 0.45, y),
             (x + w * 0.25, y - h, x + w * 0.7, y - h * 0.1),
             (x + w * 0.55, y - h * 0.7, x + w * 0.95, y)]
    for p in parts:
        d.ellipse(s(*p), fill=outline)
    for p in parts:
        d.ellipse(s(p[0] + 1, p[1] + 1, p[2] - 1, p[3] - 1), fill=colour)
    d.rectangle(s(x + w * 0.1, y - h * 0.3, x + w * 0.9, y - 1), fill=colour)


def rain(d, x0, x1, y, colour, n=5):
    step = (x1 - x0) / n
    for k in range(n):
        x = x0 + step * (k + 0.5)
        d.line(s(x, y, x - 2, y + 5), fill=colour, width=SS * 2)


def bolt(d, x, y):
    d.polygon(s(x, y, x + 5, y, x + 2, y + 5, x + 6, y + 5, x - 1, y + 13, x + 1, y + 7, x - 2, y + 7),
              fill=(255, 230, 0, 255), outline=(120, 80, 0, 255))


def day_icon(level):
    bg = (150, 205, 255, 255)
    img, d = canvas(32, 32)
    d.rounded_rectangle(s(0, 0, 31, 31), radius=4 * SS, fill=bg)
    if level == 0:
        sun(d, 16, 16, 8)
    elif level == 1:
        sun(d, 12, 12, 6)
        cloud(d, 10, 27, 20, (255, 255, 255, 255), (150, 150, 160, 255))
    elif level == 2:
        sun(d, 10, 10, 5, rays=True)
        cloud(d, 3, 22, 27, (215, 215, 220, 255), (110, 110, 120, 255))
        rain(d, 7, 27, 24, (40, 80, 200, 255), 4)
    else:
        d.rounded_rectangle(s(0, 0, 31, 31), radius=4 * SS, fill=(110, 120, 140, 255))
        cloud(d, 2, 19, 28, (90, 90, 100, 255), (40, 40, 50, 255))
        rain(d, 5, 29, 21, (170, 200, 255, 255), 6)
        bolt(d, 15, 17)
    return finish(img, 32, 32)


def night_icon(level):
    bg = (20, 30, 80, 255)
    img, d = canvas(32, 32)
    d.rounded_rectangle(s(0, 0, 31, 31), radius=4 * SS, fill=bg)
    for (x, y) in ((5, 6), (26, 5), (24, 14), (7, 24), (28, 26)):
        if level < 2 or y < 12:
            d.ellipse(s(x - 0.8, y - 0.8, x + 0.8, y + 0.8), fill=(255, 255, 220, 255))
    if level == 0:
        moon(d, 15, 16, 9, bg)
    elif level == 1:
        moon(d, 12, 12, 7, bg)
        cloud(d, 10, 28, 20, (150, 155, 175, 255), (70, 75, 100, 255))
    elif level == 2:
        moon(d, 10, 10, 6, bg)
        cloud(d, 3, 23, 27, (115, 120, 140, 255), (55, 60, 80, 255))
        rain(d, 7, 27, 25, (120, 160, 255, 255), 4)
    else:
        cloud(d, 2, 19, 28, (75, 78, 95, 255), (30, 30, 45, 255))
        rain(d, 5, 29, 21, (140, 170, 255, 255), 6)
        bolt(d, 15, 17)
    return finish(img, 32, 32)


def sea_icon(level):
    img, d = canvas(32, 32)
    d.rounded_rectangle(s(0, 0, 31, 31), radius=4 * SS, fill=(200, 230, 255, 255))
    d.rectangle(s(1, 14, 30, 30), fill=(30, 90, 170, 255))
    amp = [0.6, 2.0, 3.5, 5.5][level]
    rows = [17, 22, 27] if level < 3 else [15, 21, 27]
    for y0 in rows:
        pts = []
        for k in range(0, 61):
            x = 1 + k * 29 / 60
            pts += s(x, y0 - amp * math.sin(k / 60 * math.pi * (3 if level < 2 else 2.5)))
        d.line(pts, fill=(255, 255, 255, 255), width=SS * (1 if level == 0 else 2))
    if level >= 2:
        for x in (8, 20):
            d.polygon(s(x, 14 - amp, x + 4, 14 + 1, x - 3, 14 + 1), fill=(255, 255, 255, 255))
    if level == 3:
        for x, y in ((5, 9), (13, 6), (24, 8), (18, 11)):
            d.ellipse(s(x - 1.3, y - 1.3, x + 1.3, y + 1.3), fill=(255, 255, 255, 255))
    return finish(img, 32, 32)


def wind_icon(level):
    img, d = canvas(32, 32)
    d.rounded_rectangle(s(0, 0, 31, 31), radius=4 * SS, fill=(230, 240, 250, 255))
    # a wind sock on a pole; its lift grows with the wind
    d.line(s(5, 30, 5, 4), fill=(60, 60, 60, 255), width=SS * 2)
    droop = [16, 9, 3, 0][level]
    tip_x = 5 + [8, 20, 25, 26][level]
    tip_y = 6 + droop + 2
    d.polygon(s(5, 4, 5, 12, tip_x, tip_y + 2, tip_x, tip_y - 2), fill=(240, 90, 20, 255),
              outline=(120, 40, 0, 255))
    # bands of the sock
    for f in (0.33, 0.66):
        x = 5 + (tip_x - 5) * f
        ya = 4 + (tip_y - 2 - 4) * f
        yb = 12 + (tip_y + 2 - 12) * f
        d.line(s(x, ya, x, yb), fill=(255, 255, 255, 255), width=SS * 2)
    for k in range(level):
        y = 18 + k * 4
        d.line(s(10, y, 28, y), fill=(60, 120, 200, 255), width=SS * 2)
        d.arc(s(24, y - 4, 30, y), 270, 90, fill=(60, 120, 200, 255), width=SS * 2)
    return finish(img, 32, 32)


# ---------------------------------------------------------------- the window's icon

def ship(d, x, y, w, colour):
    """A warship silhouette w long, waterline at y, bow to the right."""
    u = w / 30
    d.polygon(s(x, y - 3 * u, x + 30 * u, y - 3 * u, x + 27 * u, y, x + 2 * u, y), fill=colour)
    d.rectangle(s(x + 9 * u, y - 7 * u, x + 19 * u, y - 3 * u), fill=colour)
    d.rectangle(s(x + 12 * u, y - 11 * u, x + 16 * u, y - 7 * u), fill=colour)
    d.line(s(x + 14 * u, y - 15 * u, x + 14 * u, y - 11 * u), fill=colour, width=max(SS, round(SS * u)))
    d.line(s(x + 19 * u, y - 5 * u, x + 25 * u, y - 6 * u), fill=colour, width=max(SS, round(SS * u)))
    d.line(s(x + 4 * u, y - 4.5 * u, x + 9 * u, y - 5.5 * u), fill=colour, width=max(SS, round(SS * u)))


def plane(d, cx, cy, w, colour):
    u = w / 20
    d.ellipse(s(cx - 10 * u, cy - 1.3 * u, cx + 10 * u, cy + 1.3 * u), fill=colour)
    d.polygon(s(cx - 2 * u, cy, cx + 2 * u, cy, cx - 1 * u, cy - 9 * u, cx - 4 * u, cy - 9 * u), fill=colour)
    d.polygon(s(cx - 2 * u, cy, cx + 2 * u, cy, cx - 1 * u, cy + 9 * u, cx - 4 * u, cy + 9 * u), fill=colour)
    d.polygon(s(cx - 9 * u, cy, cx - 7 * u, cy, cx - 8 * u, cy - 4 * u, cx - 10 * u, cy - 4 * u), fill=colour)
    d.polygon(s(cx - 9 * u, cy, cx - 7 * u, cy, cx - 8 * u, cy + 4 * u, cx - 10 * u, cy + 4 * u), fill=colour)


def window_icon():
    img, d = canvas(32, 32)
    d.ellipse(s(0.5, 0.5, 31.5, 31.5), fill=(30, 80, 150, 255), outline=(220, 190, 60, 255), width=SS * 2)
    d.chord(s(0.5, 0.5, 31.5, 31.5), 20, 160, fill=(20, 50, 110, 255))
    ship(d, 5, 22, 22, (235, 235, 235, 255))
    plane(d, 20, 9, 9, (255, 210, 60, 255))
    return finish(img, 32, 32)


# ---------------------------------------------------------------- pictures of the main window

def text(d, xy, t, size, colour, anchor="mm"):
    f = ImageFont.truetype(FONT, round(size * SS))
    d.text(s(*xy), t, font=f, fill=colour, anchor=anchor)


def pic_hour():
    """The hour button: a clock face with a forward arrow."""
    img, d = canvas(30, 30)
    d.ellipse(s(1, 1, 29, 29), fill=(255, 255, 240, 255), outline=(30, 30, 30, 255), width=SS * 2)
    for k in range(12):
        a = k * math.pi / 6
        r0 = 10.5 if k % 3 else 9
        d.line(s(15 + math.cos(a) * r0, 15 + math.sin(a) * r0, 15 + math.cos(a) * 12.5, 15 + math.sin(a) * 12.5),
               fill=(30, 30, 30, 255), width=SS)
    d.line(s(15, 15, 15, 6), fill=(30, 30, 30, 255), width=SS * 2)
    d.line(s(15, 15, 21, 15), fill=(30, 30, 30, 255), width=SS * 2)
    d.arc(s(6, 6, 24, 24), 200, 330, fill=(200, 30, 30, 255), width=SS * 2)
    d.polygon(s(22.5, 6.5, 24.5, 11.5, 19, 10.5), fill=(200, 30, 30, 255))
    return finish(img, 30, 30)


def pic_contacts():
    """The contact button: binoculars and crossed lines, with its word."""
    img, d = canvas(94, 22)
    d.rounded_rectangle(s(0, 0, 93, 21), radius=3 * SS, fill=(120, 20, 20, 255))
    for cx in (9, 19):
        d.ellipse(s(cx - 5, 8, cx + 5, 18), fill=(30, 30, 30, 255), outline=(230, 230, 230, 255), width=SS)
        d.ellipse(s(cx - 2.5, 10.5, cx + 2.5, 15.5), fill=(120, 180, 240, 255))
    d.rectangle(s(7, 3, 11, 9), fill=(30, 30, 30, 255))
    d.rectangle(s(17, 3, 21, 9), fill=(30, 30, 30, 255))
    d.rectangle(s(11, 5, 17, 8), fill=(30, 30, 30, 255))
    text(d, (58, 11), "CONTATTI", 9.5, (255, 240, 200, 255))
    return finish(img, 94, 22)


def pic_auto(kind):
    """The automatic-resolution boxes: 1 naval bombardment, 2 patrol, 3 air strike on a base."""
    img, d = canvas(30, 30)
    d.rounded_rectangle(s(0, 0, 29, 29), radius=3 * SS, fill=(190, 220, 250, 255))
    if kind == 1:
        ship(d, 2, 22, 16, (60, 60, 70, 255))
        d.line(s(17, 15, 27, 9), fill=(220, 30, 30, 255), width=SS * 2)
        d.rectangle(s(22, 20, 29, 29), fill=(150, 130, 90, 255))
        d.polygon(s(23, 24, 26, 17, 28, 24), fill=(255, 140, 0, 255))
    elif kind == 2:
        d.rectangle(s(0, 21, 29, 29), fill=(40, 100, 180, 255))
        ship(d, 5, 25, 20, (60, 60, 70, 255))
        plane(d, 15, 8, 13, (30, 30, 30, 255))
    else:
        d.rectangle(s(0, 22, 29, 29), fill=(150, 130, 90, 255))
        d.rectangle(s(6, 17, 22, 22), fill=(90, 90, 90, 255))
        plane(d, 15, 6, 12, (30, 30, 30, 255))
        d.ellipse(s(12, 11, 16, 17), fill=(200, 30, 30, 255))
    text(d, (25, 5), "A", 7, (200, 0, 0, 255))
    return finish(img, 30, 30)


def pic_menu():
    """The main-menu button: the two sides' colours with a compass rose."""
    img, d = canvas(100, 40)
    d.rounded_rectangle(s(0, 0, 99, 39), radius=5 * SS, fill=(30, 50, 90, 255))
    d.polygon(s(50, 3, 54, 20, 50, 37, 46, 20), fill=(240, 240, 240, 255))
    d.polygon(s(33, 20, 50, 16, 67, 20, 50, 24), fill=(240, 240, 240, 255))
    d.ellipse(s(47, 17, 53, 23), fill=(200, 30, 30, 255))
    d.rounded_rectangle(s(6, 9, 28, 31), radius=3 * SS, fill=(255, 255, 0, 255))
    d.rounded_rectangle(s(72, 9, 94, 31), radius=3 * SS, fill=(255, 0, 0, 255))
    text(d, (17, 20), "1", 12, (0, 0, 0, 255))
    text(d, (83, 20), "2", 12, (255, 255, 255, 255))
    return finish(img, 100, 40)


def tool(draw, size=24, bg=(235, 235, 225, 255)):
    img, d = canvas(size, size)
    d.rounded_rectangle(s(0, 0, size - 1, size - 1), radius=3 * SS, fill=bg, outline=(90, 90, 90, 255), width=SS)
    draw(d)
    return finish(img, size, size)


RED = (200, 30, 30, 255)
BLUE = (30, 70, 180, 255)
DARK = (40, 40, 50, 255)
GREEN = (20, 140, 40, 255)


def t_new_gn(d):
    ship(d, 2, 18, 16, DARK)
    d.rectangle(s(16, 4, 22, 6), fill=GREEN)
    d.rectangle(s(18, 2, 20, 8), fill=GREEN)


def t_merge_gn(d):
    ship(d, 1, 10, 11, RED)
    ship(d, 1, 21, 11, BLUE)
    d.line(s(14, 6, 19, 12, 14, 18), fill=DARK, width=SS * 2)
    d.line(s(19, 12, 23, 12), fill=DARK, width=SS * 2)


def t_text_file(d):
    d.polygon(s(5, 2, 15, 2, 19, 6, 19, 21, 5, 21), fill=(255, 255, 255, 255), outline=DARK)
    for y in (8, 11, 14, 17):
        d.line(s(7, y, 17, y), fill=BLUE, width=SS)
    text(d, (12, 4.5), "GN", 4.5, RED)


def t_scuttle(d):
    d.rectangle(s(1, 16, 22, 22), fill=(40, 100, 180, 255))
    d.polygon(s(4, 6, 17, 14, 14, 18, 2, 10), fill=DARK)
    d.line(s(12, 3, 20, 11), fill=RED, width=SS * 2)
    d.line(s(20, 3, 12, 11), fill=RED, width=SS * 2)


def t_assist(d):
    d.ellipse(s(3, 3, 20, 20), fill=(255, 255, 255, 255), outline=RED, width=SS * 3)
    d.rectangle(s(10, 6, 13, 17), fill=RED)
    d.rectangle(s(6, 10, 17, 13), fill=RED)


def crate(d, x, y, w):
    d.rectangle(s(x, y, x + w, y + w), fill=(190, 140, 70, 255), outline=(110, 70, 20, 255), width=SS)
    d.line(s(x, y, x + w, y + w), fill=(110, 70, 20, 255), width=SS)


def arrow(d, x0, y0, x1, y1, colour):
    d.line(s(x0, y0, x1, y1), fill=colour, width=SS * 2)
    a = math.atan2(y1 - y0, x1 - x0)
    p = [x1, y1, x1 - 4 * math.cos(a - 0.5), y1 - 4 * math.sin(a - 0.5),
         x1 - 4 * math.cos(a + 0.5), y1 - 4 * math.sin(a + 0.5)]
    d.polygon(s(*p), fill=colour)


def t_unload(d):
    crate(d, 12, 12, 8)
    arrow(d, 4, 4, 11, 11, RED)
    d.rectangle(s(2, 20, 21, 22), fill=DARK)


def t_load(d):
    crate(d, 3, 3, 8)
    arrow(d, 12, 12, 19, 19, GREEN)
    d.rectangle(s(2, 20, 21, 22), fill=DARK)


def t_refuel(d):
    d.rounded_rectangle(s(5, 6, 16, 21), radius=2 * SS, fill=RED)
    d.rectangle(s(7, 8, 14, 12), fill=(255, 255, 255, 255))
    d.line(s(16, 9, 19, 9, 19, 18), fill=DARK, width=SS * 2)
    d.rectangle(s(8, 3, 12, 6), fill=DARK)


def t_cancel(d):
    d.line(s(5, 5, 18, 18), fill=RED, width=SS * 3)
    d.line(s(18, 5, 5, 18), fill=RED, width=SS * 3)


def t_repair(d):
    d.line(s(5, 18, 15, 8), fill=DARK, width=SS * 3)
    d.ellipse(s(13, 3, 21, 11), fill=DARK)
    d.ellipse(s(16, 4, 20, 8), fill=(235, 235, 225, 255))
    d.polygon(s(16, 4, 21, 4, 21, 9), fill=(235, 235, 225, 255))


def t_irreparable(d):
    ship(d, 2, 16, 19, DARK)
    d.rectangle(s(1, 17, 22, 21), fill=(120, 120, 120, 255))
    d.line(s(3, 3, 20, 20), fill=RED, width=SS * 2)


def t_port(d):
    d.rectangle(s(1, 17, 22, 22), fill=(40, 100, 180, 255))
    d.rectangle(s(1, 12, 9, 17), fill=(150, 130, 90, 255))
    d.line(s(6, 12, 6, 3, 16, 3, 16, 9), fill=DARK, width=SS * 2)
    crate(d, 13, 9, 5)
    ship(d, 9, 19, 13, DARK)


def t_dock(d):
    d.rectangle(s(1, 13, 8, 22), fill=(150, 130, 90, 255))
    d.rectangle(s(8, 16, 22, 22), fill=(40, 100, 180, 255))
    ship(d, 9, 17, 13, DARK)
    arrow(d, 21, 7, 11, 7, GREEN)


def t_carrier(d):
    d.rectangle(s(1, 17, 22, 22), fill=(40, 100, 180, 255))
    d.polygon(s(2, 13, 22, 13, 20, 17, 4, 17), fill=DARK)
    d.rectangle(s(15, 9, 18, 13), fill=DARK)
    plane(d, 10, 6, 10, RED)


def t_base(d):
    d.rectangle(s(2, 15, 21, 21), fill=(150, 130, 90, 255))
    d.rectangle(s(5, 9, 11, 15), fill=(200, 80, 60, 255))
    d.polygon(s(4, 9, 8, 5, 12, 9), fill=DARK)
    d.rectangle(s(14, 7, 17, 15), fill=(120, 120, 120, 255))


def t_airfield(d):
    d.rectangle(s(1, 14, 22, 19), fill=(110, 110, 110, 255))
    for x in (4, 9, 14, 19):
        d.line(s(x, 16.5, x + 2, 16.5), fill=(255, 255, 255, 255), width=SS)
    plane(d, 12, 7, 12, DARK)


def t_radius(d):
    d.ellipse(s(3, 3, 20, 20), outline=RED, width=SS * 2)
    d.ellipse(s(7, 7, 16, 16), outline=GREEN, width=SS * 2)
    d.ellipse(s(10.5, 10.5, 12.5, 12.5), fill=DARK)


def t_contacts(d):
    d.ellipse(s(3, 3, 20, 20), outline=RED, width=SS * 2)
    d.line(s(11.5, 1, 11.5, 22), fill=DARK, width=SS)
    d.line(s(1, 11.5, 22, 11.5), fill=DARK, width=SS)
    d.ellipse(s(14, 6, 18, 10), fill=RED)


def t_activity(d):
    for k, c in enumerate((RED, (230, 120, 30, 255), (230, 200, 40, 255))):
        r = 9 - k * 3
        d.ellipse(s(11.5 - r, 11.5 - r, 11.5 + r, 11.5 + r), outline=c, width=SS * 2)


def t_seabed(d):
    for k, c in enumerate(((200, 230, 250, 255), (120, 170, 220, 255), (60, 110, 180, 255), (20, 50, 120, 255))):
        d.rectangle(s(1 + k * 5.3, 2, 6.3 + k * 5.3, 21), fill=c)
    d.ellipse(s(6, 6, 17, 17), outline=RED, width=SS)


def t_fire(d):
    d.polygon(s(11.5, 2, 17, 10, 18, 16, 15, 21, 8, 21, 5, 16, 6, 10, 9, 13), fill=(240, 90, 20, 255))
    d.polygon(s(11.5, 9, 14.5, 14, 14, 19, 9, 19, 8.5, 14), fill=(255, 220, 0, 255))


def t_weather_hide(d):
    d.polygon(s(4, 11.5, 18, 4, 18, 19), fill=BLUE)


def t_target(d):
    d.ellipse(s(3, 3, 20, 20), outline=RED, width=SS * 2)
    d.ellipse(s(8, 8, 15, 15), outline=RED, width=SS * 2)
    ship(d, 5, 14, 13, DARK)


def t_recon(d):
    for k in range(3):
        d.arc(s(3 + k * 3, 3 + k * 3, 20 - k * 3, 20 - k * 3), 200, 340, fill=BLUE, width=SS)
    plane(d, 11.5, 14, 12, DARK)


def t_placeholder():
    """The ship card's picture before a ship is chosen."""
    img, d = canvas(200, 68)
    d.rectangle(s(0, 0, 199, 67), fill=(200, 225, 245, 255))
    d.rectangle(s(0, 48, 199, 67), fill=(40, 100, 180, 255))
    ship(d, 30, 50, 140, (90, 95, 105, 255))
    return finish(img, 200, 68)


# ---------------------------------------------------------------- level icons of the base panel

def star(d, cx, cy, r, colour):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = r if k % 2 == 0 else r * 0.42
        pts += [cx + math.cos(a) * rr, cy + math.sin(a) * rr]
    d.polygon(s(*pts), fill=colour, outline=(120, 80, 0, 255))


def level_icon(draw, bg):
    img, d = canvas(32, 32)
    d.rounded_rectangle(s(0, 0, 31, 31), radius=4 * SS, fill=bg, outline=(90, 90, 90, 255), width=SS)
    draw(d)
    return finish(img, 32, 32)


def star_icon(n):
    """Base level: star3 for levels 1-2, star2 for 3-4, star1 for 5-6."""
    spots = {1: [(16, 16)], 2: [(10, 16), (22, 16)], 3: [(16, 9), (9, 22), (23, 22)]}[n]
    r = {1: 11, 2: 7, 3: 7}[n]
    return level_icon(lambda d: [star(d, x, y, r, (255, 210, 0, 255)) for x, y in spots], (30, 50, 90, 255))


def bars(d, n, colour):
    """n level bars at the foot of an icon."""
    for k in range(n):
        d.rectangle(s(4 + k * 9, 25, 11 + k * 9, 29), fill=colour)


def port_icon(n):
    """Port levels 1-2, 3-4 and 5-6: a quay with one, two or three cranes."""
    def draw(d):
        d.rectangle(s(1, 18, 30, 23), fill=(40, 100, 180, 255))
        d.rectangle(s(1, 13, 30, 18), fill=(150, 130, 90, 255))
        for k in range(n):
            x = 6 + k * 9
            d.line(s(x, 13, x, 3, x + 7, 3, x + 7, 7), fill=DARK, width=SS * 2)
        bars(d, n, (20, 140, 40, 255))
    return level_icon(draw, (225, 235, 245, 255))


def airfield_icon(n):
    """Airfield levels 1-2, 3-4 and 5-6: a runway with one, two or three aircraft."""
    def draw(d):
        d.rectangle(s(1, 17, 30, 22), fill=(110, 110, 110, 255))
        for x in (4, 11, 18, 25):
            d.line(s(x, 19.5, x + 3, 19.5), fill=(255, 255, 255, 255), width=SS)
        for k in range(n):
            plane(d, 16 + (k - (n - 1) / 2) * 9, 9, 8, DARK)
        bars(d, n, (20, 140, 40, 255))
    return level_icon(draw, (225, 235, 245, 255))


def ok_icon():
    """Port orders open: ships in port."""
    def draw(d):
        d.line(s(7, 16, 13, 23, 25, 8), fill=(20, 140, 40, 255), width=SS * 4)
    return level_icon(draw, (235, 245, 235, 255))


TOOLS = {
    "NuovoGN": t_new_gn,
    "UnisciGN": t_merge_gn,
    "FileGN": t_text_file,
    "Autoaffonda": t_scuttle,
    "Assistenza": t_assist,
    "Scarico": t_unload,
    "Carico": t_load,
    "Rifornimento": t_refuel,
    "Annulla": t_cancel,
    "Riparazione": t_repair,
    "Irreparabile": t_irreparable,
    "ManovrePortuali": t_port,
    "Attracca": t_dock,
    "Portaerei": t_carrier,
    "Base": t_base,
    "Aeroporto": t_airfield,
    "Raggio": t_radius,
    "VediContatti": t_contacts,
    "Attivita": t_activity,
    "Fondali": t_seabed,
    "Incendi": t_fire,
    "NascondiMeteo": t_weather_hide,
    "Bersaglio": t_target,
    "Ricognitori": t_recon,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "Ico")
    os.makedirs(out, exist_ok=True)
    pics = os.path.join(out, "FrmMain")
    os.makedirs(pics, exist_ok=True)
    for level in range(4):
        save_ico(day_icon(level), os.path.join(out, "sole%d.ico" % level))
        save_ico(night_icon(level), os.path.join(out, "luna%d.ico" % level))
        save_ico(sea_icon(level), os.path.join(out, "mare%d.ico" % level))
        save_ico(wind_icon(level), os.path.join(out, "vento%d.ico" % level))
    save_ico(window_icon(), os.path.join(out, "Zeltwar.ico"))
    for n in (1, 2, 3):
        save_ico(star_icon(n), os.path.join(out, "star%d.ico" % n))
        save_ico(port_icon(n), os.path.join(out, "porto%d.ico" % n))
        save_ico(airfield_icon(n), os.path.join(out, "aerop%d.ico" % n))
    save_ico(ok_icon(), os.path.join(out, "ok2.ico"))
    pic_hour().save(os.path.join(pics, "Ora.png"))
    pic_contacts().save(os.path.join(pics, "Contatti.png"))
    pic_auto(1).save(os.path.join(pics, "AutoBombNavale.png"))
    pic_auto(2).save(os.path.join(pics, "AutoPatrol.png"))
    pic_auto(3).save(os.path.join(pics, "AutoBombAereo.png"))
    pic_menu().save(os.path.join(pics, "MenuPrincipale.png"))
    t_placeholder().save(os.path.join(pics, "SchedaNave.png"))
    for name, fn in TOOLS.items():
        tool(fn).save(os.path.join(pics, name + ".png"))
    print("icons written to", os.path.normpath(out))


if __name__ == "__main__":
    main()
