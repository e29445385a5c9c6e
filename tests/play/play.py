#!/usr/bin/env python3
"""The three programs played from outside, as a player and a designer play them (make play).

Each run copies the program folder, starts a display of its own (Xvfb and openbox) and drives the
programs as processes with mouse and keyboard events only (drive.py):

1. Torvcard: the ship editor rates a new destroyer class and saves its card.
2. Torvsetup: the card is opened and its ship inserted into the Axis ship archive.
3. Zeltwar: a new campaign through the wizard, which offers that ship; "APRI GIOCO"; a naval group
   formed in port at TARANTO and sailed east; three hours; the program closed and started again,
   the campaign opened at the same day and hour.

Every program must end by itself with exit code 0. A failure prints the screen of the program at
that moment (and leaves a screenshot in the work folder).

    play.py --programs build/bin --work build/play [--runs N]
"""

import argparse
import os
import shutil
import sys
import time
import traceback

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drive import Display, PlayError, Program, pick, reveal, wait_until  # noqa: E402

CLASS = "Sauro"       # a destroyer class the starter set does not hold
CAMPAIGN = "Collaudo"
CARD = os.path.join("Navi", "IT Italia", CLASS + "CT1939.sns")
MAIN = "Zeltwar WW2 Gioco :  " + CAMPAIGN
HOURS = 3


# ------------------------------------------------------------------------------------- Torvcard

def torvcard(display, folder, work):
    """A new destroyer class rated and its card saved."""
    p = Program(display, folder, "Torvcard", work)
    p.window("Torvcard")
    p.press(kind="C", window="Torvcard", name="Image2")  # the ship editor
    w = "Torvcard - Genera Schede Navali"
    p.window(w)
    p.click(p.wait(kind="C", window=w, name="Text1"))
    p.type(CLASS)
    p.wait("the class name", kind="C", window=w, name="Text1", text=CLASS)
    pick(p, w, "Combo1", "CT")
    pick(p, w, "Combo2", "IT")
    p.click(p.wait(kind="C", window=w, name="Text2"))
    p.type("1200")
    p.wait("the displacement", kind="C", window=w, name="Text2", text="1200")
    pick(p, w, "Combo5", "35")
    pick(p, w, "Combo3", "1927")
    # The data year's button rates the class; only a rated class can be saved.
    p.press(kind="C", window=w, name="Label35")
    p.press(kind="C", window=w, name="Command1", text="Salva Nuovo Record")
    p.wait("the card saved", kind="C", window=w, name="Label65", contains=CLASS + "CT1939.sns")
    wait_until(lambda: os.path.exists(os.path.join(folder, CARD)), "the card file " + CARD)
    p.press(kind="C", window=w, name="Command3", text="Chiude/Fine")
    p.answer("Chiude Progetto Torvcard", "Sì", contains="Hai salvato il Record")
    p.window("Torvcard")
    p.key("alt+F4")  # the start window's close box ends the program
    p.ended()


# ------------------------------------------------------------------------------------ Torvsetup

def torvsetup(display, folder, work):
    """The card opened and its ship inserted into the Axis ship archive."""
    p = Program(display, folder, "Torvsetup", work)
    w = "SetUpTorv"
    p.window(w)
    p.press(kind="C", window=w, name="Option2", starts="Asse")
    p.wait("Asse chosen", kind="C", window=w, name="Option2", text="Asse [x]")
    p.press(kind="C", window=w, name="Option3", starts="Navi")
    p.press(kind="C", window=w, name="Command1", text="Apri Navi")
    d = "Seleziona il Record Nave da aprire"
    p.window(d)
    p.click(p.wait(kind="C", window=d, name="fileNameEdit"))
    p.type(os.path.relpath(CARD, "Navi"))
    p.wait("the card's name typed", kind="C", window=d, name="fileNameEdit", text=os.path.relpath(CARD, "Navi"))
    p.key("Return")
    p.wait_gone("the file dialog", kind="W", window=d)
    p.wait("the card open", kind="C", window=w, name="Label1", text=CLASS)
    p.click(p.wait(kind="I", window=w, name="List1", text=CLASS), double=True)
    p.wait("the ship inserted", kind="I", window=w, name="List2", text=CLASS)
    p.press(kind="C", window=w, name="Command4", text="Esce")
    p.ended()


