#!/usr/bin/python3
"""Checks that the program's folders depend on each other one way only.

Each folder may include headers of its own and of the folders listed for it
below, never of a folder above it:

    environment/                the settings and the seams, QtCore only, below all
    problem/, catalogue/,       plain code, QtCore only, at the bottom
    solver/session/
    results/                    attempt records, QtCore only, beside problem/
    formulas/                   the formulas worked out, QtCore only, above
                                problem/ and catalogue/
    ui/                         shared window layers, beside them
    speech/                     reading aloud, with no window, above them
    workwindow/ (catalogue/)    the work window, its two modes' views and the drawing
                                of formula pictures
    editor/, solver/            the two modes' handlers
    worksheet/                  the problem laid out for printing
    classresults/               the class's results window
    app/                        start-up and the start window, on top

    check_layers.py <source folder>
"""
import os
import re
import sys

ALLOWED = {
    "environment": set(),
    "problem": set(),
    "catalogue": set(),
    "results": {"problem"},
    "formulas": {"problem", "catalogue"},
    "solver/session": {"problem", "results"},
    "ui": set(),
    "speech": {"problem", "ui"},
    "resources": set(),
    "workwindow/catalogue": {"catalogue"},
    "workwindow": {"problem", "catalogue", "solver/session", "ui", "speech",
                   "workwindow/catalogue"},
    "editor": {"problem", "catalogue", "formulas", "ui", "workwindow", "workwindow/catalogue",
               "worksheet"},
    "solver": {"problem", "catalogue", "results", "solver/session", "ui", "workwindow",
               "workwindow/catalogue", "worksheet", "speech"},
    "worksheet": {"problem", "catalogue", "ui", "workwindow/catalogue"},
    "classresults": {"problem", "catalogue", "results", "ui", "worksheet",
                     "workwindow/catalogue"},
    "app": {"problem", "catalogue", "formulas", "results", "ui", "speech", "resources",
            "workwindow", "workwindow/catalogue", "editor", "solver", "solver/session",
            "worksheet", "classresults"},
}
for _folder in ALLOWED:
    if _folder != "environment":
        ALLOWED[_folder].add("environment")
# Folders whose code must not touch widgets or pictures at all.
CORE_ONLY = {"environment", "problem", "catalogue", "formulas", "results", "solver/session"}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
QT_GUI = re.compile(r"^Q(Widget|Application|Gui|Image|Pixmap|Painter|Icon|Font|Color|Label)")


def folder_of(path):
    """The folder in ALLOWED that holds path (the deepest one)."""
    best = None
    for folder in ALLOWED:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def main(root):
    headers = {}
    for folder in ALLOWED:
        for name in os.listdir(os.path.join(root, folder)):
            if name.endswith(".h"):
                headers.setdefault(name, set()).add(folder)
    problems = []
    for folder in ALLOWED:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if not name.endswith((".h", ".cpp")):
                continue
            path = f"{folder}/{name}"
            with open(os.path.join(root, path), encoding="utf-8") as source:
                text = source.read()
            for included in INCLUDE.findall(text):
                owners = headers.get(os.path.basename(included))
                if owners:
                    if folder not in owners and not owners & ALLOWED[folder]:
                        problems.append(f"{path} includes {included} from {', '.join(sorted(owners))}")
                elif folder in CORE_ONLY and QT_GUI.match(included):
                    problems.append(f"{path} includes {included}, a window or picture header")
    for problem in problems:
        print("FAIL:", problem)
    if not problems:
        print("PASS: every folder includes only the folders below it")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
