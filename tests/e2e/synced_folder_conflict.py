#!/usr/bin/python3
"""A diary in a synced folder where both sides changed the same workout: the
window changed its duration, another computer its duration and notes. The
notice offers the merge; saving shows the merge window first, which is
answered by keys alone (the other version kept), and the choice is saved as
the undo step Merge Changes."""

import copy

from synced_folder import arrives_from_elsewhere, edit_yesterdays_duration

import kadenzo_e2e as e2e
from kadenzo_e2e import check

MERGE_TITLE, MERGE_NOW, KEEP_THEIRS = 35200, 35271, 35211
STEP_MERGE = 34975
LAPTOP = "edited on the laptop"


def journey(session, start):
    e2e.diary_with_yesterdays_workout(session, distance=10, duration=45)
    document = session.read_diary()
    program = start()
    text = lambda number: e2e.module_text(program.language, number)

    main = edit_yesterdays_duration(program, session, "0:50:00")
    elsewhere = copy.deepcopy(document)
    elsewhere["log"]["workouts"][0].update(duration=55, notes=LAPTOP)
    arrives_from_elsewhere(session, elsewhere)
    program.find("push button", text(MERGE_NOW), root=main, timeout=15)

    program.focus(main)
    program.key("ctrl+s")
    window = program.window(text(MERGE_TITLE))
    conflicts = program.find("table", lambda name: name.startswith("Conflicts"), root=window)
    program.focus(conflicts)
    # The rules kept both versions: Tab goes to the choice, Left takes the other one.
    program.key("Tab")
    program.key("Left")
    theirs = program.find("radio button", text(KEEP_THEIRS), root=window)
    program.wait_for(lambda: theirs.getState().contains(program.pyatspi.STATE_CHECKED),
                     "the other version to be chosen")
    program.key("Return")
    program.gone(window, "the merge window")
    program.wait_for(lambda: "*" not in main.name, "the merged diary to be saved")

    undo = e2e.UndoSteps(program, main)
    expected = text(e2e.UndoSteps.UNDO).replace("%s", text(STEP_MERGE))
    offered = e2e.Program.plain(undo._commands()[0])
    check(offered == expected, f"Edit offers {offered!r}, not {expected!r}")
    program.focus(main)
    program.key("ctrl+q")
    code = program.process.wait(15)
    check(code == 0, f"the program ended with status {code}")

    saved = e2e.the_workout(session.read_diary())
    check(saved["notes"] == LAPTOP and abs(saved["duration"] - 55) < 1e-6,
          f"the other version was not the one kept: {saved}")


if __name__ == "__main__":
    e2e.run_journey(journey)
