"""Every calendar kadenzo-tool ical writes, read back by python3-icalendar.

Usage: check_ical.py KADENZO_TOOL WORK_FOLDER

Exports the English and the German demo and a diary whose names hold
commas, semicolons, backslashes and line breaks, then reads each file with
an independent parser: every event must carry its UID, stamp, start and
title, UIDs must be unique, the awkward texts must come back as they were
written, and no line may exceed 75 octets. Exits 77 (skipped) when the
module is missing.
"""

import json
import os
import re
import shutil
import subprocess
import sys

try:
    import icalendar
except ImportError:
    print("skipped: python3-icalendar is not installed")
    sys.exit(77)

TOOL, WORK = sys.argv[1], sys.argv[2]

TEMPLATE_NAME = 'Tempo, hills; \\ "fast"'
CATEGORY_NAME = "Tempo, hard; \\ ok"
NOTE = "Line one\r\nline two, with; and \\\rÜberlänge " + "Überlänge " * 20


def tool(*arguments):
    result = subprocess.run([TOOL, *arguments], capture_output=True, check=False)
    if result.returncode != 0:
        sys.exit(f"kadenzo-tool {' '.join(arguments)}: {result.stderr.decode(errors='replace')}")
    return result.stdout


def check_lines(name, data):
    if not data.endswith(b"\r\n"):
        sys.exit(f"{name}: the last line does not end in CR LF")
    for number, line in enumerate(data.split(b"\r\n")[:-1], 1):
        if b"\n" in line or b"\r" in line:
            sys.exit(f"{name}, line {number}: a line ending other than CR LF")
        if len(line) > 75:
            sys.exit(f"{name}, line {number}: {len(line)} octets")
        line.decode("utf-8")  # a fold never splits a character


def unfolded(data):
    return re.sub(r"\r\n[ \t]", "", data.decode("utf-8")).split("\r\n")


def categories(data):
    """The CATEGORIES items as RFC 5545 splits them (at unescaped commas)."""
    found = []
    for line in unfolded(data):
        if line.startswith("CATEGORIES:"):
            items = re.split(r"(?<!\\),", line[len("CATEGORIES:"):])
            found.append([icalendar.prop.vText.from_ical(item) for item in items])
    return found


def read(name, data):
    check_lines(name, data)
    calendar = icalendar.Calendar.from_ical(data)
    if str(calendar.get("VERSION")) != "2.0":
        sys.exit(f"{name}: no VERSION:2.0")
    events = calendar.walk("VEVENT")
    uids = set()
    for event in events:
        for key in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            if event.get(key) is None:
                sys.exit(f"{name}: an event without {key}")
        uid = str(event.get("UID"))
        if uid in uids:
            sys.exit(f"{name}: UID {uid} twice")
        uids.add(uid)
    return events


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    path = lambda name: os.path.join(WORK, name)

    for demo, options in (("demo.kdz", []), ("Demo-Saison.kdz", ["--german"])):
        tool("demo", path(demo), *options)
        data = tool("ical", path(demo))
        events = read(demo, data)
        if not events:
            sys.exit(f"{demo}: no events")
        if not all(str(e.get("UID")).endswith("@" + demo) for e in events):
            sys.exit(f"{demo}: a UID without the diary's name")

    # The demo with awkward names: the tempo template and its category, and
    # the plan note of every interval session.
    diary = json.loads(tool("dump", path("demo.kdz")))
    library = diary["library"]
    tempo = next(t for t in library["workoutTemplates"] if t["id"] == 3)
    tempo["name"] = TEMPLATE_NAME
    next(c for c in library["categories"] if c["id"] == tempo["categoryId"])["name"] = CATEGORY_NAME
    for workout in diary["log"]["workouts"]:
        if workout["templateId"] == 4:
            workout["planNote"] = NOTE
    with open(path("awkward.json"), "w", encoding="utf-8") as out:
        json.dump(diary, out, ensure_ascii=False)
    tool("load", path("awkward.json"), path("awkward; names, too.kdz"))
    data = tool("ical", path("awkward; names, too.kdz"))
    events = read("awkward", data)

    tempo_runs = [e for e in events if str(e.get("SUMMARY")).startswith(TEMPLATE_NAME + " ")]
    intervals = [e for e in events if NOTE.replace("\r\n", "\n").replace("\r", "\n")
                 in str(e.get("DESCRIPTION", ""))]
    if not tempo_runs or not intervals:
        sys.exit(f"awkward: {len(tempo_runs)} tempo runs, {len(intervals)} interval sessions "
                 "read back as written")
    if [CATEGORY_NAME] not in categories(data):
        sys.exit(f"awkward: no category {CATEGORY_NAME!r} in {categories(data)}")
    if not all(str(e.get("UID")).endswith("@awkward; names, too.kdz") for e in events):
        sys.exit("awkward: a UID without the diary's name")
    print(f"read {len(events)} events of the awkward diary and both demos")


main()
