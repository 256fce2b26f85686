#!/usr/bin/python3
"""An average heart rate the field cannot hold is refused when the editor's OK
is pressed: a message names the field and its range, the editor stays open,
and Cancel leaves the stored workout as it was."""

import re

import kadenzo_e2e as e2e
from kadenzo_e2e import check


def journey(session, start):
    e2e.diary_with_yesterdays_workout(
        session, distance=10, duration=45, averagePulse=141, maxPulse=155)
    stored = e2e.the_workout(session.read_diary())
    program = start()
    main, editor = e2e.open_yesterdays_workout(program, session, "Performance")

    average = program.find("text", "Average heart rate:", root=editor)
    check(program.text(average) == "141", f"the editor shows {program.text(average)!r}, not 141")
    program.type_into(average, "300")
    program.click(program.find("push button", "OK", root=editor))

    message = program.window(role="alert")
    said = " ".join(program.texts(message))
    check("average heart rate" in said.lower(), f"the message does not name the field: {said!r}")
    numbers = re.findall(r"\d+", said)
    check("0" in numbers and "255" in numbers,
          f"the message does not give the range 0 to 255: {said!r}")
    program.click(program.find("push button", "OK", root=message))
    program.gone(message, "the message")
    program.no_window("alert", settle=0.5)
    check(editor.getState().contains(program.pyatspi.STATE_SHOWING),
          "the editor closed on a heart rate it cannot hold")

    program.click(program.find("push button", "Cancel", root=editor))
    program.gone(editor, "the editor")
    program.save_and_quit(main)

    saved = e2e.the_workout(session.read_diary())
    check(saved["averagePulse"] == 141, f"saved averagePulse {saved['averagePulse']}, expected 141")
    changed = {key: value for key, value in saved.items() if stored.get(key) != value}
    check(not changed, f"Cancel changed the workout: {changed}")


if __name__ == "__main__":
    e2e.run_journey(journey)
