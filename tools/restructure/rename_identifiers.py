#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""Steps 2 and 3 of the rename: identifiers renamed from a mapping file, outside every string literal.

names.tsv holds ordered entries, one a line, in sections ("[step2]", "[step3]"):
    SCOPE <TAB> OLD <TAB> NEW [<TAB> CLASS]
  SCOPE  "*" for every C++ file of src/, tests/ and bench/ and the code of scripts/mutations.txt, or a comma list of
         path patterns (fnmatch, paths after the moves: "src/ui/alarms/alarm_set_window.*").
  OLD    an identifier, renamed where it stands as a whole word; or "re:PATTERN", a Python regular expression
         whose match is replaced by NEW (which may use \\g<name>), for names that differ by what stands before them
         ("lists.lstData" is the list of alarms, "w.lstData" the window's view of it).
  CLASS  the class the member belongs to after the rename: fix_from_errors.py uses it for the uses the scoped
         entries did not reach (a test that reaches a control through a variable).
Entries run in file order, each over the text the ones before it left, so a scoped or contextual entry comes
before the global entry of the same name. Code and comments are renamed; string and character literals, and
double-quoted text inside comments (captions, file names, record tags: what the user sees), never are.

After a section, every OLD of it that is still there (outside strings) is listed with its place, and the run exits 1
unless --allow-left is given: on a later tree, new code that uses an old name is found, not guessed at. A NEW that
is already used in a file where OLD was replaced is reported as a possible clash (the build decides).

Usage: rename_identifiers.py --section step2|step3 [--names FILE] [--repo DIR] [--dry-run] [--allow-left]
"""
import argparse
import collections
import fnmatch
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
IDENT = re.compile(r"[A-Za-z_][A-Za-z0-9_]*")
# Code, split into what is renamed and what is not: comments (renamed, but not the quoted text inside them),
# string and character literals (never), the rest (renamed).
LEXER = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
QUOTED_IN_COMMENT = re.compile(r'"[^"\n]*"')


def mask(text):
    """`text` with every character that must not be renamed replaced by \\x01 (same length)."""
    out = []
    last = 0
    for m in LEXER.finditer(text):
        out.append(text[last:m.start()])
        token = m.group(0)
        if token.startswith(("//", "/*")):
            out.append(QUOTED_IN_COMMENT.sub(lambda q: "\x01" * len(q.group(0)), token))
        else:
            out.append("\x01" * len(token))
        last = m.end()
    out.append(text[last:])
    return "".join(out)


class Entry:
    def __init__(self, number, scope, old, new, cls):
        self.number, self.old, self.new, self.cls = number, old, new, cls
        self.scope = None if scope == "*" else [s.strip() for s in scope.split(",")]
        if old.startswith("re:"):
            self.pattern = re.compile(old[3:])
            self.plain = None
        else:
            if not IDENT.fullmatch(old):
                raise SystemExit(f"names.tsv:{number}: {old!r} is no identifier (use re: for a pattern)")
            self.pattern = re.compile(r"(?<![A-Za-z0-9_])" + re.escape(old) + r"(?![A-Za-z0-9_])")
            self.plain = old
        self.count = 0
        self.files = set()

    def applies_to(self, path):
        return self.scope is None or any(fnmatch.fnmatch(path, s) for s in self.scope)


def read_names(path, section):
    entries, current = [], None
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.rstrip("\n")
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1]
            continue
        if current != section:
            continue
        fields = line.split("\t")
        if len(fields) not in (3, 4):
            raise SystemExit(f"names.tsv:{number}: expected SCOPE<TAB>OLD<TAB>NEW[<TAB>CLASS], got {line!r}")
        entries.append(Entry(number, *fields[:3], fields[3] if len(fields) == 4 else None))
    if not entries:
        raise SystemExit(f"names.tsv has no entries in [{section}]")
    return entries


def rename(text, entry, clashes, path, original=None):
    masked = mask(text)
    pieces, last, changed = [], 0, 0
    for m in entry.pattern.finditer(masked):
        if "\x01" in m.group(0):
            continue
        pieces.append(text[last:m.start()])
        pieces.append(m.expand(entry.new) if entry.plain is None else entry.new)
        last = m.end()
        changed += 1
    if not changed:
        return text
    if entry.plain and IDENT.fullmatch(entry.new) and original is not None and entry.new in original:
        clashes.append(f"{path}: {entry.old} -> {entry.new}, which the file already uses")
    pieces.append(text[last:])
    entry.count += changed
    entry.files.add(path)
    return "".join(pieces)


def sources(repo):
    listed = subprocess.run(["git", "-C", repo, "ls-files", "src", "tests", "bench"], capture_output=True,
                            text=True, check=True).stdout.split()
    return [f for f in listed if f.endswith((".cpp", ".h"))]


def apply_to_mutations(repo, entries, clashes, dry_run):
    path = os.path.join(repo, "scripts/mutations.txt")
    if not os.path.exists(path):
        return
    lines = open(path, encoding="utf-8").read().split("\n")
    out = []
    for line in lines:
        m = re.match(r"^(src/[^:]+): (.*)$", line)
        if not m:
            out.append(line)
            continue
        target, code = m.groups()
        for entry in entries:
            if entry.applies_to(target):
                code = rename(code, entry, clashes, "scripts/mutations.txt")
        out.append(f"{target}: {code}")
    if not dry_run:
        open(path, "w", encoding="utf-8").write("\n".join(out))


def leftovers(repo, files, entries):
    """Places where an OLD of the section still stands outside strings."""
    olds = {e.plain for e in entries if e.plain and len(e.plain) > 2}
    found = []
    for path in files:
        text = open(os.path.join(repo, path), encoding="utf-8").read()
        masked = mask(text)
        for number, line in enumerate(masked.split("\n"), 1):
            for m in IDENT.finditer(line):
                if m.group(0) in olds:
                    found.append(f"{path}:{number}: {m.group(0)}")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--section", required=True)
    parser.add_argument("--names", default=os.path.join(HERE, "names.tsv"))
    parser.add_argument("--repo", default=".")
    parser.add_argument("--dry-run", action="store_true")
    parser.add_argument("--allow-left", action="store_true")
    args = parser.parse_args()
    repo = os.path.abspath(args.repo)
    entries = read_names(args.names, args.section)
    files = sources(repo)
    clashes = []
    changed = 0
    for path in files:
        full = os.path.join(repo, path)
        text = open(full, encoding="utf-8").read()
        new_text = text
        # The names the file used before the run: a new name among them may clash.
        original = set(IDENT.findall(mask(text)))
        for entry in entries:
            if entry.applies_to(path) and (entry.plain is None or entry.plain in new_text):
                new_text = rename(new_text, entry, clashes, path, original)
        if new_text != text:
            changed += 1
            if not args.dry_run:
                open(full, "w", encoding="utf-8").write(new_text)
    apply_to_mutations(repo, entries, clashes, args.dry_run)

    unused = [e for e in entries if e.count == 0]
    print(f"rename_identifiers: [{args.section}] {len(entries)} entries, {sum(e.count for e in entries)} "
          f"replacements in {changed} files")
    for e in unused:
        print(f"rename_identifiers: names.tsv:{e.number}: {e.old} -> {e.new} found nothing (gone from the code?)")
    for c in sorted(set(clashes)):
        print(f"rename_identifiers: check: {c}")
    if args.dry_run:
        return 0
    left = leftovers(repo, files, entries)
    for place in left:
        print(f"rename_identifiers: old name left: {place}")
    if left and not args.allow_left:
        print(f"rename_identifiers: {len(left)} old names left; give them entries (or run fix_from_errors.py "
              f"after a build for members reached through a variable), or pass --allow-left")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
