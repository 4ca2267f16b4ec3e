#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The road of one alarm through the real windows, and Remove:
# at 19:29:30 the user adds 7:30:00 PM "twice" with the message "Call the garage", and at 19:29:58 opens a list in
# the text editor while xdg-mime hangs; at 19:30:00 a message window opens on top with that text and the sound plays
# exactly twice; the editor starts once the hanging lookup is given up. Remove ends Ixo with exit code 0 within a
# second. (A "repeat!" alarm stopped by a left click on the icon: the snooze scenario.)
source "$E2E_LIB"

# Stand-ins on Ixo's PATH: an xdg-mime that hangs, a gio that knows no default, a desktop editor that notes its file.
mkdir "$E2E_WORK/bin"
printf '#!/bin/sh\nexec sleep 10\n' >"$E2E_WORK/bin/xdg-mime"
printf '#!/bin/sh\nexit 1\n' >"$E2E_WORK/bin/gio"
printf '#!/bin/sh\necho "$1" >"%s/edited"\n' "$E2E_WORK" >"$E2E_WORK/bin/gnome-text-editor"
chmod +x "$E2E_WORK"/bin/*
export PATH="$E2E_WORK/bin:$PATH"

e2e_start "2026-12-06 19:29:00"

e2e_check "Alarm Set opens from the tray menu" e2e_open_alarm_set || { e2e_summary; exit 1; }
# Opened in the evening, the AM/PM box is preset to PM.
e2e_set_clock "2026-12-06 19:29:30"
e2e_add_alarm 7 30 00 0 2 "Call the garage"
# From the add-with-message button, the editor button (10 Tabs on); "plan" is opened at 19:29:58.
xdotool windowactivate --sync "$win"
e2e_chooser 10 plan
e2e_check "nothing has fired before" test -z "$(xdotool search --onlyvisible --name '^Message  ')"
e2e_set_clock "2026-12-06 19:29:58"
xdotool key Return

message=$(e2e_window '^Message  06 Dec 2026 / 07:30 PM$' 40)
e2e_check "at 19:30:00 the message window opens" test -n "$message"
if [ -n "$message" ]; then
    above() { xprop -id "$message" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
    e2e_check "the message window stays on top" above
    e2e_check "it shows the message" \
        test "$(e2e_window_texts '^Message  ')" = "$(printf 'Message  06 Dec 2026 / 07:30 PM\tCall the garage at 19:30:00')"
fi
# The ding is 1.5 s: two plays are over well within 6 s.
two_bursts() { [ "$(e2e_sound_bursts)" = 2 ]; }
e2e_check "the sound played exactly twice" e2e_wait_for 8 "two bursts" two_bursts
sleep 2
e2e_check "and not a third time" two_bursts
edited() { [ "$(cat "$E2E_WORK/edited" 2>/dev/null)" = "$E2E_PROG/plan.dat" ]; }
e2e_check "the editor starts with the list once the hanging lookup is given up" e2e_wait_for 10 "the editor" edited

# OK closes the message window (closing and opening Alarm Set again: the persistence scenario).
if [ -n "$message" ]; then
    xdotool windowactivate --sync "$message" key --delay 100 Return
    e2e_check "OK closes the message window" \
        e2e_wait_for 5 "message window to close" bash -c "! xdotool search --onlyvisible --name '^Message  '"
fi
ended() { ! kill -0 "$IXO_PID" 2>/dev/null; }
# A click xdotool sends to a menu is now and then not delivered; the menu is tried again then.
for attempt in 1 2 3; do
    e2e_menu Remove
    e2e_wait_for 1 "ixo to end" ended && break
done
e2e_check "Remove ends the program within a second" ended
wait "$IXO_PID"
code=$?
e2e_check "exit code is 0 (was $code)" test "$code" -eq 0

# Started again in German, the tray menu's entries (read through the accessibility tree) are German.
LC_ALL=de_DE.UTF-8 LANGUAGE=de e2e_start_ixo 2>/dev/null
e2e_wait_for 20 "tray icon" e2e_tray_icon && read -r ix iy iw ih < <(e2e_geometry "$(e2e_tray_icon)")
e2e_window_texts --menu-items >"$E2E_WORK/menu" & sleep 1
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3 sleep 1 key Down && wait $!
e2e_check "in German the tray menu reads in German" test "$(paste -sd'|' "$E2E_WORK/menu")" = \
    " Über  | Wecker stellen  | Zeitplan  | Einstellungen  | Hintergrundbild  | Hilfe  | Stopp  | Deaktivieren  | Entfernen  "

e2e_summary
