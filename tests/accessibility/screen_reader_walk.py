#!/usr/bin/python3
"""Tarvolin as a screen reader meets it: the accessibility tree read through
AT-SPI (pyatspi, as Orca reads it), keys typed as a user types them.

The calculator with the typical case, its calendar, the addressee and
letterhead dialogs, the letter preview, and the staff-list window: every
control that takes the focus has a name and a role that fits it, the inputs
and results read with their values, the notice tier that applies is found
by its checked state, and the changes a screen reader must speak are raised
as notifications (a refused date, new results, the staff list's completion).

    screen_reader_walk.py PROGRAM WORK_FOLDER      (see run_walk.sh)
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, WORK = sys.argv[1], sys.argv[2]
failures = []
announcements = []
focused = []  # what received the focus, latest last

# Roles no control that takes the focus may have: a reader could not tell
# what it is or how to use it.
UNFIT_ROLES = {"unknown", "invalid", "redundant object", "panel", "frame", "image"}


def fail(message):
    failures.append(message)
    print("FEHLER: " + message, flush=True)


def pump(seconds):
    """Lets AT-SPI deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def on_showing(event):
    try:
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            announcements.append(event.source.name)
    except Exception:  # the source may be gone already
        pass


def on_focus(event):
    if event.detail1:
        focused.append(event.source)


def top_of(node):
    """The window a node stands in, also a popup, which the program's list
    of windows leaves out (a reader meets it through the focus)."""
    while node.parent is not None and node.parent.getRole() != pyatspi.ROLE_APPLICATION:
        node = node.parent
    return node


def descendants(node):
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        try:
            stack.extend(current.getChildAtIndex(i) for i in reversed(range(current.childCount)))
        except Exception:
            pass


def has(node, state):
    return node.getState().contains(state)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def by_name(root, name, role=None):
    for node in descendants(root):
        if node is not None and node.name == name and (role is None or node.getRoleName() == role):
            return node
    return None


def keys(*sequence):
    for key in sequence:
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        time.sleep(0.15)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


class Program:
    """The program started in a folder of its own with settings of its own."""

    def __init__(self, args, title, folder):
        self.folder = folder
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=folder,
                   XDG_CONFIG_HOME=os.path.join(folder, "config"), XDG_DATA_HOME=os.path.join(folder, "data"),
                   XDG_RUNTIME_DIR=os.path.join(folder, "runtime"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        self.log = open(os.path.join(folder, "program.log"), "w")
        self.process = subprocess.Popen([PROGRAM] + args, cwd=folder, env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        self.app = self._application()
        self.x_window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title],
                                       capture_output=True, text=True, timeout=60, check=True).stdout.split()[0]
        self.take_keyboard()

    def take_keyboard(self):
        """Gives the window the keyboard, as a window manager would after
        a dialog closed (the virtual screen has none)."""
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x_window], check=True)
        pump(1.0)

    def _application(self):
        deadline = time.time() + 60
        while time.time() < deadline:
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            pump(0.2)
        raise RuntimeError("the program did not appear on the accessibility bus")

    def windows(self):
        # A popup or a dialog that opened since the last look is not in the
        # cached list of the program's windows.
        self.app.clearCache()
        return [self.app.getChildAtIndex(i) for i in range(self.app.childCount)]

    def window(self, title, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for w in self.windows():
                # A dialog may name the case after its title: "Empfänger des Briefs – …".
                named = w is not None and (w.name == title or w.name.startswith(title + " – "))
                if named and has(w, pyatspi.STATE_SHOWING):
                    return w
            pump(0.2)
        fail("kein Fenster „%s“" % title)
        return None

    def stop(self):
        if self.process.poll() is not None:
            fail("das Programm ist während des Rundgangs beendet worden (%s)" % self.process.returncode)
        else:
            self.process.terminate()
            self.process.wait(timeout=30)
        self.log.close()
        with open(self.log.name) as log:
            text = log.read()
        for alarm in ("ERROR: AddressSanitizer", "runtime error:", "ASSERT"):
            if alarm in text:
                fail("Meldung im Protokoll des Programms: " + text[text.index(alarm):][:400])


def check_controls(root, where):
    """Every control that takes the focus has a name and a fitting role."""
    count = 0
    for node in descendants(root):
        if node is None or not has(node, pyatspi.STATE_FOCUSABLE) or not has(node, pyatspi.STATE_SHOWING):
            continue
        role = node.getRoleName()
        if role == "table cell":  # named by its content and column
            continue
        count += 1
        if not node.name:
            fail("%s: %s ohne Namen" % (where, role))
        if role in UNFIT_ROLES:
            fail("%s: „%s“ hat die Rolle %s" % (where, node.name, role))
    if count == 0:
        fail("%s: kein Bedienelement gefunden" % where)


def expect_announcement(part, where, seconds=5):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if any(part in a for a in announcements):
            return
        pump(0.2)
    fail("%s: nicht angesagt: „%s“ (angesagt: %s)" % (where, part, announcements[-3:]))


def typical_case_folder():
    folder = os.path.join(WORK, "rechner")
    os.makedirs(folder)
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "typical_case.script")
    subprocess.run([PROGRAM, "--script", script], cwd=folder, check=True, stdout=subprocess.DEVNULL)
    return folder


