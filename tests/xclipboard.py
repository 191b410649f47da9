#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
"""Prints the X clipboard's text as UTF-8, as a program pasting it would get it; exit code 1
when nobody holds the clipboard or the holder does not answer within five seconds."""
import sys
import time

from Xlib import X, display

d = display.Display()
clipboard = d.intern_atom("CLIPBOARD")
utf8 = d.intern_atom("UTF8_STRING")
target = d.intern_atom("SIVANE_PASTE")
if d.get_selection_owner(clipboard) == X.NONE:
    sys.exit("xclipboard: nobody holds the clipboard")
window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
window.convert_selection(clipboard, utf8, target, X.CurrentTime)
d.flush()
deadline = time.monotonic() + 5
while time.monotonic() < deadline:
    if not d.pending_events():
        time.sleep(0.05)
        continue
    event = d.next_event()
    if event.type != X.SelectionNotify:
        continue
    if event.property == X.NONE:
        sys.exit("xclipboard: the holder has no text")
    reply = window.get_full_property(target, X.AnyPropertyType)
    data = reply.value if reply is not None else b""
    sys.stdout.buffer.write(data if isinstance(data, bytes) else data.encode())
    sys.exit(0)
sys.exit("xclipboard: no answer from the holder")
