#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""Step 1 of the rename: moves the files of src/ and tests/ into the layer tree, as moves.tsv says.

Run from the top of a work tree (or give --repo). What it does, in this order:
  1. checks moves.tsv against the tree: every tracked file under src/ and tests/ (but the folders left alone:
     tests/e2e, tests/fuzz, tests/packaging, tests/assets, tests/support) must have a line, and every line's file
     must exist. Anything else stops the run before a file is touched (exit 2) - nothing is guessed;
  2. `git mv`s every file to its new place and `git rm`s the build files that are made anew;
  3. rewrites every tracked text file: `#include "old/path.h"` to the new path, and mentions of a moved file
     ("src/core/clock/clock_tick.cpp", "src/app/window_registry.*", "${IXO_SRC}/core/io/quoted_line_file.cpp",
     "tests/app/test_windows.cpp") to its new place;
  4. writes src/core/, src/ui/, src/app/CMakeLists.txt (one target_sources per target tree), edits
     src/CMakeLists.txt (include roots, subfolders, the ixo_app library), moves each test's CMake statements to
     the CMakeLists.txt of its new folder and lists those folders in tests/CMakeLists.txt.

Every edit of a hand-written build file is an exact replacement: when the text it expects is not there (another
change touched it), the run stops and says which; `git checkout -- . && git clean -fd src tests` undoes a half run.

