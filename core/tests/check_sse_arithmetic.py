#!/usr/bin/python3
"""Disassembles the race core's object files of a 32-bit x86 build and checks that the race
tick does its single-precision arithmetic in SSE registers, rounded at every step, and none
in the x87 unit, whose extended precision would change the race.

Usage: check_sse_arithmetic.py OBJDUMP OBJECT...
x87 loads and stores stay allowed: the 32-bit calling convention returns a float in st(0).
"""
import re
import subprocess
import sys

X87_ARITHMETIC = re.compile(
    r"^f(i?add|i?sub|i?subr|i?mul|i?div|i?divr|u?comi?p?|ucompp|compp|icomp?|tst|chs|abs|sqrt|"
    r"rndint|prem1?|scale|xtract|ild|istt?p?|ist)[slqt]?p?$")
SSE_ARITHMETIC = re.compile(r"^(add|sub|mul|div|u?comi)ss$")
TICK = re.compile(r"^[0-9a-f]+ <(_?_ZN8vortalin4Race\w*)>:$")


def functions(objdump, path):
    """{function name: [mnemonic, ...]} of every function of the core's race code."""
    listing = subprocess.run([objdump, "-d", "--no-show-raw-insn", path], check=True,
                             capture_output=True, text=True).stdout
    found, current = {}, None
    for line in listing.splitlines():
        start = TICK.match(line)
        if start:
            current = found.setdefault(start.group(1), [])
        elif re.match(r"^[0-9a-f]+ <", line):
            current = None
        elif current is not None and "\t" in line:
            current.append(line.split("\t")[1].split()[0])
    return found


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    race = {}
    for path in sys.argv[2:]:
        race.update(functions(sys.argv[1], path))
    tick = [name for name in race if "4tickEv" in name]
    failures = 0
    if not tick:
        print("FAILED: no Race::tick in the object files (link-time objects hold no code)")
        return 1
    for name, mnemonics in sorted(race.items()):
        x87 = sorted({m for m in mnemonics if X87_ARITHMETIC.match(m)})
        sse = sum(1 for m in mnemonics if SSE_ARITHMETIC.match(m))
        print(f"{name}: {len(mnemonics)} instructions, {sse} SSE single arithmetic, "
              f"x87 arithmetic: {', '.join(x87) or 'none'}")
        failures += bool(x87)
    tick_sse = sum(1 for m in race[tick[0]] if SSE_ARITHMETIC.match(m))
    if tick_sse == 0:
        print("FAILED: the tick does no SSE single-precision arithmetic at all")
        failures += 1
    print(f"{len(race) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
