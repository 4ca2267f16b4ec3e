#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# make install / make uninstall for one user, in a private HOME: the program folder, launcher, desktop entry and
# icon appear; uninstall keeps the user's data unless PURGE=1.
set -u
bindir=$(readlink -f "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
home=$(mktemp -d "${TMPDIR:-/tmp}/ixo-install.XXXXXX")
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config"
unset IXO_BIN_HOME
passed=0 failed=0
check() {
    local name=$1
    shift
    if "$@"; then echo "PASS: $name"; passed=$((passed + 1)); else echo "FAIL: $name"; failed=$((failed + 1)); fi
}
prog="$home/.local/share/ixo"

"$root/scripts/install-ixo" install "$bindir" >/dev/null
check "program folder holds ixo, sounds and help" \
    test -x "$prog/ixo" -a -f "$prog/ixo-sound.so" -a -f "$prog/ding.wav" -a -f "$prog/didi.snd" -a -f "$prog/air.mid" -a -f "$prog/help/achelp.html"
check "launcher points at the program" test "$(readlink -f "$home/.local/bin/ixo")" = "$prog/ixo"
check "desktop entry is valid" desktop-file-validate "$home/.local/share/applications/ixo.desktop"
check "desktop entry starts the launcher" grep -qx "Exec=$home/.local/bin/ixo" "$home/.local/share/applications/ixo.desktop"
check "icon in the hicolor theme" test -f "$home/.local/share/icons/hicolor/scalable/apps/ixo.svg"

# The user's files live in the program folder and survive an uninstall (and a reinstall).
printf 'x' >"$prog/ixo.ini"
printf '"once 23:59:59"\r\n' >"$prog/my.dat"
"$root/scripts/install-ixo" install "$bindir" >/dev/null
"$root/scripts/install-ixo" uninstall >/dev/null
check "uninstall removes the program" test ! -e "$prog/ixo" -a ! -e "$home/.local/bin/ixo" -a ! -e "$home/.local/share/applications/ixo.desktop"
check "uninstall keeps the user's data" test -f "$prog/ixo.ini" -a -f "$prog/my.dat"
PURGE=1 "$root/scripts/install-ixo" uninstall >/dev/null
check "PURGE=1 removes the data too" test ! -e "$prog"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
