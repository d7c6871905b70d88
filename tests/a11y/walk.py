#!/usr/bin/python3
"""Walks TARN's channel grid and option dialogs through the accessibility bus alone, as a screen
reader would. The grid: its table gives the column and row headers, keys sent through AT-SPI move
and type, and what gains the focus (a cell, an editor) is read from AT-SPI's focus events alone.
The dialogs: every box is found by role and must be labelled (the labelled-by relation a buddy
gives), and the dialogs are opened and closed by AT-SPI actions, never by keys or the pointer.

Run on a desktop of its own (it starts a session bus of its own when none is given):
    with-desktop.sh /usr/bin/python3 walk.py TARN
Exit status 0: passed; 77: skipped (no AT-SPI here; a failure when CI=true); else failed.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(1 if os.environ.get("CI") == "true" else SKIPPED)


if not os.environ.get("TARN_A11Y_BUS"):
    runner = shutil.which("dbus-run-session")
    if runner is None:
        print("SKIPPED: dbus-run-session is not installed")
        sys.exit(1 if os.environ.get("CI") == "true" else SKIPPED)
    os.environ["TARN_A11Y_BUS"] = "1"
    os.execv(runner, [runner, "--", sys.executable, *sys.argv])

try:
    import pyatspi
except ImportError:
    skip("python3-pyatspi is not installed for /usr/bin/python3")


def wait_for(what, find, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError(f"no {what} within {timeout} s; on the bus: {known_windows()}")


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a node that went away while walking
        return []


def descendants(node, role=None):
    found = []
    stack = children(node)
    while stack:
        child = stack.pop(0)
        if child is None:
            continue
        if role is None or child.getRole() == role:
            found.append(child)
        stack.extend(children(child))
    return found


def known_windows():
    return [(app.name, [w.name for w in children(app) if w is not None])
            for app in children(pyatspi.Registry.getDesktop(0)) if app is not None]


def window_named(name, prefix=False):
    for app in children(pyatspi.Registry.getDesktop(0)):
        for window in children(app):
            if window is None:
                continue
            if window.name == name or (prefix and window.name.startswith(name)):
                return window
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "showMenu", "toggle"):
            action.doAction(i)
            return
    action.doAction(0)


def named(root, name, roles):
    for node in descendants(root):
        if node.name == name and node.getRole() in roles:
            return node
    return None


def open_menu_item(frame, menu_name, item_name):
    """Opens the menu bar's menu, then runs its item, both by their AT-SPI actions."""
    title = wait_for(f"menu {menu_name}",
                     lambda: named(frame, menu_name, (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU)))
    press(title)
    app = frame.getApplication()
    item = wait_for(f"item {item_name}",
                    lambda: named(app, item_name, (pyatspi.ROLE_MENU_ITEM,)))
    # The item runs a modal dialog, so its action answers only once the dialog has closed.
    try:
        press(item)
    except Exception as error:  # GLib.GError: no reply while the dialog runs
        if "reply" not in str(error):
            raise


def labelled_boxes(dialog):
    """The dialog's shown combo boxes by the texts that label them, as a screen reader on
    Linux announces them (the box's own name is its value there)."""
    boxes = {}
    for box in descendants(dialog, pyatspi.ROLE_COMBO_BOX):
        if not box.getState().contains(pyatspi.STATE_SHOWING):
            continue
        labels = [target.name for relation in box.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
        boxes[" / ".join(labels) or f"(unlabelled: {box.name})"] = box
    return boxes


def walk_dialog(frame, menu_name, item_name, title, expected_names):
    open_menu_item(frame, menu_name, item_name)
    dialog = wait_for(f"dialog {title}", lambda: window_named(title))
    boxes = labelled_boxes(dialog)
    if sorted(boxes) != sorted(expected_names):
        raise AssertionError(f"{title}: boxes labelled {sorted(boxes)}, "
                             f"expected {sorted(expected_names)}")
    buttons = {b.name: b for b in descendants(dialog, pyatspi.ROLE_PUSH_BUTTON)}
    if "Cancel" not in buttons:
        raise AssertionError(f"{title}: no Cancel button among {sorted(buttons)}")
    press(buttons["Cancel"])
    wait_for(f"{title} to close", lambda: window_named(title) is None)
    print(f"{title}: {len(boxes)} boxes, each labelled")


COLUMNS = ["RX Freq", "TX Freq", "QT/DQT Dec", "QT/DQT Enc", "TX Power", "CHN Lock"]
KEY_DOWN, KEY_RETURN, KEY_ESCAPE = 0xFF54, 0xFF0D, 0xFF1B


class FocusLog:
    """What gained the focus, in order, as AT-SPI announces it."""

    def __init__(self):
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        self.gained = []
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")

    def on_focus(self, event):
        if event.detail1:
            self.gained.append(event.source)

    def pump(self):
        while self.context.iteration(False):
            pass

    def wait(self, what, test, timeout=10.0):
        """The latest focused object once it passes the test."""
        def latest():
            self.pump()
            return self.gained[-1] if self.gained and test(self.gained[-1]) else None
        return wait_for(what, latest, timeout)


def send_keys(*keys):
    for key in keys:
        pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_SYM)


