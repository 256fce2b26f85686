#!/usr/bin/python3
"""Every window of the program walked by Tab, as a screen reader's user
walks it: each dialog the menus open (by Alt and the arrow keys), the
workout editor's two pages, its import dialog, the body data, the library
browser and the template chooser, and the main window in the diary and the
analysis. A walk fails when Tab cannot
leave a pane, comes round without reaching where it started, reaches an
object a reader cannot name, or when Shift+Tab goes another way; nothing
heard may be a mark for the eye ("--------", "< ------ >") and, in German, no
action of the program's own objects may carry an English name.

    keyboard_dialogs.py KADENZO KADENZO_TOOL [en|de]
"""

import json
import os

import kadenzo_e2e as e2e
from kadenzo_e2e import check
from screen_reader import ScreenReader

# Qt's own dialogs (files, printing) are Qt's to walk.
QT_DIALOGS = {57601, 57604, 32834, 57607, 57606}
IMPORT_BUTTON = 34176
CHOOSE_TEMPLATE = 34153
# The program's own actions; Qt's standard names (Press, Toggle) are Qt's.
ENGLISH_ACTIONS = {"Previous Page", "Next Page", "extendSelection", "clearSelection", "delete"}
RECORDING = os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "data",
                         "recording-example.hrm")


def raw_menus(language):
    with open(os.path.join(e2e.RESOURCES, language, "menus.json"), encoding="utf-8") as source:
        return json.load(source)


class Walker:
    def __init__(self, program, reader, main):
        self.program = program
        self.reader = reader
        self.main = main
        self.walked = []

    def heard_marks(self, said, what):
        marks = [str(h) for h in said if "???" in str(h) or "-----" in str(h)]
        check(not marks, f"{what}: marks for the eye are heard: {marks}")

    def walk(self, window, what):
        self.reader.wait_in(window, what)
        said = self.reader.tab_walk(what)
        self.heard_marks(said, what)
        self.walked.append(what)
        if self.program.language == "de":
            self.german_actions(what)
        return said

    def german_actions(self, what):
        """The program's own actions of the objects the walk reached (and of
        the panes they are in) are named in German, as a reader lists them."""
        english = []
        for stop in self.reader.stops:
            for target in (stop, stop.parent):
                try:
                    action = target.queryAction()
                    names = [(action.getName(i), action.getLocalizedName(i))
                             for i in range(action.nActions)]
                except Exception:  # no actions, or an object gone since
                    continue
                english += [f"{target.getRoleName()} {target.name!r}: {name}"
                            for pair in names for name in pair if name in ENGLISH_ACTIONS]
        check(not english, f"{what}: English action names: {sorted(set(english))}")

    def walk_opened_by(self, button, title, what):
        """Tabs on to the button whose name begins with `button`, presses
        it, walks the window titled `title` and closes it again."""
        for _ in range(30):
            if self.reader.press("Tab").heard.name.startswith(button):
                break
        self.program.key("space")
        window = self.program.window(title)
        self.walk(window, what)
        self.close(window)

    def close(self, window, key="Escape"):
        self.program.key(key)
        self.program.gone(window, window.name)

    def menu_command(self, view, command_id):
        """Opens a command's window by keys: Alt and the menu's letter, then
        Down until the item has the focus, then Enter."""
        language = self.program.language
        top, item = e2e.MENUS[language][view][command_id]
        raw = next(t["text"] for t in raw_menus(language)[{"diary": "128", "analysis": "129",
                                                           "form": "130"}[view]]
                   if e2e.Program.plain(t["text"]) == top)
        letter = raw[raw.index("&") + 1].lower()
        step = self.reader.press(f"alt+{letter}")
        for _ in range(30):
            if step.heard.role == "menu item" and step.heard.name == item:
                break
            step = self.reader.press("Down")
        check(step.heard.name == item, f"the menu {top!r} has no {item!r} ({step})")
        self.program.key("Return")

    def menu_dialogs(self, view, done):
        for command_id, (top, item) in e2e.MENUS[self.program.language][view].items():
            if command_id in done or command_id in QT_DIALOGS or not item.endswith("..."):
                continue
            done.add(command_id)
            self.menu_command(view, command_id)
            window = self.program.opened_window()
            self.walk(window, f"{top} › {item}")
            self.close(window)


def diary(session):
    """Yesterday's workout of a template without a sport, with none of its
    own (its choices show "--------"), and with a recording."""
    document = session.demo_document()
    workout = dict(document["log"]["workouts"][0], date=session.today - 1 + 0.5, templateId=14,
                   sportId=0, subSportId=0, trackId=0, intensityId=0,
                   recordingPath=os.path.realpath(RECORDING), marker1=-1, marker2=-1)
    document["log"]["workouts"] = [workout]
    session.write_diary(document)


def journey(session, start):
    diary(session)
    program = start()
    language = program.language
    main = program.window(role="frame", timeout=20)
    reader = ScreenReader(program)
    reader.start(main)
    walker = Walker(program, reader, main)
    text = lambda text_id: e2e.module_text(language, text_id)  # noqa: E731

    walker.walk(main, "the diary")
    # The workout editor: both pages, the template chooser and the import dialog.
    reader.press("Home")
    reader.press("Left")
    program.key("Return")
    editor = program.window(e2e.diary_date(session.today - 1))
    walker.walk(editor, "the editor's set-up page")
    walker.walk_opened_by(text(CHOOSE_TEMPLATE).rstrip("."), text(34186), "the template chooser")
    reader.wait_in(editor)
    program.key("ctrl+Tab")
    reader.pump()
    walker.walk(editor, "the editor's performance page")
    walker.walk_opened_by(text(IMPORT_BUTTON), text(34600), "the import dialog")
    walker.close(editor)
    reader.wait_in(main)

    # The day's body data, the library browser.
    program.key("Right")
    program.key("Return")
    walker.walk(program.window(lambda title: title.startswith(text(34190))), "the body data")
    walker.close(program.window(lambda title: title.startswith(text(34190))))
    reader.wait_in(main)
    program.key("F8")
    browser = program.window(e2e.MENUS[language]["diary"][e2e.ID_VIEW_LIBRARY_BROWSER][1])
    walker.walk(browser, "the library browser")
    walker.close(browser, "F8")
    reader.wait_in(main)

    done = set()
    walker.menu_dialogs("diary", done)
    program.key("F6")
    reader.wait_focus(lambda heard: heard.role == "table cell", "the chart's bars")
    walker.walk(main, "the analysis")
    walker.menu_dialogs("analysis", done)
    # The form view's chart and its keys are the form view's own journey's.
    program.key("F7")
    reader.pump()
    walker.menu_dialogs("form", done)
    program.key("F5")
    reader.wait_in(main)
    program.key("ctrl+q")
    check(program.process.wait(15) == 0, "the program did not end cleanly")


if __name__ == "__main__":
    e2e.run_journey(journey, window_manager=True, timeout=240)
