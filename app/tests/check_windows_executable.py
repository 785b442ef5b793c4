#!/usr/bin/python3
"""Reads the Windows program back from its file: machine, subsystem, imports, hardening,
version record and icon.

Usage: check_windows_executable.py EXE MACHINE CAR_GIF OBJDUMP   (MACHINE: i386 or amd64)
Prints what it read, then one line per check; exits 1 if any check fails.
"""
import re
import struct
import subprocess
import sys

import pefile

JAPANESE = 0x0411
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
MACHINES = {"i386": 0x14C, "amd64": 0x8664}
GUI_SUBSYSTEM = 2
# DLLs that come with every Windows: the program must need nothing else beside it.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "ole32.dll", "oleaut32.dll",
               "winmm.dll", "windowscodecs.dll", "msvcrt.dll", "advapi32.dll"}
EXPECTED_STRINGS = {
    "ProductName": "vortalin",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "InternalName": "vortalin",
    "OriginalFilename": "vortalin.exe",
}
ICON_WIDTH, ICON_HEIGHT = 30, 50
# The message of the stack-smashing handler (libssp's __stack_chk_fail); the handler's code
# starts a few bytes before the instruction that loads it.
STACK_SMASHING = b"*** stack smashing detected ***"
HANDLER_PROLOGUE_BYTES = 16
# Beside libssp's own local stub, the program's functions check their cookie: dozens do.
MIN_COOKIE_CHECKS = 10

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


def check_program(pe, machine):
    print(f"machine: {pe.FILE_HEADER.Machine:#x}, subsystem: {pe.OPTIONAL_HEADER.Subsystem}")
    check(f"{machine} executable", pe.FILE_HEADER.Machine == MACHINES[machine])
    check("GUI subsystem", pe.OPTIONAL_HEADER.Subsystem == GUI_SUBSYSTEM)
    imports = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    print("imports:", ", ".join(imports))
    check("imports only Windows' own DLLs", set(imports) <= SYSTEM_DLLS)


def cookie_checks(pe, objdump, path):
    """How many calls go to the stack-smashing handler, found by the message it loads."""
    image = pe.get_memory_mapped_image()
    offset = image.find(STACK_SMASHING)
    if offset < 0:
        return 0
    message = f"{pe.OPTIONAL_HEADER.ImageBase + offset:#x}"
    listing = subprocess.run([objdump, "-d", "--no-show-raw-insn", path], check=True,
                             capture_output=True, text=True).stdout
    instruction = re.compile(r"^\s*([0-9a-f]+):\s+(\S+)\s*(.*)$")
    handler, calls = None, []
    for line in listing.splitlines():
        match = instruction.match(line)
        if not match:
            continue
        address, mnemonic, operands = match.groups()
        if handler is None and re.search(rf"\b{message}\b", operands):
            handler = int(address, 16)
        if mnemonic.startswith("call"):
            target = re.match(r"(?:0x)?([0-9a-f]+)\b", operands)
            if target:
                calls.append(int(target.group(1), 16))
    if handler is None:
        return 0
    return sum(1 for target in calls if handler - HANDLER_PROLOGUE_BYTES <= target < handler)


