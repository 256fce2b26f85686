#!/usr/bin/python3
"""A duration typed with hours, minutes and seconds on the performance page is
stored to the second and shown again as typed; the program speaks German."""

import kadenzo_e2e as e2e
from kadenzo_e2e import check

PERFORMANCE, DURATION, OK = "Durchführung", "Dauer:", "OK"


def journey(session, start):
    e2e.diary_with_yesterdays_workout(session, distance=20, duration=95)
    program = start()
    main, editor = e2e.open_yesterdays_workout(program, session, PERFORMANCE)
    duration = program.find("text", DURATION, root=editor)
    check(program.text(duration) == "1:35:00",
          f"the editor shows the duration {program.text(duration)!r}, not 1:35:00")
    program.type_into(duration, "1:41:52")
    program.click(program.find("push button", OK, root=editor))
    program.gone(editor, "the editor")

    main, editor = e2e.open_yesterdays_workout(program, session, PERFORMANCE)
    duration = program.find("text", DURATION, root=editor)
    program.wait_text(duration, "1:41:52")
    program.key("Escape")
    program.gone(editor, "the editor")
    program.save_and_quit(main)

    saved = e2e.the_workout(session.read_diary())
    check(abs(saved["duration"] * 60 - 6112) < 1e-3,
          f"saved duration {saved['duration']} minutes, expected 6112 s (101.8667 minutes)")


if __name__ == "__main__":
    e2e.run_journey(journey, language="de")
