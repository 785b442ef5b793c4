#!/usr/bin/python3
"""Reads a Windows executable back and checks its version record and icon.

Usage: check_windows_resources.py EXE ICO
Prints what it read, then one line per check; exits 1 if any check fails.
"""
import struct
import sys

import pefile

JAPANESE = 0x0411
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
EXPECTED_STRINGS = {
    "ProductName": "vortalin",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "InternalName": "vortalin",
    "OriginalFilename": "vortalin.exe",
}

failures = []
passes = []


def check(name, condition):
    print(("ok: " if condition else "FAILED: ") + name)
    (passes if condition else failures).append(name)


def resources(pe, type_id):
    """(name id, language id, bytes) of every resource of one type."""
    found = []
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != type_id:
            continue
        for named in entry.directory.entries:
            for lang in named.directory.entries:
                rva, size = lang.data.struct.OffsetToData, lang.data.struct.Size
                language = lang.data.lang | (lang.data.sublang << 10)
                found.append((named.id, language, pe.get_data(rva, size)))
    return found


def check_version(pe):
    fixed = pe.VS_FIXEDFILEINFO[0]
    print(fixed)
    check("file version 1.0.0.0", (fixed.FileVersionMS, fixed.FileVersionLS) == (0x10000, 0))
    check("product version 1.0.0.0", (fixed.ProductVersionMS, fixed.ProductVersionLS) == (0x10000, 0))
    check("file flags mask 0 and flags 0", (fixed.FileFlagsMask, fixed.FileFlags) == (0, 0))
    check("file OS 0x4", fixed.FileOS == 0x4)
    check("file type 1, subtype 0", (fixed.FileType, fixed.FileSubtype) == (1, 0))

    blocks = [entry.Key.decode() for entry in pe.FileInfo[0]]
    print("blocks:", blocks)
    check("translation block before the string table", blocks == ["VarFileInfo", "StringFileInfo"])
    var_info = pe.FileInfo[0][0]
    translations = [var.entry for var in var_info.Var]
    print("translation:", translations)
    values = [str(v, "ascii") if isinstance(v, bytes) else v for t in translations for v in t.values()]
    check("translation 0x0411 / 0x04B0", values == ["0x0411 0x04b0"])
    tables = pe.FileInfo[0][1].StringTable
    keys = [table.LangID.decode() for table in tables]
    print("string tables:", keys)
    check("one string table keyed 041104B0", [k.upper() for k in keys] == ["041104B0"])
    strings = {k.decode(): v.decode() for k, v in tables[0].entries.items()}
    print("strings:", strings)
    check("exactly the five strings", strings == EXPECTED_STRINGS)
    languages = {language for _, language, _ in resources(pe, RT_VERSION)}
    check("version record tagged Japanese", languages == {JAPANESE})


def check_icon(pe, ico_path):
    groups = resources(pe, RT_GROUP_ICON)
    check("one icon group", len(groups) == 1)
    _, language, group = groups[0]
    check("icon group tagged Japanese", language == JAPANESE)
    _, _, count = struct.unpack_from("<HHH", group, 0)
    check("the group holds one image", count == 1)
    width, height, colours, _, planes, bits, size, image_id = struct.unpack_from("<BBBBHHIH", group, 6)
    print(f"icon: {width}x{height}, {bits} bits, {size} bytes")
    check("icon 30 x 50 at 24 bits", (width, height, bits) == (30, 50, 24))

    images = {name: data for name, _, data in resources(pe, RT_ICON)}
    image = images.get(image_id, b"")
    header = struct.unpack_from("<IiiHHI", image, 0) if len(image) >= 20 else None
    check("image is a 30 x 50 (doubled for the mask) 24-bit bitmap",
          header is not None and header[1:5] == (30, 100, 1, 24))
    row = (30 * 3 + 3) // 4 * 4
    mask_row = (30 + 31) // 32 * 4
    mask = image[40 + row * 50:40 + row * 50 + mask_row * 50]
    check("transparency mask is empty", len(mask) == mask_row * 50 and not any(mask))

    with open(ico_path, "rb") as ico:
        ico_bytes = ico.read()
    _, _, _, _, _, _, ico_size, ico_offset = struct.unpack_from("<BBBBHHII", ico_bytes, 6)
    check("image is the car icon pixel for pixel", image == ico_bytes[ico_offset:ico_offset + ico_size])


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    pe = pefile.PE(sys.argv[1])
    check("32-bit executable", pe.FILE_HEADER.Machine == 0x14C)
    check_version(pe)
    check_icon(pe, sys.argv[2])
    print(f"{len(passes)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
