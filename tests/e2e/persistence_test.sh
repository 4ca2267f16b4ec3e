#!/usr/bin/env bash
# What survives a restart: the Settings window's choices (closed once), the song picked in Alarm Set, and the list
# saved as my.dat through the file chooser; after a restart with "Automatically load alarm events" on, saving the
# list again gives the same bytes. The alarms lie at the very end of the day, so they never go off here.
source "$E2E_LIB"
k="xdotool key --delay 60"

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 10:00:00"
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || { e2e_summary; exit 1; }

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
for i in $(seq 12); do $k Tab; done                               # the song box
$k alt+Down
sleep 0.5
$k Down Return
sleep 0.3
for i in $(seq 4); do $k shift+Tab; done                          # back to the hour box... and save
$k shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
e2e_save_as my
expected=$(printf '"once 23:59:58"\r\n"twice 23:59:59"\r\n"Lunch is over at 23:59:59"\r\n' | od -An -tx1)
e2e_check "my.dat holds the list, byte for byte" test "$(od -An -tx1 "$E2E_PROG/my.dat")" = "$expected"

slot() { dd if="$E2E_PROG/ixo.ini" bs=51 skip=$(($1 - 1)) count=1 2>/dev/null | od -An -tx1; }
bytes() { printf "$@" | od -An -tx1; }
e2e_check "slot 3 holds the song ding" \
    test "$(slot 3)" = "$(bytes '%-17s\000\000\000\000%-30s' '[SongName]' ding)"
e2e_check "slot 4 holds the settings" \
    test "$(slot 4)" = "$(bytes '%-17s\001\000\001\000%-30s' '[Setting]' ALAEOnDCWSOfUISPOfISOMOf)"
e2e_check "slot 8 holds the font choice" \
    test "$(slot 8)" = "$(bytes '%-17s\001\000\001\000%-30s' '[AllFont]' Normal)"

# Restart: the list comes back from my.dat; saved again it gives the same bytes.
e2e_menu Remove
wait "$IXO_PID"
ini_before=$(od -An -tx1 "$E2E_PROG/ixo.ini")
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]'
e2e_open_alarm_set
e2e_save_as again
e2e_check "after a restart the same list is back" test "$(od -An -tx1 "$E2E_PROG/again.dat")" = "$expected"
e2e_check "and the settings file is as it was" test "$(od -An -tx1 "$E2E_PROG/ixo.ini")" = "$ini_before"
e2e_menu Remove
wait "$IXO_PID"

e2e_summary
