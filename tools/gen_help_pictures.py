#!/usr/bin/python3
"""Render the game's help pages into the help pictures of data/ArchBmp.

  gen_help_pictures.py [OUTDIR]      default: data/ArchBmp beside this script's folder

Each page is a text file of tools/help/ named after its picture (image3.txt gives
image3.bmp). The main window shows a picture 761 x 553 pixels at its own size, so
the pages are drawn at that size, in two columns.

Page markup, one element a line:
  = Title                the page's title bar (first line)
  == Heading             a section heading
  - text                 a bullet
  > Icon.png | text      a tool picture of the main window (data/Ico/FrmMain) and its meaning
  * symbol | text        a map symbol drawn here (see SYMBOLS) and its meaning
  @ diagram              a drawn figure (see DIAGRAMS)
  |||                    go on in the next column
  % 500 215              column widths in pixels (second line; two equal columns else)
  other lines            running text; an empty line ends a paragraph
Words between two ~ are printed bold.

Needs Python 3 with PIL (Debian: python3-pil) and the DejaVu fonts (fonts-dejavu-core).
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
PAGES = os.path.join(HERE, "help")
ICONS = os.path.join(ROOT, "data", "Ico", "FrmMain")
MAP = os.path.join(ROOT, "data", "ArchBmp", "Med1colDay.Bmp")

W, H = 761, 553
MARGIN = 14
GAP = 18
TITLE_H = 34
COLUMNS = 2
COL_W = (W - 2 * MARGIN - GAP * (COLUMNS - 1)) // COLUMNS
TOP = TITLE_H + 10
BOTTOM = H - 10

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
TEXT = ImageFont.truetype(FONT_DIR + "DejaVuSans.ttf", 12)
BOLD = ImageFont.truetype(FONT_DIR + "DejaVuSans-Bold.ttf", 12)
HEAD = ImageFont.truetype(FONT_DIR + "DejaVuSans-Bold.ttf", 13)
TITLE = ImageFont.truetype(FONT_DIR + "DejaVuSans-Bold.ttf", 17)
SMALL = ImageFont.truetype(FONT_DIR + "DejaVuSans.ttf", 10)
SMALL_BOLD = ImageFont.truetype(FONT_DIR + "DejaVuSans-Bold.ttf", 10)
LINE = 15

PAPER = (250, 247, 236)
INK = (25, 25, 30)
HEADING = (140, 25, 20)
TITLE_BG = (28, 44, 82)
TITLE_FG = (255, 255, 255)
SEA = (120, 170, 220)
YELLOW = (255, 255, 0)
RED = (255, 0, 0)
BLUE = (0, 0, 255)
GREEN = (0, 255, 0)
CYAN = (0, 255, 255)
MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


# ---------------------------------------------------------------- text


def words_of(text):
    """Words, each a list of (text, bold) runs; ~...~ marks bold text."""
    words = []
    bold = False
    glued = False  # the next run continues the last word
    for i, part in enumerate(text.split("~")):
        if i > 0:
            bold = not bold
        if not part:
            continue
        pieces = part.split(" ")
        for j, p in enumerate(pieces):
            if p:
                if j == 0 and glued and words:
                    words[-1].append((p, bold))
                else:
                    words.append([(p, bold)])
        glued = not part.endswith(" ")
    return words


def word_length(word):
    return sum((BOLD if b else TEXT).getlength(t) for t, b in word)


def wrap(text, width):
    """Lines of words that fit the width."""
    lines, line, used = [], [], 0
    space = TEXT.getlength(" ")
    for w in words_of(text):
        wl = word_length(w)
        extra = wl + (space if line else 0)
        if line and used + extra > width:
            lines.append(line)
            line, used = [], 0
            extra = wl
        line.append(w)
        used += extra
    if line:
        lines.append(line)
    return lines


def draw_line(d, x, y, line, colour=INK):
    space = TEXT.getlength(" ")
    for w in line:
        for t, b in w:
            f = BOLD if b else TEXT
            d.text((x, y), t, font=f, fill=colour)
            x += f.getlength(t)
        x += space


# ---------------------------------------------------------------- map symbols (30 x 22 boxes)


def sea(d, x, y, w=30, h=22):
    d.rectangle((x, y, x + w - 1, y + h - 1), fill=SEA, outline=(90, 120, 160))


def sym_gn_alle(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 6, y + 6, x + 22, y + 16), fill=YELLOW)


def sym_gn_asse(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 6, y + 6, x + 22, y + 16), fill=RED)


def sym_gn_nemico(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 5, y + 5, x + 23, y + 17), outline=BLACK)
    d.text((x + 9, y + 6), "7", font=SMALL_BOLD, fill=BLACK)


def sym_numero(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 3, y + 5, x + 26, y + 17), fill=YELLOW)
    d.text((x + 5, y + 5), "12", font=SMALL_BOLD, fill=WHITE)


def sym_mine_gn(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 1, y + 5, x + 28, y + 17), fill=RED)
    d.text((x + 2, y + 5), "3[m]", font=SMALL_BOLD, fill=WHITE)


def sym_flotta(d, x, y):
    sea(d, x, y)
    d.text((x + 6, y + 3), "|~", font=BOLD, fill=YELLOW)


def sym_portaerei(d, x, y):
    sea(d, x, y)
    d.text((x + 6, y + 3), "|>", font=BOLD, fill=YELLOW)


def sym_base_asse(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 8, y + 4, x + 21, y + 17), outline=RED)


def sym_base_alle(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 8, y + 4, x + 21, y + 17), outline=YELLOW)


def sym_base_scelta(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 8, y + 4, x + 21, y + 17), outline=GREEN)


def sym_rotta(d, x, y):
    sea(d, x, y)
    for k in range(3):
        d.rectangle((x + 2 + k * 9, y + 8, x + 8 + k * 9, y + 13), outline=WHITE)


def sym_agguato(d, x, y):
    sea(d, x, y)
    for r in (3, 6, 9):
        d.ellipse((x + 15 - r, y + 11 - r, x + 15 + r, y + 11 + r), outline=CYAN)


def sym_attivita(d, x, y):
    sea(d, x, y)
    d.ellipse((x + 5, y + 1, x + 25, y + 21), outline=RED)
    d.ellipse((x + 8, y + 4, x + 22, y + 18), outline=BLUE)
    d.ellipse((x + 10, y + 6, x + 20, y + 16), outline=BLUE)


def sym_ora(d, x, y):
    sea(d, x, y)
    for r, c in ((10, WHITE), (9, RED), (8, WHITE)):
        d.ellipse((x + 15 - r, y + 11 - r, x + 15 + r, y + 11 + r), outline=c)
    d.ellipse((x + 11, y + 7, x + 19, y + 15), outline=CYAN)


def sym_raggio(d, x, y):
    sea(d, x, y)
    d.ellipse((x + 3, y + 1, x + 27, y + 21), outline=RED)
    d.ellipse((x + 9, y + 6, x + 21, y + 16), outline=GREEN)


def sym_base_radius(d, x, y):
    sea(d, x, y)
    d.ellipse((x + 2, y + 1, x + 22, y + 21), outline=RED)
    d.rectangle((x + 10, y + 9, x + 14, y + 13), outline=RED)


def sym_campo_minato(d, x, y):
    sea(d, x, y)
    d.rectangle((x + 3, y + 3, x + 26, y + 18), outline=BLUE)
    d.text((x + 6, y + 4), "12", font=SMALL_BOLD, fill=BLUE)


def sym_bersaglio(d, x, y):
    sea(d, x, y)
    d.line((x + 2, y + 19, x + 18, y + 9), fill=WHITE)
    d.ellipse((x + 12, y + 3, x + 28, y + 19), outline=YELLOW)


def status(colour, w=8, h=20):
    def f(d, x, y):
        d.rectangle((x, y, x + 29, y + 21), fill=(230, 226, 212))
        d.rectangle((x + 15 - w // 2, y + 11 - h // 2, x + 15 + w // 2, y + 11 + h // 2), fill=colour,
                    outline=(80, 80, 80))
    return f


def sym_navi_mine(d, x, y):
    d.rectangle((x + 4, y, x + 25, y + 21), fill=CYAN, outline=(80, 80, 80))
    d.text((x + 6, y + 1), "NAVI", font=SMALL, fill=BLACK)
    d.text((x + 6, y + 10), "MINE", font=SMALL, fill=BLACK)


SYMBOLS = {
    "gn-alle": sym_gn_alle, "gn-asse": sym_gn_asse, "gn-nemico": sym_gn_nemico, "numero": sym_numero,
    "mine-gn": sym_mine_gn, "flotta": sym_flotta, "portaerei": sym_portaerei, "base-asse": sym_base_asse,
    "base-alle": sym_base_alle, "base-scelta": sym_base_scelta, "rotta": sym_rotta, "agguato": sym_agguato,
    "attivita": sym_attivita, "attivita-ora": sym_ora, "raggio": sym_raggio, "raggio-base": sym_base_radius,
    "campo-minato": sym_campo_minato, "bersaglio": sym_bersaglio,
    "avvistamento": status(YELLOW, 6, 20), "fermo": status(RED, 12, 20), "colpito-mine": status(MAGENTA, 12, 12),
    "rientro": status(CYAN, 12, 12), "affondate": status(MAGENTA, 18, 12), "navi-mine": sym_navi_mine,
}


# ---------------------------------------------------------------- figures


def icon(name, size=None):
    img = Image.open(os.path.join(ICONS, name)).convert("RGBA")
    if size and img.size != (size, size):
        img = img.resize((size, size), Image.LANCZOS)
    return img


def button(d, box, text, fill=(212, 208, 200), font=SMALL, fg=BLACK):
    d.rectangle(box, fill=fill, outline=(90, 90, 90))
    tw = font.getlength(text)
    d.text(((box[0] + box[2] - tw) / 2, box[1] + (box[3] - box[1] - 11) / 2), text, font=font, fill=fg)


def callout(d, x, y, n):
    d.ellipse((x - 7, y - 7, x + 7, y + 7), fill=(200, 30, 30), outline=WHITE)
    s = str(n)
    d.text((x - SMALL_BOLD.getlength(s) / 2, y - 6), s, font=SMALL_BOLD, fill=WHITE)


def fig_mainwindow(img, d, x, y, w):
    """The main window at start, scaled from its design (18495 x 10815 twips)."""
    h = int(w * 10815 / 18495)
    k = w / 18495.0

    def r(left, top, width, height):
        return (x + left * k, y + top * k, x + (left + width) * k, y + (top + height) * k)

    m = Image.open(MAP).convert("RGB")
    mw = int(w)
    mh = int(mw * m.size[1] / m.size[0])
    img.paste(m.resize((mw, mh), Image.LANCZOS), (int(x), int(y)))
    d.rectangle((x, y + mh, x + w - 1, y + h), fill=(32, 64, 96))
    d.rectangle((x, y, x + w - 1, y + h), outline=(60, 60, 60))
    # clock panel, weather boxes, hour and contact buttons, main menu, message line, coordinates
    d.rectangle(r(13200, 0, 2055, 1695), fill=(224, 232, 232), outline=BLACK)
    d.rectangle(r(13260, 1080, 1935, 375), fill=BLACK)
    img.paste(icon("Ora.png", 14), (int(x + 7920 * k), int(y + 2)), icon("Ora.png", 14))
    for left, name in ((13440, "AutoPatrol.png"), (13920, "AutoBombNavale.png"), (14400, "AutoBombAereo.png")):
        ic = icon(name, 12)
        img.paste(ic, (int(x + left * k), int(y + 1800 * k)), ic)
    d.rectangle(r(13440, 2280, 1455, 375), fill=(200, 200, 120), outline=BLACK)
    d.rectangle(r(13320, 7800, 1815, 975), fill=(200, 160, 60), outline=BLACK)
    d.rectangle(r(9120, 10200, 4005, 585), fill=WHITE, outline=BLACK)
    d.rectangle(r(7560, 480, 1215, 255), fill=WHITE, outline=BLACK)
    d.rectangle(r(12600, 615, 360, 240), fill=BLACK)
    # Callouts: a point of the design (twips) and a shift in pixels.
    spots = [(7920, 250, -9, 0), (14230, 700, 0, 0), (14895, 2050, 9, 0), (14895, 2470, 9, 4), (14230, 8290, 0, 0),
             (11120, 10490, 0, 0), (8170, 735, 0, 11), (12780, 735, -8, 12)]
    for i, (sx, sy, dx, dy) in enumerate(spots, 1):
        callout(d, x + sx * k + dx, y + sy * k + dy, i)
    return h


def flag(name, size):
    img = Image.open(os.path.join(ROOT, "data", "Ico", name)).convert("RGBA")
    return img.resize((size, size), Image.LANCZOS)


def fig_sidepanel(img, d, x, y, w):
    """The side panel: flags, side buttons, mode buttons and "Chiudi"; the main-menu button."""
    def z(v):
        return v * 1.35
    h = int(z(150))
    d.rectangle((x + z(10), y, x + z(160), y + h - 5), fill=YELLOW, outline=BLACK)
    for i, n in enumerate(("GB.ico", "US.ico")):
        f = flag(n, int(z(24)))
        img.paste(f, (int(x + z(16 + 28 * i)), int(y + z(6))), f)
    button(d, (x + z(86), y + z(6), x + z(154), y + z(30)), "Chiudi")
    d.rectangle((x + z(16), y + z(38), x + z(154), y + z(86)), fill=YELLOW, outline=BLACK)
    d.text((x + z(20), y + z(37)), "ALLEATI", font=SMALL_BOLD, fill=BLACK)
    button(d, (x + z(20), y + z(50), x + z(150), y + z(66)), "1 alle")
    button(d, (x + z(20), y + z(69), x + z(150), y + z(84)), "2  asse")
    d.rectangle((x + z(16), y + z(92), x + z(154), y + z(141)), fill=YELLOW, outline=BLACK)
    button(d, (x + z(20), y + z(96), x + z(150), y + z(109)), "Basi")
    button(d, (x + z(20), y + z(111), x + z(150), y + z(124)), "Navi - GN")
    button(d, (x + z(20), y + z(126), x + z(150), y + z(139)), "Aerei - GA")
    spots = ((72, 18), (166, 18), (166, 67), (166, 117))
    for n, (cx, cy) in enumerate(spots, 1):
        callout(d, x + z(cx), y + z(cy), n)
    btn = icon("MenuPrincipale.png", 56)
    img.paste(btn, (int(x + z(185)), int(y + z(10))), btn)
    callout(d, x + z(185) + 64, y + z(10) + 8, 5)
    return h


def fig_coursepad(img, d, x, y, w):
    """The course pad."""
    h = 112
    d.rectangle((x + 10, y, x + 140, y + h - 4), fill=(224, 232, 232), outline=BLACK)
    d.rectangle((x + 16, y + 5, x + 134, y + 20), fill=WHITE, outline=(90, 90, 90))
    d.text((x + 20, y + 6), "4  (TRN Rotta)", font=SMALL, fill=BLACK)
    names = ["NO", "N", "NE", "O", "STP", "E", "SO", "S", "SE"]
    for i, n in enumerate(names):
        cx, cy = x + 18 + (i % 3) * 40, y + 28 + (i // 3) * 26
        fill = (192, 192, 0) if n == "SE" else (255, 255, 192)
        d.rectangle((cx, cy, cx + 36, cy + 22), fill=fill, outline=(90, 90, 90))
        d.text((cx + 18 - SMALL_BOLD.getlength(n) / 2, cy + 5), n, font=SMALL_BOLD, fill=BLACK)
    # the route it gives on the map
    mx = x + 160
    d.rectangle((mx, y, mx + w - 170, y + h - 4), fill=SEA, outline=(90, 120, 160))
    px, py = mx + 12, y + 12
    d.rectangle((px, py, px + 14, py + 9), fill=YELLOW)
    for k in range(1, 5):
        d.rectangle((px + 13 * k, py + 9 * k, px + 13 * k + 14, py + 9 * k + 9), outline=WHITE)
    d.text((mx + 10, y + h - 22), "rotta SE, 4 ore (TRN)", font=SMALL, fill=BLACK)
    return h


def fig_contactpanel(img, d, x, y, w):
    """The contact panel with its list and the attack button."""
    h = 128
    d.rectangle((x + 10, y, x + 250, y + h - 4), fill=(224, 232, 232), outline=BLACK)
    d.rectangle((x + 16, y + 6, x + 160, y + 86), fill=WHITE, outline=(90, 90, 90))
    lines = ["GN:7 N:4 K:24 (150)", "GN:12 N:9 K:14 (90)ATT?", "GN:3 N:2 K:18 (200) BmNv"]
    for i, t in enumerate(lines):
        d.text((x + 19, y + 9 + i * 14), t, font=SMALL, fill=BLACK)
    d.rectangle((x + 17, y + 22, x + 159, y + 35), outline=BLUE)
    button(d, (x + 16, y + 92, x + 160, y + 116), "ATTACCA con GN:")
    button(d, (x + 168, y + 92, x + 244, y + 116), "CHIUDI")
    d.rectangle((x + 168, y + 6, x + 244, y + 22), fill=WHITE, outline=(90, 90, 90))
    d.text((x + 171, y + 8), "rotta nemica", font=SMALL, fill=BLACK)
    d.rectangle((x + 168, y + 28, x + 244, y + 44), fill=WHITE, outline=(90, 90, 90))
    d.rectangle((x + 168, y + 50, x + 244, y + 66), fill=WHITE, outline=(90, 90, 90))
    d.text((x + 171, y + 52), "GN amico", font=SMALL, fill=BLACK)
    ic = icon("Bersaglio.png", 18)
    img.paste(ic, (int(x + 196), int(y + 70)), ic)
    return h


def fig_portpanel(img, d, x, y, w):
    """The port orders: unload, load, refuel, cancel, repair, dockyard."""
    h = 60
    names = [("Scarico.png", "scarico"), ("Carico.png", "carico"), ("Rifornimento.png", "refuel"),
             ("Annulla.png", "reset"), ("Riparazione.png", "ripara"), ("Irreparabile.png", "cantiere")]
    for i, (n, t) in enumerate(names):
        ic = icon(n, 26)
        cx = x + 14 + i * 57
        img.paste(ic, (int(cx), int(y + 4)), ic)
        d.text((cx + 13 - SMALL.getlength(t) / 2, y + 36), t, font=SMALL, fill=INK)
    return h


def fig_tools(img, d, x, y, w):
    """The tools of an open naval group."""
    h = 60
    names = [("NuovoGN.png", "nuovo GN"), ("UnisciGN.png", "unisci"), ("FileGN.png", "GN.Txt"),
             ("Autoaffonda.png", "affonda"), ("Assistenza.png", "assistenza")]
    for i, (n, t) in enumerate(names):
        ic = icon(n, 26)
        cx = x + 16 + i * 68
        img.paste(ic, (int(cx), int(y + 4)), ic)
        d.text((cx + 13 - SMALL.getlength(t) / 2, y + 36), t, font=SMALL, fill=INK)
    return h


def fig_switches(img, d, x, y, w):
    """The three automatic-resolution boxes and the contact button."""
    h = 56
    names = [("AutoBombNavale.png", "BOMB. NAVALE"), ("AutoPatrol.png", "PATROL"), ("AutoBombAereo.png", "BOMB. AEREO"),
             ("Contatti.png", "CONTATTI")]
    for i, (n, t) in enumerate(names):
        ic = icon(n, 28)
        cx = x + 20 + i * 86
        img.paste(ic, (int(cx), int(y + 2)), ic)
        d.text((cx + 14 - SMALL.getlength(t) / 2, y + 36), t, font=SMALL, fill=INK)
    return h


def fig_detection(img, d, x, y, w):
    """Sighting value against evasion value."""
    h = 96
    d.rectangle((x + 4, y, x + w - 4, y + h - 6), fill=(238, 234, 220), outline=(150, 140, 120))
    d.text((x + 12, y + 6), "chi guarda", font=SMALL_BOLD, fill=HEADING)
    d.text((x + 12, y + 20), "AVVISTAMENTO = aerei a bordo (fascia)", font=SMALL, fill=INK)
    d.text((x + 12, y + 32), "+ radar + bersaglio + agguato + CAP - notte + d8 + tipo", font=SMALL, fill=INK)
    d.text((x + 12, y + 50), "chi è guardato", font=SMALL_BOLD, fill=HEADING)
    d.text((x + 12, y + 64), "EVASIONE = distanza + meteo + periscopio", font=SMALL, fill=INK)
    d.text((x + 12, y + 76), "+ nave sola - incendi - già visto ... + d8 + tipo", font=SMALL, fill=INK)
    return h


def fig_basepanel(img, d, x, y, w):
    """The air side of the base panel."""
    h = 150
    d.rectangle((x + 4, y, x + w - 4, y + h - 4), fill=(224, 232, 232), outline=BLACK)
    d.text((x + 10, y + 3), "MALTA HQ Base/Aereoporto", font=SMALL_BOLD, fill=BLACK)
    for i, n in enumerate(("Base.png", "Aeroporto.png")):
        ic = icon(n, 22)
        img.paste(ic, (int(x + 10 + 26 * i), int(y + 18)), ic)
    d.text((x + 66, y + 22), "10%", font=SMALL, fill=BLACK)
    button(d, (x + w - 50, y + 18, x + w - 12, y + 36), ">>")
    d.text((x + 10, y + 46), "Punti 120      Aerei 24/6/40", font=SMALL, fill=BLACK)
    heads = ["%Attivaz", "MxAerAt", "TentAtt", "AerAttivati"]
    vals = ["56 %", "20", "3/10", "6"]
    cw = (w - 24) / 4
    for i in range(4):
        cx = x + 10 + i * cw
        d.text((cx + 2, y + 62), heads[i], font=SMALL, fill=BLACK)
        d.rectangle((cx, y + 76, cx + cw - 4, y + 92), fill=WHITE, outline=(90, 90, 90))
        d.text((cx + cw / 2 - SMALL.getlength(vals[i]) / 2 - 2, y + 78), vals[i], font=SMALL, fill=BLACK)
    d.rectangle((x + 10, y + 100, x + 10 + 2 * cw - 4, y + 116), fill=GREEN, outline=(90, 90, 90))
    d.text((x + 16, y + 102), "DADO %: 37", font=SMALL_BOLD, fill=RED)
    d.rectangle((x + 10 + 2 * cw, y + 100, x + w - 14, y + 116), fill=WHITE, outline=(90, 90, 90))
    d.text((x + 16 + 2 * cw, y + 102), "GA pronto: 5", font=SMALL, fill=BLACK)
    d.text((x + 10, y + 124), "N° Aerei   N° Bombe   Taglio   Siluri   Vai !", font=SMALL, fill=(90, 90, 90))
    return h


def fig_portlists(img, d, x, y, w):
    """Forming a group in port: the ships in port, the ships of the new group."""
    h = 142
    d.rectangle((x + 4, y, x + w - 4, y + h - 4), fill=(224, 232, 232), outline=BLACK)
    d.text((x + 10, y + 3), "TARANTO Porto", font=SMALL_BOLD, fill=BLACK)
    d.rectangle((x + 10, y + 18, x + w / 2 - 6, y + 88), fill=WHITE, outline=(90, 90, 90))
    d.rectangle((x + w / 2 + 2, y + 18, x + w - 10, y + 88), fill=WHITE, outline=(90, 90, 90))
    for i, t in enumerate(("CT_Aviere   ok", "CT_Geniere  ok", "IL_Eugenio  ok", "MR_Rosolino c")):
        d.text((x + 13, y + 21 + i * 14), t, font=SMALL, fill=BLACK)
    for i, t in enumerate(("(GN:4) k:38-CT Alpino", "(GN:4) k:38-CT Fuciliere")):
        d.text((x + w / 2 + 5, y + 21 + i * 14), t, font=SMALL, fill=BLACK)
    d.text((x + w / 2 - 30, y + 90), "doppio clic", font=SMALL, fill=HEADING)
    d.line((x + w / 2 - 40, y + 55, x + w / 2 + 10, y + 55), fill=HEADING, width=2)
    d.polygon([(x + w / 2 + 10, y + 51), (x + w / 2 + 16, y + 55), (x + w / 2 + 10, y + 59)], fill=HEADING)
    d.text((x + 10, y + 106), "GN Num:", font=SMALL, fill=BLACK)
    d.rectangle((x + 60, y + 104, x + 84, y + 118), fill=WHITE, outline=(90, 90, 90))
    d.text((x + 68, y + 105), "4", font=SMALL_BOLD, fill=BLACK)
    d.text((x + 100, y + 106), "Navi Num:", font=SMALL, fill=BLACK)
    d.rectangle((x + 158, y + 104, x + 182, y + 118), fill=WHITE, outline=(90, 90, 90))
    d.text((x + 166, y + 105), "2", font=SMALL_BOLD, fill=BLACK)
    button(d, (x + 200, y + 102, x + w - 10, y + 120), "Vai !(reset)")
    return h


def fig_airpanel(img, d, x, y, w):
    """The values of the picked air group, the list filters, the order and its confirmation."""
    h = 150
    d.rectangle((x + 4, y, x + w - 4, y + h - 4), fill=(224, 232, 232), outline=BLACK)
    heads = ["VEL", "AEREI", "DANN", "ABB", "TIPO", "SIL", "BOMBE", "TAGLIO", "FA", "FD", "GI", "RIT", "STRESS"]
    vals = ["430", "9(9)", "1", "0", "B", "0", "4", "50", "6", "3", "4", "2", "5"]
    cw = (w - 20) / 7
    for i in range(13):
        cx = x + 10 + (i % 7) * cw
        cy = y + 6 + (i // 7) * 34
        d.text((cx + 1, cy), heads[i], font=SMALL, fill=(60, 60, 60))
        d.rectangle((cx, cy + 13, cx + cw - 4, cy + 29), fill=WHITE, outline=(90, 90, 90))
        d.text((cx + (cw - 4) / 2 - SMALL.getlength(vals[i]) / 2, cy + 15), vals[i], font=SMALL, fill=BLACK)
    fx = x + 10
    for t in ("TUTTI", "IntAtt", "RiPaCp", "DecRie", "Stres"):
        d.ellipse((fx, y + 82, fx + 9, y + 91), fill=WHITE, outline=(90, 90, 90))
        if t == "TUTTI":
            d.ellipse((fx + 3, y + 85, fx + 6, y + 88), fill=BLACK)
        d.text((fx + 12, y + 80), t, font=SMALL, fill=BLACK)
        fx += (w - 20) / 5
    d.rectangle((x + 10, y + 98, x + w - 10, y + 114), fill=WHITE, outline=(90, 90, 90))
    d.text((x + 14, y + 100), "PATROL(Click Mappa)", font=SMALL, fill=BLACK)
    button(d, (x + 10, y + 120, x + w - 10, y + 140), "CONFERMA ORDINE")
    return h


def fig_launchzone(img, d, x, y, w):
    """The carriers' launch zone on the western part of the map, with Malta."""
    x0, y0, x1, y1 = 0, 1200, 9000, 5600  # map units shown
    h = int(w * (y1 - y0) / (x1 - x0))
    m = Image.open(MAP).convert("RGB")
    sx, sy = m.size[0] / 15250.0, m.size[1] / 6930.0
    part = m.crop((int(x0 * sx), int(y0 * sy), int(x1 * sx), int(y1 * sy))).resize((int(w), h), Image.LANCZOS)
    img.paste(part, (int(x), int(y)))
    k = w / (x1 - x0)

    def p(mx, my):
        return x + (mx - x0) * k, y + (my - y0) * k
    cx, cy = p(2300, 2800)
    r = 1300 * k
    for dr in (0, 1):
        d.ellipse((cx - r - dr, cy - r - dr, cx + r + dr, cy + r + dr), outline=(0, 170, 0))
    mx, my = p(5744 + 100, 3921 + 100)
    d.rectangle((mx - 3, my - 3, mx + 3, my + 3), outline=YELLOW, fill=YELLOW)
    d.text((mx - 16, my - 16), "Malta", font=SMALL_BOLD, fill=BLACK)
    d.rectangle((x, y, x + w - 1, y + h - 1), outline=(90, 90, 90))
    return h


