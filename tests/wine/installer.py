"""The installer under Wine: a silent install for the current user, the
installed program starts, a silent uninstall removes every file the install
put down and its Apps and Features entry. The portable zip holds the program.
Usage: python3 installer.py SETUP.EXE ZIP TOLVANE.EXE"""

import os
import subprocess
import sys
import zipfile

from desktop import run, start, wait_active, wait_for, WINE

ENTRY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\com.sorrelwick.tolvane"


def files():
    users = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users")
    return {os.path.join(folder, name) for folder, _, names in os.walk(users)
            for name in names if os.sep + "Temp" + os.sep not in folder + os.sep}


def main(setup, zip_path, exe):
    with open(exe, "rb") as f:
        program = f.read()
    with zipfile.ZipFile(zip_path) as z:
        assert z.namelist() == ["tolvane-1.0-win64/", "tolvane-1.0-win64/tolvane.exe"], z.namelist()
        assert z.read("tolvane-1.0-win64/tolvane.exe") == program

    before = files()
    assert start(setup, "/S").wait(timeout=120) == 0
    installed = files() - before
    names = sorted(os.path.basename(path) for path in installed)
    assert names == ["Tolvane.lnk", "tolvane.exe", "uninstall.exe"], names
    entry = run(WINE, "reg", "query", ENTRY)
    assert "DisplayName" in entry and "Tolvane" in entry and "uninstall.exe" in entry, entry

    (exe_path,) = [path for path in installed if path.endswith("tolvane.exe")]
    with open(exe_path, "rb") as f:
        assert f.read() == program
    copy = start(exe_path)
    wait_active("Tolvane v1.0")
    copy.kill()
    copy.wait(timeout=30)

    (uninstaller,) = [path for path in installed if path.endswith("uninstall.exe")]
    assert start(uninstaller, "/S").wait(timeout=120) == 0
    # The uninstaller runs on from a copy in the temporary folder.
    wait_for(lambda: not (installed & files()), "the uninstall to remove every installed file")
    wait_for(lambda: subprocess.run([WINE, "reg", "query", ENTRY], capture_output=True).returncode,
             "the uninstall to remove the Apps and Features entry")
    print(f"installer: {len(installed)} files installed and removed")


if __name__ == "__main__":
    main(*sys.argv[1:4])
