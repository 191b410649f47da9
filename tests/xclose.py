#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
"""Asks an X window to close, as a window manager's close button does (WM_DELETE_WINDOW).
Run with the window's id, or import close() from it."""
import sys

from Xlib import X, display, protocol


def close(d, window):
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    d.flush()


if __name__ == "__main__":
    d = display.Display()
    close(d, d.create_resource_object("window", int(sys.argv[1], 0)))
