#!/usr/bin/env python3
"""Draws the kind pictures of the set-up program: Ico/kvz0.ico (no kind chosen), Ico/nave.ico
(ships) and Ico/rico.ico (aircraft). Each is a 48-pixel round badge; a click on it opens the help
text. Pure Python; run from the repository root (or give the program folder as argument)."""
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from gen_card_pictures import Canvas, write_ico  # noqa: E402

ROOT = Path(sys.argv[1]) if len(sys.argv) > 1 else Path("data")
N = 48
NAVY, SEA, SKY = (20, 40, 90), (40, 90, 150), (170, 205, 235)
STEEL, DARK, WHITE = (95, 100, 108), (50, 52, 56), (250, 250, 250)


def badge(fill):
    c = Canvas(N, N, (0, 0, 0))
    alpha = [[0] * N for _ in range(N)]
    r = N / 2 - 0.5
    for y in range(N):
        for x in range(N):
            d = math.hypot(x + 0.5 - N / 2, y + 0.5 - N / 2)
            if d <= r:
                alpha[y][x] = 255
                c.px[y][x] = NAVY if d > r - 3 else fill
    return c, alpha


def clip(c, alpha):
    for y in range(N):
        for x in range(N):
            if not alpha[y][x]:
                c.px[y][x] = (0, 0, 0)


def blank():
    """An anchor: the program's own badge while no kind is chosen."""
    c, a = badge(SKY)
    c.disc(24, 11, 3.5, NAVY)
    c.disc(24, 11, 1.6, SKY)
    c.rect(22.5, 14, 25.5, 37, NAVY)
    c.rect(16, 17, 32, 20, NAVY)
    for dx in (-1, 1):
        c.line(24, 37, 24 + dx * 11, 29, 3, NAVY)
        c.polygon([(24 + dx * 11, 25), (24 + dx * 14, 31), (24 + dx * 8, 30)], NAVY)
    clip(c, a)
    return c, a


def ship():
    c, a = badge(SKY)
    c.rect(0, 30, N, N, SEA)
    c.polygon([(6, 29), (42, 29), (38, 35), (10, 35)], DARK)
    c.polygon([(14, 29), (34, 29), (32, 24), (16, 24)], STEEL)
    c.polygon([(20, 24), (28, 24), (27, 17), (21, 17)], STEEL)
    c.rect(23.5, 9, 24.5, 17, DARK)
    c.rect(29, 20, 32, 24, DARK)
    c.line(14, 26, 7, 25, 1.5, DARK)
    c.line(34, 26, 41, 25, 1.5, DARK)
    c.rect(0, 36, N, 37, WHITE)
    clip(c, a)
    return c, a


def aircraft():
    c, a = badge(SKY)
    c.polygon([(24, 6), (26, 10), (26, 40), (24, 43), (22, 40), (22, 10)], STEEL)  # fuselage
    c.polygon([(22, 18), (26, 18), (44, 24), (44, 27), (26, 25), (22, 25), (4, 27), (4, 24)], STEEL)
    c.polygon([(22, 37), (26, 37), (33, 41), (33, 43), (24, 41), (15, 43), (15, 41)], STEEL)
    c.disc(24, 15, 1.5, (120, 170, 210))
    for x in (13, 35):
        c.disc(x, 24, 2.5, WHITE)
        c.disc(x, 24, 1.2, (200, 30, 40))
    clip(c, a)
    return c, a


def main():
    ico = ROOT / "Ico"
    ico.mkdir(parents=True, exist_ok=True)
    for name, draw in (("kvz0", blank), ("nave", ship), ("rico", aircraft)):
        c, a = draw()
        write_ico(ico / f"{name}.ico", c, a)


if __name__ == "__main__":
    main()
