#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# Snooze and the notification, against a recording notification server on the session bus. "my.dat" loads two
# repeating events at start-up: 10:00:10 with the message "Call the garage", 10:01:00 without. The first is snoozed
# in its message window, the second from its notification; ten minutes later the first sounds again with its
# window and is stopped from its notification, and the second sounds again too.
source "$E2E_LIB"

printf '"repeat! 10:00:10"\r\n"Call the garage at 10:00:10"\r\n"repeat! 10:01:00"\r\n' >"$E2E_PROG/my.dat"
{ head -c 153 /dev/zero; printf '%-17s\001\000\001\000%-30s' '[Setting]' 'ALAEOnDCWSOfUISPOfISOMOf'; } \
    >"$E2E_PROG/ixo.ini"
notes="$E2E_WORK/notifications"
/usr/bin/python3 "$(dirname "$E2E_LIB")/notification_recorder.py" "$notes" &
e2e_pids+=($!)

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 09:59:00"
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || { e2e_summary; exit 1; }

growing() { local b=$(e2e_sound_bursts); sleep 3; [ "$(e2e_sound_bursts)" -gt "$b" ]; }
silent() { sleep 1; local b=$(e2e_sound_bursts); sleep 3; [ "$(e2e_sound_bursts)" = "$b" ]; }
no_window() { ! xdotool search --onlyvisible --name '^Message  '; }
# The id of the last notification whose body is $1.
note_id() { awk -F'\t' -v body="$1" '$3 == body { id = $1 } END { sub("notify ", "", id); print id }' "$notes"; }
noted() { [ -n "$(note_id "$1")" ]; }
invoke() {
    dbus-send --session --type=method_call --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
        test.Recorder.Invoke "uint32:$(note_id "$1")" "string:$2"
}

e2e_set_clock "2026-12-06 10:00:08"
message=$(e2e_window '^Message  ' 20)
e2e_check "at 10:00:10 the message window opens" test -n "$message"
e2e_check "the notification shows, critical, silent, with Stop and Snooze" e2e_wait_for 5 "notification" \
    grep -qxF "$(printf 'notify 1\tIxo\tCall the garage at 10:00:10\tstop,Stop,snooze,Snooze\t2\tTrue\t0')" "$notes"
# The keyboard starts on OK; Snooze is next, with its preset 10 minutes.
xdotool windowactivate --sync "$message" key --delay 100 Tab space
e2e_check "Snooze closes the window" e2e_wait_for 5 "window to close" no_window
e2e_check "and silences the alarm" silent
e2e_check "and withdraws the notification" grep -qx "close 1" "$notes"

e2e_set_clock "2026-12-06 10:00:58"
e2e_check "at 10:01:00 the notification tells of the alarm" e2e_wait_for 10 "notification" noted "Alarm at 10:01:00"
e2e_check "the second alarm sounds" growing
invoke "Alarm at 10:01:00" snooze
e2e_check "Snooze on the notification silences it" silent

e2e_set_clock "2026-12-06 10:10:08"
message=$(e2e_window '^Message  06 Dec 2026 / 10:10 AM$' 30)
e2e_check "ten minutes on the message window opens again" test -n "$message"
e2e_check "and the alarm sounds again" growing
invoke "$(e2e_window_texts '^Message  ' | cut -f2)" stop
e2e_check "Stop on the notification silences it" silent
xdotool windowactivate --sync "$message" key --delay 100 Return

e2e_set_clock "2026-12-06 10:10:58"
e2e_check "the alarm snoozed from the notification sounds again" e2e_wait_for 20 "sound" growing
e2e_summary
