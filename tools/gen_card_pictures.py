#!/usr/bin/env python3
"""Draws the pictures of the unit-card generator: the nation flags (Ico/<code>.ico) and the start
window's background and editor pictures (ArchBmp/). The blank flag, Ico/kvz.ico, comes from
gen_start_pictures.py. Pure Python, so it runs on any Debian without extra packages. Run from the
repository root."""
import math
import struct
import sys
from pathlib import Path

ROOT = Path(sys.argv[1]) if len(sys.argv) > 1 else Path("data")


class Canvas:
    def __init__(self, w, h, colour=(255, 255, 255)):
        self.w, self.h = w, h
        self.px = [[colour for _ in range(w)] for _ in range(h)]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, int(y0)), min(self.h, int(math.ceil(y1)))):
            for x in range(max(0, int(x0)), min(self.w, int(math.ceil(x1)))):
                self.px[y][x] = c

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.px[y][x] = c

    def line(self, x0, y0, x1, y1, width, c):
        dx, dy = x1 - x0, y1 - y0
        ll = dx * dx + dy * dy
        for y in range(self.h):
            for x in range(self.w):
                px, py = x + 0.5, y + 0.5
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / ll)) if ll else 0.0
                qx, qy = x0 + t * dx, y0 + t * dy
                if (px - qx) ** 2 + (py - qy) ** 2 <= (width / 2) ** 2:
                    self.px[y][x] = c

    def polygon(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(max(0, int(min(ys))), min(self.h, int(math.ceil(max(ys))))):
            sy = y + 0.5
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya <= sy < yb) or (yb <= sy < ya):
                    xs.append(xa + (sy - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for x in range(max(0, int(round(a))), min(self.w, int(round(b)))):
                    self.px[y][x] = c

    def star(self, cx, cy, r, c):
        pts = []
        for i in range(10):
            a = -math.pi / 2 + i * math.pi / 5
            rr = r if i % 2 == 0 else r * 0.4
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        self.polygon(pts, c)

    def border(self, c):
        self.rect(0, 0, self.w, 1, c)
        self.rect(0, self.h - 1, self.w, self.h, c)
        self.rect(0, 0, 1, self.h, c)
        self.rect(self.w - 1, 0, self.w, self.h, c)


RED, WHITE, BLUE, GREEN = (200, 16, 46), (255, 255, 255), (1, 33, 105), (0, 140, 69)
BLACK, YELLOW, GREY = (0, 0, 0), (255, 215, 0), (128, 128, 128)


def union_jack(c, x0, y0, w, h):
    c.rect(x0, y0, x0 + w, y0 + h, BLUE)
    sub = Canvas(w, h, BLUE)
    sub.line(0, 0, w, h, h * 0.2, WHITE)
    sub.line(0, h, w, 0, h * 0.2, WHITE)
    sub.line(0, 0, w, h, h * 0.07, RED)
    sub.line(0, h, w, 0, h * 0.07, RED)
    sub.rect(w * 0.42, 0, w * 0.58, h, WHITE)
    sub.rect(0, h * 0.36, w, h * 0.64, WHITE)
    sub.rect(w * 0.45, 0, w * 0.55, h, RED)
    sub.rect(0, h * 0.41, w, h * 0.59, RED)
    for y in range(h):
        for x in range(w):
            if 0 <= y0 + y < c.h and 0 <= x0 + x < c.w:
                c.px[y0 + y][x0 + x] = sub.px[y][x]


def flag(code, n=32):
    c = Canvas(n, n, WHITE)
    top, bot = 6, n - 6  # a 3:2 flag in a square icon, transparent above and below
    h = bot - top
    if code == "IT":
        c.rect(0, top, n / 3, bot, GREEN)
        c.rect(n / 3, top, 2 * n / 3, bot, WHITE)
        c.rect(2 * n / 3, top, n, bot, RED)
        c.rect(n / 2 - 3, top + h / 2 - 4, n / 2 + 3, top + h / 2 + 4, BLUE)
        c.rect(n / 2 - 2, top + h / 2 - 3, n / 2 + 2, top + h / 2 + 3, RED)
        c.rect(n / 2 - 0.5, top + h / 2 - 3, n / 2 + 0.5, top + h / 2 + 3, WHITE)
        c.rect(n / 2 - 2, top + h / 2 - 0.5, n / 2 + 2, top + h / 2 + 0.5, WHITE)
    elif code == "DE":
        c.rect(0, top, n, bot, (220, 220, 220))
        m, y = n / 2, top + h / 2
        c.rect(m - 10, y - 3, m + 10, y + 3, WHITE)
        c.rect(m - 3, top + 1, m + 3, bot - 1, WHITE)
        c.rect(m - 9, y - 2, m + 9, y + 2, BLACK)
        c.rect(m - 2, top + 2, m + 2, bot - 2, BLACK)
    elif code == "GB":
        c.rect(0, top, n, bot, WHITE)
        c.rect(0, top + h * 0.4, n, top + h * 0.6, RED)
        c.rect(n * 0.44, top, n * 0.56, bot, RED)
        union_jack(c, 0, top, n // 2, h // 2)
    elif code == "RU":
        c.rect(0, top, n, bot, RED)
        c.star(7, top + 6, 4, YELLOW)
    elif code == "US":
        for i in range(13):
            c.rect(0, top + i * h / 13, n, top + (i + 1) * h / 13, RED if i % 2 == 0 else WHITE)
        c.rect(0, top, n * 0.45, top + h * 7 / 13, BLUE)
        for r in range(3):
            for k in range(4):
                c.rect(1.5 + k * 3.5, top + 1.5 + r * 3.5, 2.5 + k * 3.5, top + 2.5 + r * 3.5, WHITE)
    elif code == "JP":
        c.rect(0, top, n, bot, WHITE)
        cx, cy = n * 0.45, top + h / 2
        for i in range(16):
            if i % 2 == 0:
                a0, a1 = i * math.pi / 8, (i + 1) * math.pi / 8
                c.polygon([(cx, cy), (cx + 40 * math.cos(a0), cy + 40 * math.sin(a0)),
                           (cx + 40 * math.cos(a1), cy + 40 * math.sin(a1))], RED)
        c.rect(0, 0, n, top, WHITE)
        c.rect(0, bot, n, n, WHITE)
        c.disc(cx, cy, h * 0.3, RED)
    elif code == "AU":
        c.rect(0, top, n, bot, BLUE)
        union_jack(c, 0, top, n // 2, h // 2)
        c.star(8, top + h * 0.78, 3, WHITE)
        for x, y in ((24, top + 4), (20, top + 9), (27, top + 9), (24, top + 16)):
            c.star(x, y, 2, WHITE)
    elif code == "NL":
        c.rect(0, top, n, top + h / 3, (174, 28, 40))
        c.rect(0, top + h / 3, n, top + 2 * h / 3, WHITE)
        c.rect(0, top + 2 * h / 3, n, bot, (33, 70, 139))
    alpha = [[255 if top <= y < bot else 0 for x in range(n)] for y in range(n)]
    for x in range(n):
        c.px[top][x] = tuple(int(v * 0.7) for v in c.px[top][x])
        c.px[bot - 1][x] = tuple(int(v * 0.7) for v in c.px[bot - 1][x])
    return c, alpha


def write_ico(path, canvas, alpha):
    n = canvas.w
    rows = b""
    for y in range(n - 1, -1, -1):
        for x in range(n):
            r, g, b = canvas.px[y][x]
            rows += bytes((b, g, r, alpha[y][x]))
    mask = b"\x00" * (((n + 31) // 32) * 4 * n)
    dib = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(rows) + len(mask), 0, 0, 0, 0) + rows + mask
    head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(dib), 22)
    path.write_bytes(head + dib)


def write_bmp(path, canvas):
    w, h = canvas.w, canvas.h
    pad = (4 - (w * 3) % 4) % 4
    data = b""
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b = canvas.px[y][x]
            data += bytes((b, g, r))
        data += b"\x00" * pad
    head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    path.write_bytes(head + info + data)


def sea_background(w, h):
    c = Canvas(w, h)
    for y in range(h):
        t = y / h
        col = (int(20 + 30 * t), int(50 + 60 * t), int(90 + 70 * t)) if y < h * 0.55 else \
              (int(10 + 20 * t), int(40 + 40 * t), int(80 + 50 * t))
        for x in range(w):
            c.px[y][x] = col
    for i in range(40):  # light on the waves
        y = int(h * 0.58 + (i * 37) % int(h * 0.4))
        x = (i * 113) % w
        c.rect(x, y, x + 30, y + 1, (120, 150, 180))
    return c


def ship_picture(w=220, h=110):
    c = Canvas(w, h, (150, 185, 215))
    c.rect(0, h * 0.72, w, h, (40, 80, 130))
    hull = [(8, 70), (212, 70), (200, 84), (20, 84)]
    c.polygon(hull, (70, 75, 80))
    c.polygon([(60, 70), (160, 70), (150, 58), (70, 58)], (95, 100, 105))
    c.polygon([(100, 58), (130, 58), (125, 38), (105, 38)], (95, 100, 105))
    c.rect(112, 22, 116, 40, (60, 60, 60))
    c.polygon([(30, 66), (55, 66), (52, 60), (33, 60)], (85, 90, 95))
    c.line(52, 62, 20, 60, 3, (60, 60, 60))
    c.polygon([(165, 66), (190, 66), (187, 60), (168, 60)], (85, 90, 95))
    c.line(168, 62, 200, 60, 3, (60, 60, 60))
    c.rect(135, 44, 145, 58, (80, 80, 80))
    c.border(BLACK)
    return c


def aircraft_picture(w=220, h=110):
    c = Canvas(w, h, (160, 195, 225))
    c.polygon([(30, 52), (190, 50), (200, 55), (190, 60), (30, 58)], (90, 95, 70))  # fuselage
    c.polygon([(95, 54), (130, 54), (115, 10), (105, 10)], (80, 85, 60))  # upper wing
    c.polygon([(95, 56), (130, 56), (115, 100), (105, 100)], (80, 85, 60))  # lower wing
    c.polygon([(30, 54), (48, 54), (40, 35), (34, 35)], (80, 85, 60))
    c.polygon([(30, 56), (48, 56), (40, 75), (34, 75)], (80, 85, 60))
    c.rect(198, 44, 201, 66, (40, 40, 40))  # propeller
    c.disc(150, 53, 4, (140, 170, 190))
    c.border(BLACK)
    return c


def main():
    ico = ROOT / "Ico"
    bmp = ROOT / "ArchBmp"
    ico.mkdir(parents=True, exist_ok=True)
    bmp.mkdir(parents=True, exist_ok=True)
    for code in ("IT", "DE", "GB", "RU", "US", "JP", "AU", "NL"):
        c, a = flag(code)
        write_ico(ico / f"{code}.ico", c, a)
    write_bmp(bmp / "TorvcardSfondo.bmp", sea_background(640, 420))
    write_bmp(bmp / "TorvcardNavi.bmp", ship_picture())
    write_bmp(bmp / "TorvcardAerei.bmp", aircraft_picture())


if __name__ == "__main__":
    main()
