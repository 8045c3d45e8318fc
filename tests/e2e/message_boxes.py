#!/usr/bin/python3
"""Lists the message boxes on screen as a screen reader finds them, one a line:
process id, title, text as a JSON string and the buttons' names joined by "|",
separated by tabs.

Usage: message_boxes.py [MIN_COUNT [SECONDS]]
Waits up to SECONDS (default 15) until at least MIN_COUNT (default 1) are found.
"""
import json
import sys
import time

import pyatspi


def descendants(acc, depth=0):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child
            if depth < 3:
                yield from descendants(child, depth + 1)


def shown_text(alert):
    """The text of the box's label, as it stands on the screen."""
    for child in descendants(alert):
        if child.getRole() == pyatspi.ROLE_LABEL and child.name:
            return child.name
    return None


def buttons(alert):
    return "|".join(c.name for c in descendants(alert) if c.getRole() == pyatspi.ROLE_PUSH_BUTTON)


def alerts(acc, found, depth=0):
    try:
        role = acc.getRole()
    except Exception:
        return
    if role == pyatspi.ROLE_ALERT:
        found.append((acc.get_process_id(), acc.name, shown_text(acc), buttons(acc)))
        return
    if depth > 3:
        return
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            alerts(child, found, depth + 1)


def main():
    min_count = int(sys.argv[1]) if len(sys.argv) > 1 else 1
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 15
    deadline = time.monotonic() + seconds
    while True:
        found = []
        alerts(pyatspi.Registry.getDesktop(0), found)
        if len(found) >= min_count or time.monotonic() > deadline:
            break
        time.sleep(0.2)
    for pid, title, text, names in found:
        print(f"{pid}\t{title}\t{json.dumps(text)}\t{names}")
    return 0 if len(found) >= min_count else 1


if __name__ == "__main__":
    sys.exit(main())
