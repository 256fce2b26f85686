#!/usr/bin/python3
"""Last year's long runs found with Search Workouts (Ctrl+F: the workout and
two dates as criteria), one opened from the list with Enter and its
distance corrected; Edit › Undo names and takes back the correction, Redo
brings it back. The analysis (F6) of the last two years by sport then
reads, through the chart's table, as much running as the diary holds."""

import datetime
import re

import kadenzo_e2e as e2e
from kadenzo_e2e import check

EDIT_WORKOUT = 34963
ID_RANGE_2_YEARS, ID_DISTANCE, ID_BY_SPORT = 32912, 32800, 32803
LONG_RUN, EASY_RUN, RUNNING = "Long run", "Easy run", "Running"


def day_of(date):
    return (date - datetime.date(1899, 12, 30)).days


def diary(session):
    """Three long runs and an easy run last year, a long run this year."""
    document = session.demo_document()
    library = document["library"]
    template = {t["name"]: t for t in library["workoutTemplates"]}
    today = datetime.date(1899, 12, 30) + datetime.timedelta(days=session.today)
    last_year = today.year - 1
    workouts = []
    for month, name, distance in ((3, LONG_RUN, 24.0), (6, EASY_RUN, 8.0), (7, LONG_RUN, 25.0),
                                  (10, LONG_RUN, 26.0), (0, LONG_RUN, 21.0)):
        date = datetime.date(last_year, month, 12) if month else today.replace(month=1, day=1)
        workout = dict(document["log"]["workouts"][0])
        workout.update(date=day_of(date) + 0.4, templateId=template[name]["id"],
                       sportId=template[name]["sportId"], distance=distance,
                       duration=distance * 6, plannedDistance=distance,
                       plannedDuration=distance * 6, recordingPath="", marker1=-1, marker2=-1)
        workouts.append(workout)
    document["log"]["workouts"] = workouts
    session.write_diary(document)
    return last_year, workouts


def criterion(program, dialog, prop, value, comparison=None):
    """Chooses a property, a comparison and a value by keyboard and adds
    them to the list."""
    # A combo box reads as its choice; the property's comes first, the
    # comparison's second, the value's (made for the property) third.
    def combos():
        return [c for c in dialog if c is not None and c.getRoleName() == "combo box"]
    program.choose(combos()[0], prop)
    if comparison:
        program.choose(combos()[1], comparison)
    if prop == "Date":
        field = program.find("spin button", root=dialog)
        program.focus(field)
        # A date field takes typing over a selected section: each of day,
        # month and year is selected with the keyboard and typed over.
        start = 0
        for part in value.split("."):
            program.key("Home")
            for _ in range(start):
                program.key("Right")
            for _ in part:
                program.key("shift+Right")
            program.type(part)
            start += len(part) + 1
        program.wait_text(field, value)
    else:
        program.wait_for(lambda: len(combos()) == 3, "the value's choice")
        program.choose(combos()[2], value)
    program.click(program.find("push button", "Add", root=dialog))


def open_found(program, main, last_year):
    program.focus(main)
    program.key("ctrl+f")
    search = program.window("Search Workouts")
    criterion(program, search, "Workout", LONG_RUN)
    criterion(program, search, "Date", f"01.01.{last_year}", "is at least")
    criterion(program, search, "Date", f"31.12.{last_year}", "is at most")
    rows = program.find("tree", "Search Workouts", root=search)
    program.wait_for(lambda: rows.queryTable().nRows == 3, "three criteria in the list")
    program.click(program.find("push button", "Search", root=search))
    found = program.window("Workouts Found")
    table = program.find("tree", root=found).queryTable()
    program.wait_for(lambda: table.nRows == 3, f"three long runs found ({table.nRows})")
    return search, found, table


def journey(session, start):
    last_year, workouts = diary(session)
    program = start()
    main = program.window(role="frame", timeout=20)
    steps = e2e.UndoSteps(program, main)
    search, found, table = open_found(program, main, last_year)

    # The second found, in date order July's, ran 25 km: corrected to 25.5.
    program.click(table.getAccessibleAt(1, 0))
    program.key("Return")
    july = day_of(datetime.date(last_year, 7, 12))
    editor = program.window(e2e.diary_date(july))
    program.click(program.find("page tab", "Performance", root=editor))
    distance = program.find("text", "Distance (km):", root=editor)
    program.wait_for(lambda: float(program.text(distance)) == 25, "July's 25 km")
    program.type_into(distance, "25.5")
    program.click(program.find("push button", "OK", root=editor))
    program.gone(editor, "the editor")
    steps.done(EDIT_WORKOUT)
    for window in (found, search):
        program.focus(window)
        program.key("Escape")
        program.gone(window, window.name)
    steps.undo_all()
    steps.redo_all()

    program.focus(main)
    program.key("F6")
    for command in (ID_RANGE_2_YEARS, ID_DISTANCE, ID_BY_SPORT):
        program.command(main, command, "analysis")
    chart = program.find("table", root=main)
    program.wait_for(lambda: RUNNING in [chart.queryTable().getColumnDescription(c) for c in
                                         range(chart.queryTable().nColumns)],
                     "a bar for running")
    grid = chart.queryTable()
    column = [grid.getColumnDescription(c) for c in range(grid.nColumns)].index(RUNNING)
    sums = [grid.getAccessibleAt(row, column).name for row in range(grid.nRows)]
    shown = sum(float(re.search(r"[\d.]+", text or "0").group()) for text in sums)
    expected = sum(w["distance"] for w in workouts) + 0.5
    check(abs(shown - expected) < 0.05 * grid.nRows,
          f"the chart's running sums {sums} add up to {shown}, the diary ran {expected} km")
    program.save_and_quit(main)

    saved = {int(w["date"]): w["distance"] for w in session.read_diary()["log"]["workouts"]}
    check(abs(saved[july] - 25.5) < 1e-3, f"July's long run saved {saved[july]} km, not 25.5")


if __name__ == "__main__":
    e2e.run_journey(journey)
