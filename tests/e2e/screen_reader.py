"""What a screen reader hears of the running program, for the keyboard
journeys: it listens to the accessibility bus as a reader does (focus, name,
description and value changes, notifications that show up) and says, after
each key, which object has the focus and what it reads: role, name (or the
label naming it), description, value and, in a table, the row and column
headers. A journey presses keys through `press` and checks what was heard.

Also the walks a reader's user makes: Tab through a window until the focus
comes back (failing when Tab cannot leave a pane, reaches an unnamed object or
when Shift+Tab goes another way), and a watch over the menus and the tool bar
that fails on an item whose text changed without telling the bus.
"""

import time

from kadenzo_e2e import JourneyFailed, check

# What the reader listens to.
EVENTS = ("object:state-changed:focused", "object:property-change:accessible-name",
          "object:property-change:accessible-description",
          "object:property-change:accessible-value", "object:state-changed:showing")

# Rows of a list, tree or table, and their headers: data within a pane.
CELL_ROLES = ("table cell", "list item", "tree item", "table row header", "table column header")
# Views whose current item a reader presents with them.
VIEW_ROLES = ("table", "tree table", "tree", "list")
# What a reader says as a status message when it shows up.
MESSAGE_ROLES = ("notification", "alert")


def key_of(acc):
    """An object's identity on the bus (its path in the program), stable
    however it is fetched."""
    try:
        return acc.path
    except Exception:
        return None


class Heard:
    """What the reader says of the focused object."""

    def __init__(self, role, name, description, value, headers=()):
        self.role, self.name, self.description, self.value = role, name, description, value
        self.headers = tuple(h for h in headers if h)

    def __str__(self):
        parts = [self.role, repr(self.name)]
        if self.headers:
            parts.append(f"headers {list(self.headers)}")
        if self.description:
            parts.append(f"description {self.description!r}")
        if self.value not in (None, ""):
            parts.append(f"value {self.value!r}")
        return " ".join(parts)

    def says(self, *texts):
        """Whether everything it says holds each text."""
        spoken = " ".join([self.name, self.description or "", str(self.value or ""),
                           *self.headers])
        return all(text in spoken for text in texts)


class Step:
    """What one key brought: the object with the focus afterwards, what it
    reads, whether the reader was told anything about it (a focus, name,
    description or value change) and the status messages that showed up."""

    def __init__(self, key, focus, heard, announced, messages, trail):
        self.key, self.focus, self.heard = key, focus, heard
        self.announced, self.messages = announced, messages
        # Every object that took the focus on the way, in order: a reader
        # speaks each one.
        self.trail = trail

    def __str__(self):
        told = "" if self.announced else " (nothing announced)"
        messages = f", messages {self.messages}" if self.messages else ""
        trail = f", focus went to {self.trail}" if self.trail else ""
        return f"{self.key}: {self.heard}{told}{messages}{trail}"