INPUTS_AND_RESULTS = {
    # Inputs: the date as it is read.
    "Geburtstag": "10.03.1955",
    "Tag, ab dem Dienstbezüge zustehen": "01.04.1990",
    "Zeitraum 1 von": "01.09.1980",
    "Zeitraum 1 bis": "31.08.1983",
    "Zeitraum 2 von": "leer",
    "Stichtag (benötigt bis)": "15.05.2008",
    # Results.
    "Jubiläumsdienstalter Beginn": "01.04.1987",
    "25-jähriges Dienstjubiläum": "01.04.2012",
    "40-jähriges Dienstjubiläum (wird nicht erreicht)": "01.04.2027",
    "50-jähriges Dienstjubiläum (wird nicht erreicht)": "01.04.2037",
    "Erreichen der Altersgrenze": "10.12.2020",
}
RESULT_NAMES = [
    "Jahre Zeitraum 1: 3", "Monate Zeitraum 1: 0", "Tage Zeitraum 1: 0",
    "Jahre Summe der anrechenbaren Vorzeiten: 3",
    "Jahre Beschäftigungszeit: 18", "Monate Beschäftigungszeit: 1", "Tage Beschäftigungszeit: 15",
    "Jahre Beschäftigungszeiten insgesamt: 21",
    "Ruhestand nach Jahren: 65", "Ruhestand nach Monaten: 9",
    "Spätestens zu kündigen am: 31.12.2007 *)", "Kündigung zum: 30.06.2008",
    "Beschäftigungszeit vom: 01.04.1990", "Beschäftigungszeit bis: 15.05.2008",
]
RESULT_PREFIXES = ("Tage ", "Monate ", "Jahre ", "Ruhestand nach ", "Spätestens zu kündigen am",
                   "Kündigung zum", "Beschäftigungszeit vom", "Beschäftigungszeit bis", "Kündigungsfrist Stufe")


def check_values(window):
    for name, value in INPUTS_AND_RESULTS.items():
        node = by_name(window, name, "text")
        if node is None:
            fail("Rechner: kein Feld „%s“" % name)
        elif text_of(node) != value:
            fail("Rechner: „%s“ liest sich „%s“ statt „%s“" % (name, text_of(node), value))
    labels = {n.name for n in descendants(window) if n is not None and n.getRoleName() == "label"}
    for name in RESULT_NAMES:
        if name not in labels:
            fail("Rechner: kein Ergebnis „%s“" % name)
    for name in labels:
        if name.startswith(RESULT_PREFIXES) and ": " not in name:
            fail("Rechner: Ergebnis ohne Wert: „%s“" % name)
    tiers = [n for n in descendants(window) if n is not None and n.name.startswith("Kündigungsfrist Stufe")]
    marked = [n.name for n in tiers if has(n, pyatspi.STATE_CHECKED)]
    if len(tiers) != 7 or len(marked) != 1 or not marked[0].startswith("Kündigungsfrist Stufe 6 (zutreffend): "):
        fail("Rechner: die zutreffende Kündigungsfrist ist nicht als einzige markiert: %s" % marked)
    options = [n for n in descendants(window) if n is not None and n.getRoleName() == "radio button"]
    if len(options) != 2 or sum(has(n, pyatspi.STATE_CHECKED) for n in options) != 1:
        fail("Rechner: die zwei Optionen sind keine Optionsfelder mit einer Auswahl")


def focus(window, name):
    """Puts the focus on a field as a reader's "set focus" does."""
    node = by_name(window, name, "text")
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("SetFocus"))
    pump(0.5)
    if not has(node, pyatspi.STATE_FOCUSED):
        fail("„%s“ nimmt den Fokus nicht" % name)
    return node