def check_hardening(pe, machine, objdump, path):
    header = pe.OPTIONAL_HEADER
    flags = [name[len("IMAGE_DLLCHARACTERISTICS_"):] for name, value in vars(header).items()
             if name.startswith("IMAGE_DLLCHARACTERISTICS_") and value]
    print("DLL characteristics:", f"{header.DllCharacteristics:#06x}", " ".join(flags))
    check("address-space randomisation (DYNAMIC_BASE) with relocations",
          header.IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE and hasattr(pe, "DIRECTORY_ENTRY_BASERELOC"))
    check("no-execute data (NX_COMPAT)", header.IMAGE_DLLCHARACTERISTICS_NX_COMPAT)
    check("terminal-server aware", header.IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE)
    if machine == "amd64":
        check("high-entropy randomisation (HIGH_ENTROPY_VA)",
              header.IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA)
    resource_time = pe.DIRECTORY_ENTRY_RESOURCE.struct.TimeDateStamp
    print(f"time stamps: file {pe.FILE_HEADER.TimeDateStamp}, resources {resource_time}, "
          f"debug directory: {'yes' if hasattr(pe, 'DIRECTORY_ENTRY_DEBUG') else 'none'}")
    check("no link time in the file",
          pe.FILE_HEADER.TimeDateStamp == 0 and resource_time == 0
          and not hasattr(pe, "DIRECTORY_ENTRY_DEBUG"))
    print(f"checksum: {header.CheckSum:#x}, computed {pe.generate_checksum():#x}")
    check("checksum set and right", header.CheckSum != 0 and header.CheckSum == pe.generate_checksum())
    calls = cookie_checks(pe, objdump, path)
    print(f"calls to the stack-smashing handler: {calls}")
    check(f"stack cookies checked (at least {MIN_COOKIE_CHECKS} calls to the handler)",
          calls >= MIN_COOKIE_CHECKS)
    advapi = next((entry for entry in pe.DIRECTORY_ENTRY_IMPORT
                   if entry.dll.decode().lower() == "advapi32.dll"), None)
    seeding = {imp.name.decode() for imp in advapi.imports if imp.name} if advapi else set()
    check("the cookie seeded from CryptGenRandom", "CryptGenRandom" in seeding)


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


def picture_rgb(path):
    """Rows of (red, green, blue) of a picture, top row first, decoded by ImageMagick."""
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    return [[tuple(raw[(y * ICON_WIDTH + x) * 3:(y * ICON_WIDTH + x) * 3 + 3])
             for x in range(ICON_WIDTH)] for y in range(ICON_HEIGHT)]


def icon_rgb(image):
    """Rows of (red, green, blue) of a 24-bit icon image, top row first (stored bottom-up)."""
    row = (ICON_WIDTH * 3 + 3) // 4 * 4
    rows = []
    for y in range(ICON_HEIGHT):
        start = 40 + row * (ICON_HEIGHT - 1 - y)
        rows.append([(image[start + 3 * x + 2], image[start + 3 * x + 1], image[start + 3 * x])
                     for x in range(ICON_WIDTH)])
    return rows


def check_icon(pe, car_gif):
    groups = resources(pe, RT_GROUP_ICON)
    check("one icon group", len(groups) == 1)
    _, language, group = groups[0]
    check("icon group tagged Japanese", language == JAPANESE)
    _, _, count = struct.unpack_from("<HHH", group, 0)
    check("the group holds one image", count == 1)
    width, height, colours, _, planes, bits, size, image_id = struct.unpack_from("<BBBBHHIH", group, 6)
    print(f"icon: {width}x{height}, {bits} bits, {size} bytes")
    check("icon 30 x 50 at 24 bits", (width, height, bits) == (ICON_WIDTH, ICON_HEIGHT, 24))

    images = {name: data for name, _, data in resources(pe, RT_ICON)}
    image = images.get(image_id, b"")
    header = struct.unpack_from("<IiiHHI", image, 0) if len(image) >= 20 else None
    check("image is a 30 x 50 (doubled for the mask) 24-bit bitmap",
          header is not None and header[1:5] == (ICON_WIDTH, 2 * ICON_HEIGHT, 1, 24))
    row = (ICON_WIDTH * 3 + 3) // 4 * 4
    mask_row = (ICON_WIDTH + 31) // 32 * 4
    mask = image[40 + row * ICON_HEIGHT:40 + row * ICON_HEIGHT + mask_row * ICON_HEIGHT]
    check("transparency mask is empty", len(mask) == mask_row * ICON_HEIGHT and not any(mask))
    if header is not None and len(image) >= 40 + row * ICON_HEIGHT:
        expected = picture_rgb(car_gif)
        differing = sum(a != b for got, want in zip(icon_rgb(image), expected)
                        for a, b in zip(got, want))
        print(f"icon pixels differing from {car_gif}: {differing}")
        check("icon pixels are the player car picture", differing == 0)


def main():
    if len(sys.argv) != 5 or sys.argv[2] not in MACHINES:
        print(__doc__, file=sys.stderr)
        return 2
    path, machine, car_gif, objdump = sys.argv[1:]
    pe = pefile.PE(path)
    check_program(pe, machine)
    check_hardening(pe, machine, objdump, path)
    check_version(pe)
    check_icon(pe, car_gif)
    print(f"{len(passes)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
