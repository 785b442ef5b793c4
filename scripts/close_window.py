#!/usr/bin/python3
"""Asks a top-level window to close, as a window manager does when the user clicks its
close button: a WM_DELETE_WINDOW client message.

Usage: close_window.py WINDOW_ID   (on the display named by $DISPLAY)
"""
import sys

from Xlib import X, display
from Xlib.protocol import event


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        window_id = int(sys.argv[1], 0)
    except ValueError:
        print(f"close_window.py: \"{sys.argv[1]}\" is not a window id", file=sys.stderr)
        return 2
    screen = display.Display()
    window = screen.create_resource_object("window", window_id)
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    message = event.ClientMessage(window=window, client_type=protocols,
                                  data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    screen.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
