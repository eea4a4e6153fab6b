#!/usr/bin/python3
"""Two pupils solve an example with slips into one results folder.

The real program runs under Xvfb, driven with xdotool and read through the
accessibility tree. Anna types her name on the start window, opens
Quadrato.znv, slips at every kind of entry, finishes, presses Ctrl+N for the
next problem of the folder and leaves it after one datum. Luca is named on
the command line and opens the same problem at once. Each finished attempt
must be on disk as soon as "Bravo. Hai finito." shows; then the records are
read back: three, with their pupils, problems, slips and counts.

    pupils_records.py <zenuvio executable> <folder for files and screenshots> <examples folder>
"""
import glob
import json
import os
import shutil
import subprocess
import sys

import pyatspi

from driving import click, control, fail, key, type_text, wait_for


def hint(text):
    control(text, "label")


def click_and_type(name, text, enter=False):
    box = control(name)
    click(box)
    wait_for("the focus in '%s'" % name,
             lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
    key("ctrl+a")
    type_text(text)
    if enter:
        key("Return")


def screenshot(folder, name):
    subprocess.run(["import", "-window", "root", os.path.join(folder, name)], check=False)


def records(results):
    found = []
    for path in sorted(glob.glob(os.path.join(results, "*.json"))):
        with open(path, encoding="utf-8") as f:
            found.append(json.load(f))
    return found


def solve_quadrato(slips):
    """Solves Quadrato.znv; with slips, one at each kind of entry first."""
    if slips:
        click_and_type("Dato 1", "40cm", enter=True)
        hint("Errato")
    click_and_type("Dato 1", "40 cm", enter=True)
    hint("Bravo")
    if slips:
        click_and_type("Dato 2", "14.14 cm", enter=True)
        hint("Errato")
    click_and_type("Dato 2", "14,14 cm", enter=True)
    hint("Bravo. Scegli la formula")
    if slips:
        click(control("2p = 4 × l"))
        hint("Errata")
    click(control("l = 2p / 4"))
    click_and_type("Risultato del passaggio 1", "10 cm", enter=True)
    hint("Bravo. Scegli la formula")
    click(control("A = l²"))
    if slips:
        click_and_type("Risultato del passaggio 2", "100 cm", enter=True)
        hint("Errato")
    click_and_type("Risultato del passaggio 2", "100 cm²", enter=True)
    hint("Bravo. Scegli la formula")
    click(control("AO = AC / 2"))
    if not slips:
        click_and_type("Risultato del passaggio 3", "7.07 cm", enter=True)
        hint("Errato")
    click_and_type("Risultato del passaggio 3", "7,07 cm", enter=True)
    hint("Bravo. Hai finito.")


def main():
    program, folder, examples = sys.argv[1], sys.argv[2], sys.argv[3]
    shutil.rmtree(folder, ignore_errors=True)
    problems = os.path.join(folder, "problemi")
    results = os.path.join(folder, "Risultati")
    os.makedirs(problems)
    for name in ("Quadrato", "Rettangolo"):
        for ext in (".znv", ".gif"):
            shutil.copy(os.path.join(examples, name + ext), problems)
    quadrato = os.path.join(problems, "Quadrato.znv")

    # Anna: her name on the start window, the problem through "Apri".
    zenuvio = subprocess.Popen([program, "--registro", results], cwd=folder)
    try:
        click_and_type("Nome", "Anna")
        screenshot(folder, "start-window-name.png")
        click(control("Risoluzione", "push button"))
        click(control("Apri", "push button"))
        wait_for("the file dialog", lambda: control("Annulla", shown=True))
        key("ctrl+a")
        type_text(quadrato)
        key("Return")
        hint("Inserisci i dati")
        solve_quadrato(slips=True)
        control("Risposte sbagliate almeno una volta: 2 dati su 2, 1 formula su 3, "
                "1 risultato su 3. Premi Ctrl+N per il problema seguente.", "label")
        screenshot(folder, "anna-finished.png")
        if len(records(results)) != 1:
            fail("the finished attempt is not on disk at once")
        key("ctrl+n")
        control("Rettangolo.znv - Zenuvio")
        hint("Inserisci i dati")
        click_and_type("Dato 1", "12 cm", enter=True)
        hint("Bravo")
        click(control("Esci", "push button"))
        control("Risoluzione", "push button")  # the start window is back
        wait_for("the record of the problem left", lambda: len(records(results)) == 2)
    finally:
        zenuvio.kill()
        zenuvio.wait()

    # Luca: named on the command line, the problem opened at once.
    zenuvio = subprocess.Popen([program, "--alunno", "Luca", "--registro", results, quadrato],
                               cwd=folder)
    try:
        hint("Inserisci i dati")
        solve_quadrato(slips=False)
        control("Risposte sbagliate almeno una volta: nessun dato, nessuna formula, "
                "1 risultato su 3. Premi Ctrl+N per il problema seguente.", "label")
        wait_for("Luca's record", lambda: len(records(results)) == 3)
    finally:
        zenuvio.kill()
        zenuvio.wait()

    seen = sorted((r["pupil"], r["problem"], r["finished"], len(r["acts"]),
                   [a["slip"] for a in r["acts"] if not a["correct"]]) for r in records(results))
    expected = [
        ("Anna", "Quadrato.znv", True, 12, ["blanks", "decimal", "number", "dimension"]),
        ("Anna", "Rettangolo.znv", False, 1, []),
        ("Luca", "Quadrato.znv", True, 9, ["decimal"]),
    ]
    if seen != expected:
        fail("the records are not the attempts: %r" % seen)
    for r in records(results):
        if r["format"] != "zenuvio-attempt" or r["version"] != 1 or len(r["problemSha256"]) != 64:
            fail("a record is not in the agreed format: %r" % r)
        if (r["data"], r["steps"]) != (2, 3):  # both problems: 2 data, 3 steps
            fail("a record counts the data and steps wrong: %r" % r)
    print("PASS: two pupils, three attempts, three records", flush=True)


if __name__ == "__main__":
    main()
