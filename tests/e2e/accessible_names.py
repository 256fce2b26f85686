#!/usr/bin/python3
"""What a screen reader meets: the main window, in the diary, the analysis
and the form view, and every window its menus open (each command that ends
in "...", the print preview and the library browser), the workout editor's
two pages and its import dialog, each closed again with Escape. Every
focusable widget on the screen must have a name; the nameless are listed,
with where they are. In German no text may still read "bpm". Cells of a table or a list are its data, not widgets,
and may be empty.

    accessible_names.py KADENZO KADENZO_TOOL [en|de]
"""

import kadenzo_e2e as e2e
from kadenzo_e2e import check

DATA_ROLES = {"table cell", "table row header", "list item", "tree item"}
IMPORT_BUTTON, IMPORT_TITLE = 34176, 34600
ID_RANGE_SCALE = 32827


def opens_window(command_id, text):
    return text.endswith("...") or command_id in (e2e.ID_FILE_PRINT_PREVIEW,
                                                  e2e.ID_VIEW_LIBRARY_BROWSER)


class Walk:
    def __init__(self, program, main):
        self.program = program
        self.main = main
        self.nameless = []
        self.english = []

    def window(self, what, window):
        self.nameless += [f"{what}: {line}" for line in self.program.nameless(window)
                          if line.split(" in ")[0] not in DATA_ROLES]
        if self.program.language == "de":
            self.english += [f"{what}: {role} {acc.name!r}"
                             for acc, role, _ in self.program.shown(window) if "bpm" in acc.name]

    def commands(self, view, done):
        program = self.program
        for command_id, path in e2e.MENUS[program.language][view].items():
            if command_id in done or not opens_window(command_id, path[1]):
                continue
            done.add(command_id)
            program.command(self.main, command_id, view)
            window = self.program.opened_window()
            # Qt's own print preview names neither its page field nor the
            # pages: nothing of ours to name there.
            if command_id != e2e.ID_FILE_PRINT_PREVIEW:
                self.window(" › ".join(path), window)
            if command_id == e2e.ID_VIEW_LIBRARY_BROWSER:
                program.command(self.main, command_id, view)
            else:
                program.focus(window)
                program.key("Escape")
            program.gone(window, " › ".join(path))


def journey(session, start):
    document = session.demo_document()
    workout = dict(document["log"]["workouts"][0], date=session.today - 1 + 0.5)
    document["log"]["workouts"].append(workout)
    session.write_diary(document)
    program = start()
    language = program.language
    main, editor = e2e.open_yesterdays_workout(program, session, lambda name: True)
    walk = Walk(program, main)
    for tab in program.find_all("page tab", root=editor):
        program.click(tab)
        program.find("page tab list", tab.name, root=editor)
        walk.window(f"workout editor, {tab.name}", editor)
    program.click(program.find("push button", e2e.module_text(language, IMPORT_BUTTON),
                               root=editor))
    importer = program.window(e2e.module_text(language, IMPORT_TITLE))
    walk.window("import dialog", importer)
    for window in (importer, editor):
        program.focus(window)
        program.key("Escape")
        program.gone(window, window.name)

    walk.window("main window, diary", main)
    done = set()
    walk.commands("diary", done)
    program.focus(main)
    program.key("F6")
    program.find("menu item", e2e.MENUS[language]["analysis"][ID_RANGE_SCALE][0],
                 root=program.find("menu bar", root=main))
    walk.window("main window, analysis", main)
    walk.commands("analysis", done)
    program.focus(main)
    program.key("F7")
    # The form view has an Edit menu again, which the analysis has not.
    program.find("menu item", e2e.MENUS[language]["form"][e2e.ID_UNDO][0],
                 root=program.find("menu bar", root=main))
    walk.window("main window, form", main)
    walk.commands("form", done)
    check(not walk.nameless, "focusable widgets without a name:\n  " + "\n  ".join(walk.nameless))
    check(not walk.english, "English heart-rate unit in German:\n  " + "\n  ".join(walk.english))


if __name__ == "__main__":
    e2e.run_journey(journey, timeout=120)
