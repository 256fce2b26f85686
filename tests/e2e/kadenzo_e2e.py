"""Drives the desktop program as a user would, through the accessibility bus.

A journey is a function that writes a diary, starts the program on it and
works the running `Program` with the keyboard and the mouse, finding widgets
by role and accessible name, never by pixel. `run_journey` gives it a world of
its own: an X server (Xvfb) at a
given screen size, a session bus (dbus-run-session) with the accessibility
bus on it, and the program with its own HOME and settings, in English or
German, on a diary written by kadenzo-tool. When the journey is done the
program saves and quits, and the journey reads the diary back as JSON.

    /usr/bin/python3 JOURNEY.py KADENZO KADENZO_TOOL

Exits 0 when the journey held, 1 when it did not, 77 (skipped) without Xvfb,
dbus-run-session or pyatspi (Debian's python3-pyatspi, hence /usr/bin/python3:
scripts/install-deps installs all three).
"""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

SKIPPED = 77
INNER = "KADENZO_E2E_INNER"

# X keysyms of the keys the journeys press.
KEYSYMS = {
    "Return": 0xFF0D, "Escape": 0xFF1B, "Tab": 0xFF09, "Home": 0xFF50,
    "Left": 0xFF51, "Up": 0xFF52, "Right": 0xFF53, "Down": 0xFF54,
    "Page_Up": 0xFF55, "Page_Down": 0xFF56, "End": 0xFF57, "Delete": 0xFFFF, "Insert": 0xFF63,
    "Menu": 0xFF67, "BackSpace": 0xFF08, "space": 0x20,
    **{f"F{n}": 0xFFBE + n - 1 for n in range(1, 13)},
}
MODIFIER_MASKS = {"shift": 1 << 0, "ctrl": 1 << 2, "alt": 1 << 3}


class JourneyFailed(Exception):
    pass


class Skipped(Exception):
    """Something a journey needs is not on this machine."""


RESOURCES = os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "..", "resources")


def module_source_text(language, text_id):
    """A text of the language module as written, its mnemonic's & included."""
    with open(os.path.join(RESOURCES, language, "strings.tsv"), encoding="utf-8") as source:
        for line in source:
            number, _, text = line.rstrip("\n").partition("\t")
            if number == str(text_id):
                return text
    raise JourneyFailed(f"no text {text_id} in the {language} module")


def module_text(language, text_id):
    """A text of the language module, as its label reads (no mnemonic)."""
    return Program.plain(module_source_text(language, text_id))


def _menus():
    """Each language's menu paths by command id, read from the modules'
    sources: {"en": {"diary": {id: (menu, item)}, "analysis": ..., "form": ...}}."""
    menus = {}
    for language in ("en", "de"):
        with open(os.path.join(RESOURCES, language, "menus.json"), encoding="utf-8") as source:
            bars = json.load(source)
        menus[language] = {
            view: {item["id"]: (Program.plain(top["text"]), Program.plain(item["text"]))
                   for top in bars[resource] for item in top["items"] if "id" in item}
            for view, resource in (("diary", "128"), ("analysis", "129"), ("form", "130"))}
    return menus


def check(condition, message):
    if not condition:
        raise JourneyFailed(message)


