#!/usr/bin/python3
"""A week planned and done without the mouse in the diary: today's long run
and tomorrow's easy run planned from the library browser (F8, a template,
Enter), what the long run did entered on the performance page, the easy run
moved a day on (Ctrl+Shift+Right) and copied to the next day (Ctrl+C,
Ctrl+V). Edit › Undo names each step and takes them back one by one, Redo
brings them all back, and the saved diary holds the week."""

import kadenzo_e2e as e2e
from kadenzo_e2e import check

ADD, EDIT, MOVE, COPY = 34964, 34963, 34960, 34961
LONG_RUN, EASY_RUN = "Long run", "Easy run"


def plan_from_browser(program, browser, template):
    """Selects a template in the library browser and plans it with Enter on
    the day selected in the diary."""
    item = program.find_item(template, root=browser)
    program.click(item)
    program.wait_for(lambda: item.getState().contains(program.pyatspi.STATE_SELECTED),
                     f"{template} to be selected")
    program.key("Return")


def journey(session, start):
    document = session.demo_document()
    document["log"]["workouts"] = []
    session.write_diary(document)
    library = document["library"]["workoutTemplates"]
    template = {t["name"]: t["id"] for t in library}
    program = start()
    main = program.window(role="frame", timeout=20)
    steps = e2e.UndoSteps(program, main)

    program.focus(main)
    program.key("Home")
    program.key("F8")
    browser = program.window(e2e.MENUS["en"]["diary"][e2e.ID_VIEW_LIBRARY_BROWSER][1])
    plan_from_browser(program, browser, LONG_RUN)
    steps.done(ADD)

    # The planned workout is selected: Enter opens it.
    program.focus(main)
    program.key("Return")
    editor = program.window(e2e.diary_date(session.today))
    program.click(program.find("page tab", "Performance", root=editor))
    program.find("page tab list", "Performance", root=editor)
    program.type_into(program.find("text", "Distance (km):", root=editor), "21.1")
    program.type_into(program.find("text", "Duration:", root=editor), "2:05")
    program.click(program.find("push button", "OK", root=editor))
    program.gone(editor, "the editor")
    steps.done(EDIT)
    # A screen reader reads the workout's box as it is painted, with what was done.
    program.find("list item", lambda name: name.startswith(LONG_RUN) and "21.1" in name,
                 root=main)

    program.focus(main)
    program.key("Right")
    plan_from_browser(program, browser, EASY_RUN)
    steps.done(ADD)

    program.focus(main)
    program.key("ctrl+shift+Right")
    steps.done(MOVE)
    program.key("ctrl+c")
    program.key("Right")
    program.key("ctrl+v")
    steps.done(COPY)

    steps.undo_all()
    steps.redo_all()
    program.save_and_quit(main)

    saved = sorted(session.read_diary()["log"]["workouts"], key=lambda w: w["date"])
    days = [(int(w["date"]) - session.today, w["templateId"]) for w in saved]
    check(days == [(0, template[LONG_RUN]), (2, template[EASY_RUN]), (3, template[EASY_RUN])],
          f"saved (day after today, template): {days}")
    long_run = saved[0]
    check(abs(long_run["duration"] - 125) < 1e-3 and abs(long_run["distance"] - 21.1) < 1e-3,
          f"the long run saved {long_run['distance']} km in {long_run['duration']} minutes")


if __name__ == "__main__":
    e2e.run_journey(journey)
