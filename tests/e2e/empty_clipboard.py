#!/usr/bin/python3
"""Ctrl+V into every note field while nobody owns the clipboard, as after
logging in: the body data note, the plan note and the performance comment.
The program goes on, the fields stay empty, and the diary on disk is the same
bytes after quitting."""

import datetime

import kadenzo_e2e as e2e
from kadenzo_e2e import check

PLAN, PERFORMANCE = "Plan", "Performance"


def spoken_day(day):
    date = datetime.date(1899, 12, 30) + datetime.timedelta(days=day)
    return f"{date:%A}, {date.day} {date:%B %Y}"


def paste_into(program, window, name):
    field = program.find("text", name, root=window)
    program.focus(field)
    program.key("ctrl+v")
    # A round trip through the program: it answers only once the paste is done.
    program.find("text", name, root=window)
    check(program.process.poll() is None, f"the program ended on pasting into {name!r}")
    check(program.text(field) == "", f"{name!r} reads {program.text(field)!r} after the paste")


def journey(session, start):
    e2e.diary_with_yesterdays_workout(session, notes="", planNote="")
    with open(session.diary, "rb") as saved:
        before = saved.read()
    program = start()
    main = program.window(role="frame", timeout=20)

    day = program.find("list", spoken_day(session.today), root=main)
    x, y, width, _ = day.queryComponent().getExtents(program.pyatspi.DESKTOP_COORDS)
    program.focus(main)
    # The date bar heads the day: a double click there opens its body data.
    program.pyatspi.Registry.generateMouseEvent(x + width // 2, y + 4, "b1d")
    body = program.window(lambda title: title.startswith("Body Data"))
    paste_into(program, body, "Note:")
    program.key("Escape")
    program.gone(body, "the body data")

    main, editor = e2e.open_yesterdays_workout(program, session, PLAN)
    paste_into(program, editor, "Note:")
    program.click(program.find("page tab", PERFORMANCE, root=editor))
    program.find("page tab list", PERFORMANCE, root=editor)
    paste_into(program, editor, "Comment:")
    program.key("Escape")
    program.gone(editor, "the editor")

    program.focus(main)
    program.key("ctrl+q")
    check(program.process.wait(15) == 0, "the program did not end cleanly")
    with open(session.diary, "rb") as saved:
        check(saved.read() == before, "the diary changed on disk")


if __name__ == "__main__":
    e2e.run_journey(journey)