def day_number(seconds):
    """Days since 30 December 1899, as the diary stores dates (UTC here)."""
    return int(seconds // 86400) + 25569


# Menu commands the journeys choose.
ID_FILE_PRINT_PREVIEW = 57609
ID_VIEW_LIBRARY_BROWSER = 32774
ID_UNDO = 32828
ID_REDO = 32829


# What a row of a list, a tree or a table is to the bus.
ITEM_ROLES = ("list item", "tree item", "table cell")


class Program:
    """The running program as its accessibility tree shows it, with the
    keyboard and the mouse of its X server."""

    POLL = 0.05
    MENU_SETTLE = 0.2

    def __init__(self, process, pyatspi, log_path, language="en"):
        self.language = language
        self.process = process
        self.pyatspi = pyatspi
        self.log_path = log_path
        self.app = None
        # What a screen reader heard, key by key (screen_reader.ScreenReader).
        self.heard = []

    # --- finding things ---------------------------------------------------

    def wait_for(self, probe, what, timeout=10.0):
        """Polls `probe` until it returns something truthy and returns that."""
        deadline = time.monotonic() + timeout
        last_error = None
        while True:
            try:
                found = probe()
                if found:
                    return found
            except Exception as error:  # a widget that went away mid-walk
                last_error = error
            if self.process.poll() is not None:
                raise JourneyFailed(f"the program ended ({self.process.returncode}) "
                                    f"while waiting for {what}")
            if time.monotonic() > deadline:
                detail = f" (last error: {last_error})" if last_error else ""
                raise JourneyFailed(f"timed out waiting for {what}{detail}")
            time.sleep(self.POLL)

    def attach(self, timeout=20.0):
        from gi.repository import Atspi
        desktop = self.pyatspi.Registry.getDesktop(0)

        def find_app():
            for app in desktop:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            return None

        self.app = self.wait_for(find_app, "the program on the accessibility bus", timeout)
        # Every read goes to the program: nothing runs the event loop that
        # would keep a cache current.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        return self.app

    @staticmethod
    def plain(text):
        """A label's text as it reads: without its mnemonic ampersand."""
        return text.replace("&&", "\0").replace("&", "").replace("\0", "&")

    def find(self, role, name=None, root=None, timeout=10.0, showing=True):
        """The first descendant of `root` (default: the program) with that
        role and name; `name` may be a string (exact, mnemonic ignored) or a
        predicate. Waits for it to appear."""
        matches = self._matcher(role, name, showing)
        return self.wait_for(
            lambda: self.pyatspi.findDescendant(root or self.app, matches),
            f"{role} {name!r}", timeout)

    def find_item(self, name, root=None, timeout=10.0):
        """A row of a list, tree or table by its text."""
        return self.wait_for(lambda: self.pyatspi.findDescendant(
            root or self.app, lambda acc: acc is not None and acc.getRoleName() in ITEM_ROLES
            and acc.name == name and acc.getState().contains(self.pyatspi.STATE_SHOWING)),
            f"an item {name!r}", timeout)

    def find_all(self, role, name=None, root=None, showing=True):
        return self.pyatspi.findAllDescendants(root or self.app,
                                               self._matcher(role, name, showing))

    def _matcher(self, role, name, showing):
        pyatspi = self.pyatspi

        def matches(acc):
            if acc is None or acc.getRoleName() != role:
                return False
            if showing and not acc.getState().contains(pyatspi.STATE_SHOWING):
                return False
            if name is None:
                return True
            if callable(name):
                return name(acc.name)
            return self.plain(acc.name) == self.plain(name)

        return matches

    def window(self, title=None, role="dialog", timeout=10.0):
        """A top-level window of the program by role and title."""
        def probe():
            for child in self.app:
                if child is None or child.getRoleName() != role:
                    continue
                if title is None or child.name == title or (
                        callable(title) and title(child.name)):
                    return child
            return None
        return self.wait_for(probe, f"window {role} {title!r}", timeout)

    def opened_window(self, timeout=10.0):
        """The window a command just opened: a showing top-level window other
        than the main one."""
        def probe():
            for child in self.app:
                if child is not None and child.getRoleName() != "frame" and \
                        child.getState().contains(self.pyatspi.STATE_SHOWING):
                    return child
            return None
        return self.wait_for(probe, "a window to open", timeout)

    def no_window(self, role, settle=1.0):
        """Fails when a window of that role shows up within `settle` seconds."""
        deadline = time.monotonic() + settle
        while time.monotonic() < deadline:
            extra = [c for c in self.app if c is not None and c.getRoleName() == role]
            check(not extra, f"an unexpected {role}: {[self.texts(c) for c in extra]}")
            time.sleep(self.POLL)

    def gone(self, acc, what, timeout=10.0):
        def probe():
            try:
                return not acc.getState().contains(self.pyatspi.STATE_SHOWING)
            except Exception:
                return True
        self.wait_for(probe, f"{what} to close", timeout)

    def texts(self, root):
        """Every name and text shown under `root`, in tree order: what a
        user reads in a message box, say."""
        found = []
        for acc in self.pyatspi.findAllDescendants(root, lambda a: a is not None):
            if acc.name:
                found.append(acc.name)
            elif acc.getRoleName() == "label":
                found.append(self.text(acc))
        return found

    def text(self, acc):
        """The text of a text field or label."""
        try:
            return acc.queryText().getText(0, -1)
        except NotImplementedError:
            return acc.name

    def wait_text(self, acc, expected, timeout=5.0):
        return self.wait_for(lambda: self.text(acc) == expected,
                             f"{acc.name or acc.getRoleName()} to read {expected!r} "
                             f"(reads {self.text(acc)!r})", timeout)

    # --- the keyboard and the mouse ---------------------------------------

    def focus(self, acc, timeout=5.0):
        """Gives `acc` the keyboard focus; a window is made active first
        (there is no window manager to do it)."""
        pyatspi = self.pyatspi
        window = self.window_of(acc)
        if not window.getState().contains(pyatspi.STATE_ACTIVE):
            # Qt makes a clicked window active. Click where a click does
            # nothing else: the main window's status bar, a dialog's margin.
            bar = [c for c in window if c is not None and c.getRoleName() == "status bar"]
            if bar:
                x, y, width, height = bar[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                x, y = x + width // 2, y + height // 2
            else:
                x, y = self._margin(window)
            pyatspi.Registry.generateMouseEvent(x, y, "b1c")
            self.wait_for(lambda: window.getState().contains(pyatspi.STATE_ACTIVE),
                          f"{window.name!r} to become active", timeout)
        if acc is not window and acc.getRoleName() == "combo box":
            # A combo box takes no focus from the bus: a click opens its
            # list, Escape closes it again and leaves the focus there.
            self.click(acc)
            self.wait_for(lambda: acc.getState().contains(pyatspi.STATE_EXPANDED),
                          f"{acc.name!r} to open its list", timeout)
            self.key("Escape")
            self.wait_for(lambda: acc.getState().contains(pyatspi.STATE_FOCUSED) and
                          not acc.getState().contains(pyatspi.STATE_EXPANDED),
                          f"{acc.name!r} to take the focus", timeout)
        elif acc is not window:
            acc.queryComponent().grabFocus()
            self.wait_for(lambda: acc.getState().contains(pyatspi.STATE_FOCUSED),
                          f"{acc.name or acc.getRoleName()} to take the focus", timeout)

    def _margin(self, window):
        """A point of the window that none of its widgets covers: a corner
        of its margin (a list that fills the window to its edge would take
        a click on its first row)."""
        component = window.queryComponent()
        x, y, width, height = component.getExtents(self.pyatspi.DESKTOP_COORDS)
        corners = [(x + 2, y + height - 3), (x + width - 3, y + height - 3),
                   (x + width - 3, y + 2), (x + 2, y + 2)]
        for point in corners:
            hit = component.getAccessibleAtPoint(*point, self.pyatspi.DESKTOP_COORDS)
            if hit is None or hit == window:
                return point
        return corners[0]

    def key(self, combo):
        """Presses a key such as "Return", "ctrl+s" or "shift+Tab"."""
        *modifiers, key = combo.split("+")
        registry = self.pyatspi.Registry
        mask = 0
        for modifier in modifiers:
            mask |= MODIFIER_MASKS[modifier.lower()]
        keysym = KEYSYMS.get(key, ord(key) if len(key) == 1 else None)
        check(keysym is not None, f"unknown key {key}")
        if mask:
            registry.generateKeyboardEvent(mask, None, self.pyatspi.KEY_LOCKMODIFIERS)
        try:
            registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)
        finally:
            if mask:
                registry.generateKeyboardEvent(mask, None, self.pyatspi.KEY_UNLOCKMODIFIERS)

    def choose(self, combo, text, timeout=5.0):
        """Chooses an entry of a combo box as a user does: a click opens its
        list, Home and Down walk to the entry, Return takes it."""
        pyatspi = self.pyatspi
        names = [item.name for item in combo[0] if item is not None]
        check(text in names, f"{text!r} is not among {names}")
        self.click(combo)
        entries = combo[0]
        self.wait_for(lambda: combo.getState().contains(pyatspi.STATE_EXPANDED) and
                      entries.getState().contains(pyatspi.STATE_FOCUSED),
                      f"{combo.name!r} to open its list", timeout)
        self.key("Home")
        for _ in range(names.index(text)):
            self.key("Down")
        self.key("Return")

        def chosen():
            # A combo box without a name of its own reads as its choice.
            return combo.name == text or any(
                item.name == text and item.getState().contains(pyatspi.STATE_SELECTED)
                for item in entries if item is not None)
        self.wait_for(lambda: chosen() and not combo.getState().contains(
            pyatspi.STATE_EXPANDED), f"{text!r} chosen in {combo.name!r}", timeout)

    def type(self, text):
        self.pyatspi.Registry.generateKeyboardEvent(0, text, self.pyatspi.KEY_STRING)

    def type_into(self, field, text, timeout=5.0):
        """Replaces the field's text by typing, as a user would (the program
        hears typing, not a text set from outside)."""
        self.focus(field)
        self.key("ctrl+a")
        self.type(text)
        self.wait_text(field, text, timeout)

    def click(self, acc):
        """A real click at the middle of `acc`: a button of a modal dialog
        must be clicked so, since its accessible action returns only once
        the dialog it opens has closed."""
        self.focus(self.window_of(acc))
        x, y, width, height = acc.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        check(width > 0 and height > 0, f"{acc.name!r} has no size on the screen")
        self.pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, "b1c")

    def menu(self, window, *path):
        """Chooses a menu command with real clicks, such as ("Diary",
        "Events..."): the command's own action would wait for the dialog it
        opens to close. A click that lands while a menu is still being
        placed on a busy machine leaves its submenu shut: the menus are
        closed and the path chosen again."""
        tries = 3
        for attempt in range(1, tries + 1):
            item = self.find("menu item", path[0], root=self.find("menu bar", root=window))
            self.click(item)
            try:
                for name in path[1:]:
                    item = self.find("menu item", name, root=item,
                                     timeout=10.0 if attempt == tries else 4.0)
                    # Qt tells the bus a popup shows before the X server
                    # has it in place; a click in that moment shuts it.
                    time.sleep(self.MENU_SETTLE)
                    self.click(item)
                return
            except JourneyFailed:
                if attempt == tries:
                    raise
                for _ in path:
                    self.key("Escape")

    def command(self, window, command_id, view="diary"):
        """Chooses the menu command `command_id` of the diary's or the
        analysis's menus, in the program's language."""
        self.menu(window, *MENUS[self.language][view][command_id])

    def shown(self, root):
        """Every showing widget under `root` as (accessible, role, trail),
        the trail naming its window and parents."""
        pyatspi = self.pyatspi

        def walk(acc, trail):
            for child in acc:
                if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                role = child.getRoleName()
                yield child, role, trail
                yield from walk(child, trail + [f"{role} {child.name!r}" if child.name else role])

        yield from walk(root, [f"{root.getRoleName()} {root.name!r}"])

    def nameless(self, root):
        """What a screen reader would announce without a name: every
        focusable, showing widget under `root` with an empty name, as
        "role in window › parent" lines."""
        focusable = self.pyatspi.STATE_FOCUSABLE
        return [f"{role} in {' › '.join(trail)}" for acc, role, trail in self.shown(root)
                if acc.getState().contains(focusable) and not acc.name.strip()]

    @staticmethod
    def window_of(acc):
        while acc.parent is not None and acc.parent.getRoleName() != "application":
            acc = acc.parent
        return acc

    def dump(self, root=None, depth=0, out=None):
        """The tree under `root` as indented "role 'name'" lines, for the
        report of a failed journey."""
        out = [] if out is None else out
        root = root or self.app
        try:
            line = f"{'  ' * depth}{root.getRoleName()} {root.name!r}"
            if root.getRoleName() in ("text", "label"):
                line += f" text={self.text(root)!r}"
            out.append(line)
            for child in root:
                if child is not None and depth < 30 and child.getState().contains(
                        self.pyatspi.STATE_SHOWING):
                    self.dump(child, depth + 1, out)
        except Exception as error:
            out.append(f"{'  ' * depth}<{error}>")
        return out

    # --- ending -----------------------------------------------------------

    def save_and_quit(self, main_window, timeout=15.0):
        """Ctrl+S, then Ctrl+Q, in the main window; waits for a clean end."""
        self.focus(main_window)
        self.key("ctrl+s")
        # The title marks a modified diary with a star until it is saved.
        self.wait_for(lambda: "*" not in main_window.name, "the diary to be saved")
        self.key("ctrl+q")
        try:
            code = self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise JourneyFailed("the program did not quit on Ctrl+Q")
        check(code == 0, f"the program ended with status {code}")


