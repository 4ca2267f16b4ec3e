#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""Prints names.tsv as a readable Markdown table, group by group (the "# ----"/"# ====" headers), for the plan and
for the closing note's table of old names -> new names."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "names.tsv")
group, rows = None, []


def flush():
    if group and rows:
        print(f"\n**{group}**\n")
        print("| old | new | where |\n|---|---|---|")
        for old, new, scope in rows:
            print(f"| `{old}` | `{new}` | {scope} |")


for line in open(path, encoding="utf-8"):
    line = line.rstrip("\n")
    if line.startswith("[") and line.endswith("]"):
        continue
    if line.startswith("# ----") or line.startswith("# ===="):
        flush()
        group, rows = line.strip("#=- "), []
        continue
    if not line.strip() or line.startswith("#"):
        continue
    scope, old, new = line.split("\t")[:3]
    if old.startswith("re:"):
        old = "`" + old[3:].replace("(?P<p>", "(").replace("|", "\\|") + "`"
        new = new.replace("\\g<p>", "…")
        rows.append((old.strip("`"), new, "in that context"))
    else:
        rows.append((old, new, "everywhere" if scope == "*" else scope.replace(",", ", ")))
flush()