# -------------------------------------------------------------------------------------- Zeltwar

def value(p, window, name):
    return int(p.wait(kind="C", window=window, name=name).text.strip() or 0)


def place_aircraft(p, w, bases):
    """The whole pool of free aircraft of a side placed, base after base, the first type listed."""
    for base in bases:
        pool = value(p, w, "Label20")
        pick(p, w, "Combo2", base)
        room = value(p, w, "Label26") - value(p, w, "Label22")
        count = min(pool, room)
        if count <= 0:
            continue
        p.click(p.wait("the aircraft types", kind="I", window=w, name="List3", row=0))
        plus = p.wait(kind="C", window=w, name="Command6", text="+")
        for k in range(1, count + 1):
            p.click(plus)
            p.wait("%d aircraft left" % (pool - k), kind="C", window=w, name="Label20", text=str(pool - k))
        p.press(kind="C", window=w, name="Command8", text="Conferma N° Aerei")
        if count == pool:
            p.wait_gone("the aircraft phase", kind="C", window=w, name="Frame2")
            return
        p.wait("the aircraft confirmed", kind="C", window=w, name="Label24", text="")
    raise PlayError("the free aircraft found no room at " + ", ".join(bases))


def new_campaign(p):
    """The wizard: general set-up, bases, then the free ships (the new class among the Axis ones)
    and aircraft."""
    start = "Torv Tutorial"
    p.window(start)
    p.press(kind="I", window=start, cls="QMenuBar", starts="Crea Nuovo Gioco")
    p.press(kind="I", cls="QMenu", text="SetUpGenerale")
    w = "SetUp Generale del Nuovo Gioco"
    p.window(w)
    p.click(p.wait(kind="C", window=w, name="Text1"), double=True)  # a double click empties it
    p.wait("the name box emptied", kind="C", window=w, name="Text1", text="")
    p.type(CAMPAIGN)
    p.wait("the campaign's name", kind="C", window=w, name="Text1", text=CAMPAIGN)
    p.press(kind="C", window=w, name="Command3", text="Conferma e Salva")

    w = "Navi e Porti"
    p.window(w)
    p.press(kind="C", window=w, name="Command2", text="Chiude e Salva")

    w = "SetUpMezzi " + CAMPAIGN
    p.window(w)
    # Allied ships: none wanted.
    p.press(kind="C", window=w, name="Command2", text="Navi Alleati")
    p.press(kind="C", window=w, name="Command1", text="Start")
    p.wait("the Allied ships", kind="C", window=w, name="Frame1", text="NAVI ALLEATI")
    p.press(kind="C", window=w, name="Label14", text="FINE")
    # Axis ships: the new class and one more destroyer at TARANTO.
    p.press(kind="C", window=w, name="Command3", text="Navi Asse")
    p.press(kind="C", window=w, name="Command1", text="Start")
    p.wait("the Axis ships", kind="C", window=w, name="Frame1", text="NAVI ASSE")
    pick(p, w, "Combo1", "TARANTO")
    for ship in ("CT " + CLASS, "CT Maestrale"):
        p.click(reveal(p, w, "List1", ship), double=True)
        p.wait(ship + " placed", kind="I", window=w, name="List2", starts=ship)
    p.press(kind="C", window=w, name="Label14", text="FINE")
    # The aircraft: every free aircraft must find a base.
    p.press(kind="C", window=w, name="Command4", text="Aerei Alleati")
    p.press(kind="C", window=w, name="Command1", text="Start")
    p.wait("the Allied aircraft", kind="C", window=w, name="Frame2", text="AEREI ALLEATI")
    place_aircraft(p, w, ["ALESSANDRIA", "GIBILTERRA", "MALTA HQ"])
    p.press(kind="C", window=w, name="Command5", text="Aerei Asse")
    p.press(kind="C", window=w, name="Command1", text="Start")
    p.wait("the Axis aircraft", kind="C", window=w, name="Frame2", text="AEREI ASSE")
    place_aircraft(p, w, ["TARANTO", "NAPOLI", "PALERMO", "MESSINA"])
    p.wait_gone("the wizard", kind="W", window=w)


