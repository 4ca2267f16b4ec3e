#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The Debian package as installed: the built ixo_*.deb unpacked into a private root and its usr/bin/ixo run from
# there, with a private HOME. The first start makes the program folder ~/.local/share/ixo; an alarm loaded from
# my.dat there (as ixo.ini there asks) fires with the ding the package brought in usr/share/ixo; nothing is written
# into the unpacked usr (the files Ixo writes go to its program folder: the settings and list files' tests). Skipped
# until `make deb` has built the package.
source "$E2E_LIB"

deb=$(ls "${IXO_PACKAGE_PREFIX:?}"*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || e2e_skip "no package built yet (make deb)"
root="$E2E_WORK/root"
dpkg-deb -x "$deb" "$root" || { e2e_check "the package unpacks" false; e2e_summary; exit 1; }
E2E_PROG="$root/usr/bin"
unset XDG_DATA_HOME
prog="$HOME/.local/share/ixo"
snapshot() { (cd "$root" && find usr -printf '%p %y %s %m %T@\n' | sort); }
unpacked=$(snapshot)
tray_icon() { e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]'; }
stop_ixo() { kill "$IXO_PID" && wait "$IXO_PID" 2>/dev/null; }

e2e_start_desktop || exit 1
e2e_set_clock "2026-03-02 09:59:30"
e2e_start_ixo
e2e_check "the tray icon appears" tray_icon || { e2e_summary; exit 1; }
e2e_check "the first start makes the program folder" test -d "$prog"
stop_ixo

# Slot 4 of ixo.ini: "[Setting]", sound on, error messages on, "ALAEOn" (load my.dat at start-up).
{ head -c 153 /dev/zero; printf '%-17s\001\000\001\000%-30s' '[Setting]' 'ALAEOnDCWSOfUISPOfISOMOf'; } >"$prog/ixo.ini"
printf '"once 10:00:05"\r\n' >"$prog/my.dat"
e2e_set_clock "2026-03-02 09:59:55"
e2e_start_ixo
tray_icon || { e2e_check "the tray icon appears again" false; e2e_summary; exit 1; }
# The ding is 1.5 s of sound; without a wave to play, an error box would come instead.
one_burst() { [ "$(e2e_sound_bursts)" = 1 ]; }
e2e_check "the alarm from my.dat fires with the package's ding" e2e_wait_for 20 "one burst" one_burst
stop_ixo

e2e_check "nothing is written into the unpacked usr" test "$(snapshot)" = "$unpacked"
e2e_summary
