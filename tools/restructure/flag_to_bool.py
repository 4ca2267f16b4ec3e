#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""Step 4 of the rename, its scripted part: the 16-bit -1/0 flags become bool in memory.

What it does, outside string literals, in every C++ file of src/, tests/, bench/ and in scripts/mutations.txt:
  - drops the Flag type, kTrue, kFalse and toFlag() from core/state/shared_state.h (exact text; stops if changed);
  - `X == kTrue` -> `X`, `X != kFalse` -> `X`, `X == kFalse` -> `!X`, `X != kTrue` -> `!X` for a simple operand X
    (a name, member access and calls without arguments: `m_state.clockActive()`, `result.inserted`);
  - `toFlag(E)` -> `E` (parentheses kept when E is not a simple operand);
  - `Flag` -> `bool`, `kTrue` -> `true`, `kFalse` -> `false`.
Then it lists what it cannot decide and leaves to a person: the 16-bit values that carry -1/0 or 0/1 as numbers
(qint16 "played", TimeCalc's qint16& result, the wallpaper settings' priority and random flags), each with its
place. The values of ixo.ini's records (IniRecord's data1/data2, SettingChecks' soundOn/showSoundErrors states
0/1) stay 16-bit on purpose: they are what the file holds.

Usage: flag_to_bool.py [--repo DIR] [--dry-run]
"""
import argparse
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from rename_identifiers import mask  # noqa: E402

SHARED_STATE = "src/core/state/shared_state.h"
FLAG_BLOCK = """// A flag as the program keeps it: a 16-bit integer, -1 for true and 0 for false.
using Flag = qint16;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;
inline constexpr Flag toFlag(bool b)
{
    return b ? kTrue : kFalse;
}

"""
OPERAND = r"(?:[A-Za-z_]\w*(?:\(\))?)(?:(?:\.|->)[A-Za-z_]\w*(?:\(\))?)*"
COMPARE = re.compile(r"(?<![\w.>!])(" + OPERAND + r")\s*(==|!=)\s*(kTrue|kFalse)\b")
SIMPLE = re.compile(r"[!*]?" + OPERAND)
# Numbers that hold a flag's -1/0 or a 0/1 result without the Flag type: left to a person, listed.
REVIEW = re.compile(r"\bqint16\s*&?\s*(played|result|priorityFlag|randomFlag)\b|\b(priorityFlag|randomFlag)\b|"
                    r"\bplayed\s*(?:!=|==)\s*0\b|\bresult\s*(?:==|!=)\s*[01]\b")


def sub_code(text, pattern, replace):
    """re.sub over the code of `text` only (strings and quoted text in comments untouched)."""
    masked = mask(text)
    out, last = [], 0
    for m in pattern.finditer(masked):
        if "\x01" in m.group(0):
            continue
        out.append(text[last:m.start()])
        out.append(replace(m, text))
        last = m.end()
    out.append(text[last:])
    return "".join(out)


def compare(m, text):
    operand, op, value = m.group(1), m.group(2), m.group(3)
    operand = text[m.start(1):m.end(1)]
    positive = (op == "==") == (value == "kTrue")
    return operand if positive else "!" + operand


def drop_to_flag(text):
    masked = mask(text)
    out, last = [], 0
    for m in re.finditer(r"\btoFlag\(", masked):
        if m.start() < last:
            continue
        depth, i = 1, m.end()
        while depth and i < len(masked):
            depth += {"(": 1, ")": -1}.get(masked[i], 0)
            i += 1
        inner = text[m.end():i - 1]
        before = masked[:m.start()].rstrip()
        after = masked[i:].lstrip()
        # No parentheses are needed for a simple operand, nor for a whole right-hand side or argument.
        whole = before.endswith(("=", "(", ",", "return")) and after.startswith((";", ")", ","))
        out.append(text[last:m.start()])
        out.append(inner if whole or SIMPLE.fullmatch(inner.strip()) else "(" + inner + ")")
        last = i
    out.append(text[last:])
    return "".join(out)


def convert(text):
    text = sub_code(text, COMPARE, compare)
    text = drop_to_flag(text)
    text = sub_code(text, re.compile(r"(?<![\w:])Flag\b"), lambda m, t: "bool")
    text = sub_code(text, re.compile(r"\bkTrue\b"), lambda m, t: "true")
    text = sub_code(text, re.compile(r"\bkFalse\b"), lambda m, t: "false")
    return text


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--repo", default=".")
    parser.add_argument("--dry-run", action="store_true")
    args = parser.parse_args()
    repo = os.path.abspath(args.repo)
    state = os.path.join(repo, SHARED_STATE)
    text = open(state, encoding="utf-8").read()
    if FLAG_BLOCK not in text:
        print(f"flag_to_bool: {SHARED_STATE} no longer holds the Flag block as expected; edit it by hand first")
        return 2
    if not args.dry_run:
        open(state, "w", encoding="utf-8").write(text.replace(FLAG_BLOCK, ""))

    files = [f for f in subprocess.run(["git", "-C", repo, "ls-files", "src", "tests", "bench"], capture_output=True,
                                       text=True, check=True).stdout.split() if f.endswith((".cpp", ".h"))]
    changed, review = 0, []
    for path in files:
        full = os.path.join(repo, path)
        old = open(full, encoding="utf-8").read()
        new = convert(old)
        if new != old:
            changed += 1
            if not args.dry_run:
                open(full, "w", encoding="utf-8").write(new)
        for number, line in enumerate(mask(new).split("\n"), 1):
            if REVIEW.search(line):
                review.append(f"{path}:{number}: {new.split(chr(10))[number - 1].strip()}")
    mutations = os.path.join(repo, "scripts/mutations.txt")
    if os.path.exists(mutations):
        lines = open(mutations, encoding="utf-8").read().split("\n")
        converted = [line if line.startswith("#") or ": " not in line else
                     line.split(": ", 1)[0] + ": " + convert(line.split(": ", 1)[1]) for line in lines]
        if not args.dry_run:
            open(mutations, "w", encoding="utf-8").write("\n".join(converted))
    print(f"flag_to_bool: {changed} files converted")
    for place in review:
        print(f"flag_to_bool: by hand: {place}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
