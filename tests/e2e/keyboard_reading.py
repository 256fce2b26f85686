#!/usr/bin/python3
"""Reading and editing by keys alone, in German by default, with what a
screen reader says checked after every key: the analysis (F6 lands on the
chart's table, whose bars the arrow keys walk with their period and name),
the import dialog's two markers (Tab from one to the other, the arrow keys
move them, their places heard as times), the library editor (Tab leaves its
grid, a colour cell and the new row are named, Enter is OK), the search
dialog's value field (after its criterion, Alt and its letter reach it, its
"none" entry heard as a word), the set-up page's plan (text that is no
figure is refused with the field's message and changes nothing) and F1
without a PDF viewer (a message says where the manual is).

    keyboard_reading.py KADENZO KADENZO_TOOL [en|de]
"""

import os
import stat

import kadenzo_e2e as e2e
from kadenzo_e2e import check
from screen_reader import ScreenReader

LONG_RUN = 2
IMPORT_BUTTON, IMPORT_TITLE = 34176, 34600
START_MARKER, END_MARKER = 35060, 35061
PLANNED_DURATION_NAME = 34812
LIBRARY_EDITOR = 32784
COLOUR, NEW_ROW = 35510, 35512
SPORT_PROPERTY, SPOKEN_NONE, VALUE_LABEL = 33011, 35501, 34423
RECORDING = os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "data",
                         "recording-example.hrm")


def before_placeholder(text):
    """A numbered text up to its first placeholder: what every filled-in
    form of it starts with."""
    return text.split("%")[0]


def diary(session):
    """The demo's workouts, and yesterday's long run with a recording."""
    document = session.demo_document()
    workouts = [w for w in document["log"]["workouts"] if int(w["date"]) != session.today - 1]
    yesterday = dict(workouts[0], date=session.today - 1 + 0.5, templateId=LONG_RUN, sportId=1,
                     plannedDuration=90.0, plannedDistance=15.0,
                     recordingPath=os.path.realpath(RECORDING), marker1=-1, marker2=-1)
    document["log"]["workouts"] = sorted(workouts + [yesterday], key=lambda w: w["date"])
    session.write_diary(document)


def no_pdf_viewer(session):
    """A desktop that names no program for PDF files."""
    folder = os.path.join(session.work, "bin")
    os.makedirs(folder, exist_ok=True)
    query = os.path.join(folder, "xdg-mime")
    with open(query, "w") as out:
        out.write("#!/bin/sh\nexit 0\n")
    os.chmod(query, os.stat(query).st_mode | stat.S_IXUSR)
    session.extra_env["PATH"] = folder + os.pathsep + os.environ.get("PATH", "")


def open_yesterday(program, reader, session, main):
    reader.press("Home")
    reader.press("Left")
    program.key("Return")
    editor = program.window(e2e.diary_date(session.today - 1))
    reader.wait_in(editor)
    return editor


def tab_to(reader, probe, what, limit=30):
    for _ in range(limit):
        step = reader.press("Tab")
        if probe(step.heard):
            return step
    raise e2e.JourneyFailed(f"Tab never reached {what}")