class ScreenReader:
    """Listens to the program's accessibility events from the moment it is
    made. The events arrive only while `pump` runs the bus's main loop."""

    QUIET = 0.25  # no event for this long: the program has answered
    FIRST = 1.5   # a busy machine may take this long for a key's first event

    def __init__(self, program):
        from gi.repository import GLib
        self.program = program
        self.pyatspi = program.pyatspi
        self.context = GLib.MainContext.default()
        self.events = []  # (type, key, detail1)
        self.focus = None
        self.messages = []
        self.trail = []  # the names of the objects that took the focus
        self.log = program.heard  # every step, for a failure's report
        self.pyatspi.Registry.registerEventListener(self._heard, *EVENTS)
        self.pump()

    def _focused_now(self):
        """What has the focus when no event said so (it took the focus before
        the reader listened): the innermost focused object, as a view holds
        the focus for the day within it."""
        focused = self.pyatspi.STATE_FOCUSED
        windows = sorted((w for w in self.program.app if w is not None),
                         key=lambda w: not w.getState().contains(self.pyatspi.STATE_ACTIVE))
        for window in windows:
            found = self.pyatspi.findAllDescendants(
                window, lambda acc: acc is not None and acc.getState().contains(focused))
            if found:
                return found[-1]
        return None

    def start(self, main, what="the diary"):
        """Gives the main window the keyboard once the program has settled
        (its splash window gone: the window manager may hand the focus
        around as it closes) and waits for the focus in it."""
        program = self.program
        active = self.pyatspi.STATE_ACTIVE
        for _ in range(5):
            program.wait_for(lambda: all(w is None or w == main for w in program.app),
                             "the splash window to close", 20)
            program.focus(main)
            self.pump(0.3)
            if main.getState().contains(active):
                break
        return self.wait_in(main, what)

    def close(self):
        self.pyatspi.Registry.deregisterEventListener(self._heard, *EVENTS)

    def _heard(self, event):
        try:
            source = event.source
            if source is None or source.get_process_id() != self.program.process.pid:
                return
            key = key_of(source)
            self.events.append((event.type, key, event.detail1))
            if event.type.startswith("object:state-changed:focused") and event.detail1:
                self.focus = source
                self.trail.append(self.program.plain(source.name or ""))
            elif event.type.startswith("object:state-changed:showing") and event.detail1 and \
                    source.getRoleName() in MESSAGE_ROLES:
                self.messages.append(source.name)
        except Exception:  # an object gone before it could be read
            pass

    def pump(self, quiet=None, timeout=8.0, first=0.0):
        """Runs the main loop until no event came for `quiet` seconds, and
        waits up to `first` seconds for the first one (the answer to a key)."""
        quiet = self.QUIET if quiet is None else quiet
        deadline = time.monotonic() + timeout
        last = time.monotonic()
        count = start = len(self.events)
        while time.monotonic() < deadline:
            while self.context.pending():
                self.context.iteration(False)
            waited = max(quiet, first) if count == start else quiet
            if len(self.events) != count:
                count = len(self.events)
                last = time.monotonic()
            elif time.monotonic() - last >= waited:
                return
            time.sleep(0.01)

    # --- what an object reads ---------------------------------------------

    def labels(self, acc):
        """The texts of the labels that name an object (a combo box reads as
        its choice; its label names it)."""
        found = []
        try:
            for relation in acc.getRelationSet():
                if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY:
                    for i in range(relation.getNTargets()):
                        target = relation.getTarget(i)
                        found.append(self.program.plain(target.name or
                                                        self.program.text(target)))
        except Exception:
            pass
        return [text.rstrip(":") for text in found if text]

    def headers(self, acc):
        """A cell's row and column headers, as a reader says them with it."""
        if acc.getRoleName() not in ("table cell", "tree item"):
            return ()
        try:
            table = acc.parent.queryTable()
            index = acc.getIndexInParent()
            row, column = table.getRowAtIndex(index), table.getColumnAtIndex(index)
        except Exception:
            return ()
        found = []
        for header, description, where in ((table.getRowHeader, table.getRowDescription, row),
                                           (table.getColumnHeader, table.getColumnDescription,
                                            column)):
            text = ""
            try:
                cell = header(where)
                text = cell.name if cell is not None else ""
            except Exception:
                pass
            if not text:
                try:
                    text = description(where)
                except Exception:
                    text = ""
            found.append(text)
        return found

    def value(self, acc):
        role = acc.getRoleName()
        if role in ("text", "password text", "spin button"):
            return self.program.text(acc)
        try:
            number = acc.queryValue().currentValue
        except Exception:
            return None
        return int(number) if number == int(number) else number

    def presented(self, acc):
        """What a reader presents for a focused object: a list, tree or table
        that takes the focus presents its current item (Qt tells of the item
        first and of the view last)."""
        if acc.getRoleName() not in VIEW_ROLES:
            return acc
        focused = self.pyatspi.STATE_FOCUSED
        try:
            for child in acc:
                if child is not None and child.getRoleName() in CELL_ROLES and \
                        child.getState().contains(focused):
                    return child
        except Exception:
            pass
        return acc

    def hear(self, acc):
        acc = self.presented(acc)
        role = acc.getRoleName()
        name = self.program.plain(acc.name or "")
        labels = self.labels(acc)
        if labels and role in ("combo box", "text", "spin button", "slider") or not name:
            name = ", ".join(labels + ([name] if name else []))
        return Heard(role, name, acc.description or "", self.value(acc), self.headers(acc))

    # --- keys ---------------------------------------------------------------

    def press(self, key, settle=None):
        """Presses a key and returns the Step it brought."""
        mark = len(self.events)
        before = len(self.messages)
        trail = len(self.trail)
        self.program.key(key)
        self.pump(settle, first=self.FIRST)
        return self._step(key, mark, before, trail)

    def now(self):
        """The Step of what has the focus now, without a key."""
        self.pump()
        return self._step("(now)", len(self.events), len(self.messages), len(self.trail))

    def _step(self, key, mark, before, trail):
        deadline = time.monotonic() + 5
        while self.focus is None and time.monotonic() < deadline:
            self.focus = self._focused_now()
            self.pump(0.05)
        focus = self.focus
        check(focus is not None, f"after {key} no object has the focus")
        focused = key_of(focus)
        announced = any(k == focused and (not t.startswith("object:state-changed") or d)
                        for t, k, d in self.events[mark:]
                        if not t.startswith("object:state-changed:showing"))
        step = Step(key, focus, self.hear(focus), announced, self.messages[before:],
                    self.trail[trail:])
        self.log.append(str(step))
        return step

    def expect(self, key, *texts, role=None, announced=True, message=None):
        """Presses a key and checks that the reader then says every text
        (and the role), that it was told, and a status message."""
        step = self.press(key)
        self.check_step(step, *texts, role=role, announced=announced, message=message)
        return step

    def check_step(self, step, *texts, role=None, announced=True, message=None):
        check(not role or step.heard.role == role, f"{step}: not a {role}")
        check(step.heard.says(*texts), f"{step}: does not say {list(texts)}")
        check(not announced or step.announced, f"{step}: the reader was told nothing")
        if message is not None:
            check(any(message in m for m in step.messages),
                  f"{step}: no status message {message!r}")

    def wait_focus(self, probe, what, timeout=10.0):
        """Pumps until the focused object satisfies probe(heard)."""
        deadline = time.monotonic() + timeout
        while True:
            self.pump(0.05)
            if self.focus is None:
                self.focus = self._focused_now()
            if self.focus is not None:
                try:
                    heard = self.hear(self.focus)
                    if probe(heard):
                        return heard
                except Exception:
                    pass
            if time.monotonic() > deadline:
                now = self.hear(self.focus) if self.focus is not None else None
                windows = [(w.getRoleName(), w.name, w.getState().contains(
                    self.pyatspi.STATE_ACTIVE)) for w in self.program.app if w is not None]
                raise JourneyFailed(f"timed out waiting for the focus on {what} (on {now}; "
                                    f"windows {windows})")

    def wait_in(self, window, what=None, timeout=10.0):
        """Pumps until the focus is on an object of the window (a dialog
        takes it as it opens) and returns what that object says."""
        target = key_of(window)

        def inside(heard):
            acc = self.focus
            while acc is not None and acc.getRoleName() != "application":
                if key_of(acc) == target:
                    return True
                acc = acc.parent
            return False
        return self.wait_focus(inside, what or f"the focus in {window.name!r}", timeout)

    # --- walks --------------------------------------------------------------

    def pane_of(self, acc):
        """The pane an object belongs to: a cell's table or list, else itself."""
        if acc.getRoleName() in CELL_ROLES and acc.parent is not None:
            return acc.parent
        return acc

    def tab_walk(self, what, limit=60):
        """Tab from the focus until it comes back, then Shift+Tab the same
        way back; fails when Tab stays in a pane, comes round without
        reaching the start, reaches an object a reader cannot name, or when
        Shift+Tab disagrees. Returns what each stop said."""
        start = self.now()
        panes = [key_of(self.pane_of(start.focus))]
        said = [start.heard]
        self.stops = [start.focus]
        self._named(what, start)
        for _ in range(limit):
            step = self.press("Tab")
            pane = key_of(self.pane_of(step.focus))
            if pane == panes[0]:
                check(len(panes) > 1 or step.trail or self._alone(start.focus),
                      f"{what}: Tab cannot leave {step.heard}")
                break
            check(pane != panes[-1], f"{what}: Tab cannot leave {step.heard}")
            check(pane not in panes, f"{what}: Tab goes round without the start, at {step.heard}")
            self._named(what, step)
            panes.append(pane)
            said.append(step.heard)
            self.stops.append(step.focus)
        else:
            raise JourneyFailed(f"{what}: Tab never came back to {start.heard}")
        back = [panes[0]]
        for _ in range(len(panes)):
            step = self.press("shift+Tab")
            back.append(key_of(self.pane_of(step.focus)))
        expected = [panes[0]] + panes[:0:-1] + [panes[0]]
        check(back == expected, f"{what}: Shift+Tab goes another way than Tab: Tab "
                                f"{[str(h) for h in said]}, Shift+Tab {self.log[-len(panes):]}")
        return said

    def _alone(self, acc):
        """Whether nothing else in the object's window takes the focus."""
        window = self.program.window_of(acc)
        focusable = self.pyatspi.STATE_FOCUSABLE
        # The menus and the tool bar are reached by Alt and the mouse, not Tab.
        others = [a for a, role, trail in self.program.shown(window)
                  if a.getState().contains(focusable) and role not in CELL_ROLES and
                  not any(t.startswith(("menu bar", "tool bar")) for t in trail) and
                  role not in ("menu bar", "tool bar", "menu item") and
                  key_of(a) not in (key_of(self.pane_of(acc)), key_of(acc)) and
                  a.getState().contains(self.pyatspi.STATE_ENABLED)]
        return not others

    def _named(self, what, step):
        heard = step.heard
        # A blank cell still reads with its headers.
        check(heard.name.strip() or heard.headers,
              f"{what}: the focus reaches an object without a name: {heard}")


class MenuWatch:
    """The names of every menu item and tool-bar button of a window; `check`
    fails on one whose name changed without a name-change event since the
    last look (a reader would go on saying the old one)."""

    def __init__(self, reader, window):
        self.reader = reader
        self.window = window
        self.mark = len(reader.events)
        self.names = self._names()

    def _names(self):
        names = {}
        program = self.reader.program
        for role in ("menu item", "push button", "toggle button"):
            for acc in program.find_all(role, root=self.window, showing=False):
                if role != "menu item" and acc.parent is not None and \
                        acc.parent.getRoleName() != "tool bar":
                    continue
                names[key_of(acc)] = acc.name
        return names

    def check(self):
        self.reader.pump()
        now = self._names()
        told = {k for t, k, _ in self.reader.events[self.mark:] if t.endswith("accessible-name")}
        silent = [f"{self.names[key]!r} became {name!r}" for key, name in now.items()
                  if key in self.names and self.names[key] != name and key not in told]
        check(not silent, "menu or tool-bar items renamed without telling: " + "; ".join(silent))
        self.mark = len(self.reader.events)
        self.names = now