class Session:
    """A program's world: folders, settings, language, diary."""

    def __init__(self, kadenzo, tool, language="en"):
        self.kadenzo = os.path.realpath(kadenzo)
        self.tool = os.path.realpath(tool)
        self.language = language
        self.work = tempfile.mkdtemp(prefix="kadenzo-e2e-")
        self.now = time.time()
        self.today = day_number(self.now)
        self.diary = os.path.join(self.work, "diary.kdz")
        # What a journey adds to the program's environment.
        self.extra_env = {}

    def tool_run(self, *args):
        result = subprocess.run([self.tool, *args], capture_output=True, text=True, timeout=30)
        check(result.returncode == 0,
              f"kadenzo-tool {args[0]} failed: {result.stderr.strip()}")
        return result.stdout

    def demo_document(self):
        """The demo diary as JSON, with an athlete whose maximum heart rate
        is known (so no profile question comes up) and nothing in its log."""
        demo = os.path.join(self.work, "demo.kdz")
        self.tool_run("demo", demo)
        document = json.loads(self.tool_run("dump", demo))
        # The program's own library, so that no question which one to keep
        # comes up: a German program starts from its German starter library
        # (same ids, German names).
        document["library"] = json.loads(self.tool_run("library-dump", self.library_file()))
        document["maxHeartRate"] = 190
        document["birthDate"] = 315532800
        document["log"].update(name="E2E diary", events=[], bodyInfos=[])
        return document

    def library_file(self):
        folder = os.path.dirname(self.kadenzo)
        library = os.path.join(folder, f"library-{self.language}.dat")
        return library if os.path.isfile(library) else os.path.join(folder, "library.dat")

    def write_diary(self, document):
        path = os.path.join(self.work, "diary.json")
        with open(path, "w") as out:
            json.dump(document, out)
        self.tool_run("load", path, self.diary)

    def read_diary(self):
        return json.loads(self.tool_run("dump", self.diary))

    def environment(self):
        home = os.path.join(self.work, "home")
        config = os.path.join(self.work, "config")
        runtime = os.path.join(self.work, "run")
        os.makedirs(os.path.join(config, "Varnel Software"), exist_ok=True)
        os.makedirs(home, exist_ok=True)
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        now = int(self.now)
        # The web check is done for today, against a port where nothing listens.
        with open(os.path.join(config, "Varnel Software", "kadenzo.conf"), "w") as out:
            out.write(f"[WebCheck]\nServer=http://127.0.0.1:9\n"
                      f"LastVersionCheck={now}\nLastInfoCheck={now}\n")
        env = dict(os.environ)
        env.update(HOME=home, XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime,
                   XDG_DATA_HOME=os.path.join(self.work, "data"), TZ="UTC",
                   QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        env.update(self.extra_env)
        return env

    def start_folder(self):
        """The program's current folder. The module in the current folder
        comes before the one beside the program, so German needs only
        rcge.rcc there; English finds rcus.rcc beside the program."""
        folder = os.path.join(self.work, "start")
        os.makedirs(folder, exist_ok=True)
        # The library editor's OK writes the library back where it came
        # from: a copy here, never the one beside the program.
        shutil.copy(self.library_file(), os.path.join(folder, "library.dat"))
        if self.language == "de":
            module = os.path.join(os.path.dirname(self.kadenzo), "rcge.rcc")
            check(os.path.isfile(module), f"no German module at {module}")
            os.symlink(module, os.path.join(folder, "rcge.rcc"))
        return folder

    def start(self, pyatspi, started):
        log_path = os.path.join(self.work, "program.log")
        log = open(log_path, "w")
        process = subprocess.Popen([self.kadenzo, self.diary], cwd=self.start_folder(),
                                   env=self.environment(), stdout=log, stderr=subprocess.STDOUT)
        program = Program(process, pyatspi, log_path, self.language)
        started.append(program)
        program.attach()
        return program

    def close(self, program):
        if program is not None and program.process.poll() is None:
            program.process.kill()
            program.process.wait()
        shutil.rmtree(self.work, ignore_errors=True)


def _missing_tools(window_manager=False):
    tools = ("Xvfb", "dbus-run-session") + (("openbox", "xdotool") if window_manager else ())
    missing = [t for t in tools if shutil.which(t) is None]
    probe = subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"],
                           capture_output=True) if os.path.exists("/usr/bin/python3") else None
    if probe is None or probe.returncode != 0:
        missing.append("python3-pyatspi")
    return missing