def journey(session, start):
    diary(session)
    no_pdf_viewer(session)
    program = start()
    language = program.language
    text = lambda text_id: e2e.module_text(language, text_id)  # noqa: E731
    main = program.window(role="frame", timeout=20)
    reader = ScreenReader(program)
    reader.start(main)

    # The analysis: the focus on a bar of the chart's table, with its headers.
    program.key("F6")
    first = reader.wait_focus(lambda heard: heard.role == "table cell", "the chart's bars")
    check(len(first.headers) == 2, f"the bar is heard without its period and name: {first}")
    down = reader.expect("Down", role="table cell")
    check(down.heard.headers[0] != first.headers[0], f"Down stays in the period: {down}")
    end = reader.expect("End", role="table cell")
    check(end.heard.headers[0] == down.heard.headers[0], f"End leaves the period: {end}")
    program.key("F5")
    reader.wait_in(main)

    # The import dialog: each marker a stop of Tab, moved by the arrow keys,
    # heard at its time.
    editor = open_yesterday(program, reader, session, main)
    program.key("ctrl+Tab")
    tab_to(reader, lambda heard: heard.name == text(IMPORT_BUTTON), "the import button")
    program.key("space")
    importer = program.window(text(IMPORT_TITLE))
    reader.wait_in(importer)
    start_name = before_placeholder(text(START_MARKER))
    step = tab_to(reader, lambda heard: heard.name.startswith(start_name), "the start marker")
    check(step.heard.role == "slider" and step.heard.name.endswith("0:00:00"),
          f"the start marker is not heard at its time: {step}")
    moved = reader.expect("Right", start_name, role="slider")
    check(moved.heard.name != step.heard.name and ":" in moved.heard.name.split()[-1],
          f"the start marker moved without telling its time: {moved}")
    end = reader.expect("Tab", text(END_MARKER), role="slider")
    earlier = reader.expect("Left", text(END_MARKER), role="slider")
    check(earlier.heard.name != end.heard.name, f"the end marker did not move: {earlier}")
    reader.expect("shift+Tab", start_name, role="slider")
    program.key("Escape")
    program.gone(importer, "the import dialog")
    reader.wait_in(editor)
    program.key("Escape")
    program.gone(editor, "the editor")
    reader.wait_in(main)

    # The plan: text that is no figure is refused, and nothing changes.
    editor = open_yesterday(program, reader, session, main)
    planned = tab_to(reader, lambda heard: heard.role == "text", "the planned field")
    program.key("ctrl+a")
    program.type("abc")
    program.key("Return")
    alert = program.window(role="alert")
    message = " ".join(program.texts(alert))
    check(text(PLANNED_DURATION_NAME) in message, f"the refusal does not name the field: {message}")
    program.key("Return")
    program.gone(alert, "the message")
    reader.wait_focus(lambda heard: heard.role == "text" and heard.name == planned.heard.name,
                      "the planned field again")
    program.key("ctrl+a")
    program.type("45min")
    program.key("Return")
    program.gone(editor, "the editor")
    reader.wait_in(main)

    # The library editor: Tab leaves the grid, its colours and new row are
    # named, Enter is OK.
    program.key("alt+x")
    item = e2e.MENUS[language]["diary"][LIBRARY_EDITOR][1]
    step = reader.press("Down")
    for _ in range(10):
        if step.heard.name == item:
            break
        step = reader.press("Down")
    program.key("Return")
    library = program.window(e2e.module_text(language, 34410))
    reader.wait_in(library)
    cell = tab_to(reader, lambda heard: heard.role == "table cell", "the grid")
    colour = before_placeholder(text(COLOUR))
    for _ in range(6):
        cell = reader.press("Right")
        if cell.heard.name.startswith(colour):
            break
    check(cell.heard.name.startswith(colour) and cell.heard.headers,
          f"a colour cell is not heard as a colour with its column: {cell}")
    new = reader.expect("ctrl+End", role="table cell")
    check(text(NEW_ROW) in new.heard.headers, f"the new row is not heard as such: {new}")
    reader.expect("Tab", role="push button")
    reader.expect("shift+Tab", role="table cell")
    program.key("Return")
    program.gone(library, "the library editor")
    reader.wait_in(main)

    # The search: the value after its criterion, named, reached by its letter.
    program.key("ctrl+f")
    search = program.window(text(34420))
    reader.wait_in(search)
    sport = text(SPORT_PROPERTY)
    step = reader.now()
    for _ in range(8):
        if step.heard.role == "combo box" and sport in step.heard.name:
            break
        step = reader.press("Down")
    check(sport in step.heard.name, f"no sport among the properties: {step}")
    reader.expect("Tab", role="combo box")
    value = reader.expect("Tab", text(VALUE_LABEL).replace("&", ""), text(SPOKEN_NONE),
                          role="combo box")
    check("-----" not in value.heard.name, f"the none entry reads as dashes: {value}")
    reader.expect("Tab", role="push button")
    label = e2e.module_source_text(language, VALUE_LABEL)
    letter = label[label.index("&") + 1].lower()
    reader.expect(f"alt+{letter}", text(VALUE_LABEL).replace("&", ""), role="combo box")
    program.key("Escape")
    program.gone(search, "the search")
    reader.wait_in(main)

    # F1 without a PDF viewer says where the manual is.
    program.key("F1")
    alert = program.window(role="alert")
    message = " ".join(program.texts(alert))
    check(".pdf" in message, f"F1 does not say where the manual is: {message}")
    reader.wait_in(alert)
    reader.expect("Return", role="list item")
    program.gone(alert, "the message")

    program.save_and_quit(main)
    saved = [w for w in session.read_diary()["log"]["workouts"]
             if int(w["date"]) == session.today - 1]
    check(len(saved) == 1 and saved[0]["plannedDuration"] == 45 and
          saved[0]["plannedDistance"] == 0,
          f"yesterday's plan saved {[(w['plannedDuration'], w['plannedDistance']) for w in saved]}")


if __name__ == "__main__":
    e2e.run_journey(journey, language="de", window_manager=True, timeout=180)
