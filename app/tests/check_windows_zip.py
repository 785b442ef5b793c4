#!/usr/bin/python3
"""Makes the Windows download with CPack and checks what it holds: the program, the read-me
with the version, the licence and the third-party notices, and nothing else; and, given the
build's source date, that every member is dated with it.

Usage: check_windows_zip.py CPACK CPACK_CONFIG EXPECTED_ZIP_NAME VERSION SOURCE_DIR [SOURCE_DATE_EPOCH]
"""
import datetime
import pathlib
import subprocess
import sys
import tempfile
import zipfile

FILES = ["LICENSE.txt", "README.txt", "THIRD-PARTY-NOTICES.txt", "vortalin.exe"]

failures = []


def check(name, condition):
    print(("ok: " if condition else "FAILED: ") + name)
    if not condition:
        failures.append(name)


def main():
    if len(sys.argv) not in (6, 7):
        print(__doc__, file=sys.stderr)
        return 2
    cpack, config, name, version, source = sys.argv[1:6]
    source_date = int(sys.argv[6]) if len(sys.argv) == 7 else None
    source = pathlib.Path(source)
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([cpack, "-G", "ZIP", "--config", config, "-B", out], check=True,
                       capture_output=True)
        made = sorted(p.name for p in pathlib.Path(out).glob("*.zip"))
        print("made:", made)
        if made != [name]:
            print(f"FAILED: expected {name}")
            return 1
        with zipfile.ZipFile(pathlib.Path(out) / name) as archive:
            members = {pathlib.PurePosixPath(info.filename).name: info
                       for info in archive.infolist() if not info.is_dir()}
            texts = {member: archive.read(info) for member, info in members.items()}
            dates = {info.date_time for info in archive.infolist()}
    print("files:", sorted(members))
    check("the program, the read-me, the licence and the notices", sorted(members) == FILES)
    readme = texts.get("README.txt", b"").decode("ascii")
    check(f"the read-me names vortalin.exe and version {version}, with Windows line ends",
          "vortalin.exe" in readme and f"vortalin {version} for Windows" in readme
          and "\n" not in readme.replace("\r\n", ""))
    check("LICENSE.txt is the licence", texts.get("LICENSE.txt") == (source / "LICENSE").read_bytes())
    check("THIRD-PARTY-NOTICES.txt is the notices",
          texts.get("THIRD-PARTY-NOTICES.txt") == (source / "THIRD-PARTY-NOTICES.txt").read_bytes())
    if source_date is not None:
        # A zip's member times are local times (here UTC), to two seconds.
        utc = datetime.datetime.fromtimestamp(source_date, datetime.timezone.utc)
        expected = (utc - datetime.timedelta(seconds=utc.second % 2)).timetuple()[:6]
        print("member dates:", sorted(dates), "source date:", expected)
        check("every member dated with the source date", dates == {expected})
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
