#!/usr/bin/env python3
"""Draw the pictures of the contact plot window (data/ArchBmp):

  bmp1.bmp        the plot's chart: grid and range rings around the attacked group
  patrolatt.bmp   aircraft on patrol attacking ships
  bombaereo.bmp   bombers over a port
  bombnavale.bmp  warships shelling a coast

All four fill the plot picture, 3375 x 2535 twips = 225 x 169 pixels. The chart's rings are
centred on the attacked group's box, (1610, 1260) to (1730, 1340) twips, and drawn at the
default scale (3.4 twips per map unit) every 100 map units.
Run with Debian's python3 (python3-pil).
"""
import math
import os

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "ArchBmp")
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

W, H = 225, 169
TWIP = 15
CX, CY = 1670 / TWIP, 1300 / TWIP  # the middle of the attacked group's box
SCALE = 3.4                          # twips per map unit at the default scale

SEA = (104, 146, 188)
GRID = (90, 128, 168)
RING = (196, 218, 238)
INK = (20, 30, 50)


def font(size):
    return ImageFont.truetype(FONT_BOLD, size)


def chart():
    img = Image.new("RGB", (W, H), SEA)
    d = ImageDraw.Draw(img)
    step = 50 * SCALE / TWIP  # a grid line every 50 map units
    k = 0
    while CX + k * step < W or CX - k * step > 0:
        for x in (CX + k * step, CX - k * step):
            d.line([(x, 0), (x, H)], fill=GRID)
        k += 1
    k = 0
    while CY + k * step < H or CY - k * step > 0:
        for y in (CY + k * step, CY - k * step):
            d.line([(0, y), (W, y)], fill=GRID)
        k += 1
    for units in (100, 200, 300):
        r = units * SCALE / TWIP
        # Dashed ring: short arcs every ten degrees.
        for a in range(0, 360, 10):
            d.arc([CX - r, CY - r, CX + r, CY + r], a, a + 6, fill=RING)
        d.text((CX + r * 0.72 + 2, CY - r * 0.72 - 9), str(units), font=font(7), fill=RING)
    d.line([(CX - 6, CY), (CX + 6, CY)], fill=RING)
    d.line([(CX, CY - 6), (CX, CY + 6)], fill=RING)
    # North mark in the top right corner.
    nx, ny = W - 14, 16
    d.polygon([(nx, ny - 10), (nx - 4, ny + 2), (nx + 4, ny + 2)], fill=RING)
    d.text((nx, ny + 8), "N", font=font(8), fill=RING, anchor="mm")
    return img


def sky_and_sea(horizon, sky_top, sky_bottom, sea_top, sea_bottom):
    img = Image.new("RGB", (W, H))
    d = ImageDraw.Draw(img)
    for y in range(H):
        if y < horizon:
            t = y / max(1, horizon - 1)
            c = tuple(int(a + (b - a) * t) for a, b in zip(sky_top, sky_bottom))
        else:
            t = (y - horizon) / max(1, H - horizon - 1)
            c = tuple(int(a + (b - a) * t) for a, b in zip(sea_top, sea_bottom))
        d.line([(0, y), (W, y)], fill=c)
    return img, d


def aircraft(d, x, y, size, angle, colour):
    """A plane seen from above-side: fuselage, wings and tail, pointing along `angle` degrees."""
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)
    px, py = -uy, ux

    def pt(f, s):
        return (x + ux * f * size + px * s * size, y + uy * f * size + py * s * size)

    d.polygon([pt(1.0, 0), pt(0.7, 0.12), pt(-0.9, 0.08), pt(-1.0, 0), pt(-0.9, -0.08), pt(0.7, -0.12)],
              fill=colour)
    d.polygon([pt(0.25, 0.1), pt(-0.1, 1.1), pt(-0.3, 1.1), pt(-0.15, 0.1)], fill=colour)
    d.polygon([pt(0.25, -0.1), pt(-0.1, -1.1), pt(-0.3, -1.1), pt(-0.15, -0.1)], fill=colour)
    d.polygon([pt(-0.7, 0.05), pt(-0.95, 0.45), pt(-1.05, 0.45), pt(-0.95, 0.05)], fill=colour)
    d.polygon([pt(-0.7, -0.05), pt(-0.95, -0.45), pt(-1.05, -0.45), pt(-0.95, -0.05)], fill=colour)


def warship(d, x, y, length, colour, facing=1):
    """A warship in profile with its bow toward `facing` (1 right, -1 left)."""
    h = length * 0.12
    bow = x + facing * length / 2
    stern = x - facing * length / 2
    d.polygon([(stern, y - h), (bow + facing * length * 0.06, y - h * 1.3), (bow - facing * length * 0.05, y),
               (stern + facing * length * 0.04, y)], fill=colour)
    d.rectangle([min(x - length * 0.12, x + length * 0.1), y - h * 2.4, max(x - length * 0.12, x + length * 0.1),
                 y - h], fill=colour)
    d.rectangle([x - length * 0.03, y - h * 3.4, x + length * 0.03, y - h * 2.4], fill=colour)
    for off in (0.28, -0.28):
        tx = x + facing * off * length
        d.rectangle([tx - length * 0.05, y - h * 1.8, tx + length * 0.05, y - h], fill=colour)
    return bow, y - h * 1.6


