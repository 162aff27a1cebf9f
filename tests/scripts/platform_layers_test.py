#!/usr/bin/env python3
"""The platform's rooms keep their include rules: shared folders never reach into a
backend, a backend never reaches into the other, and only the platform includes
the operating system's and the drawing libraries' headers. A wrong include builds
on one toolchain and breaks the other, so it is caught here, on the text."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
SRC = ROOT / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
SYSTEM_ONLY = ("windows.h", "commctrl.h", "commdlg.h", "cairo", "fontconfig", "ft2build.h", "freetype")
BACKENDS = ("soft", "win32")


def problems():
    found = []
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        rel = path.relative_to(SRC).as_posix()
        parts = rel.split("/")
        backend = parts[1] if parts[0] == "platform" and len(parts) > 2 and parts[1] in BACKENDS else None
        for inc in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            for other in BACKENDS:
                if inc.startswith(f"platform/{other}/") and backend != other:
                    where = f"backend {backend}" if backend else "shared code"
                    found.append(f"{rel}: {where} includes {inc}")
            if parts[0] != "platform" and inc.lower().startswith(SYSTEM_ONLY):
                found.append(f"{rel}: only the platform may include {inc}")
    return found


def main():
    found = problems()
    for line in found:
        print(line)
    print(f"{0 if found else 1} passed, {1 if found else 0} failed")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
