#!/usr/bin/python3
"""Drives the real program as a teacher and then a pupil would.

The program runs under Xvfb; xdotool moves the mouse and types, and the
accessibility tree (AT-SPI, as a screen reader sees it) says where each
control is and what the hint label reads. A teacher composes a small problem
and saves it through the real file dialog, then changes it and tries to
leave: the program asks whether to save, she says yes, saves through the
dialog again and leaves. A pupil opens the problem and solves it to "Bravo.
Hai finito.".

    compose_and_solve.py <zenuvio executable> <folder for files and screenshots>
"""
import os
import subprocess
import sys

import pyatspi

from driving import (application, click, control, fail, find_all, key, showing, type_text,
                     wait_for)


def hint(text):
    """Waits until the solving hint label reads `text`."""
    control(text, "label")


def click_and_type(name, text, enter=False):
    box = control(name)
    click(box)
    wait_for("the focus in '%s'" % name,
             lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
    type_text(text)
    if enter:
        key("Return")


def box_button(name):
    """The push button of this name in the message box on screen."""

    def probe():
        boxes = find_all(application(), lambda n: n.getRoleName() in ("alert", "dialog")
                         and showing(n))
        for box in boxes:
            hits = find_all(box, lambda n: n.name == name and n.getRoleName() == "push button"
                            and showing(n))
            if hits:
                return hits[0]
        return None

    return wait_for("the button '%s' of a message box" % name, probe)


def answer_file_dialog(path):
    """Types a full path into Qt's file dialog, which has the focus in its name box."""
    wait_for("the file dialog", lambda: find_all(
        application(), lambda n: n.getRoleName() == "dialog" and showing(n)))
    key("ctrl+a")
    type_text(path)
    key("Return")


def screenshot(folder, name):
    subprocess.run(["import", "-window", "root", os.path.join(folder, name)], check=False)


def main():
    program, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    problem = os.path.join(folder, "quadrato.znv")
    if os.path.exists(problem):
        os.remove(problem)
    zenuvio = subprocess.Popen([program], cwd=folder)
    try:
        # The teacher composes: text, one datum, two steps with their results.
        click(control("Editor", "push button"))
        click_and_type("Testo del problema", "Un quadrato ha il lato di 12 cm.")
        click_and_type("Dato 1", "12 cm")
        click(control("Formula del passaggio 1"))
        click(control("A = l²"))
        click_and_type("Risultato del passaggio 1", "144 cm2")
        click(control("Formula del passaggio 2"))
        click(control("2p = 4 × l"))
        click_and_type("Risultato del passaggio 2", "48 cm")
        click(control("Salva", "push button"))
        answer_file_dialog(problem)
        wait_for("the saved file", lambda: os.path.exists(problem))
        with open(problem, "rb") as saved:
            lines = saved.read().split(b"\r\n")
        if lines[0] != b"Un quadrato ha il lato di 12 cm." or lines[10] != b" 0 " \
                or lines[11] != b" 2 " or len(lines) != 27:
            fail("the saved file is not the composed problem: %r" % lines[:12])

        # She adds a question to the text and tries to leave: asked, she saves and leaves.
        saved_at = os.stat(problem).st_mtime_ns
        click_and_type("Testo del problema", " Calcola l'area.")
        click(control("Esci", "push button"))
        save = box_button("Salva")
        screenshot(folder, "teacher-1-question.png")
        click(save)
        answer_file_dialog(problem)
        control("Risoluzione", "push button")  # the start window is back
        with open(problem, "rb") as saved:
            text = saved.read().split(b"\r\n")[0]
        if text != b"Un quadrato ha il lato di 12 cm. Calcola l'area.":
            fail("leaving did not save the change: %r" % text)
        if os.stat(problem).st_mtime_ns == saved_at:
            fail("the file was not written again")

        # The pupil solves it.
        click(control("Risoluzione", "push button"))
        click(control("Apri", "push button"))
        answer_file_dialog(problem)
        hint("Inserisci i dati")
        screenshot(folder, "solving-1-data.png")
        click_and_type("Dato 1", "12 cm", enter=True)
        hint("Bravo. Scegli la formula")
        screenshot(folder, "solving-2-formula.png")
        click(control("2p = 4 × l"))
        hint("Errata")
        click(control("A = l²"))
        hint("Bravo")
        click_and_type("Risultato del passaggio 1", "144 cm2", enter=True)
        hint("Bravo. Scegli la formula")
        click(control("2p = 4 × l"))
        click_and_type("Risultato del passaggio 2", "48 cm", enter=True)
        hint("Bravo. Hai finito.")
        screenshot(folder, "solving-3-finished.png")
        print("PASS: composed, saved, opened and solved", flush=True)
    finally:
        zenuvio.kill()
        zenuvio.wait()


if __name__ == "__main__":
    main()
