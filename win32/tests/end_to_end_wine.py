#!/usr/bin/python3
"""End to end under Wine on an X display, with real input: the game opens and stays still,
xdotool clicks START, the course scrolls on the game's own clock and ends by itself after
its ticks (as the window_places tool reports them from the rules), and closing the window
ends the game with status 0. Prints the start-up time to the window and the course's length.

Usage: end_to_end_wine.py VORTALIN_EXE WINDOW_PLACES_EXE WINE_RUN...
Needs DISPLAY and a Wine prefix (scripts/wine_session.sh); exits 77 (skipped) without
DISPLAY, or when WINE_RUN cannot run the program here.
"""
import os
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.protocol import event

# The ordinary Windows timer (15.6 ms) would make a course half as long again; catch-up
# keeps it near its ticks' length: a little under (the first tick comes one period after
# the click) or over (a busy machine).
EARLY, LATE = 0.07, 0.58
STILL_AFTER_END = 3.0
SKIPPED = 77

passes, failures = [], []


def check(name, condition):
    print(("ok: " if condition else "FAILED: ") + name)
    (passes if condition else failures).append(name)


def wait_for_window(screen, title, process, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end and process.poll() is None:
        found = subprocess.run(["xdotool", "search", "--name", f"^{title}$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return screen.create_resource_object("window", int(found[0]))
        time.sleep(0.1)
    return None


def places(wine_run, tool):
    """The controls' rectangles by name, and "course": its ticks and the clock's period."""
    out = subprocess.run(wine_run + [tool], check=True, capture_output=True, text=True).stdout
    return {fields[0]: tuple(map(int, fields[1:])) for fields in
            (line.split() for line in out.splitlines()) if len(fields) in (3, 5)}


def view_image(root, rect):
    x, y, w, h = rect
    return root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data


def wait_for_first_frame(root, rect, timeout):
    """Waits until the view shows a picture: more than one colour."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        pixels = view_image(root, rect)
        if pixels.count(pixels[:4]) * 4 != len(pixels):
            return True
        time.sleep(0.05)
    return False


def time_the_course(root, view, start_button):
    """Clicks START and returns the seconds until the view last changed."""
    x, y, w, h = start_button
    before = view_image(root, view)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2)], check=True)
    subprocess.run(["xdotool", "mousedown", "1"], check=True)
    # A button clicks when it is let go; `xdotool click` would hold it for 0.1 s first.
    subprocess.run(["xdotool", "mouseup", "1"], check=True)
    clicked = time.monotonic()
    last_change, changes = None, 0
    while time.monotonic() - clicked < 40:
        now_image = view_image(root, view)
        now = time.monotonic()
        if now_image != before:
            last_change, before, changes = now, now_image, changes + 1
        elif last_change is not None and now - last_change > STILL_AFTER_END:
            break
        time.sleep(0.002)
    print(f"the view changed {changes} times")
    return None if last_change is None else last_change - clicked


def close_window(screen, window):
    """WM_DELETE_WINDOW, as a window manager sends when the user clicks the close button."""
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    window.send_event(event.ClientMessage(window=window, client_type=protocols,
                                          data=(32, [delete, X.CurrentTime, 0, 0, 0])))
    screen.flush()


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    if not os.environ.get("DISPLAY"):
        print("SKIP: no DISPLAY (run scripts/test-windows.sh)")
        return SKIPPED
    game, places_tool, wine_run = sys.argv[1], sys.argv[2], sys.argv[3:]
    screen = display.Display()
    root = screen.screen().root
    started = time.monotonic()
    process = subprocess.Popen(wine_run + [game])
    try:
        window = wait_for_window(screen, "Form1", process, 30)
        if window is None and process.poll() == SKIPPED:
            return SKIPPED
        check("the window Form1 opens", window is not None)
        if window is None:
            return 1
        print(f"start-up to the window: {time.monotonic() - started:.2f} s")
        where = places(wine_run, places_tool)
        view = where["Picture1.inside"]
        ticks, period_ms = where["course"]
        course_seconds = ticks * period_ms / 1000
        allowed = (course_seconds - EARLY, course_seconds + LATE)
        check("the view shows the course", wait_for_first_frame(root, view, 10))
        opening = view_image(root, view)
        time.sleep(0.5)
        check("nothing moves before a click", view_image(root, view) == opening)

        seconds = time_the_course(root, view, where["Command1"])
        print(f"course length: {seconds:.3f} s (by the game's clock {course_seconds:.2f} s)"
              if seconds is not None else "course length: the view never changed")
        check(f"the course ends by itself after {allowed[0]:.2f} to {allowed[1]:.2f} s",
              seconds is not None and allowed[0] <= seconds <= allowed[1])
        check("the view shows another part of the course than at the opening",
              view_image(root, view) != opening)

        close_window(screen, window)
        status = process.wait(timeout=15)
        check("closing the window ends the game with status 0", status == 0)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    print(f"{len(passes)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
