#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The every-day plan: Ixo starts at 23:59:50 with "my.dat" loaded at start-up; its event at 00:00:20 counts as
# passed then and is left out. Ixo runs across midnight with nothing to do, loads the plan again for the new day,
# and the event rings at 00:00:20 with its message, once.
source "$E2E_LIB"

printf '"once 00:00:20"\r\n"Good morning at 00:00:20"\r\n' >"$E2E_PROG/my.dat"
# Slot 4 of ixo.ini: "[Setting]", sound on, error messages on, "ALAEOn" (load my.dat at start-up).
{ head -c 153 /dev/zero; printf '%-17s\001\000\001\000%-30s' '[Setting]' 'ALAEOnDCWSOfUISPOfISOMOf'; } \
    >"$E2E_PROG/ixo.ini"

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 23:59:50"
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || { e2e_summary; exit 1; }
sleep 3
e2e_check "before midnight nothing fires" test -z "$(xdotool search --onlyvisible --name '^Message  ')"

message=$(e2e_window '^Message  07 Dec 2026 / 12:00 AM$' 45)
e2e_check "at 00:00:20 of the new day the plan's message window opens" test -n "$message"
e2e_check "it shows the plan's message" \
    test "$(e2e_window_texts '^Message  ' | cut -f2)" = "Good morning at 00:00:20"
one_burst() { [ "$(e2e_sound_bursts)" = 1 ]; }
e2e_check "the plan's event sounds, once" e2e_wait_for 5 "one burst" one_burst

e2e_summary
