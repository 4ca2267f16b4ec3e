#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""After rename_identifiers.py: renames the uses of a shared member name that no scoped entry reached, from the
compiler's own errors, and builds again until none is left.

A test that reaches a control through a variable ("f.cmdCancel", where f may be any of three windows) cannot be
told apart by text, and the global entry of cmdCancel gives it one name for all. The compiler can: "'class
MessageInputWindow' has no member named 'm_cancelButton'" (or 'cmdCancel', when no entry reached the use) says
which class the use means, and names.tsv says what cmdCancel became in MessageInputWindow (the CLASS column). Only
such errors are touched, at the line and column the compiler gives; every other error is printed and left to a
person.

Usage: fix_from_errors.py [--build-dir build] [--names FILE] [--rounds 4] [--log FILE]
  --log FILE   read errors from FILE (a build log) instead of building, fix once and stop
"""
import argparse
import collections
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
# GCC quotes with ' or, in a UTF-8 locale, with ‘ and ’.
NO_MEMBER = re.compile(r"^(?P<file>[^:\s]+):(?P<line>\d+):(?P<col>\d+): error: ['‘](?:const )?(?:class|struct) "
                       r"(?P<cls>[\w:]+)['’] has no member named ['‘](?P<old>\w+)['’]", re.M)
NOT_MEMBER = re.compile(r"^(?P<file>[^:\s]+):(?P<line>\d+):(?P<col>\d+): error: ['‘](?P<old>\w+)['’] is not a member "
                        r"of ['‘](?P<cls>[\w:]+)['’]", re.M)
ERROR = re.compile(r"^[^:\s]+:\d+:\d+: error: .*$", re.M)


def class_members(names_path):
    """(class, name the compiler does not find) -> the member's new name. The name may be the old one (a use no
    entry reached) or the new name the global entry of the same old name gave (a use the global entry reached
    although it means another class's member): "'class MessageInputWindow' has no member named 'm_okButton'"."""
    scoped, other_new = [], collections.defaultdict(set)
    for line in open(names_path, encoding="utf-8"):
        fields = line.rstrip("\n").split("\t")
        if len(fields) < 3 or line.startswith("#"):
            continue
        if len(fields) == 4 and not fields[1].startswith("re:"):
            scoped.append((fields[3], fields[1], fields[2]))
        elif fields[1].startswith("re:"):
            # A contextual entry "re:(?P<p>...)OLD\b" -> "\g<p>NEW": a use in a context it did not foresee may
            # carry its NEW.
            old = re.search(r"\)(\w+)\\b$", fields[1])
            new = re.search(r"(\w+)$", fields[2])
            if old and new:
                other_new[old.group(1)].add(new.group(1))
        else:
            other_new[fields[1]].add(fields[2])
    table = {}
    for cls, old, new in scoped:
        table[(cls, old)] = new
        for wrong in other_new.get(old, ()):
            if wrong != new:
                table.setdefault((cls, wrong), new)
    return table


def build(build_dir):
    environment = dict(os.environ, LC_ALL="C")
    result = subprocess.run(["nice", "-n", "15", "cmake", "--build", build_dir, "-j2", "--", "-k"],
                            capture_output=True, text=True, env=environment)
    return result.returncode, result.stdout + result.stderr


def source_path(path):
    """The compiler names a file relative to the folder it ran in (build/tests/app): the part after the leading
    "../" is relative to the top of the work tree."""
    if os.path.isabs(path) and os.path.exists(path):
        return path
    return re.sub(r"^(\.\./)+", "", path)


def fix(log, table):
    edits = collections.defaultdict(set)  # file -> {(line, col, old, new)}
    unknown = []
    for pattern in (NO_MEMBER, NOT_MEMBER):
        for m in pattern.finditer(log):
            cls = m.group("cls").split("::")[-1]
            new = table.get((cls, m.group("old")))
            if new is None:
                unknown.append(m.group(0))
                continue
            edits[source_path(m.group("file"))].add((int(m.group("line")), int(m.group("col")), m.group("old"), new))
    done = 0
    for path, places in edits.items():
        lines = open(path, encoding="utf-8").read().split("\n")
        # Right to left on each line, so a column stays true while its line is edited.
        for number, col, old, new in sorted(places, key=lambda p: (p[0], -p[1])):
            text = lines[number - 1]
            at = col - 1
            if text[at:at + len(old)] != old:
                candidates = [m.start() for m in re.finditer(r"(?<!\w)" + re.escape(old) + r"(?!\w)", text)]
                if len(candidates) != 1:
                    unknown.append(f"{path}:{number}:{col}: {old} not found where the compiler points")
                    continue
                at = candidates[0]
            lines[number - 1] = text[:at] + new + text[at + len(old):]
            done += 1
        open(path, "w", encoding="utf-8").write("\n".join(lines))
    return done, unknown


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", default="build")
    parser.add_argument("--names", default=os.path.join(HERE, "names.tsv"))
    parser.add_argument("--rounds", type=int, default=4)
    parser.add_argument("--log")
    args = parser.parse_args()
    table = class_members(args.names)
    if args.log:
        done, unknown = fix(open(args.log, encoding="utf-8").read(), table)
        print(f"fix_from_errors: {done} uses renamed")
        for u in unknown:
            print(f"fix_from_errors: not mine: {u}")
        return 0
    for round_number in range(1, args.rounds + 1):
        status, log = build(args.build_dir)
        if status == 0:
            print(f"fix_from_errors: round {round_number}: the build passes")
            return 0
        done, unknown = fix(log, table)
        print(f"fix_from_errors: round {round_number}: {done} uses renamed from the errors")
        if not done:
            for e in sorted(set(ERROR.findall(log))):
                print(f"fix_from_errors: left to a person: {e}")
            return 1
    print("fix_from_errors: still failing after the last round")
    return 1


if __name__ == "__main__":
    sys.exit(main())
