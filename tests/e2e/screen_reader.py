#!/usr/bin/python3
"""A pupil who uses the keyboard and a screen reader solves an example problem.

Orca, Debian's screen reader, runs beside the program with its speech off and
writes every utterance to its debug log ("SPEECH OUTPUT: '...'"). The pupil
uses only keys, except once: a formula is chosen through its accessible click
action, as a switch or a screen reader's own command would. Orca must say
every hint and verdict, the same "Errato" twice included, while the focus
stays where the pupil types.

    screen_reader.py <zenuvio executable> <folder for files> <example problem> <orca prefs>
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

import pyatspi

from driving import application, control, fail, focused, key, type_text, wait_for


class OrcaLog:
    def __init__(self, path):
        self.path = path

    def speech(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                return re.findall(r"SPEECH OUTPUT: '(.*?)'", log.read())
        except FileNotFoundError:
            return []

    def heard(self, words, since=0):
        return any(words in spoken for spoken in self.speech()[since:])


def notifications(log):
    """The hints Orca read out, in order."""
    spoken = []
    for line in log.speech():
        found = re.match(r"notification (.*?)\.?\s*$", line, re.S)
        if found:
            spoken.append(found.group(1).rstrip("."))
    return spoken


def hear(log, words, since=0):
    wait_for("Orca to say '%s'" % words, lambda: log.heard(words, since))


def press(action_name, node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action_name:
            return actions.doAction(i)
    fail("'%s' has no action '%s'" % (node.name, action_name))


def expect_hint(log, count, hint, focus):
    """Waits for the count-th hint to be spoken, and checks the focus stayed."""
    wait_for("Orca to say hint %d, '%s'" % (count, hint),
             lambda: len(notifications(log)) >= count)
    said = notifications(log)[count - 1]
    # Orca ends every sentence with a full stop of its own; an explanation of
    # the mistake may follow the verdict.
    if said != hint.rstrip(".") and not said.startswith(hint + " "):
        fail("Orca said '%s' where '%s' was due; all: %r" % (said, hint, notifications(log)))
    if focus and focused() != focus:
        fail("after '%s' the focus is on '%s', not '%s'" % (hint, focused(), focus))


def main():
    program, folder, example, prefs_source = sys.argv[1:5]
    os.makedirs(folder, exist_ok=True)
    prefs = tempfile.mkdtemp()
    shutil.copytree(prefs_source, prefs, dirs_exist_ok=True)
    log = OrcaLog(os.path.join(folder, "orca.log"))
    if os.path.exists(log.path):
        os.remove(log.path)
    orca = subprocess.Popen(["orca", "-u", prefs, "--debug-file", log.path],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    zenuvio = None
    try:
        wait_for("Orca to start", lambda: os.path.exists(log.path) and log.speech() is not None)
        zenuvio = subprocess.Popen([program], cwd=folder)
        wait_for("the start window", application)
        hear(log, "Risoluzione")
        key("Return")  # "Risoluzione" has the focus
        control("Apri", "push button")
        hear(log, "Apri")
        key("Return")
        wait_for("the file dialog", lambda: focused() is not None and focused() != "Apri")
        key("ctrl+a")
        # As a person types: the screen reader keeps up and echoes each key.
        subprocess.run(["xdotool", "type", "--delay", "120", example], check=True)
        wait_for("Orca to echo the name typed", lambda: log.speech()[-1:] == ["v "])
        key("Return")
        expect_hint(log, 1, "Inserisci i dati", "Dato 1")

        type_text("12 cm ")
        key("Return")
        expect_hint(log, 2, "Errato", "Dato 1")
        key("Return")
        expect_hint(log, 3, "Errato", "Dato 1")
        key("BackSpace", "Return")
        expect_hint(log, 4, "Bravo", "Dato 2")
        type_text("5 cm")
        key("Return")
        expect_hint(log, 5, "Bravo. Scegli la formula", "Formula del passaggio 1")

        # Into the panel, to the rectangle's tab: its first formula is wrong here.
        key("space")
        wait_for("the focus on a formula", lambda: focused() == "A = l²")
        key("ctrl+Tab")
        wait_for("the rectangle's tab", lambda: focused() == "A = b × h")
        key("space")
        expect_hint(log, 6, "Errata", "Formula del passaggio 1")
        # The right one, through its click action, as assistive technology chooses.
        press("Press", control("2p = (b + h) × 2", "push button"))
        expect_hint(log, 7, "Bravo", "Risultato del passaggio 1")
        type_text("34 cm")
        key("Return")
        expect_hint(log, 8, "Bravo. Scegli la formula", "Formula del passaggio 2")
        key("space", "space")
        expect_hint(log, 9, "Bravo", "Risultato del passaggio 2")
        type_text("60 cm²")
        key("Return")
        expect_hint(log, 10, "Bravo. Scegli la formula", "Formula del passaggio 3")
        key("space")
        key(*(["Right"] * 6))
        wait_for("the diagonal's formula", lambda: focused() == "BD = √(DA² + AB²)")
        key("Return")
        expect_hint(log, 11, "Bravo", "Risultato del passaggio 3")
        type_text("13 cm")
        key("Return")
        expect_hint(log, 12, "Bravo. Hai finito.", "Apri")
        # The formula pictures are spoken as buttons, with their formula in words.
        if not log.heard("A uguale b per h"):
            fail("Orca did not read a formula in words: %r" % log.speech()[-40:])
        print("Orca said:", notifications(log), flush=True)
        print("PASS: solved with keys and a screen reader", flush=True)
    finally:
        for process in (zenuvio, orca):
            if process:
                process.kill()
                process.wait()
        shutil.rmtree(prefs, ignore_errors=True)


if __name__ == "__main__":
    main()