def _start_xvfb(screen, log, attempts=20):
    """An Xvfb on a display of its own; returns it and its number, or None.
    The number is chosen here, at random, rather than by Xvfb: servers that
    pick one themselves at the same moment can take each other's socket,
    while a named display is claimed by its lock file first, so a taken one
    only fails. Xvfb writes the number to -displayfd once it accepts
    clients. Without -noreset the server resets when its first client (the
    accessibility bus launcher) leaves, refusing the program meanwhile."""
    import random
    for _ in range(attempts):
        display = str(random.randrange(200, 2000))
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", f":{display}", "-displayfd", str(write_end),
                                 "-screen", "0", f"{screen[0]}x{screen[1]}x24",
                                 "-nolisten", "tcp", "-noreset"],
                                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=log)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            ready = pipe.readline().strip()
        if ready == display:
            return xvfb, display
        xvfb.wait()
    return None, None


def _outer(script, arguments, screen, timeout):
    """Starts an X server of its own and runs the script once more inside a
    session bus on it."""
    x_log = tempfile.TemporaryFile("w+")
    xvfb, display = _start_xvfb(screen, x_log)
    if xvfb is None:
        x_log.seek(0)
        print(f"kadenzo-e2e: Xvfb did not start:\n{x_log.read()}", file=sys.stderr)
        return 1
    # The buses' own chatter (fd limits, activations) would bury a report.
    bus_log = tempfile.TemporaryFile("w+")
    try:
        env = dict(os.environ, DISPLAY=f":{display}", **{INNER: "1"})
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        inner = subprocess.Popen(["dbus-run-session", "--", "/usr/bin/python3", script,
                                  *arguments], env=env, stderr=bus_log, start_new_session=True)
        try:
            code = inner.wait(timeout)
        except subprocess.TimeoutExpired:
            print(f"kadenzo-e2e: the journey took longer than {timeout} s", file=sys.stderr)
            os.killpg(inner.pid, signal.SIGKILL)
            inner.wait()
            code = 1
        bus_log.seek(0)
        for line in bus_log:
            if not line.startswith(("dbus-daemon[", "SpiRegistry daemon")):
                sys.stderr.write(line)
        if code not in (0, SKIPPED) and xvfb.poll() is not None:
            x_log.seek(0)
            print(f"kadenzo-e2e: Xvfb on :{display} ended early ({xvfb.returncode}):\n"
                  f"{x_log.read()}", file=sys.stderr)
        return code
    finally:
        xvfb.terminate()
        xvfb.wait()


