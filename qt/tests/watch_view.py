#!/usr/bin/python3
"""Watches an area of a window from before a race starts until it has stood still for a while
after changing, and prints when it first and last changed (seconds of the system clock) and
how many times: "FIRST LAST CHANGES", or "none".

Usage: watch_view.py WINDOW X Y WIDTH HEIGHT READY_FILE [STILL_SECONDS] [TIMEOUT_SECONDS]
Creates READY_FILE once it holds the area's first picture, so the caller acts only then.
"""
import sys
import time

from Xlib import X, display


def main():
    if len(sys.argv) not in (7, 8, 9):
        print(__doc__, file=sys.stderr)
        return 2
    wid, x, y, w, h = (int(arg, 0) for arg in sys.argv[1:6])
    ready = sys.argv[6]
    still = float(sys.argv[7]) if len(sys.argv) > 7 else 1.5
    limit = float(sys.argv[8]) if len(sys.argv) > 8 else 60.0
    window = display.Display().create_resource_object("window", wid)

    def area():
        return window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data

    before = area()
    open(ready, "w").close()
    began = time.time()
    first = last = None
    changes = 0
    while time.time() - began < limit:
        image = area()
        now = time.time()
        if image != before:
            first = first or now
            last, before, changes = now, image, changes + 1
        elif last is not None and now - last > still:
            break
        time.sleep(0.002)
    print("none" if last is None else f"{first:.3f} {last:.3f} {changes}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
