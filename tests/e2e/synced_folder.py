#!/usr/bin/python3
"""A diary in a synced folder: another computer's version arrives on disk
while the diary is open and nothing is changed here, so the program reads it
again at once and says so in the status bar; an edit made in the window
afterwards is saved beside it, and the file holds both."""

import copy

import kadenzo_e2e as e2e
from kadenzo_e2e import check

RELOADED = 35272
LAPTOP = "planned on the laptop"


def arrives_from_elsewhere(session, document):
    """The diary replaced by another computer's version, as a sync program
    replaces it: written beside it and renamed over it (kadenzo-tool load)."""
    session.write_diary(document)


def edit_yesterdays_duration(program, session, typed):
    main, editor = e2e.open_yesterdays_workout(program, session, "Performance")
    program.type_into(program.find("text", "Duration:", root=editor), typed)
    program.click(program.find("push button", "OK", root=editor))
    program.gone(editor, "the editor")
    return main


def journey(session, start):
    workout = e2e.diary_with_yesterdays_workout(session, distance=10, duration=45)
    document = session.read_diary()
    program = start()
    main = program.window(role="frame", timeout=20)

    elsewhere = copy.deepcopy(document)
    elsewhere["log"]["workouts"].append(
        dict(workout, date=session.today + 1 + 0.5, duration=0, distance=0, notes=LAPTOP))
    arrives_from_elsewhere(session, elsewhere)
    bar = program.find("status bar", root=main)
    reloaded = e2e.module_text(program.language, RELOADED)
    program.wait_for(lambda: bar.name == reloaded,
                     f"the status bar to say {reloaded!r} (says {bar.name!r})")
    check("*" not in main.name, f"the diary read again is marked as changed: {main.name!r}")

    main = edit_yesterdays_duration(program, session, "0:52:00")
    program.save_and_quit(main)

    saved = session.read_diary()["log"]["workouts"]
    check(len(saved) == 2, f"{len(saved)} workouts saved, expected yesterday's and the laptop's")
    check(any(w["notes"] == LAPTOP for w in saved), f"the laptop's workout was lost: {saved}")
    yesterday = [w for w in saved if int(w["date"]) == session.today - 1]
    check(len(yesterday) == 1 and abs(yesterday[0]["duration"] - 52) < 1e-6,
          f"the edit made in the window was lost: {yesterday}")


if __name__ == "__main__":
    e2e.run_journey(journey)
