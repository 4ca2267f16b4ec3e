#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The schedule on the faked clock. On Friday 11 December 2026 at 23:59:50 "ixo --add 00:00:10 once Tomorrow --on
# tomorrow" and a weekdays entry at 07:00 go in; after midnight the first rings with its message. The clock moves
# to Saturday 06:59:50 (a night asleep): the weekdays entry stays silent; on Monday 06:59:50 it rings at 07:00.
# On Monday at 23:59:30 an alarm is snoozed for one minute: it rings again just after 00:00:30 of Tuesday (the
# minute counts from the second the snooze is asked). Then the
# Schedule window is used through its keys: an entry added for tomorrow is listed with its next occurrence, and
# kept in schedule.json.
source "$E2E_LIB"

closed() { e2e_wait_for 5 "window to close" bash -c "! xdotool search --onlyvisible --name '^Message  '"; }
message_reads() { e2e_window_texts '^Message  ' | cut -f2 | grep -qxF "$1"; }

e2e_start "2026-12-11 23:59:50"
e2e_expect "an entry for tomorrow prints its number and next occurrence" "0|1 2026-12-12 00:00:10|" \
    --add 00:00:10 once Tomorrow --on tomorrow
e2e_expect "a weekdays entry" "0|2 2026-12-14 07:00:00|" --add 7:00 am twice Work --on weekdays
e2e_expect "a date passed is refused" "1||07:00:00 on 2026-12-10 has passed" --add 7:00 --on 2026-12-10
e2e_expect "an unknown day is refused" "1||'someday' is not a day (write tomorrow, a date YYYY-MM-DD, daily, weekdays, weekends or days such as mon,wed,fri)" \
    --add 7:00 --on someday
e2e_check "after midnight the entry for tomorrow rings" e2e_window '^Message  12 Dec 2026 / 12:00 AM$' 30
e2e_check "with its message" message_reads "Tomorrow at 00:00:10"
xdotool key --delay 100 Return
closed

e2e_set_clock "2026-12-12 06:59:50"
sleep 15
e2e_check "on Saturday at 07:00 the weekdays entry stays silent" bash -c "! xdotool search --onlyvisible --name '^Message  '"
e2e_set_clock "2026-12-14 06:59:50"
e2e_check "on Monday at 07:00 it rings" e2e_window '^Message  14 Dec 2026 / 07:00 AM$' 30
e2e_check "with its message" message_reads "Work at 07:00:00"
e2e_expect "--list shows the schedule, the past one-off switched off" \
    "0|1	2026-12-12	00:00:10	once	Tomorrow	off/2	weekdays	07:00:00	twice	Work	2026-12-15 07:00:00|" --list
xdotool key --delay 100 Return
closed

e2e_set_clock "2026-12-14 23:59:25"
e2e_expect "an alarm at 23:59:30" "0|repeat! 23:59:30|" --add 23:59:30 'repeat!' Nap
e2e_window '^Message  14 Dec 2026 / 11:59 PM$' 20 >/dev/null
e2e_expect "snoozed for one minute past midnight" "0||" --snooze 1
e2e_check "its window closes" closed
e2e_set_clock "2026-12-15 00:00:25"
e2e_check "it rings again at 00:00:30 of the next day" e2e_window '^Message  15 Dec 2026 / 12:00 AM$' 30
nap_reads() { e2e_window_texts '^Message  ' | cut -f2 | grep -qx 'Nap at 00:00:3[0-9]'; }
e2e_check "with its message" nap_reads
e2e_expect "--stop" "0||" --stop
xdotool key --delay 100 Return
closed

e2e_menu Schedule
win=$(e2e_window '^Schedule$' 10)
e2e_check "the tray menu opens the Schedule window" test -n "$win"
xdotool windowactivate --sync "$win"
xdotool key --delay 150 alt+a
editor=$(e2e_window '^Add Schedule Entry$' 10)
e2e_check "Add opens the editor" test -n "$editor"
xdotool key --delay 80 alt+m
xdotool type --delay 60 "Dentist"
xdotool key --delay 150 Return
e2e_check "the editor closes on Enter" e2e_wait_for 5 "editor to close" bash -c "! xdotool search --onlyvisible --name '^Add Schedule Entry$'"
listed() { env -u DISPLAY "$E2E_PROG/ixo" --list | grep -qxF "$1"; }
e2e_check "the entry is listed, for tomorrow at the next full hour" \
    listed "$(printf '4\t2026-12-16\t01:00:00\tonce\tDentist\t2026-12-16 01:00:00')"
e2e_check "and written to schedule.json" grep -q '"message": "Dentist"' "$E2E_PROG/schedule.json"
e2e_summary
