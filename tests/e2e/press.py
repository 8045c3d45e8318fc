#!/usr/bin/python3
"""Presses a control as a screen reader, switch access or voice control does: through
the accessibility bus's action, not with the mouse or the keyboard, so that a modal
dialog in front does not stand in the way.

press.py APP NAME [ROLE]   performs the first action of the first node named NAME
                           (and of role ROLE, such as "push button" or "menu item")
                           in the windows of the application APP that are on the
                           screen; the node itself may be hidden, as the items of a
                           closed menu are
"""
import sys
import time

import pyatspi


def find(acc, name, role, depth=0):
    if depth > 40:
        return None
    try:
        if acc.name == name and (role is None or acc.getRoleName() == role):
            return acc
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            if child is not None:
                found = find(child, name, role, depth + 1)
                if found is not None:
                    return found
    except Exception:
        pass
    return None


def main():
    app_name, name = sys.argv[1], sys.argv[2]
    role = sys.argv[3] if len(sys.argv) > 3 else None
    deadline = time.time() + 10
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != app_name:
                continue
            node = None
            for i in range(app.childCount):
                window = app.getChildAtIndex(i)
                if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                    node = find(window, name, role)
                    if node is not None:
                        break
            if node is None:
                continue
            action = node.queryAction()
            if action.nActions < 1:
                print(f"{name} has no action", file=sys.stderr)
                return 1
            action.doAction(0)
            return 0
        time.sleep(0.2)
    print(f"nothing named {name} in {app_name} on the accessibility bus", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