def splash(d, x, y, r, colour=(235, 240, 245)):
    d.polygon([(x - r, y), (x - r * 0.4, y - r * 2.2), (x, y - r * 0.9), (x + r * 0.4, y - r * 2.4), (x + r, y)],
              fill=colour)


def burst(d, x, y, r, inner=(255, 230, 90), outer=(230, 90, 20)):
    pts = []
    for k in range(16):
        rr = r if k % 2 == 0 else r * 0.5
        a = k * math.pi / 8
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    d.polygon(pts, fill=outer)
    d.ellipse([x - r * 0.35, y - r * 0.35, x + r * 0.35, y + r * 0.35], fill=inner)


def smoke(d, x, y, r):
    for k, (dx, dy) in enumerate(((0, 0), (r * 0.6, -r * 0.7), (r * 1.3, -r * 1.3))):
        g = 70 + k * 20
        rr = r * (1 + k * 0.3)
        d.ellipse([x + dx - rr, y + dy - rr, x + dx + rr, y + dy + rr], fill=(g, g, g))


def caption(d, text):
    f = font(10)
    d.rectangle([0, H - 16, W, H], fill=(20, 24, 32))
    d.text((W / 2, H - 8), text, font=f, fill=(240, 240, 240), anchor="mm")


def patrol_attack():
    img, d = sky_and_sea(70, (120, 170, 220), (200, 222, 238), (60, 100, 140), (24, 50, 80))
    warship(d, 80, 118, 90, (58, 62, 70))
    warship(d, 170, 100, 50, (70, 74, 82), facing=-1)
    splash(d, 120, 118, 5)
    splash(d, 52, 120, 4)
    burst(d, 92, 104, 8)
    smoke(d, 96, 92, 6)
    aircraft(d, 150, 40, 16, 150, (40, 44, 52))
    aircraft(d, 60, 28, 12, 30, (40, 44, 52))
    aircraft(d, 190, 58, 10, 170, (40, 44, 52))
    # Tracer lines of the strafing run.
    for k in range(3):
        d.line([(140 - k * 4, 48 + k * 2), (100 - k * 6, 100 + k * 3)], fill=(255, 210, 80))
    caption(d, "ATTACCO AEREO IN PATROL")
    return img


def air_strike():
    img, d = sky_and_sea(96, (70, 90, 120), (170, 170, 160), (70, 100, 130), (40, 64, 90))
    # The port: land strip, quays, buildings, a crane.
    d.polygon([(0, 96), (225, 96), (225, 128), (150, 128), (150, 112), (60, 112), (60, 132), (0, 132)],
              fill=(150, 134, 104))
    for bx, bw, bh in ((10, 18, 14), (32, 12, 20), (170, 22, 16), (198, 14, 24), (100, 20, 12)):
        d.rectangle([bx, 96 - bh, bx + bw, 96], fill=(96, 84, 72))
    d.line([(130, 96), (130, 66), (150, 70)], fill=(60, 60, 60), width=2)
    warship(d, 105, 128, 46, (58, 62, 70))
    for x, y in ((40, 92), (180, 90), (120, 108)):
        burst(d, x, y, 9)
        smoke(d, x + 2, y - 12, 6)
    for x, y, s in ((50, 26, 14), (95, 18, 14), (140, 30, 14), (185, 20, 12)):
        aircraft(d, x, y, s, 0, (30, 32, 38))
        for k in range(3):
            d.ellipse([x - 2, y + 12 + k * 9, x + 1, y + 16 + k * 9], fill=(20, 20, 20))
    caption(d, "BOMBARDAMENTO AEREO")
    return img


def naval_bombardment():
    img, d = sky_and_sea(84, (60, 70, 96), (190, 150, 110), (56, 84, 114), (26, 44, 70))
    # The coast on the left, with a fort and a harbour light.
    d.polygon([(0, 60), (30, 56), (60, 66), (84, 84), (0, 84)], fill=(120, 110, 88))
    d.rectangle([20, 44, 40, 58], fill=(90, 80, 70))
    d.rectangle([48, 52, 54, 66], fill=(200, 200, 190))
    burst(d, 30, 58, 10)
    smoke(d, 32, 44, 7)
    burst(d, 66, 76, 7)
    for x, y, length in ((150, 122, 96), (196, 104, 50)):
        bow, gun_y = warship(d, x, y, length, (50, 54, 62), facing=-1)
        flash_x = bow + length * 0.1
        burst(d, flash_x + 6, gun_y, 6, inner=(255, 255, 200), outer=(255, 170, 40))
        # Shell arc toward the coast.
        pts = [(flash_x - t * (flash_x - 34), gun_y - math.sin(t * math.pi) * 40 - t * (gun_y - 56))
               for t in [i / 12 for i in range(13)]]
        for a, b in zip(pts[::2], pts[1::2]):
            d.line([a, b], fill=(255, 220, 120))
    caption(d, "BOMBARDAMENTO NAVALE")
    return img


def main():
    os.makedirs(ROOT, exist_ok=True)
    for name, draw in (("bmp1.bmp", chart), ("patrolatt.bmp", patrol_attack), ("bombaereo.bmp", air_strike),
                       ("bombnavale.bmp", naval_bombardment)):
        draw().save(os.path.join(ROOT, name), "BMP")


if __name__ == "__main__":
    main()
