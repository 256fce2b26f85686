#!/usr/bin/python3
"""A week planned and done by keys alone, as a blind athlete does it, with
what a screen reader says checked after every key (the focused object's
role, name, description and value, through the accessibility bus).

The diary speaks each day and workout in full (a long name is not cut as it
is painted), with its day, event and body data; Enter on a day alone and its
context menu (Shift+F10) open its body data; copy, paste, a refused paste and
a planning from the library browser (F8 there and back) are said as status
messages; Ctrl+Shift+Right is heard on the new day only; Page Up says the
week it shows, and Enter then opens what it said; Tab goes over to the weeks,
whose totals and ramp warning are heard, and back. The Edit menu's undo item
tells of each new name, and the saved diary holds what was done."""

import datetime

import kadenzo_e2e as e2e
from kadenzo_e2e import check
from screen_reader import MenuWatch, ScreenReader

INTERVALS, EASY_RUN, LONG_RUN = 4, 1, 2
INTERVALS_NAME = "Intervals 5 x 1000 m"
FAMILY = 0  # an event kind of the starter library
UNDO = 34972
COPY_STEP, MOVE_STEP, ADD_STEP = 34961, 34960, 34964


def spoken_day(day):
    date = datetime.date(1899, 12, 30) + datetime.timedelta(days=day)
    return f"{date:%A}, {date.day} {date:%B %Y}"


def workout(document, day, template, **fields):
    names = {t["id"]: t for t in document["library"]["workoutTemplates"]}
    w = dict(document["log"]["workouts"][0], date=day + 0.5, templateId=template,
             sportId=names[template]["sportId"], recordingPath="", notes="", planNote="",
             marker1=-1, marker2=-1)
    w.update(fields)
    return w


def diary(session):
    """Ten weeks of easy half hours done, yesterday's intervals, a week of
    long runs planned from tomorrow (it ramps up too fast) and a family day
    that rules out training in nine days."""
    document = session.demo_document()
    today = session.today
    done = dict(distance=5.0, duration=30.0, averagePulse=160, maxPulse=170)
    planned = dict(distance=0.0, duration=0.0, averagePulse=0, maxPulse=0, plannedDuration=120.0,
                   plannedDistance=20.0, targetPulseLow=160, targetPulseHigh=160, targetFixed=1)
    workouts = [workout(document, day, EASY_RUN, **done) for day in range(today - 70, today - 1)]
    workouts.append(workout(document, today - 1, INTERVALS, **done))
    workouts += [workout(document, day, LONG_RUN, **planned) for day in range(today + 1, today + 7)]
    document["log"]["workouts"] = workouts
    document["log"]["events"] = [{"start": {"status": 0, "value": today + 9.5},
                                  "end": {"status": 0, "value": today + 9.5},
                                  "blocksDay": 1, "kind": FAMILY}]
    session.write_diary(document)


