#!/usr/bin/python3
"""Reads the program as a screen reader does.

a11y.py APP              every node of the application APP showing on the screen, one a
                         line: role<TAB>name<TAB>text
a11y.py APP --focused    only the node that has the keyboard focus
a11y.py APP --where NAME the screen position of the middle of the showing node named
                         NAME, as "x y" (to click it)
a11y.py APP --sizes      the size of each window showing, as "width height", a line each
a11y.py APP --press NAME [ROLE]
                         presses the first node named NAME (and of role ROLE, such as
                         "push button" or "menu item") in the windows showing, the
                         node itself shown or not (as the items of a closed menu), as a
                         screen reader, switch access or voice control does: through
                         its action, which a modal dialog in front does not stop
"""
import sys
import time

import pyatspi


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, -1)
    except Exception:
        return ""


def walk(acc, out, depth=0):
    if depth > 40:
        return
    try:
        if acc.getState().contains(pyatspi.STATE_SHOWING):
            out.append(acc)
        for i in range(acc.childCount):
            walk(acc.getChildAtIndex(i), out, depth + 1)
    except Exception:
        pass


def find(acc, name, role, depth=0):
    if depth > 40:
        return None
    try:
        if acc.name == name and (role is None or acc.getRoleName() == role):
            return acc
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            found = find(child, name, role, depth + 1) if child is not None else None
            if found is not None:
                return found
    except Exception:
        pass
    return None


def press(app, name, role):
    for window in (app.getChildAtIndex(i) for i in range(app.childCount)):
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            node = find(window, name, role)
            if node is not None:
                node.queryAction().doAction(0)
                return True
    return False


def line(acc):
    return f"{acc.getRoleName()}\t{acc.name}\t{text_of(acc)}".replace("\n", "\\n")


def main():
    app_name = sys.argv[1]
    mode = sys.argv[2] if len(sys.argv) > 2 else None
    deadline = time.time() + 10
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != app_name:
                continue
            if mode == "--press":
                if press(app, sys.argv[3], sys.argv[4] if len(sys.argv) > 4 else None):
                    return 0
                continue
            nodes = []
            walk(app, nodes)
            if mode == "--focused":
                nodes = [n for n in nodes if n.getState().contains(pyatspi.STATE_FOCUSED)]
                print("\n".join(line(n) for n in nodes))
                return 0 if nodes else 1
            if mode == "--sizes":
                for window in (app.getChildAtIndex(i) for i in range(app.childCount)):
                    if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                        box = window.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
                        print(box.width, box.height)
                return 0
            if mode == "--where":
                for n in nodes:
                    if n.name == sys.argv[3]:
                        box = n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                        print(box.x + box.width // 2, box.y + box.height // 2)
                        return 0
                print(f"nothing named {sys.argv[3]} on the screen", file=sys.stderr)
                return 1
            print("\n".join(line(n) for n in nodes))
            return 0
        time.sleep(0.2)
    print(f"no application {app_name} on the accessibility bus", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