def _start_window_manager():
    """Openbox on the journey's display, as a desktop has one: it activates
    the windows the program opens, so the keyboard reaches them as it would
    a user's. Returns it once it manages the screen."""
    manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        # Answers only once a window manager has announced itself on the root window.
        if subprocess.run(["xdotool", "get_desktop"], capture_output=True).returncode == 0:
            return manager
        time.sleep(0.05)
    manager.kill()
    raise JourneyFailed("openbox did not start")


def run_journey(journey, language="en", screen=(1280, 1024), timeout=60, window_manager=False):
    """Runs `journey(session, start)` in a world of its own; `start()` starts
    the program on `session.diary` and returns the `Program`. A third
    argument, en or de, overrides the language. With window_manager, openbox
    runs on the display (keyboard journeys need the windows it activates).
    Exits."""
    if len(sys.argv) not in (3, 4) or sys.argv[3:] not in ([], ["en"], ["de"]):
        print(f"usage: {sys.argv[0]} KADENZO KADENZO_TOOL [en|de]", file=sys.stderr)
        sys.exit(2)
    language = sys.argv[3] if len(sys.argv) == 4 else language
    name = os.path.basename(sys.argv[0])
    if not os.environ.get(INNER):
        missing = _missing_tools(window_manager)
        if missing:
            print(f"{name}: {', '.join(missing)} missing; skipped")
            sys.exit(SKIPPED)
        sys.exit(_outer(os.path.realpath(sys.argv[0]), sys.argv[1:], screen, timeout))

    import pyatspi
    session = Session(sys.argv[1], sys.argv[2], language)
    started = []

    def start():
        return session.start(pyatspi, started)

    began = time.monotonic()
    manager = None
    try:
        if window_manager:
            manager = _start_window_manager()
        journey(session, start)
    except Skipped as reason:
        print(f"{name}: {reason}; skipped")
        session.close(started[-1] if started else None)
        sys.exit(SKIPPED)
    except Exception as error:
        print(f"{name}: FAILED: {error}", file=sys.stderr)
        if not isinstance(error, JourneyFailed):
            traceback.print_exc()
        for program in started:
            if getattr(program, "heard", None):
                print("a screen reader heard:", file=sys.stderr)
                print("\n".join(f"  {line}" for line in program.heard), file=sys.stderr)
            if program.app is not None and program.process.poll() is None:
                print("accessibility tree:", file=sys.stderr)
                print("\n".join(program.dump()), file=sys.stderr)
            with open(program.log_path) as log:
                for line in log:
                    print(f"  program: {line.rstrip()}", file=sys.stderr)
        session.close(started[-1] if started else None)
        sys.exit(1)
    finally:
        if manager is not None:
            manager.kill()
            manager.wait()
    session.close(started[-1] if started else None)
    if os.environ.get("KADENZO_E2E_HEARD"):
        for program in started:
            print("\n".join(program.heard))
    print(f"{name}: passed in {time.monotonic() - began:.1f} s")
    sys.exit(0)