def cell_position(table, cell):
    index = cell.getIndexInParent()
    return table.getRowAtIndex(index), table.getColumnAtIndex(index)


def walk_grid(frame):
    """Moves to channel 12 and programs its RX Freq, hearing every step as a reader would."""
    focus = FocusLog()
    grid = wait_for("the channel grid", lambda: (descendants(frame, pyatspi.ROLE_TABLE) or [None])[0])
    table = grid.queryTable()
    headers = [table.getColumnHeader(c).name for c in range(table.nColumns)]
    if headers != COLUMNS:
        raise AssertionError(f"column headers {headers}, expected {COLUMNS}")
    if table.nRows != 199:
        raise AssertionError(f"{table.nRows} rows, expected 199 channels")
    if table.getRowHeader(11).name != "Channel 12":
        raise AssertionError(f"row 12 is headed {table.getRowHeader(11).name!r}")

    send_keys(*[KEY_DOWN] * 11)
    cell = focus.wait("channel 12's RX Freq cell",
                      lambda node: node.getRole() == pyatspi.ROLE_TABLE_CELL
                      and cell_position(table, node) == (11, 0))
    if cell.name != "":
        raise AssertionError(f"an empty cell reads {cell.name!r}")

    send_keys(*[ord(c) for c in "145.5"])
    editor = focus.wait("the frequency editor", lambda node: node.getRole() == pyatspi.ROLE_TEXT)
    if (editor.name, editor.description) != ("RX Freq", "Channel 12"):
        raise AssertionError(f"the editor reads {(editor.name, editor.description)}")

    # Enter stores the value and goes on to TX Freq, which the new frequency filled in too.
    send_keys(KEY_RETURN)
    editor = focus.wait("the TX Freq editor",
                        lambda node: node.getRole() == pyatspi.ROLE_TEXT
                        and node.name == "TX Freq")
    if editor.description != "Channel 12":
        raise AssertionError(f"the TX Freq editor is described {editor.description!r}")
    # Escape closes the editor; the focus goes back to the grid, on the cell it was over.
    send_keys(KEY_ESCAPE)
    focus.wait("the grid", lambda node: node.getRole() in (pyatspi.ROLE_TABLE,
                                                           pyatspi.ROLE_TABLE_CELL))
    cell = table.getAccessibleAt(11, 1)
    if not cell.getState().contains(pyatspi.STATE_FOCUSED) or cell.name != "145.50000":
        raise AssertionError(f"channel 12's TX Freq reads {cell.name!r}, "
                             f"focused: {cell.getState().contains(pyatspi.STATE_FOCUSED)}")
    stored = table.getAccessibleAt(11, 0).name
    if stored != "145.50000":
        raise AssertionError(f"channel 12's RX Freq reads {stored!r}")
    print("grid: headers, channel 12, its editors and stored values all read")


def main_window():
    """TARN's frame: the first window of the application named by its title."""
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.name == "Vizuruzu DizaRido":
            windows = [w for w in children(app) if w is not None]
            return windows[0] if windows else None
    return None


def main():
    tarn = sys.argv[1]
    home = tempfile.mkdtemp(prefix="a11y-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"), LC_ALL="C.UTF-8",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("TARN_PRODUCT_PROFILE", None)
    program = subprocess.Popen([tarn], cwd=home, env=env)
    # A short wait for replies: an action that opens a modal dialog answers only at its end.
    pyatspi.setTimeout(2000, 15000)
    try:
        frame = wait_for("TARN's main window on the accessibility bus", main_window)
        walk_grid(frame)
        walk_dialog(frame, "Model", "Model Information", "Model Information",
                    ["Model Type", "Frequency"])
        walk_dialog(frame, "Edit", "Optional Features", "Optional Features",
                    ["Time out timer(TOT)", "Squelch Level", "Beep", "Call Tone", "Battery Save",
                     "Busy", "Encoder", "Vox Gain Level", "Scan Mode", "Keypad lock", "LED",
                     "Mode", "Step", "Channel Name"])
    finally:
        program.kill()
        program.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
