"""The shipped file itself: a 32-bit Windows GUI program that needs nothing but Windows' own DLLs."""
import re
import subprocess

from conftest import SCR

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "opengl32.dll", "msvcrt.dll",
               "advapi32.dll", "ole32.dll", "comctl32.dll", "comdlg32.dll"}


def test_screensaver_is_a_self_contained_32_bit_gui_program():
    headers = subprocess.run(["i686-w64-mingw32-objdump", "-p", str(SCR)], check=True, capture_output=True,
                             text=True).stdout
    assert "file format pei-i386" in subprocess.run(["i686-w64-mingw32-objdump", "-f", str(SCR)], check=True,
                                                    capture_output=True, text=True).stdout
    assert re.search(r"^Subsystem\s+00000002\s+\(Windows GUI\)", headers, re.M)
    imports = {name.lower() for name in re.findall(r"DLL Name: (\S+)", headers)}
    assert "opengl32.dll" in imports
    assert imports <= SYSTEM_DLLS, f"imports DLLs Windows does not ship: {sorted(imports - SYSTEM_DLLS)}"