# --- steps the journeys share -------------------------------------------------

MENUS = _menus()


def diary_date(day):
    """A day number as the program writes dates (the editor's title)."""
    import datetime
    return (datetime.date(1899, 12, 30) + datetime.timedelta(days=day)).strftime("%d.%m.%Y")


def diary_with_yesterdays_workout(session, **fields):
    """Writes a diary whose only workout was done yesterday (a demo workout
    with `fields` replaced) and returns that workout's JSON."""
    document = session.demo_document()
    workout = dict(document["log"]["workouts"][0])
    workout.update(date=session.today - 1 + 0.5, **fields)
    document["log"]["workouts"] = [workout]
    session.write_diary(document)
    return workout


def open_yesterdays_workout(program, session, performance_tab):
    """From the diary, by keyboard: Home selects today, Left the day before
    with its first workout, Enter opens it in the editor, whose title is its
    date. Shows the performance page; returns the main window and the
    editor."""
    main = program.window(role="frame", timeout=20)
    program.focus(main)
    for key in ("Home", "Left", "Return"):
        program.key(key)
    editor = program.window(diary_date(session.today - 1))
    program.click(program.find("page tab", performance_tab, root=editor))
    # The tab list is named after its current page.
    program.find("page tab list", performance_tab, root=editor)
    return main, editor


