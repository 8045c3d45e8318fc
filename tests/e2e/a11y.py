#!/usr/bin/python3
"""Prints what the program shows to assistive technology, one node a line:
role<TAB>name<TAB>text, for every node of the application named on the command line
that is showing on the screen."""
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
        showing = acc.getState().contains(pyatspi.STATE_SHOWING)
        if showing:
            out.append(f"{acc.getRoleName()}\t{acc.name}\t{text_of(acc)}".replace("\n", "\\n"))
        for i in range(acc.childCount):
            walk(acc.getChildAtIndex(i), out, depth + 1)
    except Exception:
        pass


def main():
    app_name = sys.argv[1]
    deadline = time.time() + 10
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == app_name:
                out = []
                walk(app, out)
                print("\n".join(out))
                return 0
        time.sleep(0.2)
    print(f"no application {app_name} on the accessibility bus", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
