#!/usr/bin/python3
"""Plants faults in the sources one at a time and tells which the tests catch.

Each fault is one line of a table file:

    path | text as it stands | text to put instead | what the fault would do

The text as it stands must occur exactly once in the file. For each fault the
file is changed, the build folder is built again, the fast tests are run (the
unit and window tests, not the desktop, install or fuzzing runs) and the file
is put back as it was, even when the run is interrupted. A fault is caught
when the build fails to compile it or a test fails.

    tools/plant_faults.py FAULTS.txt [--build build] [--tests REGEX] [--exclude REGEX]
"""
import argparse
import pathlib
import subprocess
import sys


def read_faults(table):
    faults = []
    for number, line in enumerate(table.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        fields = [field.strip() for field in line.split(" | ")]
        if len(fields) != 4:
            sys.exit(f"{table}:{number}: expected 'path | old | new | why'")
        faults.append((number, *fields))
    return faults


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("table", type=pathlib.Path)
    parser.add_argument("--build", default="build")
    parser.add_argument("--tests", default="")
    parser.add_argument("--exclude", default="e2e|smoke|install|package|fuzz|check_format")
    args = parser.parse_args()
    root = pathlib.Path(__file__).resolve().parent.parent
    build = (root / args.build).resolve()
    ctest = ["ctest", "--test-dir", str(build), "-j2", "--timeout", "300", "-E", args.exclude]
    if args.tests:
        ctest += ["-R", args.tests]

    if run(["cmake", "--build", str(build)], root) != 0 or run(ctest, root) != 0:
        sys.exit("the build or the tests fail before any fault is planted")

    missed = []
    faults = read_faults(args.table)
    for number, path, old, new, why in faults:
        source = root / path
        original = source.read_text(encoding="utf-8")
        if original.count(old) != 1:
            sys.exit(f"{args.table}:{number}: '{old}' is not found exactly once in {path}")
        try:
            source.write_text(original.replace(old, new), encoding="utf-8")
            if run(["cmake", "--build", str(build)], root) != 0:
                verdict = "caught (does not compile)"
            elif run(ctest, root) != 0:
                verdict = "caught"
            else:
                verdict = "MISSED"
                missed.append((number, path, why))
        finally:
            source.write_text(original, encoding="utf-8")
        print(f"{number:4}  {verdict:26}  {path}: {why}", flush=True)

    run(["cmake", "--build", str(build)], root)
    caught = len(faults) - len(missed)
    print(f"{caught} of {len(faults)} planted faults caught ({100 * caught / max(len(faults), 1):.0f} %)")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
