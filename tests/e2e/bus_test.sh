#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The command line against the running Ixo, without a display of its own: with no Ixo the commands say so and exit
# 1; then at 19:29:30 "ixo --add 7:29:40 pm repeat! Call \"the\" garage" goes in, --list shows it and its message
# (the quotes made apostrophes, as the message window makes them), a
# refused add prints the Alarm Set window's reason with exit 1, ShowAlarmSet on the bus opens that window, and at
# 19:29:40 the alarm fires (its message window, the sound again and again) until "ixo --stop"; while its window
# is open --snooze still snoozes it and closes the window, and then is refused.
source "$E2E_LIB"

for command in "--list" "--stop" "--snooze" "--add 9:00pm"; do
    e2e_expect "ixo $command with no Ixo running" "1||Ixo is not running" $command
done

e2e_start "2026-12-06 19:29:30"

e2e_expect "an add prints the event" "0|repeat! 19:29:40|" --add 7:29:40 pm 'repeat!' Call '"the"' garage
e2e_expect "--list prints events, then messages" "0|repeat! 19:29:40/Call 'the' garage at 19:29:40|" --list
e2e_expect "a passed time is refused" "1||Time was passed or next day" --add 19:00
LC_ALL=de_DE.UTF-8 LANGUAGE=de e2e_expect "in German, in German" "1||Die Zeit ist vorbei oder liegt am nächsten Tag" \
    --add 19:00
dbus-send --session --print-reply=literal --dest=io.github.ixo.Ixo /io/github/ixo/Ixo io.github.ixo.Ixo.ShowAlarmSet
e2e_check "ShowAlarmSet on the bus opens the Alarm Set window" e2e_window '^Tindalo Alarm Clock' 10

e2e_check "at 19:29:40 the message window opens" e2e_window '^Message  06 Dec 2026 / 07:29 PM$' 30
growing() { [ "$(e2e_sound_bursts)" -ge 3 ]; }
e2e_check "the alarm plays again and again" e2e_wait_for 30 "repeats" growing
e2e_expect "--stop" "0||" --stop
sleep 1
before=$(e2e_sound_bursts)
sleep 3
e2e_check "--stop silences it" test "$(e2e_sound_bursts)" = "$before"
e2e_expect "its window still open, --snooze snoozes it" "0||" --snooze 5
e2e_check "and closes the window" e2e_wait_for 5 "window to close" bash -c "! xdotool search --onlyvisible --name '^Message  '"
e2e_expect "with nothing left of the alarm, --snooze is refused" "1||No alarm is sounding" --snooze 5

e2e_summary