Usage: move_files.py [--repo DIR] [--moves FILE] [--check]   (--check: step 1 only)
"""
import argparse
import collections
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
LEFT_ALONE = ("tests/e2e/", "tests/fuzz/", "tests/packaging/", "tests/assets/", "tests/support/")
BINARY_ENDINGS = (".png", ".jpg", ".gif", ".bmp", ".wav", ".mid", ".snd", ".sf2", ".gz", ".deb")
SOURCE_ENDINGS = (".cpp", ".h")


def die(message):
    print("move_files: " + message, file=sys.stderr)
    sys.exit(2)


def git(repo, *args, capture=True):
    result = subprocess.run(["git", "-C", repo, *args], capture_output=capture, text=True)
    if result.returncode != 0:
        die("git " + " ".join(args) + " failed:\n" + (result.stderr or ""))
    return result.stdout


def read_moves(path):
    moves = []
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.rstrip("\n")
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 3:
            die(f"{path}:{number}: expected OLD<TAB>NEW<TAB>TARGET, got {line!r}")
        old, new, target = fields
        moves.append((old, old if new == "=" else new, target))
    olds = [m[0] for m in moves]
    news = [m[1] for m in moves if m[1] != "-"]
    for name, count in collections.Counter(olds).items():
        if count > 1:
            die(f"{name} is listed {count} times")
    for name, count in collections.Counter(news).items():
        if count > 1:
            die(f"two files would go to {name}")
    return moves


def check(repo, moves):
    tracked = set(git(repo, "ls-files", "src", "tests").split())
    managed = {f for f in tracked if not f.startswith(LEFT_ALONE)}
    listed = {m[0] for m in moves}
    unknown = sorted(managed - listed)
    gone = sorted(f for f in listed if f not in tracked)
    if any(m[1] not in ("-", m[0]) and m[1] in tracked and m[0] not in tracked for m in moves):
        die("some moves are applied already: run on a tree that has none of them")
    problems = []
    if unknown:
        problems.append("files with no line in moves.tsv (add OLD<TAB>NEW<TAB>TARGET for each):\n  " +
                        "\n  ".join(unknown))
    if gone:
        problems.append("files of moves.tsv that are not in the tree (renamed or removed by another change?):\n  " +
                        "\n  ".join(gone))
    if problems:
        die("\n".join(problems))
    print(f"move_files: {len(managed)} files checked, all listed")


def src_rel(path):
    return path[len("src/"):] if path.startswith("src/") else None


def rewrite_text(repo, moves):
    """Includes and path mentions of moved files, in every tracked text file."""
    includes = {}
    stems = {}
    for old, new, _ in moves:
        if new in ("-", old):
            continue
        if src_rel(old) and old.endswith(".h"):
            includes[src_rel(old)] = src_rel(new)
        old_stem, old_ext = os.path.splitext(old)
        new_stem, new_ext = os.path.splitext(new)
        if old_ext in SOURCE_ENDINGS:
            stems[old_stem] = new_stem
    include_re = re.compile(r'^(\s*#\s*include\s*")([^"]+)(")', re.M)
    # A mention: src/STEM or tests/STEM (also ${IXO_SRC}/STEM) followed by "." (an ending or ".*").
    alternatives = sorted(stems, key=len, reverse=True)
    stem_re = re.compile(r"(?<![\w/.-])(src/|tests/|\$\{IXO_SRC\}/)(" +
                         "|".join(re.escape(s.split("/", 1)[1]) for s in alternatives) + r")(?=\.)")

    def stem_sub(match):
        prefix, rest = match.group(1), match.group(2)
        root = "tests" if prefix == "tests/" else "src"
        target = stems.get(root + "/" + rest)
        if target is None:
            return match.group(0)
        return prefix + target.split("/", 1)[1]

    changed = 0
    for path in git(repo, "ls-files").split():
        full = os.path.join(repo, path)
        if not os.path.isfile(full) or os.path.islink(full) or path.lower().endswith(BINARY_ENDINGS):
            continue
        try:
            text = open(full, encoding="utf-8").read()
        except UnicodeDecodeError:
            continue
        new_text = text
        if path.endswith(SOURCE_ENDINGS):
            new_text = include_re.sub(lambda m: m.group(1) + includes.get(m.group(2), m.group(2)) + m.group(3),
                                      new_text)
        new_text = stem_re.sub(stem_sub, new_text)
        if new_text != text:
            open(full, "w", encoding="utf-8").write(new_text)
            changed += 1
    # A test source whose name changed includes its moc file by the new name.
    for old, new, target in moves:
        if target == "test" and new != old and os.path.basename(old) != os.path.basename(new):
            full = os.path.join(repo, new)
            text = open(full, encoding="utf-8").read()
            old_moc = os.path.splitext(os.path.basename(old))[0] + ".moc"
            new_moc = os.path.splitext(os.path.basename(new))[0] + ".moc"
            open(full, "w", encoding="utf-8").write(text.replace(f'"{old_moc}"', f'"{new_moc}"'))
    print(f"move_files: includes and path mentions rewritten in {changed} files")


def replace_exact(path, old, new, repo):
    full = os.path.join(repo, path)
    text = open(full, encoding="utf-8").read()
    if text.count(old) != 1:
        die(f"{path}: expected this text exactly once, found it {text.count(old)} times:\n{old}")
    open(full, "w", encoding="utf-8").write(text.replace(old, new))


def write_target_lists(repo, moves):
    groups = {
        "ixo_core": ("src/core", "# Display-free logic, one folder per feature (Qt Core only): the ixo_core library."),
        "ixo_ui": ("src/ui", "# The windows, one folder per feature, and what every window is handed: the ixo_ui library."),
        "ixo_app": ("src/app", "# The composition root: it alone knows the windows; main.cpp builds the services and runs it."),
    }
    for target, (folder, comment) in groups.items():
        files = sorted(new for _, new, t in moves if t == target)
        by_feature = collections.OrderedDict()
        for f in files:
            rel = os.path.relpath(os.path.join(repo, f), os.path.join(repo, folder))
            by_feature.setdefault(os.path.dirname(rel), []).append(rel)
        lines = [comment, f"target_sources({target} PRIVATE"]
        for feature, names in by_feature.items():
            units = collections.OrderedDict()
            for name in names:
                units.setdefault(os.path.splitext(name)[0], []).append(name)
            lines.extend("    " + " ".join(sorted(unit, key=lambda n: not n.endswith(".cpp"))) for unit in units.values())
        lines.append(")")
        open(os.path.join(repo, folder, "CMakeLists.txt"), "w", encoding="utf-8").write("\n".join(lines) + "\n")
        git(repo, "add", os.path.join(folder, "CMakeLists.txt"))
    # The platform list stays hand-written: every file of the two Linux targets must be in it.
    platform_cmake = open(os.path.join(repo, "src/platform/CMakeLists.txt"), encoding="utf-8").read()
    missing = [new for _, new, t in moves if t in ("ixo_platform", "ixo_sound_sdl")
               and os.path.relpath(new, "src/platform") not in platform_cmake.split()]
    if missing:
        die("src/platform/CMakeLists.txt does not list: " + ", ".join(missing))

    cmake = "src/CMakeLists.txt"
    replace_exact(cmake,
                  '# that library\'s folders (or files) in it, so includes stay written as "app/shared_state.h", '
                  '"platform/clock.h".',
                  '# that library\'s folder (or files) in it, so includes are written from src/ ("core/state/shared_state.h",\n'
                  '# "ui/common/window_context.h", "platform/clock.h") and a library reaches only what it links.', repo)
    replace_exact(cmake, "ixo_expose(ixo_core app alarms filedialogs settings sound wallpaper)",
                  "ixo_expose(ixo_core core)", repo)
    replace_exact(cmake,
                  "# The windows. Their sources share the core's folders, so they are reached through the core's include folder.\n"
                  "add_library(ixo_ui STATIC)\n",
                  "# The windows (src/ui/<feature>/) and what every window is handed (src/ui/common/).\n"
                  "add_library(ixo_ui STATIC)\nixo_expose(ixo_ui ui)\n", repo)
    old_subdirs = "".join(f"add_subdirectory({d})\n" for d in
                          ("app", "alarms", "sound", "filedialogs", "settings", "wallpaper", "platform"))
    replace_exact(cmake, old_subdirs,
                  "add_subdirectory(core)\nadd_subdirectory(ui)\nadd_subdirectory(platform)\n\n"
                  "# The composition root, which alone knows the windows; the window tests link it too.\n"
                  "add_library(ixo_app STATIC)\nixo_expose(ixo_app app)\n"
                  "target_link_libraries(ixo_app PUBLIC ixo_ui)\nadd_subdirectory(app)\n", repo)
    replace_exact(cmake, "add_executable(ixo main.cpp)\ntarget_link_libraries(ixo PRIVATE ixo_ui)\n",
                  "add_executable(ixo app/main.cpp)\ntarget_link_libraries(ixo PRIVATE ixo_app)\n", repo)
    replace_exact("tests/support/CMakeLists.txt",
                  "target_link_libraries(ixo_testsupport_ui INTERFACE ixo_ui Qt6::Test)",
                  "target_link_libraries(ixo_testsupport_ui INTERFACE ixo_app Qt6::Test)", repo)
    print("move_files: src/core, src/ui, src/app CMakeLists.txt written; src/CMakeLists.txt edited")


def cmake_statements(text):
    """Top-level statements of a CMake file: (comment lines, statement text); blocks (foreach, if, function)
    are one statement each."""
    statements, comments, current, depth, block = [], [], [], 0, 0
    openers = re.compile(r"^\s*(foreach|if|function|macro|while)\s*\(", re.I)
    closers = re.compile(r"^\s*(endforeach|endif|endfunction|endmacro|endwhile)\s*\(", re.I)
    for line in text.splitlines():
        if not current and not line.strip():
            comments = []
            continue
        if not current and line.lstrip().startswith("#"):
            comments.append(line)
            continue
        current.append(line)
        if openers.match(line):
            block += 1
        if closers.match(line):
            block -= 1
        depth += line.count("(") - line.count(")")
        if depth == 0 and block == 0:
            statements.append((comments, "\n".join(current)))
            comments, current = [], []
    if current:
        die("unbalanced CMake statement: " + "\n".join(current))
    return statements


def move_test_cmake(repo, moves):
    tests = {}  # test name -> (old folder, new folder, old base name, new base name)
    for old, new, target in moves:
        if target == "test":
            name = os.path.splitext(os.path.basename(old))[0]
            tests[name] = (os.path.dirname(old), os.path.dirname(new), os.path.basename(old), os.path.basename(new))
    dropped = [old for old, new, t in moves if t == "cmake" and new == "-" and old.startswith("tests/")]
    new_files = collections.OrderedDict()
    for cmake in dropped:
        text = subprocess.run(["git", "-C", repo, "show", "HEAD:" + cmake], capture_output=True, text=True).stdout
        for comments, statement in cmake_statements(text):
            words = set(re.findall(r"[A-Za-z0-9_]+", statement))
            named = sorted(words & set(tests))
            if not named:  # e.g. a variable or a script test: it stays in the folder it was in
                new_files.setdefault(os.path.dirname(cmake), []).append("\n".join(comments + [statement]))
                continue
            folders = {tests[n][1] for n in named}
            if len(folders) != 1:
                die(f"{cmake}: a statement names tests bound for different folders ({', '.join(named)})")
            for n in named:
                statement = re.sub(r"(?<![\w/.-])" + re.escape(tests[n][2]) + r"\b", tests[n][3], statement)
            # "# Tests of src/<old folder>." says nothing in the new tree.
            comments = [c for c in comments if not re.match(r"^# Tests of src/\S+\.$", c)]
            new_files.setdefault(folders.pop(), []).append("\n".join(comments + [statement]))
    for folder, statements in new_files.items():
        os.makedirs(os.path.join(repo, folder), exist_ok=True)
        open(os.path.join(repo, folder, "CMakeLists.txt"), "w", encoding="utf-8").write("\n".join(statements) + "\n")
        git(repo, "add", os.path.join(folder, "CMakeLists.txt"))

    path = os.path.join(repo, "tests/CMakeLists.txt")
    lines = open(path, encoding="utf-8").read().split("\n")
    old_dirs = {os.path.relpath(os.path.dirname(c), "tests") for c in dropped}
    new_dirs = sorted((os.path.relpath(f, "tests") for f in new_files),
                      key=lambda d: (not d.startswith("core/"), not d.startswith("ui/"), d))
    out, inserted = [], False
    for line in lines:
        m = re.match(r"^add_subdirectory\(([^)]+)\)$", line)
        if m and m.group(1) in old_dirs:
            if not inserted:
                out.extend(f"add_subdirectory({d})" for d in new_dirs)
                inserted = True
            continue
        out.append(line)
    if not inserted:
        die("tests/CMakeLists.txt: no add_subdirectory() line of the old test folders found")
    open(path, "w", encoding="utf-8").write("\n".join(out))
    print(f"move_files: test statements moved into {len(new_files)} folders: {', '.join(new_files)}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--repo", default=".")
    parser.add_argument("--moves", default=os.path.join(HERE, "moves.tsv"))
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    repo = os.path.abspath(args.repo)
    moves = read_moves(args.moves)
    check(repo, moves)
    if args.check:
        return 0
    if git(repo, "status", "--porcelain", "--untracked-files=no").strip():
        die("the work tree has uncommitted changes; commit or stash them first")

    for old, new, _ in moves:
        if new == "-":
            git(repo, "rm", "-q", old)
        elif new != old:
            os.makedirs(os.path.join(repo, os.path.dirname(new)), exist_ok=True)
            git(repo, "mv", old, new)
    print(f"move_files: {sum(1 for m in moves if m[1] not in ('-', m[0]))} files moved")
    rewrite_text(repo, moves)
    write_target_lists(repo, moves)
    move_test_cmake(repo, moves)
    git(repo, "add", "-A", "src", "tests")
    git(repo, "add", "-u")
    format_changed(repo)


def format_changed(repo):
    """clang-format on every changed C++ file: the rewritten includes are sorted into their blocks again."""
    changed = [f for f in git(repo, "diff", "--cached", "--name-only", "--diff-filter=AMR").split()
               if f.endswith(SOURCE_ENDINGS)]
    if changed:
        subprocess.run(["clang-format", "-i", *changed], cwd=repo, check=True)
        git(repo, "add", *changed)
    print(f"move_files: clang-format run on {len(changed)} changed C++ files")
    return 0


if __name__ == "__main__":
    sys.exit(main())
