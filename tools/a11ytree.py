#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Prints a running program's accessibility tree as a screen reader reads it from the
# accessibility bus, one object a line:  role "name" [description] {states} ...
# Run it inside tools/a11y.sh. Debian's python3 on purpose: Atspi comes with Debian's gi.
#
#   a11ytree.py [--name Sivane | --pid PID] [--window TITLE] [--depth N]
#               [--focus NAME] [--action NAME:ACTION]... [--timeout SECONDS]
import argparse
import json
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The bindings mark the name of an action deprecated although they call its current function.
warnings.filterwarnings("ignore", message=".*get_action_name is deprecated")
STATES = [("focused", Atspi.StateType.FOCUSED), ("selected", Atspi.StateType.SELECTED),
          ("showing", Atspi.StateType.SHOWING)]
MAX_HEADERS = 12
# Roles by the names of the library's newer versions, the same output everywhere.
RENAMED_ROLES = {"push button": "button"}


def call(function, *args, default=None):
    """One request to the program; a vanished object or a timeout gives the default."""
    try:
        return function(*args)
    except GLib.Error:
        return default


def children(obj):
    for i in range(call(obj.get_child_count, default=0)):
        child = call(obj.get_child_at_index, i)
        if child is not None:
            yield child


def q(text):
    return json.dumps(text or "", ensure_ascii=False)


def windows(app, title):
    """The program's top-level windows that are on screen, those with the title if given."""
    found = []
    for window in children(app):
        name = call(window.get_name, default="")
        states = call(window.get_state_set)
        if states is None or not states.contains(Atspi.StateType.SHOWING):
            continue
        if title is None or name == title or name.startswith(title):
            found.append(window)
    return found


def find_program(args):
    """Waits for the program and its window; None once the time is up."""
    deadline = time.monotonic() + args.timeout
    while True:
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            if args.pid is not None:
                if call(app.get_process_id) != args.pid:
                    continue
            elif call(app.get_name) != args.name:
                continue
            found = windows(app, args.window)
            if found:
                return app, found
        if time.monotonic() > deadline:
            return None, [call(a.get_name) for a in children(desktop)]
        time.sleep(0.2)


def action_names(obj):
    return [call(Atspi.Action.get_action_name, obj, i, default="")
            for i in range(call(Atspi.Action.get_n_actions, obj, default=0))]


def describe(obj):
    role = call(obj.get_role)
    role = Atspi.role_get_name(role) if role is not None else "?"
    parts = [RENAMED_ROLES.get(role, role), q(call(obj.get_name, default=""))]
    description = call(obj.get_description, default="")
    if description:
        parts.append("[" + description + "]")
    states = call(obj.get_state_set)
    if states is not None:
        shown = [name for name, state in STATES if states.contains(state)]
        parts.append("{" + ",".join(shown) + "}")
    interfaces = call(obj.get_interfaces, default=[])
    if "Text" in interfaces:
        value = call(Atspi.Text.get_text, obj, 0, -1, default="")
        if value != call(obj.get_name, default=""):
            parts.append("text=" + q(value))
    if "Action" in interfaces:
        names = action_names(obj)
        if names:
            parts.append("actions=" + ",".join(names))
    if "Table" in interfaces:
        rows = call(Atspi.Table.get_n_rows, obj, default=0)
        columns = call(Atspi.Table.get_n_columns, obj, default=0)
        parts.append(f"rows={rows} columns={columns}")
        for label, get, count in (("column", Atspi.Table.get_column_header, columns),
                                  ("row", Atspi.Table.get_row_header, rows)):
            headers = [call(get, obj, i) for i in range(min(count, MAX_HEADERS))]
            names = [q(call(h.get_name, default="")) for h in headers if h is not None]
            if names:
                parts.append(f"{label} headers=[" + ", ".join(names)
                             + (", ...]" if count > MAX_HEADERS else "]"))
    return " ".join(parts)


def show(obj, depth, limit, out):
    out.append("  " * depth + describe(obj))
    if limit is None or depth < limit:
        for child in children(obj):
            show(child, depth + 1, limit, out)


def named(obj, name):
    """The objects with the name, in the order a screen reader walks them."""
    if call(obj.get_name) == name:
        yield obj
    for child in children(obj):
        yield from named(child, name)


def act(roots, name, action_name):
    """Gives the focus (no action name) or performs the action on the first object with the
    name that can take it; an error text if none can."""
    found = [obj for root in roots for obj in named(root, name)]
    if not found:
        return f"no object named {q(name)}"
    for obj in found:
        states = call(obj.get_state_set)
        if action_name is None:
            if states is not None and states.contains(Atspi.StateType.FOCUSABLE):
                return None if call(Atspi.Component.grab_focus, obj, default=False) else \
                    f"{q(name)} did not take the focus"
            continue
        names = action_names(obj) if "Action" in call(obj.get_interfaces, default=[]) else []
        for i, candidate in enumerate(names):
            if candidate.lower() == action_name.lower():
                return None if call(Atspi.Action.do_action, obj, i, default=False) else \
                    f"the action {action_name} on {q(name)} failed"
    what = "the focus" if action_name is None else f"the action {action_name}"
    return f"nothing named {q(name)} takes {what}"


def main():
    parser = argparse.ArgumentParser(description="Prints a program's accessibility tree.")
    who = parser.add_mutually_exclusive_group()
    who.add_argument("--name", default="Sivane", help="the program's name (default Sivane)")
    who.add_argument("--pid", type=int, help="the program's process id")
    parser.add_argument("--window", help="only the top-level window with this title (or prefix)")
    parser.add_argument("--depth", type=int, help="levels below the program to print")
    parser.add_argument("--focus", metavar="NAME", help="give the focus to this object first")
    parser.add_argument("--action", metavar="NAME:ACTION", action="append", default=[],
                        help="perform ACTION on the first object called NAME that has it")
    parser.add_argument("--timeout", type=float, default=30, help="seconds to wait for the window")
    args = parser.parse_args()

    # A loaded machine answers slowly; the library's default gives up after a second or so.
    Atspi.set_timeout(10000, 20000)
    app, found = find_program(args)
    if app is None:
        who = f"process {args.pid}" if args.pid is not None else q(args.name)
        window = f" with a window {q(args.window)}" if args.window else " with a window"
        print(f"a11ytree: no program {who}{window} on the accessibility bus after "
              f"{args.timeout:g} s; programs there: {', '.join(map(q, found)) or 'none'}",
              file=sys.stderr)
        return 1
    requests = ([(args.focus, None)] if args.focus else []) + \
        [tuple(a.rsplit(":", 1)) if ":" in a else (a, "") for a in args.action]
    for name, action_name in requests:
        error = act(found, name, action_name)
        if error:
            print("a11ytree: " + error, file=sys.stderr)
            return 1
    out = [describe(app)]
    for window in (found if args.window else children(app)):
        show(window, 1, args.depth, out)
    print("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