def open_campaign(p):
    """"APRI GIOCO" on the campaign's slot; returns the clock: the hour and the day."""
    start = "Torv Tutorial"
    p.window(start)
    p.press(kind="I", window=start, cls="QMenuBar", text="File")
    p.press(kind="I", cls="QMenu", text="Apri Gioco")
    p.press(kind="C", window=start, name="Label1", text=CAMPAIGN)
    p.press(kind="C", window=start, name="Label19", text="APRI GIOCO")
    p.window(MAIN)
    return clock(p)


def clock(p):
    return (p.wait(kind="C", window=MAIN, name="Label30").text.strip(),
            p.wait(kind="C", window=MAIN, name="Label31").text.strip())


def side_panel(p, mode):
    """The Axis side at the screen, in the mode of that button (Basi, Navi - GN)."""
    p.press(kind="C", window=MAIN, name="Command17")  # the main menu
    p.press(kind="C", window=MAIN, name="Command6", text="2  asse")
    p.press(kind="C", window=MAIN, name=mode)


def form_and_sail(p, folder):
    """Both destroyers formed into a group in port at TARANTO, sent out and routed south for five
    hours at 12 knots: under way still after the three hours played."""
    side_panel(p, "Command10")
    with open(os.path.join(folder, "Data", "coobasiX.txt")) as fx, \
            open(os.path.join(folder, "Data", "coobasiY.txt")) as fy:
        x, y = int(fx.readline()), int(fy.readline())
    # The base's square on the map lies below and right of its point.
    p.click_at(*p.wait(kind="P", window=MAIN, name="PicBitMap").point(x + 90, y + 90))
    p.wait("TARANTO's base panel", kind="C", window=MAIN, name="Frame4")
    p.press(kind="C", window=MAIN, name="Command7", text=">>")  # to the port
    p.wait("TARANTO's port panel", kind="C", window=MAIN, name="Frame7", text="TARANTO Porto")
    p.press(kind="C", window=MAIN, name="Label56")  # a new group
    p.wait("a new group's number", kind="C", window=MAIN, name="Label56", text="1")
    for ship in (CLASS, "Maestrale"):
        p.click(p.wait(kind="I", window=MAIN, name="List3", starts="CT_" + ship), double=True)
        p.wait(ship + " in the group", kind="I", window=MAIN, name="List4", contains="CT " + ship)
    p.press(kind="C", window=MAIN, name="Command2", text="Vai !(reset)")
    p.wait("the group out of port", kind="C", window=MAIN, name="Label17", starts="ATT: AGGIORNARE SCHEDE NAVI")

    p.press(kind="C", window=MAIN, name="Command3", text="Navi - GN")
    p.click(p.wait("group 1 listed", kind="I", window=MAIN, name="List2", starts="GN 1 Nv 2"))
    p.wait("group 1 picked, in port", kind="C", window=MAIN, name="Label59", contains="TARANTO")
    pick(p, MAIN, "Combo6", "12")
    pick(p, MAIN, "Combo7", "5")
    p.press(kind="C", window=MAIN, name="Label26", text="S")
    p.wait("the route south", kind="C", window=MAIN, name="Label60", contains="5 Trn Rotta SUD")
    p.press(kind="C", window=MAIN, name="Command4", text="Chiudi")  # the orders confirmed
    p.wait_gone("the side panel", kind="C", window=MAIN, name="Frame3")
    return "%d: %d" % (x, y)


