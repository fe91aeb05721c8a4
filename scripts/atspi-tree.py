#!/usr/bin/python3
"""Lists what a screen reader sees of the running simulator, through AT-SPI.

Debian's own Python (python3-pyatspi lives there, hence /usr/bin/python3).

Run the program with accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) on the same session
bus, then for example:

  scripts/atspi-tree.py                          every window of the program
  scripts/atspi-tree.py --window オプション       one window, by its title
  scripts/atspi-tree.py --focusable              only the controls that take the keyboard focus
  scripts/atspi-tree.py --listen 5               the name and text changes announced in 5 seconds

Each line: role, "name", then what the object holds: its text, its numeric value, the labels that
name it (labelled-by relations), and its states of interest. Needs python3-pyatspi.
"""

import argparse
import sys
import time

import pyatspi
from gi.repository import GLib

STATES = {
    pyatspi.STATE_FOCUSABLE: "focusable",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_SHOWING: "showing",
}


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and (not name or app.name == name):
            return app
    return None


def text_of(obj):
    try:
        text = obj.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def value_of(obj):
    try:
        return obj.queryValue().currentValue
    except NotImplementedError:
        return None


def labels_of(obj):
    names = []
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name)
    return names


def describe(obj):
    parts = [f'{obj.getRoleName()} "{obj.name}"']
    text = text_of(obj)
    if text is not None and text != obj.name:
        parts.append(f'text="{text}"')
    value = value_of(obj)
    if value is not None:
        parts.append(f"value={value:g}")
    labels = labels_of(obj)
    if labels:
        parts.append("labelled-by=" + "|".join(f'"{n}"' for n in labels))
    if obj.description:
        parts.append(f'description="{obj.description}"')
    states = obj.getState()
    shown = [word for state, word in STATES.items() if states.contains(state)]
    if shown:
        parts.append("[" + " ".join(shown) + "]")
    return "  ".join(parts)


def walk(obj, depth, args, out):
    if obj is None:
        return
    states = obj.getState()
    if args.showing and depth > 1 and not states.contains(pyatspi.STATE_SHOWING):
        return
    if not args.focusable or states.contains(pyatspi.STATE_FOCUSABLE):
        out.append("  " * depth + describe(obj))
    if args.depth and depth >= args.depth:
        return
    for child in obj:
        walk(child, depth + 1, args, out)


def listen(seconds):
    def heard(event):
        # What the event carries (the new name, the inserted text), then whose it is now.
        source = event.source
        print(f'{event.type}  "{event.any_data}"  from {source.getRoleName()} "{source.name}"', flush=True)

    kinds = ["object:property-change:accessible-name", "object:text-changed:insert"]
    pyatspi.Registry.registerEventListener(heard, *kinds)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--app", default="731", help="the application's name on the bus (default 731)")
    parser.add_argument("--window", help="only the window with this title")
    parser.add_argument("--focusable", action="store_true", help="only controls that take the focus")
    parser.add_argument("--showing", action="store_true", help="leave out what is not on screen")
    parser.add_argument("--depth", type=int, default=0, help="how deep to go (0: all the way)")
    parser.add_argument("--listen", type=float, help="print announced changes for this many seconds")
    parser.add_argument("--wait", type=float, default=10, help="seconds to wait for the program")
    args = parser.parse_args()

    deadline = time.monotonic() + args.wait
    app = find_application(args.app)
    while app is None and time.monotonic() < deadline:
        time.sleep(0.5)
        app = find_application(args.app)
    if app is None:
        names = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
        sys.exit(f"no application {args.app!r} on the accessibility bus (found: {names})")

    if args.listen:
        listen(args.listen)
        return

    out = []
    for window in app:
        if window is None or (args.window and window.name != args.window):
            continue
        walk(window, 0, args, out)
    print("\n".join(out))


if __name__ == "__main__":
    main()
