#!/usr/bin/python3
"""Two pupils solve an example into one results folder; the teacher reads it.

Anna slips on a datum and a formula and finishes; Bruno slips on a result and
leaves the problem unfinished with "Esci". Each starts the program with her or
his name and the shared folder on the command line, as a lab's launcher does.
Then the teacher opens "Risultati della classe", once with --risultati and
once from the start window's button, and reads the table as a screen reader
does, through its table interface: the header names, both pupils' rows and
every cell's text.

    pupils_records.py <zenuvio executable> <folder for files> <example problem>
"""
import glob
import os
import shutil
import subprocess
import sys

import pyatspi

from driving import click, control, fail, key, type_text, wait_for


def hint(text):
    """Waits until the solving hint label reads `text`."""
    control(text, "label")


def answer(name, text):
    """Clicks the box with this name, types into it and enters it."""
    box = control(name)
    click(box)
    wait_for("the focus in '%s'" % name, lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
    key("ctrl+a")
    type_text(text)
    key("Return")


def records(folder):
    return sorted(glob.glob(os.path.join(folder, "*.json")))


def formula(step, name):
    """Clicks the step's formula box and then this formula on the rectangle's tab."""
    click(control("Formula del passaggio %d" % step))
    click(control("Rettangolo"))
    click(control(name, "push button"))


def pupil(program, folder, example, name, solve):
    zenuvio = subprocess.Popen([program, "--risoluzione", "--alunno", name, "--registro", folder,
                                example], cwd=folder)
    try:
        before = len(records(folder))
        hint("Inserisci i dati")
        solve()
        wait_for("%s's record" % name, lambda: len(records(folder)) == before + 1)
    finally:
        zenuvio.kill()
        zenuvio.wait()


def anna():
    answer("Dato 1", "12")  # no unit
    hint("Errato")
    answer("Dato 1", "12 cm")
    answer("Dato 2", "5 cm")
    hint("Bravo. Scegli la formula")
    formula(1, "A = b × h")
    hint("Errata")
    click(control("2p = (b + h) × 2", "push button"))
    answer("Risultato del passaggio 1", "34 cm")
    hint("Bravo. Scegli la formula")
    formula(2, "A = b × h")
    answer("Risultato del passaggio 2", "60 cm²")
    hint("Bravo. Scegli la formula")
    formula(3, "BD = √(DA² + AB²)")
    answer("Risultato del passaggio 3", "13 cm")
    hint("Bravo. Hai finito.")


def bruno():
    answer("Dato 1", "12 cm")
    answer("Dato 2", "5 cm")
    hint("Bravo. Scegli la formula")
    formula(1, "2p = (b + h) × 2")
    answer("Risultato del passaggio 1", "34")  # no unit
    hint("Errato")
    click(control("Esci", "push button"))


def read_table(table):
    """The table as a screen reader reads it: header names, then rows of cell texts."""
    cells = table.queryTable()
    headers = [cells.getColumnHeader(c).name if cells.getColumnHeader(c) else None
               for c in range(cells.nColumns)]
    rows = [[cells.getAccessibleAt(r, c).name for c in range(cells.nColumns)]
            for r in range(cells.nRows)]
    return headers, rows


def check_table(how):
    table = control("Risultati della classe", "table")
    headers, rows = wait_for("two rows in the table", lambda: (
        lambda read: read if len(read[1]) == 2 else None)(read_table(table)))
    print(how, "headers:", headers, "rows:", rows, flush=True)
    if headers[:2] != ["Alunno", "Problemi finiti"] or len(headers) != 3 \
            or not (headers[2] or "").startswith("Rettangolo.znv"):
        fail("%s: the headers read %r" % (how, headers))
    expected = [["Anna", "1 su 1", "Finito", "Sbagliati: 1 dato, 1 formula"],
                ["Bruno", "0 su 1", "Non finito", "Sbagliati: 1 risultato"]]
    for row, (name, done, state, wrong) in zip(rows, expected):
        cell = row[2] or ""
        if row[0] != name or row[1] != done or not cell.startswith(state + ", " + wrong + ", "):
            fail("%s: the row %r, where %r was due" % (how, row, [name, done, state, wrong]))


def teacher(program, folder):
    zenuvio = subprocess.Popen([program, "--risultati", folder], cwd=folder)
    try:
        check_table("--risultati")
    finally:
        zenuvio.kill()
        zenuvio.wait()
    # From the start window, with the folder as the pupils' results folder.
    zenuvio = subprocess.Popen([program, "--registro", folder], cwd=folder)
    try:
        click(control("Risultati della classe", "push button"))
        check_table("the start window's button")
    finally:
        zenuvio.kill()
        zenuvio.wait()


def main():
    program, folder, example = sys.argv[1:4]
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    pupil(program, folder, example, "Anna", anna)
    pupil(program, folder, example, "Bruno", bruno)
    teacher(program, folder)
    print("PASS: two pupils' records read back in the class table", flush=True)


if __name__ == "__main__":
    main()
