#!/usr/bin/env bash
# make install / make uninstall for one user, in a private HOME: the program folder, launcher, desktop entry and
# icon appear; uninstall keeps the user's data unless PURGE=1.
set -u
source "$(dirname "$0")/e2e_lib.sh"
bindir=$(readlink -f "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
home=$(mktemp -d "${TMPDIR:-/tmp}/ixo-install.XXXXXX")
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" E2E_WORK="$home"
unset IXO_BIN_HOME
prog="$home/.local/share/ixo"

"$root/scripts/install-ixo" install "$bindir" >/dev/null
e2e_check "program folder holds ixo, sounds and help" \
    test -x "$prog/ixo" -a -f "$prog/ixo-sound.so" -a -f "$prog/ding.wav" -a -f "$prog/didi.snd" -a -f "$prog/air.mid" -a -f "$prog/help/achelp.html"
e2e_check "launcher points at the program" test "$(readlink -f "$home/.local/bin/ixo")" = "$prog/ixo"
e2e_check "desktop entry is valid" desktop-file-validate "$home/.local/share/applications/ixo.desktop"
e2e_check "desktop entry starts the launcher" grep -qx "Exec=$home/.local/bin/ixo" "$home/.local/share/applications/ixo.desktop"
e2e_check "icon in the hicolor theme" test -f "$home/.local/share/icons/hicolor/scalable/apps/ixo.svg"

# The user's files live in the program folder and survive an uninstall (and a reinstall).
printf 'x' >"$prog/ixo.ini"
printf '"once 23:59:59"\r\n' >"$prog/my.dat"
"$root/scripts/install-ixo" install "$bindir" >/dev/null
"$root/scripts/install-ixo" uninstall >/dev/null
e2e_check "uninstall removes the program" test ! -e "$prog/ixo" -a ! -e "$home/.local/bin/ixo" -a ! -e "$home/.local/share/applications/ixo.desktop"
e2e_check "uninstall keeps the user's data" test -f "$prog/ixo.ini" -a -f "$prog/my.dat"
PURGE=1 "$root/scripts/install-ixo" uninstall >/dev/null
e2e_check "PURGE=1 removes the data too" test ! -e "$prog"

e2e_summary
