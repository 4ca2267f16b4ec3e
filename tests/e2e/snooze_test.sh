#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# Snooze and the notification, against a recording notification server on the session bus. "my.dat" loads two
# repeating events at start-up: 10:00:10 with the message "Call the garage", 10:01:00 without. The first is snoozed
# in its message window, the second from its notification; ten minutes later the first sounds again with its
# window and is stopped from its notification, then the second sounds again until Stop (a left click on the icon).
source "$E2E_LIB"

printf '"repeat! 10:00:10"\r\n"Call the garage at 10:00:10"\r\n"repeat! 10:01:00"\r\n' >"$E2E_PROG/my.dat"
{ head -c 153 /dev/zero; printf '%-17s\001\000\001\000%-30s' '[Setting]' 'ALAEOn'; } >"$E2E_PROG/ixo.ini"
/usr/bin/python3 "$(dirname "$E2E_LIB")/notification_recorder.py" "$E2E_WORK/notes" & e2e_pids+=($!)
e2e_start "2026-12-06 09:59:58"

growing() { local b=$(e2e_sound_bursts); sleep 3; [ "$(e2e_sound_bursts)" -gt "$b" ]; }
silent() { sleep 1; local b=$(e2e_sound_bursts); sleep 3; [ "$(e2e_sound_bursts)" = "$b" ]; }
# Answers the last notification whose body is $1 with the button $2.
invoke() {
    dbus-send --session --type=method_call --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
        test.Recorder.Invoke \
        "uint32:$(awk -F'\t' -v b="$1" '$3 == b { id = substr($1, 8) } END { print id }' "$E2E_WORK/notes")" "string:$2"
}

message=$(e2e_window '^Message  ' 20)
e2e_check "the notification shows, critical, silent, with Stop and Snooze" e2e_wait_for 5 "notification" \
    grep -qxF "$(printf 'notify 1\tIxo\tCall the garage at 10:00:10\tstop,Stop,snooze,Snooze\t2\tTrue\t0')" "$E2E_WORK/notes"
xdotool windowactivate --sync "$message" key --delay 100 Tab space # from OK to Snooze, 10 minutes preset
e2e_check "Snooze closes the window" e2e_wait_for 5 "window to close" bash -c "! xdotool search --onlyvisible --name '^Message  '"
e2e_check "and silences the alarm" silent
e2e_check "and withdraws the notification" grep -qx "close 1" "$E2E_WORK/notes"

e2e_set_clock "2026-12-06 10:00:58"
e2e_check "the second alarm sounds" e2e_wait_for 10 "sound" growing
invoke "Alarm at 10:01:00" snooze
e2e_check "Snooze on its notification silences it" silent

e2e_set_clock "2026-12-06 10:10:08"
message=$(e2e_window '^Message  06 Dec 2026 / 10:10 AM$' 30)
e2e_check "ten minutes on, the message window opens again" test -n "$message"
e2e_check "and the alarm sounds again" growing
invoke "$(e2e_window_texts '^Message  ' | cut -f2)" stop
e2e_check "Stop on its notification silences it" silent

e2e_set_clock "2026-12-06 10:10:58"
e2e_check "the alarm snoozed from its notification sounds again" e2e_wait_for 20 "sound" growing
xdotool mousemove --window "$(e2e_tray_icon)" 8 8 click 1
e2e_check "Stop (a left click on the icon) silences it" silent
e2e_summary
