#!/usr/bin/env python3
"""Seed corpora of the fuzz targets, made from the shipped program folder.

usage: make_seeds.py DATA_DIR OUT_DIR
Each seed is one selector byte (which reader or file the target uses) followed by a file's bytes.
"""
import pathlib
import sys

data = pathlib.Path(sys.argv[1])
out = pathlib.Path(sys.argv[2])


def seed(target, name, selector, content):
    folder = out / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(bytes([selector]) + content)


def lines(value, count):
    return (value + b"\r\n") * count


texts = sorted((data / "Data").glob("*.txt"))
for i, f in enumerate(texts):
    seed("fuzz_textfile", f.name, [0x00, 0x55, 0xAA, 0xE4][i % 4], f.read_bytes())

# The campaign's text files as a new campaign has them, in the target's order of files.
new_campaign = [lines(b"0", 2500)] * 4 + [lines(b'""', 150)] * 2 + [lines(b"0", 450), lines(b'"0"', 40)]
new_campaign += [lines(b"3", 15)] * 6 + [lines(b"30", 28), lines(b"0", 120)]
new_campaign += [(data / "Data/giochi/NomeGiochi.txt").read_bytes(), (data / "Data/basename.txt").read_bytes()]
for i, content in enumerate(new_campaign):
    seed("fuzz_campaign_text", f"file{i:02d}", i, content)
slots = b'"Abc"\r\n30\r\n2\r\n1941\r\n"../x"\r\n15\r\n1\r\n1940\r\n' + b'"nn"\r\n0\r\n0\r\n0\r\n' * 2
seed("fuzz_campaign_text", "slots", 16, slots)
state = lines(b'"0"', 40).replace(b'"0"', b'"23"', 2)
seed("fuzz_campaign_text", "state", 7, state)

ships = {side: (data / f"Archivio/{side}Navi.Dat").read_bytes() for side in ("ALLEATI", "ASSE")}
planes = {side: (data / f"Archivio/{side}Aerei.Dat").read_bytes() for side in ("ALLEATI", "ASSE")}
for counted in (0, 0x80):
    seed("fuzz_campaign_records", f"ships{counted}", 0 | counted, ships["ALLEATI"][: 179 * 12])
    seed("fuzz_campaign_records", f"axisships{counted}", 1 | counted, ships["ASSE"][: 179 * 12])
    seed("fuzz_campaign_records", f"missing{counted}", 0 | counted, b"")
seed("fuzz_campaign_records", "base", 2, planes["ASSE"][: 149 * 6])
seed("fuzz_campaign_records", "carrier", 3, planes["ALLEATI"][: 149 * 3])
seed("fuzz_campaign_records", "activity", 4, bytes(range(14)) * 3)
seed("fuzz_campaign_records", "contact", 5, bytes(range(60)) * 2)
seed("fuzz_campaign_records", "lost", 6, b"\x01\x00" * 23 * 2)

for f in sorted((data / "Navi").rglob("*")):
    if f.suffix.lower() == ".sns":
        seed("fuzz_cards", "ship-" + f.name, 0, f.read_bytes())
    elif f.suffix.lower() == ".snn":
        seed("fuzz_cards", "names-" + f.name, 1, f.read_bytes())
for f in sorted((data / "Aerei").rglob("*")):
    if f.suffix.lower() == ".snk":
        seed("fuzz_cards", "plane-" + f.name, 2, f.read_bytes())

for side in ("ALLEATI", "ASSE"):
    seed("fuzz_archives", f"ships-{side}", 0, ships[side])
    seed("fuzz_archives", f"planes-{side}", 1, planes[side])
