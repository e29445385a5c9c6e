#!/usr/bin/env python3
"""Draw the start window's background (data/ArchBmp/Avvio.bmp) and the neutral emblem shown on
the ship panel when a ship has no picture (data/Ico/kvz.ico).

The background is an old sea chart: the day map recoloured in chart tones, a graticule every two
degrees, a compass rose and the title. Run with Debian's python3 (python3-pil).
"""
import math
import os

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

W, H = 600, 420            # the window's client area in pixels (9000 x 6300 twips)
MAP_LEFT, MAP_TOP = 12, 98
MAP_W, MAP_H = 576, 262    # the map keeps its proportions (2034 x 924)
LON0, LON1, LAT0, LAT1 = 5.2, 29.708, 41.7, 31.7

PAPER = (236, 226, 198)
SEA = (196, 214, 214)
LAND = (222, 204, 160)
COAST = (120, 96, 64)
INK = (70, 52, 34)
GRID = (150, 160, 160)


def chart_map():
    day = Image.open(os.path.join(ROOT, "ArchBmp", "Med1colDay.Bmp")).convert("RGB")
    sea = day.getpixel((int(12210 * day.width / 15250), int(990 * day.height / 6930)))
    mask = Image.new("L", day.size)
    mask.putdata([255 if p == sea else 0 for p in day.getdata()])
    small = mask.resize((MAP_W, MAP_H), Image.NEAREST)
    out = Image.new("RGB", (MAP_W, MAP_H), LAND)
    out.paste(SEA, (0, 0), small)
    # Coastline: land pixels next to sea.
    px, sm = out.load(), small.load()
    for y in range(MAP_H):
        for x in range(MAP_W):
            if sm[x, y] == 0 and any(
                0 <= x + dx < MAP_W and 0 <= y + dy < MAP_H and sm[x + dx, y + dy] == 255
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
            ):
                px[x, y] = COAST
    return out


def graticule(draw):
    for lon in range(6, 30, 2):
        x = MAP_LEFT + (lon - LON0) / (LON1 - LON0) * MAP_W
        draw.line([(x, MAP_TOP), (x, MAP_TOP + MAP_H)], fill=GRID)
    for lat in range(32, 42, 2):
        y = MAP_TOP + (LAT0 - lat) / (LAT0 - LAT1) * MAP_H
        draw.line([(MAP_LEFT, y), (MAP_LEFT + MAP_W, y)], fill=GRID)


def compass(draw, cx, cy, r):
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], outline=INK)
    draw.ellipse([cx - r * 0.82, cy - r * 0.82, cx + r * 0.82, cy + r * 0.82], outline=INK)
    for k in range(8):
        a = k * math.pi / 4
        long = k % 2 == 0
        tip = r * (0.95 if long else 0.6)
        side = r * 0.14
        p_tip = (cx + tip * math.sin(a), cy - tip * math.cos(a))
        p_l = (cx + side * math.sin(a - math.pi / 2), cy - side * math.cos(a - math.pi / 2))
        p_r = (cx + side * math.sin(a + math.pi / 2), cy - side * math.cos(a + math.pi / 2))
        draw.polygon([p_tip, p_l, (cx, cy)], fill=INK)
        draw.polygon([p_tip, p_r, (cx, cy)], fill=PAPER, outline=INK)
    f = ImageFont.truetype(FONT_BOLD, 11)
    draw.text((cx, cy - r - 8), "N", font=f, fill=INK, anchor="mm")


def background():
    img = Image.new("RGB", (W, H), PAPER)
    img.paste(chart_map(), (MAP_LEFT, MAP_TOP))
    d = ImageDraw.Draw(img)
    graticule(d)
    d.rectangle([MAP_LEFT - 1, MAP_TOP - 1, MAP_LEFT + MAP_W, MAP_TOP + MAP_H], outline=INK)
    d.rectangle([4, 4, W - 5, H - 5], outline=INK)
    d.rectangle([7, 7, W - 8, H - 8], outline=INK)
    title = ImageFont.truetype(FONT_BOLD, 26)
    sub = ImageFont.truetype(FONT, 13)
    d.text((W // 2 + 20, 38), "MEDITERRANEO 1940 - 1942", font=title, fill=INK, anchor="mm")
    d.text((W // 2 + 20, 70), "La guerra aeronavale nel Mediterraneo centrale", font=sub, fill=INK, anchor="mm")
    compass(d, MAP_LEFT + MAP_W - 56, MAP_TOP + MAP_H - 56, 34)
    return img


def emblem(size=256):
    """An anchor in a ring, in grey blue on a transparent ground."""
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    s = size / 64.0
    blue = (52, 72, 104, 255)
    light = (214, 222, 232, 255)
    d.ellipse([2 * s, 2 * s, 62 * s, 62 * s], fill=light, outline=blue, width=int(3 * s))
    w = int(3.2 * s)
    d.line([(32 * s, 16 * s), (32 * s, 50 * s)], fill=blue, width=w)            # shank
    d.line([(22 * s, 22 * s), (42 * s, 22 * s)], fill=blue, width=w)            # stock
    d.ellipse([28 * s, 9 * s, 36 * s, 17 * s], outline=blue, width=int(2.4 * s))  # ring
    d.arc([17 * s, 30 * s, 47 * s, 52 * s], 20, 160, fill=blue, width=w)      # arms
    for x, out in ((17.9, -1), (46.1, 1)):                                     # flukes
        d.polygon([((x + out * 2) * s, 36 * s), ((x - 3.5) * s, 45.5 * s), ((x + 3.5) * s, 45.5 * s)], fill=blue)
    return img


def main():
    background().save(os.path.join(ROOT, "ArchBmp", "Avvio.bmp"))
    big = emblem()
    big.save(os.path.join(ROOT, "Ico", "kvz.ico"), sizes=[(16, 16), (32, 32), (48, 48)])


if __name__ == "__main__":
    main()
