#!/usr/bin/python3
"""Random clicks and keys, Ctrl+C and Ctrl+V among them, and view switches,
from fixed seeds, into the program while nobody owns the clipboard: whatever
it is sent, it must not end other than by its own Exit. Under the sanitizers
this is where a crash on odd input shows first.

File choosers are closed at once, unread: random keys in them could walk out
of the journey's folders and delete files."""

import random
import time

import kadenzo_e2e as e2e
from kadenzo_e2e import check

SEEDS = (1, 5, 7)  # each reached a note field's paste in a build without the guard
STEPS = 150

KEYS = (["Tab", "shift+Tab", "Return", "Escape", "Left", "Right", "Up", "Down", "Page_Up",
         "Page_Down", "Home", "End", "Delete", "Insert", "ctrl+c", "ctrl+v", "ctrl+x", "ctrl+z",
         "ctrl+y", "ctrl+s", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11",
         "shift+Left", "shift+Right", "ctrl+Left", "ctrl+Right", "ctrl+shift+Right"]
        + ["ctrl+v"] * 4)
TYPED = ("7", "12", "abc", "1:30", "10 km", "-5", "999999", "0", ",", ".")


def file_chooser(program, window):
    """Qt's own file dialog has a Parent Directory button; nothing else does."""
    return program.pyatspi.findDescendant(
        window, lambda acc: acc is not None and acc.getRoleName() == "push button"
        and acc.name in ("Parent Directory", "Back"))


def close_file_choosers(program, checked):
    for window in list(program.app):
        if window is None or window.getRoleName() not in ("dialog", "file chooser"):
            continue
        key = (window.name, window.get_id() if hasattr(window, "get_id") else id(window))
        if key not in checked:
            checked[key] = window.getRoleName() == "file chooser" or bool(
                file_chooser(program, window))
        if checked[key]:
            program.key("Escape")
            program.gone(window, "a file chooser")


def click_somewhere(program, rng, double):
    windows = [w for w in program.app if w is not None and w.getState().contains(
        program.pyatspi.STATE_SHOWING)]
    if not windows:
        return
    window = windows[-1]
    x, y, width, height = window.queryComponent().getExtents(program.pyatspi.DESKTOP_COORDS)
    if width <= 4 or height <= 4:
        return
    program.pyatspi.Registry.generateMouseEvent(
        x + rng.randrange(2, width - 2), y + rng.randrange(2, height - 2),
        "b1d" if double else rng.choice(("b1c", "b1c", "b1c", "b3c")))


def run(program, seed, log):
    rng = random.Random(seed)
    checked = {}
    for step in range(STEPS):
        if program.process.poll() is not None:
            return step
        roll = rng.random()
        try:
            close_file_choosers(program, checked)
            if roll < 0.55:
                event = rng.choice(KEYS)
                program.key(event)
            elif roll < 0.7:
                event = "type " + rng.choice(TYPED)
                program.type(event[5:])
            else:
                double = roll > 0.92
                event = "double click" if double else "click"
                click_somewhere(program, rng, double)
        except e2e.JourneyFailed:
            raise
        except Exception as error:
            # A window that closed while it was read; the next step reads afresh.
            event = f"({error})"
        log.append(f"seed {seed} step {step}: {event}")
        time.sleep(0.02)
    return STEPS


def journey(session, start):
    document = session.demo_document()
    session.write_diary(document)
    log = []
    for seed in SEEDS:
        program = start()
        main = program.window(role="frame", timeout=20)
        program.focus(main)
        steps = run(program, seed, log)
        code = program.process.poll()
        # Exit from the File menu is allowed; any other end is a crash.
        check(code in (None, 0), f"the program ended with status {code} after "
              f"{'; '.join(log[-12:])}")
        if code is None:
            program.process.kill()
            program.process.wait()
        print(f"seed {seed}: {steps} steps")


if __name__ == "__main__":
    e2e.run_journey(journey, timeout=140)
