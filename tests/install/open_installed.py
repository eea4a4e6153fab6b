#!/usr/bin/python3
"""Starts the installed program as a double-click would, with a problem file
on its command line, and reads through the accessibility tree that the problem
is open ready to solve; then starts it as on a pupil's machine and sees the
start window without "Editor". Screenshots go to the given folder.

    open_installed.py <installed zenuvio> <problem file> <folder for screenshots>
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from compose_and_solve import application, control, fail, find_all, screenshot, showing, \
    wait_for  # noqa: E402


def run(arguments):
    program = subprocess.Popen(arguments)
    wait_for("the program on the accessibility bus", application)
    return program


def stop(program):
    program.kill()
    program.wait()
    wait_for("the program gone from the accessibility bus", lambda: application() is None)


def main():
    zenuvio, problem, folder = sys.argv[1:4]
    with open(problem, encoding="cp1252") as source:
        text = source.readline().rstrip("\r\n")

    program = run([zenuvio, problem])
    try:
        control("Inserisci i dati", "label")
        box = control("Testo del problema")
        shown = box.queryText().getText(0, -1)
        if shown != text:
            fail("the problem text reads %r, not %r" % (shown, text))
        control("Dato 1")
        screenshot(folder, "installed-solving.png")
        print("PASS: the installed program opened %s ready to solve" % problem, flush=True)
    finally:
        stop(program)

    program = run([zenuvio, "--senza-editor"])
    try:
        control("Risoluzione", "push button")
        editor = find_all(application(), lambda n: n.name == "Editor" and showing(n)
                          and n.getRoleName() == "push button")
        if editor:
            fail("a pupil's start window offers Editor")
        screenshot(folder, "installed-pupil-start.png")
        print("PASS: a pupil's start window has no Editor", flush=True)
    finally:
        stop(program)


if __name__ == "__main__":
    main()
