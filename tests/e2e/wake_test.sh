#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The computer is woken for an alarm through the KDE power manager, scripted on the session bus (python3-dbusmock),
# with Ixo holding no capability to set a wake timer itself: at 10:00:00 "ixo --add 11:00" asks for a wake-up at
# 10:59:00, and Delete All in the Alarm Set window takes it back. Skipped without python3-dbusmock.
if [ -z "${E2E_NO_WAKE_ALARM:-}" ] && setpriv --bounding-set=-wake_alarm true 2>/dev/null; then
    exec env E2E_NO_WAKE_ALARM=1 setpriv --inh-caps=-wake_alarm --bounding-set=-wake_alarm bash "$0" "$@"
fi
source "$E2E_LIB"
/usr/bin/python3 -c 'import dbusmock' 2>/dev/null || e2e_skip "python3-dbusmock is not installed"

log="$E2E_WORK/power.log"
/usr/bin/python3 -m dbusmock --session -t "$(dirname "$E2E_LIB")/../platform/linux/kde_power_mock.py" -l "$log" &
e2e_pids+=($!)
e2e_wait_for 10 "the power manager" busctl --user status org.kde.Solid.PowerManagement || { e2e_summary; exit 1; }
e2e_start "2026-12-06 10:00:00"

e2e_check "ixo --add 11:00" test "$(env -u DISPLAY "$E2E_PROG/ixo" --add 11:00)" = "once 11:00:00"
asked() { grep -q "^[0-9.]* scheduleWakeup \".*\" \"/io/github/ixo/Ixo/Wake\" $(LD_PRELOAD= date -d '2026-12-06 10:59:00' +%s)$" "$log"; }
e2e_check "a wake-up is asked for 10:59:00" e2e_wait_for 20 "scheduleWakeup" asked
# From the hour box of the Alarm Set window, Delete All is 10 Tabs on.
e2e_open_alarm_set && xdotool key --delay 60 $(printf 'Tab %.0s' $(seq 10)) space
e2e_check "Delete All takes the wake-up back" e2e_wait_for 10 "clearWakeup" grep -q ' clearWakeup 1$' "$log"
e2e_summary