def fig_damagetable(img, d, x, y, w):
    """The hourly damage results."""
    rows = [("R", "incendi", "resistenza", "nodi", "operat.", "cargo"),
            ("1", "+3", "-f x d(f+12)", "-8", "-d6", "-d10"),
            ("2", "+2", "-f x d(f+10)", "-4", "-d4", "-d10"),
            ("3", "+1", "-f x d(f+10)", "-4", "-d3", "-d6"),
            ("4-5", "", "-f x d(f+6)", "", "-d2", "-d6"),
            ("6-8", "-1", "", "", "", "-d6"),
            ("9-10", "-2", "", "", "", ""),
            ("11-12", "-4", "+d10 *", "+4 *", "", "")]
    cols = [0, 0.11, 0.26, 0.56, 0.68, 0.84]
    rh = 14
    h = rh * len(rows) + 20
    for i, r in enumerate(rows):
        ry = y + i * rh
        if i == 0:
            d.rectangle((x, ry, x + w - 1, ry + rh - 1), fill=(220, 210, 190))
        elif i % 2 == 0:
            d.rectangle((x, ry, x + w - 1, ry + rh - 1), fill=(240, 236, 224))
        for c, t in zip(cols, r):
            d.text((x + 3 + c * w, ry + 1), t, font=SMALL_BOLD if i == 0 else SMALL, fill=INK)
    d.rectangle((x, y, x + w - 1, y + rh * len(rows) - 1), outline=(150, 140, 120))
    d.text((x + 3, y + rh * len(rows) + 3), "f = incendi; * se sotto metà (la resistenza solo con assistenza)",
           font=SMALL, fill=INK)
    return h


