#!/usr/bin/python3
"""Makes the Windows download with CPack and checks what it holds: the program and the
read-me, and nothing else.

Usage: check_windows_zip.py CPACK CPACK_CONFIG EXPECTED_ZIP_NAME
"""
import pathlib
import subprocess
import sys
import tempfile
import zipfile


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    cpack, config, name = sys.argv[1:]
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([cpack, "-G", "ZIP", "--config", config, "-B", out], check=True,
                       capture_output=True)
        made = sorted(p.name for p in pathlib.Path(out).glob("*.zip"))
        print("made:", made)
        if made != [name]:
            print(f"FAILED: expected {name}")
            return 1
        with zipfile.ZipFile(pathlib.Path(out) / name) as archive:
            files = sorted(pathlib.PurePosixPath(f).name for f in archive.namelist()
                           if not f.endswith("/"))
            readme = next(f for f in archive.namelist() if f.endswith("README.txt"))
            text = archive.read(readme).decode("ascii")
    print("files:", files)
    ok = files == ["README.txt", "vortalin.exe"] and "vortalin.exe" in text and "\r\n" in text
    print("ok: the program and a read-me for Windows" if ok else "FAILED: contents")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