def journey(session, start):
    diary(session)
    today = session.today
    program = start()
    main = program.window(role="frame", timeout=20)
    reader = ScreenReader(program)
    reader.start(main)
    menus = MenuWatch(reader, main)
    undo_menu, _ = e2e.MENUS["en"]["diary"][e2e.ID_UNDO]

    # Today, alone: Enter opens its body data; what is entered is heard on the day.
    reader.expect("Home", spoken_day(today), role="list", announced=False)
    program.key("Return")
    body = program.window(lambda title: title.startswith("Body Data"))
    reader.wait_focus(lambda heard: heard.role == "text" and "Weight" in heard.name,
                      "the weight field")
    program.type("71.5")
    reader.expect("Return", spoken_day(today), "Weight 71.5 kg", role="list")
    program.gone(body, "the body data")

    # Yesterday's intervals: the whole name, its figures and its day.
    reader.expect("Left", INTERVALS_NAME, "0:30", spoken_day(today - 1), role="list item")
    # The context menu of a workout offers its day's body data too.
    reader.expect("shift+F10", "Edit Workout", role="menu item")
    reader.expect("Down", "Delete Workout", role="menu item")
    reader.expect("Down", "Body Data", role="menu item")
    program.key("Return")
    body = program.window(lambda title: title.startswith("Body Data"))
    reader.wait_focus(lambda heard: "Weight" in heard.name, "the weight field")
    reader.expect("Escape", INTERVALS_NAME, spoken_day(today - 1), role="list item")
    program.gone(body, "the body data")

    # Copy and paste, said as status messages; the copy is heard on its day.
    step = reader.expect("ctrl+c", INTERVALS_NAME, announced=False,
                         message=f"{INTERVALS_NAME} copied")
    check(step.trail == [], f"copying moved the focus: {step.trail}")
    reader.expect("Right", spoken_day(today), role="list")
    reader.expect("ctrl+v", INTERVALS_NAME, spoken_day(today), role="list item")
    # A move is heard once, on the day it arrives on.
    step = reader.expect("ctrl+shift+Right", INTERVALS_NAME, spoken_day(today + 1))
    check(all(spoken_day(today) not in name for name in step.trail) and len(step.trail) == 1,
          f"the move was heard on the way: {step.trail}")
    menus.check()
    step = reader.now()

    # Page Up says the week shown; Enter opens what was said.
    step = reader.expect("Page_Up", "Easy run", spoken_day(today - 6), role="list item")
    program.key("Return")
    editor = program.window(e2e.diary_date(today - 6))
    reader.wait_in(editor)
    program.key("Escape")
    program.gone(editor, "the editor")
    reader.expect("Page_Down", spoken_day(today + 1), role="list item")

    # The weeks: Tab goes over, the arrows go from week to week, Tab comes back.
    week = reader.expect("Tab", "Week", "Planned", role="panel")
    check("Ramp" in week.heard.description,
          f"the week of the long runs says nothing of its ramp: {week.heard}")
    before = reader.expect("Up", "Week", "Planned", "performed", role="panel")
    check("Ramp" not in before.heard.description, f"a week done ramps: {before.heard}")
    reader.expect("shift+Tab", spoken_day(today - 6), "Easy run")

    # The library browser: F8 goes there, Enter plans and says so, F8 comes back.
    reader.expect("Home", spoken_day(today))
    program.key("F8")
    browser = program.window(e2e.MENUS["en"]["diary"][e2e.ID_VIEW_LIBRARY_BROWSER][1])
    reader.wait_focus(lambda heard: heard.role in ("tree item", "tree"), "the templates")
    step = None
    for _ in range(8):
        step = reader.press("Down")
        if step.heard.name == "Long run":
            break
    check(step.heard.name == "Long run" and "expanded" not in str(step.heard),
          f"no long run among the templates: {step}")
    check(not step.focus.getState().contains(program.pyatspi.STATE_EXPANDED),
          "a template is reported expanded")
    reader.expect("Return", "Long run", announced=False,
                  message=f"Long run planned on {spoken_day(today)}")
    reader.expect("F8", "Long run", spoken_day(today), role="list item")
    program.gone(browser, "the library browser")
    menus.check()

    # A day an event rules out refuses a paste, and says why.
    for _ in range(9):
        reader.press("Right")
    step = reader.expect("ctrl+v", spoken_day(today + 9), "no training possible",
                         announced=False, message="an event rules out training")

    # The undo item names the last step; Ctrl+Z takes it back, and the menu says so.
    reader.expect("Home", spoken_day(today))
    check(any(item.name.startswith("Undo") for item in program.find_all(
        "menu item", root=program.find("menu item", undo_menu, root=main), showing=False)),
          "no Undo in the Edit menu")
    reader.press("ctrl+z")
    menus.check()
    reader.press("ctrl+y")
    menus.check()

    program.save_and_quit(main)
    saved = session.read_diary()["log"]
    weights = {int(b["date"]["value"]): b["weight"] for b in saved["bodyInfos"]}
    check(weights == {today: 71.5}, f"body data saved {weights}")
    planned = sorted((int(w["date"]) - today, w["templateId"]) for w in saved["workouts"]
                     if int(w["date"]) >= today - 1)
    check((1, INTERVALS) in planned and (0, LONG_RUN) in planned and (-1, INTERVALS) in planned,
          f"saved from yesterday on: {planned}")


if __name__ == "__main__":
    e2e.run_journey(journey, window_manager=True, timeout=120)
