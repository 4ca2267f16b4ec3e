#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""Prints, through the accessibility bus, the text shown in each of Ixo's windows whose title matches a regular
expression: one line per window, "title<TAB>text", the texts of its text boxes joined by " | ".
Usage: window_text.py TITLE-REGEX"""
import re
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def texts(node):
    found = []
    if node.get_role() == Atspi.Role.TEXT:
        found.append(Atspi.Text.get_text(node, 0, -1))
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            found.extend(texts(child))
    return found


def main():
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