def run_hour(p, hour):
    """The hour button; the hour has run when the clock shows the next hour and the button is
    free again. Contacts of the hour hold the button until the contact board is closed."""
    p.press(kind="C", window=MAIN, name="Command22")
    wait_until(lambda: p.find(kind="C", window=MAIN, name="Label30", text=str(hour + 1)), "hour %d" % (hour + 1))
    button = p.find(kind="C", window=MAIN, name="Command22")
    if button and not button[0].enabled:
        p.press(kind="C", window=MAIN, name="Command23")
        board = "CONTROLLO CONTATTI E ATTACCO"
        p.window(board)
        p.press(kind="C", window=board, name="Command1", text="Chiudi")
        p.wait_gone("the contact board", kind="W", window=board)
    p.wait("the hour button free", kind="C", window=MAIN, name="Command22")


def zeltwar(display, folder, work):
    p = Program(display, folder, "Zeltwar", work)
    new_campaign(p)
    hour, day = open_campaign(p)
    port = form_and_sail(p, folder)
    for h in range(int(hour), int(hour) + HOURS):
        run_hour(p, h)
    played = clock(p)
    # The group sailed: its place is no longer the port's.
    side_panel(p, "Command3")
    p.click(p.wait("group 1 listed", kind="I", window=MAIN, name="List2", starts="GN 1 Nv 2"))
    # The panel shows the picked group's place: away from the port's point.
    wait_until(lambda: [i for i in p.find(kind="C", window=MAIN, name="Label59") if "->" in i.text and port not in i.text],
               "group 1 away from TARANTO (%s)" % port)
    p.press(kind="C", window=MAIN, name="Command4", text="Chiudi")
    p.wait_gone("the side panel", kind="C", window=MAIN, name="Frame3")
    p.press(kind="I", window=MAIN, cls="QMenuBar", text="File")
    p.press(kind="I", cls="QMenu", text="Chiudi")
    p.ended()

    # Started again: the campaign at the same day and hour.
    p = Program(display, folder, "Zeltwar", work)
    reopened = open_campaign(p)
    if reopened != played:
        raise PlayError("the campaign closed at hour %s of day %s opened at hour %s of day %s"
                        % (played + reopened))
    p.press(kind="I", window=MAIN, cls="QMenuBar", text="File")
    p.press(kind="I", cls="QMenu", text="Chiudi")
    p.ended()
    return played


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--programs", required=True, help="the program folder built (build/bin)")
    parser.add_argument("--work", required=True, help="a folder for the runs' copies and logs")
    parser.add_argument("--runs", type=int, default=1)
    args = parser.parse_args()
    passed = failed = 0
    for run in range(1, args.runs + 1):
        work = os.path.abspath(os.path.join(args.work, "run%d" % run))
        shutil.rmtree(work, ignore_errors=True)
        folder = os.path.join(work, "bin")
        shutil.copytree(args.programs, folder)
        display = Display(work)
        started = time.monotonic()
        try:
            play(display, folder, work)
            passed += 1
            print("play run %d: passed in %.0f s" % (run, time.monotonic() - started), flush=True)
        except Exception as e:  # a failure of any kind fails the run, with what the screen showed
            failed += 1
            traceback.print_exc()
            print("play run %d: FAILED: %s" % (run, e), flush=True)
        finally:
            display.close()
    print("play: %d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 and passed > 0 else 1


def play(display, folder, work):
    torvcard(display, folder, work)
    torvsetup(display, folder, work)
    hour, day = zeltwar(display, folder, work)
    print("  played: card %s saved, its ship archived and placed, %d hours to hour %s of day %s, "
          "reopened there" % (CARD, HOURS, hour, day), flush=True)


if __name__ == "__main__":
    sys.exit(main())
