#!/usr/bin/python3
"""Sends a window the window manager's close request (a WM_DELETE_WINDOW
client message), as a click on its close box would, straight to the window:
a window manager sends none to a window that a modal window has disabled.

Usage: close_request.py WINDOW_ID
"""
import sys

from Xlib import X, display
from Xlib.protocol import event


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    server = display.Display()
    window = server.create_resource_object("window", int(sys.argv[1], 0))
    request = event.ClientMessage(
        window=window,
        client_type=server.intern_atom("WM_PROTOCOLS"),
        data=(32, [server.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]),
    )
    window.send_event(request, event_mask=X.NoEventMask)
    server.sync()


if __name__ == "__main__":
    main()
