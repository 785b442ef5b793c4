#!/usr/bin/python3
"""Counts the screen frames that mix two ticks: the Windows game under Wine, on an X display,
one course after a click on START, with the window's inside read from the X server as fast
as it answers (at 96 dots per inch). Frames are grouped by the course strip's place, found by
matching the rows of the view's left band against the course picture; within a group every
frame should be the same finished tick, so a frame that differs from the group's most common
one shows a tick part-drawn or two ticks at once.
Also counts the frames that show the window red beside an energy display still at its
opening "1000", which no finished tick can show.

Usage: tick-frames-windows.py win32|win64 VORTALIN_EXE WINDOW_PLACES_EXE COURSE_GIF [SECONDS]
Runs the programs with cmake/wine-run.sh of that width; needs its X server and prefix
(scripts/wine_session.sh; scripts/tick-frames-windows.sh sets them up). Prints one line of
figures.
"""
import collections
import subprocess
import sys
import time

from Xlib import X, display

RED = (0, 0, 255)  # the window's red, as the X server's BGRX pixels hold it


def places(wine, tool):
    out = subprocess.run(wine + [tool], check=True, capture_output=True, text=True).stdout
    return {fields[0]: tuple(map(int, fields[1:])) for fields in
            (line.split() for line in out.splitlines()) if len(fields) == 5}


BAND = range(0, 137)  # the columns of the course picture that the view shows


def course_rows(gif):
    """Each row of the course picture's band, as BGRX bytes, mapped to the rows that hold it."""
    ppm = subprocess.run(["convert", gif, "ppm:-"], check=True, capture_output=True).stdout
    _, size, _, pixels = ppm.split(b"\n", 3)
    width, height = map(int, size.split())
    rows = collections.defaultdict(list)
    for y in range(height):
        row = b"".join(bytes((pixels[(y * width + x) * 3 + 2], pixels[(y * width + x) * 3 + 1],
                              pixels[(y * width + x) * 3], 0)) for x in BAND)
        rows[row].append(y)
    return rows


def strip_place(frame, inside, view, rows):
    """The view row that shows the course picture's top row (the vote of the view's rows
    that match a single row of the picture; rows with a car match none), or None."""
    votes = collections.Counter()
    for y in range(view[3]):
        band = crop(frame, inside, (view[0] + BAND[0] + 2, view[1] + y, len(BAND), 1))
        band = bytes(b if i % 4 != 3 else 0 for i, b in enumerate(band))
        found = rows.get(band, [])
        if len(found) == 1:
            votes[y - found[0]] += 1
    return votes.most_common(1)[0][0] if votes else None


def crop(frame, inside, rect):
    """The bytes of a rectangle of the screen inside a frame of the window's inside."""
    fx, fy, fw, _ = inside
    x, y, w, h = rect
    rows = []
    for row in range(y - fy, y - fy + h):
        start = (row * fw + (x - fx)) * 4
        rows.append(frame[start:start + w * 4])
    return b"".join(rows)


def main():
    if len(sys.argv) not in (5, 6) or sys.argv[1] not in ("win32", "win64"):
        sys.exit(__doc__.split("\n\n")[1])
    wine = [f"{sys.path[0]}/../cmake/wine-run.sh", sys.argv[1]]
    exe, tool = sys.argv[2], sys.argv[3]
    rows = course_rows(sys.argv[4])
    seconds = float(sys.argv[5]) if len(sys.argv) > 5 else 16.5
    game = subprocess.Popen(wine + [exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = subprocess.run(["timeout", "30", "xdotool", "search", "--sync", "--name", "^Form1$"],
                            check=True, capture_output=True, text=True).stdout.split()[0]
    time.sleep(1.0)
    where = places(wine, tool)
    root = display.Display().screen().root
    inside = where["Form1"]
    view = where["Picture1.inside"]
    energy = where["Text1"]

    def grab():
        return root.get_image(*inside, X.ZPixmap, 0xFFFFFFFF).data

    opening = grab()
    opening_energy = crop(opening, inside, energy)
    x, y, w, h = where["Command1"]
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2),
                    "mousedown", "1", "mouseup", "1"], check=True)
    frames = []
    end = time.monotonic() + seconds
    previous = None
    captured = 0
    while time.monotonic() < end:
        # A pause between reads: reading without one keeps the X server so busy that it
        # copies Wine's shared image late, while the next tick is being drawn into it.
        time.sleep(0.002)
        frame = grab()
        captured += 1
        if frame != previous:
            frames.append(frame)
            previous = frame
    subprocess.run([sys.executable, f"{sys.path[0]}/close_window.py", window], check=True)
    try:
        game.wait(timeout=30)
    except subprocess.TimeoutExpired:
        game.kill()

    groups = collections.defaultdict(list)
    for frame in frames:
        groups[strip_place(frame, inside, view, rows)].append(frame)
    # Before START the button is seen going down and up; frames where no place is found
    # (the view all road and verge) are left out.
    unplaced = len(groups.pop(None, []))
    groups.pop(strip_place(opening, inside, view, rows), None)
    counted = sum(len(members) for members in groups.values())
    mixed = 0
    for members in groups.values():
        usual, _ = collections.Counter(members).most_common(1)[0]
        mixed += sum(1 for frame in members if frame != usual)
    red_at_1000 = sum(1 for frame in frames
                      if tuple(frame[4 * (inside[2] + 1):4 * (inside[2] + 1) + 3]) == RED
                      and crop(frame, inside, energy) == opening_energy)
    print(f"captured {captured} frames, {len(frames)} distinct, {unplaced} not placed, "
          f"{len(groups)} strip places; mixed frames: {mixed} of {counted}; "
          f"red beside \"1000\": {red_at_1000}")


if __name__ == "__main__":
    main()
