#!/usr/bin/python3
"""Race day, read as a screen reader reads it: the demo diary in the form
view (F7); its legend names the next race, its day and the form of its
morning, as `kadenzo-tool form` gives them; the chart's table takes the focus
on today's form as the view opens, and the arrow keys walk it down to the
race's row. Then File › Export › Plan as Calendar writes the plan, with the
box ticked that writes it again after every save: the next save writes it
anew, and an independent parser (python3-icalendar, when present) reads the
events kadenzo-tool ical gives."""

import datetime
import json
import math
import os
import re

import kadenzo_e2e as e2e
from kadenzo_e2e import check, module_text

NEXT_RACE, CHART_NAME, FORM_COLUMN = 35401, 35116, 35115
EXPORT = {"en": ("File", "Export", "Plan as Calendar..."),
          "de": ("Datei", "Exportieren", "Plan als Kalender...")}
CALENDAR_TITLE, CALENDAR_FILE, AFTER_SAVE, EXPORT_BUTTON = 35430, 35431, 35433, 35435


def rounded(value):
    """As the program rounds: halves away from zero."""
    return int(math.copysign(math.floor(abs(value) + 0.5), value))


def pattern(language, text_id):
    """A module text as a regular expression: %s any text, %d a whole number."""
    parts = re.split(r"(%s|%d)", module_text(language, text_id))
    return re.compile("".join("(.+?)" if p == "%s" else r"(-?\d+)" if p == "%d" else re.escape(p)
                              for p in parts) + "$")


def dotted(iso):
    return datetime.date.fromisoformat(iso).strftime("%d.%m.%Y")


def demo_diary(session):
    demo = os.path.join(session.work, "demo.kdz")
    session.tool_run("demo", demo, *(["--german"] if session.language == "de" else []))
    document = json.loads(session.tool_run("dump", demo))
    # The program's own library (the demo's, by ids and names), so that no
    # question which one to keep comes up.
    document["library"] = json.loads(session.tool_run("library-dump", session.library_file()))
    session.write_diary(document)


def events_of(text):
    """The UIDs and summaries of a calendar, read by python3-icalendar when
    present, else by its lines."""
    try:
        import icalendar
    except ImportError:
        unfolded = text.replace("\r\n ", "")
        return sorted(line[4:] for line in unfolded.split("\r\n") if line.startswith("UID:"))
    calendar = icalendar.Calendar.from_ical(text)
    return sorted(str(event["UID"]) for event in calendar.walk("VEVENT"))


def journey(session, start):
    demo_diary(session)
    today = datetime.date(1899, 12, 30) + datetime.timedelta(days=session.today)
    expected = json.loads(session.tool_run("form", session.diary, "--today", today.isoformat()))
    race = expected["nextRace"]
    check(race is not None, "the demo has no race ahead")
    fitness, fatigue = rounded(race["fitness"]), rounded(race["fatigue"])

    program = start()
    language = program.language
    main = program.window(role="frame", timeout=20)
    program.focus(main)
    program.key("F7")

    # The legend, as text: the next race first.
    race_line = pattern(language, NEXT_RACE)
    label = program.find("label", lambda name: bool(race_line.match(name)), root=main)
    name, day, form, shown_fitness, shown_fatigue = race_line.match(label.name).groups()
    check((name, day) == (race["name"], dotted(race["date"])),
          f"the legend names {name!r} on {day}, kadenzo-tool {race['name']!r} on {race['date']}")
    check((int(form), int(shown_fitness), int(shown_fatigue)) ==
          (fitness - fatigue, fitness, fatigue),
          f"the legend reads {label.name!r}; kadenzo-tool gives {race}")

    # The table: focused on today's form, then down day by day to the race.
    chart = program.find("table", module_text(language, CHART_NAME), root=main)
    grid = chart.queryTable()
    dates = [grid.getRowDescription(row) for row in range(grid.nRows)]
    for wanted in (today.strftime("%d.%m.%Y"), dotted(race["date"])):
        check(wanted in dates, f"the table shows no row of {wanted} ({dates[0]} to {dates[-1]})")
    column = [grid.getColumnDescription(c) for c in range(grid.nColumns)].index(
        module_text(language, FORM_COLUMN))
    focused = program.pyatspi.STATE_FOCUSED

    def focused_row():
        rows = [row for row in range(grid.nRows)
                if grid.getAccessibleAt(row, column).getState().contains(focused)]
        return rows[0] if len(rows) == 1 else None

    # F7 has put the focus there, on today's form.
    today_row = dates.index(today.strftime("%d.%m.%Y"))
    program.wait_for(lambda: focused_row() == today_row, "today's form to take the focus")
    race_row = dates.index(dotted(race["date"]))
    for _ in range(race_row - today_row):
        program.key("Down")
    program.wait_for(lambda: focused_row() == race_row,
                     f"the race's row {race_row} to take the focus (on {focused_row()})")
    cell = grid.getAccessibleAt(race_row, column)
    check(cell.name == str(fitness - fatigue),
          f"the table reads form {cell.name} on race day, the legend {fitness - fatigue}")

    # The plan as a calendar, written again after every save.
    calendar = os.path.join(session.work, "synced", "plan.ics")
    os.makedirs(os.path.dirname(calendar))
    program.menu(main, *EXPORT[language])
    dialog = program.window(module_text(language, CALENDAR_TITLE))
    program.type_into(program.find("text", module_text(language, CALENDAR_FILE), root=dialog),
                      calendar)
    program.click(program.find("check box", module_text(language, AFTER_SAVE), root=dialog))
    program.click(program.find("push button", module_text(language, EXPORT_BUTTON), root=dialog))
    program.gone(dialog, "the export dialog")
    wanted = events_of(session.tool_run("ical", session.diary, "--today", today.isoformat()))
    with open(calendar, newline="") as exported:
        check(events_of(exported.read()) == wanted, "the exported calendar differs from ical's")
    os.remove(calendar)
    program.save_and_quit(main)
    check(os.path.exists(calendar), "the save did not write the calendar again")
    with open(calendar, newline="") as rewritten:
        check(events_of(rewritten.read()) == wanted, "the rewritten calendar differs from ical's")


if __name__ == "__main__":
    e2e.run_journey(journey)
