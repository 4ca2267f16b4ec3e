#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# What survives a restart: the Settings window's choices (closed once) and the list saved as my.dat through the file
# chooser; after a restart with "Automatically load alarm events" on, saving the list again gives the same bytes and
# ixo.ini is as it was. (The bytes of each slot a window writes: the settings and Alarm Set logic tests.) The alarms
# lie at the very end of the day, so they never go off here.
source "$E2E_LIB"
k="xdotool key --delay 60"

e2e_start "2026-12-06 10:00:00"

# Settings: switch "Automatically load alarm events when Tindalo starts" on (the third box) and close.
e2e_menu Settings
w=$(e2e_window '^Settings$' 10) || { e2e_check "Settings opens" false; e2e_summary; exit 1; }
xdotool windowactivate --sync "$w"
sleep 0.3
$k Tab Tab space alt+F4
hidden() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
e2e_check "Settings closes" e2e_wait_for 5 "Settings to close" hidden '^Settings$'

e2e_open_alarm_set || { e2e_check "Alarm Set opens" false; e2e_summary; exit 1; }
e2e_add_alarm 11 59 58 1 1                                        # once 23:59:58 (the box is preset to AM)
$k shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab              # back to the hour box
e2e_add_alarm 11 59 59 0 2 "Lunch is over"                       # twice 23:59:59, with a message
xdotool windowactivate --sync "$win" key alt+F4
e2e_wait_for 5 "Alarm Set to hide" hidden '^Tindalo Alarm Clock'
e2e_open_alarm_set
# The save button (16 Tabs on), "my" typed into the chooser, Enter.
e2e_chooser 16 my && xdotool key Return && e2e_wait_for 5 "my.dat" test -f "$E2E_PROG/my.dat"
expected=$(printf '"once 23:59:58"\r\n"twice 23:59:59"\r\n"Lunch is over at 23:59:59"\r\n' | od -An -tx1)
e2e_check "my.dat holds the list, byte for byte" test "$(od -An -tx1 "$E2E_PROG/my.dat")" = "$expected"

# Restart: the list comes back from my.dat; saved again it gives the same bytes.
e2e_menu Remove
wait "$IXO_PID"
ini_before=$(od -An -tx1 "$E2E_PROG/ixo.ini")
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]'
e2e_open_alarm_set
e2e_chooser 16 again && xdotool key Return && e2e_wait_for 5 "again.dat" test -f "$E2E_PROG/again.dat"
e2e_check "after a restart the same list is back" test "$(od -An -tx1 "$E2E_PROG/again.dat")" = "$expected"
e2e_check "and the settings file is as it was" test "$(od -An -tx1 "$E2E_PROG/ixo.ini")" = "$ini_before"
e2e_menu Remove
wait "$IXO_PID"

e2e_summary