def fig_targetcircles(img, d, x, y, w):
    """The target circle of each air order: colour and size."""
    items = [("RICOGNIZIONE", YELLOW, 520), ("PATROL", RED, 420), ("CAP SU GN", BLACK, 320),
             ("BOMBARDAMENTO", CYAN, 160), ("RIENTRO", WHITE, 120), ("INTERC/ATTACCA", MAGENTA, 520)]
    cw = (w - 10) / 3
    ch = 62
    h = 2 * ch + 6
    for i, (name, colour, radius) in enumerate(items):
        cx = x + 4 + (i % 3) * cw
        cy = y + (i // 3) * ch
        d.rectangle((cx, cy, cx + cw - 6, cy + ch - 6), fill=SEA, outline=(90, 120, 160))
        r = radius / 520 * 20
        ox, oy = cx + cw / 2 + 14, cy + 26
        d.line((cx + 8, cy + 44, ox, oy), fill=WHITE)
        d.ellipse((ox - r, oy - r, ox + r, oy + r), outline=colour, width=2)
        d.text((cx + 4, cy + ch - 19), name, font=SMALL, fill=BLACK)
    return h


DIAGRAMS = {
    "mainwindow": fig_mainwindow, "sidepanel": fig_sidepanel, "coursepad": fig_coursepad,
    "contactpanel": fig_contactpanel, "portorders": fig_portpanel, "gntools": fig_tools,
    "switches": fig_switches, "detection": fig_detection, "basepanel": fig_basepanel, "portlists": fig_portlists, "airpanel": fig_airpanel, "launchzone": fig_launchzone, "damagetable": fig_damagetable, "targetcircles": fig_targetcircles,
}


# ---------------------------------------------------------------- layout


class Page:
    def __init__(self, title, widths=None):
        self.img = Image.new("RGB", (W, H), PAPER)
        self.d = ImageDraw.Draw(self.img)
        self.widths = widths or [COL_W] * COLUMNS
        self.col = 0
        self.y = TOP
        self.d.rectangle((0, 0, W - 1, TITLE_H - 1), fill=TITLE_BG)
        self.d.text((MARGIN, (TITLE_H - 20) // 2), title, font=TITLE, fill=TITLE_FG)
        self.d.rectangle((0, 0, W - 1, H - 1), outline=TITLE_BG)

    @property
    def x(self):
        return MARGIN + sum(self.widths[:self.col]) + self.col * GAP

    @property
    def w(self):
        return self.widths[self.col]

    def need(self, h, what):
        if self.y + h > BOTTOM:
            raise SystemExit("page too full at: " + what)

    def next_column(self):
        self.col += 1
        self.y = TOP
        if self.col >= len(self.widths):
            raise SystemExit("too many columns")

    def gap(self, h=5):
        self.y += h

    def heading(self, text):
        if self.y > TOP:
            self.y += 4
        self.need(LINE + 4, text)
        self.d.text((self.x, self.y), text, font=HEAD, fill=HEADING)
        self.y += LINE + 1
        self.d.line((self.x, self.y, self.x + self.w, self.y), fill=(200, 180, 160))
        self.y += 4

    def paragraph(self, text, indent=0, bullet=False):
        lines = wrap(text, self.w - indent)
        self.need(len(lines) * LINE, text)
        for i, line in enumerate(lines):
            if bullet and i == 0:
                self.d.ellipse((self.x + 3, self.y + 6, self.x + 7, self.y + 10), fill=HEADING)
            draw_line(self.d, self.x + indent, self.y, line)
            self.y += LINE
        self.y += 3

    def with_picture(self, paste, text):
        lines = wrap(text, self.w - 38)
        h = max(24, len(lines) * LINE)
        self.need(h, text)
        paste(self.x, self.y + max(0, (min(h, 2 * LINE) - 22) // 2))
        ty = self.y + (max(0, (24 - len(lines) * LINE) // 2) if len(lines) == 1 else 0)
        for line in lines:
            draw_line(self.d, self.x + 38, ty, line)
            ty += LINE
        self.y += h + 4

    def icon_line(self, name, text):
        def paste(x, y):
            ic = icon(name, 26)
            self.img.paste(ic, (int(x + 2), int(y - 2)), ic)
        self.with_picture(paste, text)

    def symbol_line(self, name, text):
        self.with_picture(lambda x, y: SYMBOLS[name](self.d, x, y), text)

    def diagram(self, name):
        fig = DIAGRAMS[name]
        probe = Image.new("RGB", (W, H))
        h = fig(probe, ImageDraw.Draw(probe), 0, 0, self.w)
        self.need(h, "@" + name)
        fig(self.img, self.d, self.x, self.y, self.w)
        self.y += h + 6


def render(path):
    with open(path, encoding="utf-8") as f:
        lines = [l.rstrip("\n") for l in f]
    if not lines or not lines[0].startswith("= "):
        raise SystemExit(path + ": the first line must be the title")
    widths = None
    if len(lines) > 1 and lines[1].startswith("% "):
        widths = [int(v) for v in lines[1][2:].split()]
        if sum(widths) + GAP * (len(widths) - 1) > W - 2 * MARGIN:
            raise SystemExit(path + ": the columns are wider than the page")
        lines = lines[:1] + lines[2:]
    page = Page(lines[0][2:].strip(), widths)
    para = []

    def flush():
        if para:
            page.paragraph(" ".join(para))
            para.clear()

    for raw in lines[1:]:
        line = raw.strip()
        if not line:
            flush()
        elif line == "|||":
            flush()
            page.next_column()
        elif line.startswith("== "):
            flush()
            page.heading(line[3:])
        elif line.startswith("- "):
            flush()
            page.paragraph(line[2:], indent=13, bullet=True)
        elif line.startswith("> "):
            flush()
            name, text = (s.strip() for s in line[2:].split("|", 1))
            page.icon_line(name, text)
        elif line.startswith("* "):
            flush()
            name, text = (s.strip() for s in line[2:].split("|", 1))
            page.symbol_line(name, text)
        elif line.startswith("@ "):
            flush()
            page.diagram(line[2:].strip())
        else:
            para.append(line)
    flush()
    return page.img


def rle8_row(row):
    """One row in the BMP's 8-bit run-length coding, ended by its end-of-line mark."""
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        run = 1
        while i + run < n and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 3:
            out += bytes((run, row[i]))
            i += run
            continue
        # A stretch of pixels without runs of 3 goes literally (absolute mode, at least 3 bytes).
        j = i
        while j < n and j - i < 255:
            if j + 2 < n and row[j] == row[j + 1] == row[j + 2]:
                break
            j += 1
        lit = row[i:j]
        if len(lit) >= 3:
            out += bytes((0, len(lit))) + bytes(lit)
            if len(lit) % 2:
                out += b"\0"
        else:
            for v in lit:
                out += bytes((1, v))
        i = j
    out += b"\0\0"
    return out


def bmp_rle8(img):
    """A paletted picture as an 8-bit BMP with run-length coding, rows bottom up."""
    w, h = img.size
    pal = img.getpalette()[:768]
    pal += [0] * (768 - len(pal))
    data = bytearray()
    pixels = img.tobytes()
    for y in range(h - 1, -1, -1):
        data += rle8_row(pixels[y * w:(y + 1) * w])
    data += b"\0\1"
    colours = bytearray()
    for k in range(256):
        r, g, b = pal[3 * k:3 * k + 3]
        colours += bytes((b, g, r, 0))
    offset = 14 + 40 + len(colours)
    header = b"BM" + (offset + len(data)).to_bytes(4, "little") + b"\0\0\0\0" + offset.to_bytes(4, "little")
    info = (40).to_bytes(4, "little") + w.to_bytes(4, "little") + h.to_bytes(4, "little") + \
        (1).to_bytes(2, "little") + (8).to_bytes(2, "little") + (1).to_bytes(4, "little") + \
        len(data).to_bytes(4, "little") + (2835).to_bytes(4, "little") * 2 + (256).to_bytes(4, "little") + \
        (0).to_bytes(4, "little")
    return header + info + colours + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "ArchBmp")
    for name in sorted(os.listdir(PAGES)):
        if not name.endswith(".txt"):
            continue
        try:
            img = render(os.path.join(PAGES, name))
        except SystemExit as e:
            raise SystemExit(name + ": " + str(e))
        # 256 colours keep the text smooth; run-length coding keeps the files small.
        pal = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        with open(os.path.join(out, name[:-4] + ".bmp"), "wb") as f:
            f.write(bmp_rle8(pal))
        print("wrote", name[:-4] + ".bmp")


if __name__ == "__main__":
    main()
