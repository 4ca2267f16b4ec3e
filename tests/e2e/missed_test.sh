#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# Missed events: "my.dat" loads at start-up (automatic load on) with two events a little ahead; the clock is
# disabled from the tray and moved past them, then enabled again: each fires once, late, in its own message
# window that says when it was due, without sound. A second Ixo ends at once.
source "$E2E_LIB"

t1=10:00:15
t2=10:00:17
printf '"once %s"\r\n"thrice %s"\r\n' "$t1" "$t2" >"$E2E_PROG/my.dat"
# Slot 4 of ixo.ini: "[Setting]", sound on, error messages on, "ALAEOn" (load my.dat at start-up).
{ head -c 153 /dev/zero; printf '%-17s\001\000\001\000%-30s' '[Setting]' 'ALAEOnDCWSOfUISPOfISOMOf'; } \
    >"$E2E_PROG/ixo.ini"

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 09:58:00"
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || { e2e_summary; exit 1; }
e2e_check "Disable is clicked in the tray menu" e2e_menu Disable
# While disabled, the clock passes both events (as over a suspend).
e2e_set_clock "2026-12-06 10:00:50"
sleep 2
e2e_check "nothing fires while disabled" test -z "$(xdotool search --onlyvisible --name '^Message  ')"
e2e_check "Disable is clicked again to enable" e2e_menu Disable

two_windows() { [ "$(xdotool search --onlyvisible --name '^Message  ' | wc -l)" -eq 2 ]; }
e2e_check "after enabling, both events fire late (by the next second 0)" e2e_wait_for 70 "two message windows" two_windows
sleep 2
e2e_check "each fires once" two_windows
late_texts() { e2e_window_texts '^Message  ' | cut -f2 | sort; }
e2e_check "each says when it was due" test "$(late_texts)" = "$(printf 'alarm at %s\nalarm at %s' "$t1" "$t2")"
e2e_check "late events make no sound" test "$(e2e_sound_bursts)" = 0

# A second start in the same session refuses politely, so alarms never fire twice (a start without any display: the
# command-line test).
second=$("$E2E_PROG/ixo" 2>&1)
e2e_check "second instance exits 0 saying so" test $? -eq 0 -a "$second" = "Ixo is already running"

e2e_summary
