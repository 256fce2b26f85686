#!/usr/bin/python3
"""A training camp over the turn of the month marked in the events dialog
(Ctrl+E: a day found by its name, Shift+Right to the camp's last day, the
kind, no training) and a sub-sport added in the library editor (Extras ›
Library, the sub-sports tab, the new row). Edit › Undo names and takes back
each, Redo brings both back, and the saved diary holds the camp and the
library with the new sub-sport."""

import datetime

import kadenzo_e2e as e2e
from kadenzo_e2e import check

EDIT_EVENTS, CHANGE_LIBRARY = 34967, 34968
ID_LIBRARY = 32784
CAMP_KIND, CAMP_DAYS = "Race preparation", 4
SUB_SPORT, SPORT = "Gravel", "Cycling"


def spoken_date(day):
    """A day as the calendar names it: "Monday, 30 November 2026"."""
    date = datetime.date(1899, 12, 30) + datetime.timedelta(days=day)
    return f"{date:%A}, {date.day} {date:%B} {date.year}"


def first_camp_day(today):
    """Two days before the end of the month after this one, so that the camp
    runs into the month after it and all of it shows beside this month."""
    date = datetime.date(1899, 12, 30) + datetime.timedelta(days=today)
    month = date.replace(day=1) + datetime.timedelta(days=32)
    last = month.replace(day=1) + datetime.timedelta(days=32)
    last = last.replace(day=1) - datetime.timedelta(days=1)
    return (last - datetime.date(1899, 12, 30)).days - 1


def mark_camp(program, main, first):
    program.focus(main)
    program.key("ctrl+e")
    dialog = program.window("Events")
    day = program.find("list item", lambda name: name.startswith(spoken_date(first)),
                       root=dialog)
    program.click(day)
    for _ in range(CAMP_DAYS - 1):
        program.key("shift+Right")
    kind = program.find("combo box", "Event kind:", root=dialog)
    program.choose(kind, CAMP_KIND)
    blocked = program.find("check box", "No training possible on these days", root=dialog)
    program.click(blocked)
    program.wait_for(lambda: blocked.getState().contains(program.pyatspi.STATE_CHECKED),
                     "no training to be ticked")
    program.click(program.find("push button", "OK", root=dialog))
    program.gone(dialog, "the events dialog")


def add_sub_sport(program, main):
    program.command(main, ID_LIBRARY)
    editor = program.window("Library")
    program.click(program.find("page tab", "Sub-sports", root=editor))
    table = program.find("table", "Sub-sports", root=editor)
    grid = table.queryTable()
    new_row = grid.nRows - 1
    cell = grid.getAccessibleAt(new_row, 0)
    program.click(cell)
    program.wait_for(lambda: cell.getState().contains(program.pyatspi.STATE_FOCUSED),
                     "the new row's name to be current")
    program.type(SUB_SPORT)
    # Tab takes the name and opens the sport's choices, where a letter finds
    # the first sport with it (one key: typed letters join only for a moment).
    program.key("Tab")
    # The sport's editor has the focus once it is open; a letter typed
    # before would search the grid instead.
    program.wait_for(lambda: cell.name == SUB_SPORT and not table.getState().contains(
        program.pyatspi.STATE_FOCUSED), f"the name {SUB_SPORT} and the sport's choices")
    program.type(SPORT[0])
    program.key("Return")
    # Down while the choices are still open would choose the next sport.
    program.wait_for(lambda: grid.getAccessibleAt(new_row, 1).name == SPORT and
                     table.getState().contains(program.pyatspi.STATE_FOCUSED),
                     f"the sport {SPORT} taken")
    # Leaving the row stores it; the grid adds the next new row below.
    program.key("Down")
    program.wait_for(lambda: grid.nRows == new_row + 2 and [
        grid.getAccessibleAt(new_row, c).name for c in (0, 1)] == [SUB_SPORT, SPORT],
        f"a row {SUB_SPORT}, {SPORT} (the last rows: " + str([[grid.getAccessibleAt(
            r, c).name for c in (0, 1)] for r in range(new_row - 1, grid.nRows)]) + ")")
    program.click(program.find("push button", "OK", root=editor))
    program.gone(editor, "the library editor")


def journey(session, start):
    document = session.demo_document()
    session.write_diary(document)
    first = first_camp_day(session.today)
    program = start()
    main = program.window(role="frame", timeout=20)
    steps = e2e.UndoSteps(program, main)
    mark_camp(program, main, first)
    steps.done(EDIT_EVENTS)
    add_sub_sport(program, main)
    steps.done(CHANGE_LIBRARY)
    steps.undo_all()
    steps.redo_all()
    program.save_and_quit(main)

    saved = session.read_diary()
    kinds = {kind["name"]: kind["id"] for kind in saved["library"]["eventKinds"]}
    camps = [(int(e["start"]["value"]), int(e["end"]["value"]), e["kind"], e["blocksDay"])
             for e in saved["log"]["events"]]
    check(camps == [(first, first + CAMP_DAYS - 1, kinds[CAMP_KIND], 1)],
          f"saved events (first day, last day, kind, blocks): {camps}, "
          f"expected the camp from day {first}")
    sports = {sport["name"]: sport["id"] for sport in saved["library"]["sports"]}
    added = [s for s in saved["library"]["subSports"] if s["name"] == SUB_SPORT]
    check(len(added) == 1 and added[0]["sportId"] == sports[SPORT],
          f"saved sub-sports named {SUB_SPORT}: {added}")


if __name__ == "__main__":
    e2e.run_journey(journey)
