#!/usr/bin/env python3
"""Writes the hand-made recording fixtures of this folder.

recording-example.hrm   Polar text file with Windows line ends: 15 March 2004
                        10:05:30, 5 s interval, length 1:02, twelve rows of
                        heart rate, speed (tenths of km/h), cadence, altitude.
recording-cut-short.hrm the first 256 bytes of recording-example.hrm: six whole
                        rows and two characters of the seventh, as a copy that
                        broke off leaves it.
recording-pause.tur     HAC4-style file: two note lines, twelve 20-byte samples
                        every 20 s with a 100 s standstill (samples 4 to 8) and
                        temperatures below zero.
recording-texts.tour    TOUR1 file: five samples, two with texts (one with a
                        Windows-1252 e-acute), sample flags and header flags.

The .json files beside them are `kadenzo-tool recording FILE` with TZ=UTC.
Run from this folder: python3 make-recordings.py
"""
import struct

def hrm():
    rows = []
    for k in range(12):
        speed = 0 if k in (5, 6) else 250 + 10 * k
        rows.append("%d\t%d\t%d\t%d" % (120 + k, speed, 80 + k, 400 + 2 * k))
    lines = ["[Params]", "Version=106", "Monitor=12", "SMode=11100000", "Date=20040315",
             "StartTime=10:05:30.0", "Length=00:01:02.0", "Interval=5", "", "[Note]",
             "Hand-made example", "", "[HRData]"] + rows
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")

def tur():
    head = ["HACtronic - Tour", "3", "1", "1", "Col de test", "first text", "second text",
            "15.03.2004", "10:05", "2", "note line one", "note line two"]
    head += ["Reserve"] * 43 + ["12"]
    out = ("\n".join(head) + "\n").encode("cp1252") + b"\x00\x12\x12\x36"
    distance = 0
    for k in range(12):
        if not 4 <= k <= 8 and k > 0:
            distance += 13
        out += struct.pack("<iIhBBb", 20 * k, distance, 600 + k, 130 + k, 85, -3 + k)
        out += b"\xee" * 7
    return out

def counted(text):
    data = text.encode("cp1252")
    return struct.pack("<H", len(data)) + data

def tour():
    out = b"".join(counted(s) for s in ["TOUR1", "Evening ride", "text one", "text two",
                                         "note", "skipped", ""])
    out += struct.pack("<iiB", 1079345130, 5, 0x21) + b"\0" * 16
    texts = {1: "Summit caf\xe9", 3: ""}
    for k in range(5):
        out += struct.pack("<iIffff", 10 * k, 75 * k, 500.5 + k, 12.25, 88.0, 140.0 + k)
        if k in texts:
            out += b"\x01" + counted(texts[k])
        else:
            out += b"\x00"
        out += struct.pack("<B", k)
    return out

for name, data in [("recording-example.hrm", hrm()), ("recording-cut-short.hrm", hrm()[:256]),
                   ("recording-pause.tur", tur()), ("recording-texts.tour", tour())]:
    with open(name, "wb") as f:
        f.write(data)
