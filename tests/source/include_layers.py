#!/usr/bin/python3
"""The folders of src/ are layers, and includes point downwards only:

    app          start-up and the shell that owns the windows
    ui           the windows
    calculator, links, referral, journal    the logic and the storage, each on its own
    platform, common               system services; text rules every subsystem shares

A folder includes its own headers and those of the layers below it, never a folder
beside it or above it; and no chain of includes between the files leads back to
where it started. Prints every include that breaks a rule and fails if there is one.

Usage: include_layers.py SRC_DIR
"""
import re
import sys
from pathlib import Path

RANK = {"platform": 0, "common": 0, "calculator": 1, "links": 1, "referral": 1, "journal": 1, "ui": 2, "app": 3}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.M)


def main():
    src = Path(sys.argv[1])
    graph = {}
    problems = []
    for path in sorted(src.glob("*/*")):
        if path.suffix not in (".h", ".cpp") or path.parent.name not in RANK:
            continue
        folder = path.parent.name
        name = f"{folder}/{path.name}"
        graph.setdefault(name, set())
        for target_folder, target_file in INCLUDE.findall(path.read_text(encoding="utf-8")):
            target = f"{target_folder}/{target_file}"
            if target_folder not in RANK:
                problems.append(f"{name} includes {target}, outside the layers")
                continue
            graph[name].add(target)
            if target_folder != folder and RANK[target_folder] >= RANK[folder]:
                problems.append(f"{name} includes {target}: {target_folder} is not below {folder}")

    # Headers and their sources count as one unit, so a circle through them shows.
    units = {}
    for name, targets in graph.items():
        unit = name.rsplit(".", 1)[0]
        units.setdefault(unit, set()).update(t.rsplit(".", 1)[0] for t in targets)
    state = {}

    def visit(unit, trail):
        state[unit] = "open"
        for target in sorted(units.get(unit, ())):
            if target == unit:
                continue
            if state.get(target) == "open":
                problems.append("circle: " + " -> ".join(trail[trail.index(target):] + [target]))
            elif target not in state:
                visit(target, trail + [target])
        state[unit] = "done"

    for unit in sorted(units):
        if unit not in state:
            visit(unit, [unit])

    for problem in problems:
        print(problem)
    print(f"{len(graph)} files, {sum(len(t) for t in graph.values())} includes between them, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
