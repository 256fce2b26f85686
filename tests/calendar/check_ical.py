"""Every calendar kadenzo-tool ical writes, read back by python3-icalendar.

Usage: check_ical.py KADENZO_TOOL WORK_FOLDER. Exports both demos and a diary
whose names hold commas, semicolons, backslashes and line breaks; each file
must parse, with unique UIDs, lines of at most 75 octets ending in CR LF, and
the awkward texts must come back as written. Exits 77 (skipped) without the
module.
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
TEMPLATE = 'Tempo, hills; \\ "fast"'
CATEGORY = "Tempo, hard; \\ ok"
NOTE = "Line one\r\nline two, with; and \\\rÜberlänge " + "Überlänge " * 20


def tool(*arguments):
    result = subprocess.run([TOOL, *arguments], capture_output=True, check=False)
    if result.returncode != 0:
        sys.exit(f"kadenzo-tool {' '.join(arguments)}: {result.stderr.decode(errors='replace')}")
    return result.stdout


def read(name, data, diary):
    lines = data.split(b"\r\n")
    if lines.pop() != b"" or any(b"\n" in l or b"\r" in l or len(l) > 75 for l in lines):
        sys.exit(f"{name}: a line over 75 octets or not ending in CR LF")
    for line in lines:
        line.decode("utf-8")  # a fold never splits a character
    events = icalendar.Calendar.from_ical(data).walk("VEVENT")
    uids = [str(e.get("UID")) for e in events]
    if not events or len(set(uids)) != len(uids) or not all(u.endswith("@" + diary) for u in uids):
        sys.exit(f"{name}: no events, a UID twice or without the diary's name")
    if any(e.get(key) is None for e in events for key in ("DTSTAMP", "DTSTART", "SUMMARY")):
        sys.exit(f"{name}: an event without its stamp, start or title")
    return events


def main():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(WORK)
    path = lambda name: os.path.join(WORK, name)
    for demo, options in (("demo.kdz", []), ("Demo-Saison.kdz", ["--german"])):
        tool("demo", path(demo), *options)
        read(demo, tool("ical", path(demo)), demo)

    # The demo with awkward names: the tempo template, its category, and the
    # plan note of every interval session.
    diary = json.loads(tool("dump", path("demo.kdz")))
    library = diary["library"]
    tempo = next(t for t in library["workoutTemplates"] if t["id"] == 3)
    tempo["name"] = TEMPLATE
    next(c for c in library["categories"] if c["id"] == tempo["categoryId"])["name"] = CATEGORY
    for workout in diary["log"]["workouts"]:
        if workout["templateId"] == 4:
            workout["planNote"] = NOTE
    with open(path("awkward.json"), "w", encoding="utf-8") as out:
        json.dump(diary, out, ensure_ascii=False)
    name = "awkward; names, too.kdz"
    tool("load", path("awkward.json"), path(name))
    data = tool("ical", path(name))
    events = read(name, data, name)

    note = NOTE.replace("\r\n", "\n").replace("\r", "\n")
    if not any(str(e.get("SUMMARY")).startswith(TEMPLATE + " ") for e in events):
        sys.exit("awkward: the template's name did not come back")
    if not any(note in str(e.get("DESCRIPTION", "")) for e in events):
        sys.exit("awkward: the plan note did not come back")
    # python3-icalendar splits a category list at every comma, escaped or not:
    # split the unfolded lines as RFC 5545 does.
    unfolded = re.sub(r"\r\n[ \t]", "", data.decode("utf-8")).split("\r\n")
    categories = [[icalendar.prop.vText.from_ical(item)
                   for item in re.split(r"(?<!\\),", line[len("CATEGORIES:"):])]
                  for line in unfolded if line.startswith("CATEGORIES:")]
    if [CATEGORY] not in categories:
        sys.exit(f"awkward: no category {CATEGORY!r} in {categories}")
    print(f"read {len(events)} events of the awkward diary, and both demos")


main()
