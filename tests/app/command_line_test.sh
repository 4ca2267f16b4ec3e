#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The built program as a user starts it, without a display: --version and --help answer on standard output and
# exit 0; a wrong option is refused on standard error with exit code 2, as is a start without a desktop; a command
# that cannot reach the session bus says why and exits with 1.
# Usage: command_line_test.sh IXO VERSION
ixo=$1 version=$2 status=0 out=$(mktemp) err=$(mktemp)
expect() { # EXIT-CODE STDOUT'S-FIRST-LINE STDERR'S-FIRST-LINE ARGUMENT...
    want="$1|$2|$3"
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ixo" "$@" >"$out" 2>"$err"
    got="$?|$(head -n 1 "$out")|$(head -n 1 "$err")"
    [ "$got" = "$want" ] && echo "PASS: ixo $*" || { echo "FAIL: ixo $*: '$got', not '$want'"; status=1; }
}
expect 0 "Ixo $version" "" --version
expect 0 "Usage: ixo [--help | --version]" "" -h
expect 2 "" "ixo: unknown argument '--bad-option'" --bad-option
expect 2 "" "Ixo needs a graphical desktop (no display found)"
expect 2 "" "ixo: '--help' is an option, not a message (put -- before such a message)" --add 20:00 once see --help
# No session bus to reach (from cron, over ssh): the command says so, and why, instead of "Ixo is not running".
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/ixo-bus expect 1 "" "ixo: the session bus cannot be reached: \
Failed to connect to socket /nonexistent/ixo-bus: No such file or directory" --list
rm -f "$out" "$err"
exit $status