def check_announcements(window):
    field = focus(window, "Zeitraum 2 von")
    type_text("31022000")
    keys("Return")
    expect_announcement("31.02.2000 gibt es nicht", "abgewiesenes Datum")
    pump(5)  # longer than the red frame stays
    if field.description != "31.02.2000 gibt es nicht":
        fail("abgewiesenes Datum: der Grund steht nicht mehr am Feld („%s“)" % field.description)
    focus(window, "Zeitraum 2 von")
    type_text("01091983")
    keys("Return")
    pump(0.5)
    focus(window, "Zeitraum 2 bis")
    type_text("31121983")
    keys("Return")
    expect_announcement("Jubiläumsdienstalter Beginn: 01.12.1986", "neue Ergebnisse")


def check_calendar(program, window):
    focus(window, "Geburtstag")
    keys("F4")
    pump(1)
    popup = top_of(focused[-1]) if focused else None
    if popup is None or popup == window:
        fail("Kalender: öffnet sich nicht mit F4")
        return
    check_controls(popup, "Kalender")
    keys("Escape")
    pump(0.5)


def check_letter(program, window):
    keys("ctrl+p")
    dialog = program.window("Empfänger des Briefs")
    if dialog is not None:
        check_controls(dialog, "Empfänger")
        combo = next((n for n in descendants(dialog) if n is not None and n.getRoleName() == "combo box"), None)
        labels = [] if combo is None else [r.getTarget(i).name for r in combo.getRelationSet()
                                           if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                                           for i in range(r.getNTargets())]
        if "Anrede:" not in labels:
            fail("Empfänger: das Auswahlfeld ist nicht mit „Anrede:“ beschriftet (%s)" % labels)
        if combo is not None and combo.name != "Anrede":
            fail("Empfänger: das Auswahlfeld heißt „%s“ statt „Anrede“" % combo.name)
        keys("Return")
    preview = program.window("Vorschau des Briefs")
    if preview is not None:
        check_controls(preview, "Vorschau")
        shown = by_name(preview, "Text anzeigen")
        if shown is None:
            fail("Vorschau: keine Schaltfläche „Text anzeigen“")
        else:
            shown.queryAction().doAction(0)
            pump(1)
            letter = by_name(preview, "Text des Briefs")
            words = text_of(letter) if letter is not None else None
            order = [(words or "").find(part) for part in ("festgesetzt auf", "01/12/1986", "Begründung")]
            if min(order) < 0 or order != sorted(order):
                fail("Vorschau: der Text des Briefs ist nicht in Lesereihenfolge zu lesen: %r" % (words or "")[:300])
        keys("Escape")
    pump(0.5)
    program.take_keyboard()
    keys("ctrl+shift+p")
    letterhead = program.window("Briefkopf")
    if letterhead is not None:
        check_controls(letterhead, "Briefkopf")
        keys("Escape")


def walk_calculator():
    folder = typical_case_folder()
    program = Program([], "Jubiläumszuwendung", folder)
    try:
        window = program.window("Wann erhalte ich eine Jubiläumszuwendung?")
        if window is None:
            return
        check_controls(window, "Rechner")
        check_values(window)
        check_calendar(program, window)
        check_announcements(window)
        check_letter(program, window)
    finally:
        program.stop()


def walk_staff_list():
    folder = os.path.join(WORK, "liste")
    os.makedirs(folder)
    table = os.path.join(folder, "personal.csv")
    with open(table, "w", encoding="utf-8", newline="") as f:
        f.write("Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab\r\n")
        for n in range(400):
            f.write("%d;Name%d;Vorname;%02d.03.1960;01.04.1990\r\n" % (1000 + n, n, n % 28 + 1))
    program = Program(["--list-window", table], "Personalliste", folder)
    try:
        window = program.window("Tarvolin – Personalliste")
        if window is None:
            return
        expect_announcement("400 Zeilen, berechnet mit dem Tagesdatum", "Personalliste berechnet", seconds=60)
        check_controls(window, "Personalliste")
        heads = [n.name for n in descendants(window) if n is not None and n.getRoleName() == "table column header"]
        if "Name" not in heads or "Hinweise" not in heads:
            fail("Personalliste: Spaltenköpfe fehlen: %s" % heads[:5])
    finally:
        program.stop()


def main():
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    walk_calculator()
    walk_staff_list()
    passed = 0 if failures else 1
    print("%d passed, %d failed" % (passed, 1 - passed))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