class UndoSteps:
    """The steps a journey takes, checked against the names Edit › Undo and
    Redo give them: `done` after each step; `undo_all` takes them back one by
    one with Edit › Undo, `redo_all` brings them back with Ctrl+Y."""

    UNDO, REDO = 34972, 34973

    def __init__(self, program, main):
        self.program = program
        self.main = main
        self.taken = []
        self.undone = []

    def _name(self, text_id, step):
        language = self.program.language
        return module_text(language, text_id).replace("%s", module_text(language, step))

    def _plain(self, command_id):
        return MENUS[self.program.language]["diary"][command_id][1]

    def _commands(self):
        """Undo and Redo as the Edit menu names them now."""
        edit = self.program.find("menu item", MENUS[self.program.language]["diary"][ID_UNDO][0],
                                 root=self.program.find("menu bar", root=self.main))
        items = [c for c in edit[0] if c is not None and c.getRoleName() == "menu item"]
        return items[0].name, items[1].name

    def _expect(self):
        undo = self._name(self.UNDO, self.taken[-1]) if self.taken else self._plain(ID_UNDO)
        redo = self._name(self.REDO, self.undone[-1]) if self.undone else self._plain(ID_REDO)
        self.program.wait_for(lambda: tuple(map(Program.plain, self._commands())) == (undo, redo),
                              f"Edit to offer {undo!r} and {redo!r} (offers {self._commands()})")
        return undo

    def done(self, step):
        self.taken.append(step)
        self.undone.clear()
        self._expect()

    def undo_all(self):
        while self.taken:
            undo = self._expect()
            self.program.menu(self.main, MENUS[self.program.language]["diary"][ID_UNDO][0], undo)
            self.undone.append(self.taken.pop())
        self._expect()

    def redo_all(self):
        while self.undone:
            self._expect()
            self.program.focus(self.main)
            self.program.key("ctrl+y")
            self.taken.append(self.undone.pop())
        self._expect()


def the_workout(document):
    workouts = document["log"]["workouts"]
    check(len(workouts) == 1, f"{len(workouts)} workouts in the saved diary, expected 1")
    return workouts[0]
