#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""Prints, through the accessibility bus, the text shown in each of Ixo's windows whose title matches a regular
expression: one line per window, "title<TAB>text", the texts of its text boxes joined by " | "; with --menu-items,
the entries of the first menu that pops up within 5 seconds, one a line (a popup is none of the program's windows).
Usage: window_text.py TITLE-REGEX | --menu-items"""
import re
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def texts(node, role=Atspi.Role.TEXT, read=lambda node: Atspi.Text.get_text(node, 0, -1)):
    found = []
    if node.get_role() == role:
        found.append(read(node))
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            found.extend(texts(child, role, read))
    return found


def print_menu_items(event):
    menu = event.source.get_parent() if event.source.get_role() == Atspi.Role.MENU_ITEM else event.source
    if menu is not None and menu.get_role() == Atspi.Role.POPUP_MENU:
        print("\n".join(texts(menu, Atspi.Role.MENU_ITEM, Atspi.Accessible.get_name)))
        Atspi.event_quit()


def main():
    if sys.argv[1] == "--menu-items":
        listener = Atspi.EventListener.new(print_menu_items)
        listener.register("object:state-changed:focused")
        GLib.timeout_add_seconds(5, Atspi.event_quit)
        return Atspi.event_main()
    title = re.compile(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None or app.get_name() != "Ixo":
            continue
        for j in range(app.get_child_count()):
            window = app.get_child_at_index(j)
            if window is not None and title.search(window.get_name() or ""):
                print(f"{window.get_name()}\t{' | '.join(texts(window))}")


if __name__ == "__main__":
    main()
