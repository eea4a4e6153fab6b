#!/usr/bin/env python3
"""The Windows packages hold every DLL their programs import and nothing else.

    check_package.py ZIP MSI

Reads the import table of every .exe and .dll in the portable zip (objdump):
each DLL imported is in the program's folder or is one of Windows' own; each
DLL in the program's folder is imported by something in the package; the
plugins are exactly the ones the program loads; and the MSI installs the
same files as the zip. Exits 77 (skipped) when the packages are not built.
"""
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "packaging" / "windows"))
import deploy  # noqa: E402  (the plugin list the program loads)

# DLLs every Windows 10 and 11 has, as the program and Qt import them.
WINDOWS_DLLS = {
    "advapi32.dll", "authz.dll", "comctl32.dll", "comdlg32.dll", "d3d11.dll", "d3d9.dll",
    "dwmapi.dll", "dwrite.dll", "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll",
    "mpr.dll", "msvcrt.dll", "netapi32.dll", "ole32.dll", "oleaut32.dll", "sapi.dll",
    "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll", "user32.dll", "userenv.dll",
    "uxtheme.dll", "version.dll", "winmm.dll", "winspool.drv", "ws2_32.dll", "wtsapi32.dll",
    "crypt32.dll", "bcrypt.dll", "dnsapi.dll", "iphlpapi.dll", "secur32.dll", "ntdll.dll",
}


def imports(data):
    with tempfile.NamedTemporaryFile(suffix=".dll") as f:
        f.write(data)
        f.flush()
        out = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", f.name], check=True,
                             capture_output=True, text=True).stdout
    return [n.lower() for n in re.findall(r"^\s*DLL Name: (\S+)", out, re.M)]


def problems(zip_path, msi_path):
    found = []
    with zipfile.ZipFile(zip_path) as z:
        names = [n for n in z.namelist() if not n.endswith("/")]
        top = names[0].split("/")[0]
        files = {n[len(top) + 1:]: n for n in names}
        here = {f.lower() for f in files if "/" not in f}
        imported = set()
        for rel, name in sorted(files.items()):
            if not rel.lower().endswith((".exe", ".dll")):
                continue
            for dll in imports(z.read(name)):
                imported.add(dll)
                if dll not in here and dll not in WINDOWS_DLLS and not dll.startswith("api-ms-win-"):
                    found.append(f"{rel} imports {dll}, which is not in the package")
        for dll in sorted(f for f in here if f.endswith(".dll")):
            if dll not in imported:
                found.append(f"{dll} is in the package, but nothing imports it")
        plugins = sorted(f for f in files if f.startswith("plugins/"))
        if plugins != sorted("plugins/" + p for p in deploy.PLUGINS):
            found.append(f"the plugins are {plugins}, not {sorted(deploy.PLUGINS)}")
        if "zenuvio.exe" not in files:
            found.append("the zip has no zenuvio.exe")
    table = subprocess.run(["msiinfo", "export", str(msi_path), "File"], check=True,
                           capture_output=True, text=True).stdout.splitlines()[3:]
    in_msi = sorted(row.split("\t")[2].split("|")[-1].lower() for row in table if row)
    in_zip = sorted(Path(f).name.lower() for f in files if f != "portatile.txt")
    if in_msi != in_zip:
        found.append(f"the MSI installs {sorted(set(in_msi) ^ set(in_zip))} unlike the zip")
    return found


def main():
    zip_path, msi_path = Path(sys.argv[1]), Path(sys.argv[2])
    if not zip_path.is_file() or not msi_path.is_file():
        print(f"No packages yet ({zip_path.name}, {msi_path.name}): scripts/build-windows.sh package")
        return 77
    found = problems(zip_path, msi_path)
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
