#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The every-day plan on new days, one Ixo with "my.dat" loaded at start-up (its event at 00:00:20, with a message):
# 1. started at 23:59:50, when the event counts as passed, Ixo runs across midnight with nothing to do, loads the
#    plan again for the new day, and the event rings at 00:00:20 with its message, once;
# 2. idle, the clock is set to 00:00:10 of the next day: only the kernel's clock-set timer can tell (the preloaded
#    shim stands in for the kernel); the plan comes and rings;
# 3. "ixo --add 23:00", then a night asleep until 07:30: yesterday's event fires late once, silently, and leaves the
#    list;
# 4. Disable, the clock over midnight, enable: the date is looked at first, and the plan comes and rings.
# A second Ixo in the same session ends at once, so alarms never fire twice.
source "$E2E_LIB"
[ -n "${E2E_PRELOAD:-}" ] || e2e_skip "the clock-set shim is not built"

printf '"once 00:00:20"\r\n"Good morning at 00:00:20"\r\n' >"$E2E_PROG/my.dat"
# Slot 4 of ixo.ini: "[Setting]", sound on, error messages on, "ALAEOn" (load my.dat at start-up).
{ head -c 153 /dev/zero; printf '%-17s\001\000\001\000%-30s' '[Setting]' 'ALAEOnDCWSOfUISPOfISOMOf'; } \
    >"$E2E_PROG/ixo.ini"

no_message_on() { test -z "$(xdotool search --onlyvisible --name "^Message  $1")"; }
# The sound device is opened afresh after a pause, which starts its file anew: a new burst changes the count.
sounded_since() { [ "$(e2e_sound_bursts)" != "$1" ]; }
# rings DAY: the plan's event rings on that day of December at 00:00:20, with its message; its window is closed.
rings() {
    local before
    before=$(e2e_sound_bursts)
    e2e_check "on the $1th the plan's message window opens at 00:00:20" \
        e2e_window "^Message  $1 Dec 2026 / 12:00 AM\$" 45 >/dev/null || return
    e2e_check "it shows the plan's message" \
        test "$(e2e_window_texts "^Message  $1 Dec" | cut -f2)" = "Good morning at 00:00:20"
    e2e_check "the plan's event sounds" e2e_wait_for 5 "its sound" sounded_since "$before"
    sleep 2
    xdotool windowactivate --sync "$(e2e_window "^Message  $1")" key --delay 100 Return
}

e2e_start "2026-12-06 23:59:50"
sleep 3
e2e_check "before midnight nothing fires" no_message_on
rings 07

e2e_set_clock "2026-12-08 00:00:10"
rings 08
e2e_check "the kernel's clock-set timer told Ixo" grep -q '^clock_set_shim: the clock was set' "$E2E_WORK/ixo.log"

ixo() { env -u DISPLAY "$E2E_PROG/ixo" "$@"; }
before=$(e2e_sound_bursts)
e2e_check "ixo --add 23:00 once goes in" test "$(ixo --add 23:00 once)" = "once 23:00:00"
e2e_set_clock "2026-12-09 07:30:00"
late=$(e2e_window '^Message  09 Dec 2026 / 07:30 AM$' 20)
e2e_check "after the night, yesterday's event fires late" test -n "$late"
sleep 2
e2e_check "once, saying when it was due" \
    test "$(e2e_window_texts '^Message  09 Dec' | cut -f2)" = "alarm at 23:00:00"
e2e_check "without sound" test "$(e2e_sound_bursts)" = "$before"
e2e_check "and leaves the list" test -z "$(ixo --list)"
[ -n "$late" ] && xdotool windowactivate --sync "$late" key --delay 100 Return

e2e_check "Disable is clicked in the tray menu" e2e_menu Disable
e2e_set_clock "2026-12-10 00:00:02"
sleep 2
e2e_check "nothing comes while disabled" no_message_on 10
e2e_check "Disable is clicked again to enable" e2e_menu Disable
rings 10

second=$("$E2E_PROG/ixo" 2>&1)
e2e_check "a second Ixo exits 0 saying so" test $? -eq 0 -a "$second" = "Ixo is already running"
e2e_summary
