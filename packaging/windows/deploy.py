#!/usr/bin/env python3
"""Packs the cross-built Windows program: the MSI and the portable zip.

Collects into <build>/package/Zenuvio the program, the files it keeps beside
itself, the examples, the Qt plugins it loads, Qt's Italian translation, and
every DLL that these import, followed through the import tables (read with
objdump) down to the DLLs of Windows itself. Then makes
Zenuvio-<version>-win64.zip (the portable copy) and Zenuvio-<version>-win64.msi
(with wixl, from zenuvio.wxs and a generated list of the files).
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import uuid
import zipfile
from pathlib import Path

OBJDUMP = "x86_64-w64-mingw32-objdump"

# The plugins the program loads: the Windows platform, the GIF pictures of
# problems and formulas, the JPEG sky and the ICO icon of the start window,
# and the native style. Printing is in Qt6PrintSupport.dll itself on Windows;
# speech is SAPI, part of Windows.
PLUGINS = [
    "platforms/qwindows.dll",
    "imageformats/qgif.dll",
    "imageformats/qjpeg.dll",
    "imageformats/qico.dll",
    "styles/qwindowsvistastyle.dll",
]
# Qt's own texts in Italian: qtbase_it holds them, qt_it names it.
TRANSLATIONS = ["qtbase_it.qm", "qt_it.qm"]
QT_TRANSLATIONS = Path("/usr/share/qt6/translations")

# Written into the portable copy: its presence tells the program to keep its
# settings beside itself.
PORTABLE_NOTE = (
    "Questa è la copia portatile di Zenuvio: si avvia con zenuvio.exe, anche da una\r\n"
    "chiavetta USB, senza installare nulla. Finché questo file resta nella cartella\r\n"
    "e la cartella si può scrivere, le impostazioni stanno qui accanto, in\r\n"
    "Zenuvio\\Zenuvio.ini.\r\n"
)

QT_CONF = "[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\nTranslations = translations\r\n"


def imports(pe):
    """The DLL names a PE file imports, as written in its import table."""
    out = subprocess.run([OBJDUMP, "-p", str(pe)], check=True, capture_output=True, text=True).stdout
    return re.findall(r"^\s*DLL Name: (\S+)", out, re.M)


def search_dirs(qt):
    gcc = subprocess.run(["x86_64-w64-mingw32-g++-posix", "-print-libgcc-file-name"],
                         check=True, capture_output=True, text=True).stdout.strip()
    return [Path(qt) / "bin", Path(gcc).parent, Path("/usr/x86_64-w64-mingw32/lib")]


def find_dll(name, dirs):
    for d in dirs:
        for entry in d.iterdir() if d.is_dir() else []:
            if entry.name.lower() == name.lower():
                return entry
    return None


def dll_closure(roots, dirs):
    """The DLLs outside Windows that roots need, directly or through each other."""
    found, todo = {}, list(roots)
    while todo:
        for name in imports(todo.pop()):
            if name.lower() in found:
                continue
            path = find_dll(name, dirs)
            if path is None:
                continue  # part of Windows
            found[name.lower()] = path
            todo.append(path)
    return sorted(found.values(), key=lambda p: p.name.lower())


def stage(build, qt, source):
    bin_dir = build / "bin"
    target = build / "package" / "Zenuvio"
    if target.exists():
        shutil.rmtree(target)
    target.mkdir(parents=True)
    shutil.copy2(bin_dir / "zenuvio.exe", target)
    for name in sorted(os.listdir(source / "resources" / "beside")):
        shutil.copy2(bin_dir / name, target)
    (target / "examples").mkdir()
    for example in sorted((source / "examples").iterdir()):
        if example.suffix in (".znv", ".gif"):
            shutil.copy2(example, target / "examples")
    plugins = []
    for plugin in PLUGINS:
        (target / "plugins" / plugin).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(Path(qt) / "plugins" / plugin, target / "plugins" / plugin)
        plugins.append(target / "plugins" / plugin)
    (target / "translations").mkdir()
    for name in TRANSLATIONS:
        shutil.copy2(QT_TRANSLATIONS / name, target / "translations")
    (target / "qt.conf").write_bytes(QT_CONF.encode())
    for dll in dll_closure([target / "zenuvio.exe"] + plugins, search_dirs(qt)):
        shutil.copy2(dll, target)
    strip = [str(p) for p in target.rglob("*") if p.suffix.lower() in (".exe", ".dll")]
    subprocess.run(["x86_64-w64-mingw32-strip", "--strip-unneeded"] + strip, check=True)
    return target


def make_zip(folder, version, out):
    top = f"Zenuvio-{version}"
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for path in sorted(folder.rglob("*")):
            if path.is_file():
                z.write(path, f"{top}/{path.relative_to(folder).as_posix()}")
        z.writestr(f"{top}/portatile.txt", PORTABLE_NOTE)


def stable_guid(text):
    """The same component GUID for the same file in every build, as MSI wants."""
    return str(uuid.uuid5(uuid.NAMESPACE_URL, "zenuvio:" + text)).upper()


def files_fragment(folder):
    """WiX XML of every staged file, one component each, under INSTALLDIR."""
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">',
             '  <Fragment>', '    <DirectoryRef Id="INSTALLDIR">']
    refs = []

    def walk(directory, indent):
        for path in sorted(directory.iterdir()):
            rel = path.relative_to(folder).as_posix()
            ident = re.sub(r"[^A-Za-z0-9_.]", "_", rel)
            if path.is_dir():
                dir_id = "EXAMPLESDIR" if rel == "examples" else "d_" + ident
                lines.append(f'{indent}<Directory Id="{dir_id}" Name="{path.name}">')
                walk(path, indent + "  ")
                lines.append(f"{indent}</Directory>")
            elif rel != "zenuvio.exe":  # zenuvio.wxs has the program's own component
                comp = "c_" + ident
                refs.append(comp)
                lines.append(f'{indent}<Component Id="{comp}" Guid="{stable_guid(rel)}">')
                lines.append(f'{indent}  <File Id="f_{ident}" Source="{folder.name}/{rel}" KeyPath="yes"/>')
                lines.append(f"{indent}</Component>")

    walk(folder, "      ")
    lines += ['    </DirectoryRef>', '    <ComponentGroup Id="ProgramFiles">']
    lines += [f'      <ComponentRef Id="{c}"/>' for c in refs]
    lines += ['    </ComponentGroup>', '  </Fragment>', '</Wix>', '']
    return "\n".join(lines)


def make_msi(folder, version, source, out):
    """wixl reads sources relative to where it runs: it runs in the package folder."""
    package = folder.parent
    (package / "files.wxs").write_text(files_fragment(folder), encoding="utf-8")
    shutil.copy2(source / "resources" / "windows" / "zenuvio.ico", package)
    subprocess.run(["wixl", "-a", "x64", "-D", f"Version={version}",
                    "-D", f"ProgramFolder={folder.name}", "-D", "Icon=zenuvio.ico",
                    "-o", str(out), str(source / "packaging" / "windows" / "zenuvio.wxs"),
                    "files.wxs"], check=True, cwd=package)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True, type=Path)
    parser.add_argument("--qt", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--source", required=True, type=Path)
    args = parser.parse_args()
    build = args.build.resolve()
    folder = stage(build, args.qt, args.source.resolve())
    name = f"Zenuvio-{args.version}-win64"
    make_zip(folder, args.version, build / f"{name}.zip")
    make_msi(folder, args.version, args.source.resolve(), build / f"{name}.msi")
    for suffix in ("msi", "zip"):
        p = build / f"{name}.{suffix}"
        print(f"{p}: {p.stat().st_size / 1e6:.1f} MB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
